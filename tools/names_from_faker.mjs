// Converts the person names of the faker package's locales into resources/names/*.txt, once;
// the build reads those files and never this script. Run it with Node on the package as npm
// packs it:
//   npm pack @faker-js/faker && tar xzf faker-js-faker-*.tgz
//   node tools/names_from_faker.mjs package resources/names
// It prints, for each origin, how many names each rule kept, dropped or changed.
import { readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [, , packageDir, outDir] = process.argv;
const { version } = JSON.parse(readFileSync(join(packageDir, 'package.json'), 'utf8'));
const { allLocales } = await import(pathToFileURL(resolve(packageDir, 'dist/index.js')).href);

// Origin, file, faker locale, and whether the locale writes in Cyrillic.
const origins = [
  ['American', 'american', 'en'], ['Danish', 'danish', 'da'], ['Dutch', 'dutch', 'nl'],
  ['French', 'french', 'fr'], ['German', 'german', 'de'], ['Ghanaian', 'ghanaian', 'en_GH'],
  ['Indonesian', 'indonesian', 'id_ID'], ['Italian', 'italian', 'it'],
  ['Norwegian', 'norwegian', 'nb_NO'], ['Portuguese', 'portuguese', 'pt_PT'],
  ['Russian', 'russian', 'ru', true], ['Senegalese', 'senegalese', 'fr_SN'],
  ['South African', 'south_african', 'af_ZA'], ['Spanish', 'spanish', 'es'],
  ['Swedish', 'swedish', 'sv'], ['Swiss', 'swiss', 'de_CH'],
];

// Code page 1252's printable characters: what the Windows sheet can hold.
const cp1252Extras = '€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ';
const inCp1252 = (c) => (c >= ' ' && c <= '~') || (c >= '\u00a0' && c <= '\u00ff') ||
  cp1252Extras.includes(c);

// ICAO Doc 9303 (machine-readable travel documents), Cyrillic to Latin: letters A to Z only.
const icao = {
  а: 'a', б: 'b', в: 'v', г: 'g', д: 'd', е: 'e', ё: 'e', ж: 'zh', з: 'z', и: 'i', й: 'i',
  к: 'k', л: 'l', м: 'm', н: 'n', о: 'o', п: 'p', р: 'r', с: 's', т: 't', у: 'u', ф: 'f',
  х: 'kh', ц: 'ts', ч: 'ch', ш: 'sh', щ: 'shch', ъ: 'ie', ы: 'y', ь: '', э: 'e', ю: 'iu',
  я: 'ia',
};
const transliterate = (name) => {
  const latin = [...name.toLowerCase()].map((c) => icao[c] ?? c).join('');
  return latin.replace(/(^|[ -])([a-z])/g, (_, before, first) => before + first.toUpperCase());
};

const report = [];
for (const [origin, file, code, cyrillic] of origins) {
  const person = allLocales[code].person;
  const counts = { changed: 0, notCp1252: 0, tooLong: 0, repeated: 0 };
  const clean = (names = []) => {
    const kept = [];
    for (let name of names) {
      name = name.trim();
      if (cyrillic) { name = transliterate(name); counts.changed++; }
      if (![...name].every(inCp1252)) { counts.notCp1252++; continue; }
      // A full name has a given name, a blank and a surname in 20 characters.
      if ([...name].length > 18) { counts.tooLong++; continue; }
      if (kept.includes(name)) { counts.repeated++; continue; }
      kept.push(name);
    }
    return kept;
  };
  const sections = [
    ['female', clean(person.first_name.female)], ['male', clean(person.first_name.male)],
    ['surname', clean(person.last_name.generic)],
    ['female surname', clean(person.last_name.female)],
    ['male surname', clean(person.last_name.male)],
  ];
  const lines = [`# ${origin}: faker ${version}, locale ${code}.`];
  for (const [section, names] of sections) {
    if (names.length > 0) lines.push(`[${section}]`, ...names);
  }
  writeFileSync(join(outDir, `${file}.txt`), lines.join('\n') + '\n');
  const sizes = sections.map(([section, names]) => `${section} ${names.length}`).join(', ');
  report.push(`| ${origin} | \`${code}\` | ${sizes} | ${counts.changed} | ` +
              `${counts.notCp1252} | ${counts.tooLong} | ${counts.repeated} |`);
}
console.log(report.join('\n'));
