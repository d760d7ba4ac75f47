// Converts the person names of the faker package's locales into resources/names/*.txt, once;
// the build reads those files and never this script. Run it with Node on the package as npm
// packs it:
//   npm pack @faker-js/faker@10.6.0 && tar xzf faker-js-faker-*.tgz
//   node tools/names_from_faker.mjs package resources/names
// What it drops or corrects by hand is in tools/name_cleaning.json, one rule a list; it
// writes, between the markers of resources/names/README.md, how many names each origin keeps
// and every name each rule dropped or changed.
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const [, , packageDir, outDir] = process.argv;
const { version } = JSON.parse(readFileSync(join(packageDir, 'package.json'), 'utf8'));
const { allLocales } = await import(pathToFileURL(resolve(packageDir, 'dist/index.js')).href);
const here = dirname(fileURLToPath(import.meta.url));
const cleaning = JSON.parse(readFileSync(join(here, 'name_cleaning.json'), 'utf8'));

// Origin, file, faker locales, and how its letters reach code page 1252.
const origins = [
  ['American', 'american', ['en']], ['Danish', 'danish', ['da']], ['Dutch', 'dutch', ['nl']],
  ['French', 'french', ['fr']], ['German', 'german', ['de']],
  ['Ghanaian', 'ghanaian', ['en_GH']], ['Indian', 'indian', ['en_IN']],
  ['Indonesian', 'indonesian', ['id_ID']], ['Italian', 'italian', ['it']],
  ['Korean', 'korean', ['ko'], 'korean'], ['Mexican', 'mexican', ['es_MX']],
  ['Nigerian', 'nigerian', ['en_NG', 'yo_NG']], ['Norwegian', 'norwegian', ['nb_NO']],
  ['Polish', 'polish', ['pl'], 'fold'], ['Portuguese', 'portuguese', ['pt_PT']],
  ['Russian', 'russian', ['ru'], 'russian'], ['Senegalese', 'senegalese', ['fr_SN']],
  ['South African', 'south_african', ['af_ZA', 'en_ZA', 'zu_ZA']],
  ['Spanish', 'spanish', ['es']], ['Swedish', 'swedish', ['sv']], ['Swiss', 'swiss', ['de_CH']],
  ['Turkish', 'turkish', ['tr'], 'fold'], ['Ukrainian', 'ukrainian', ['uk'], 'ukrainian'],
];

// Code page 1252's printable characters: what the Windows sheet can hold.
const cp1252Extras = '€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ';
const inCp1252 = (c) => (c >= ' ' && c <= '~') || (c >= '\u00a0' && c <= '\u00ff') ||
  cp1252Extras.includes(c);

const capitalised = (latin) =>
  latin.replace(/(^|[ -])([a-z])/g, (_, before, first) => before + first.toUpperCase());

// A letter code page 1252 lacks becomes its base letter (ś s, ğ g, ł l, ı i); one it has stays.
const baseLetters = { ł: 'l', Ł: 'L', ı: 'i', đ: 'd', Đ: 'D', ħ: 'h' };
const fold = (name) => [...name].map((c) => {
  if (inCp1252(c)) return c;
  if (baseLetters[c]) return baseLetters[c];
  const bare = c.normalize('NFD').replace(/\p{M}/gu, '');
  return [...bare].every(inCp1252) ? bare : c;
}).join('');

// ICAO Doc 9303 (machine-readable travel documents), Cyrillic to Latin: letters A to Z only.
const icao = {
  а: 'a', б: 'b', в: 'v', г: 'g', д: 'd', е: 'e', ё: 'e', ж: 'zh', з: 'z', и: 'i', й: 'i',
  к: 'k', л: 'l', м: 'm', н: 'n', о: 'o', п: 'p', р: 'r', с: 's', т: 't', у: 'u', ф: 'f',
  х: 'kh', ц: 'ts', ч: 'ch', ш: 'sh', щ: 'shch', ъ: 'ie', ы: 'y', ь: '', э: 'e', ю: 'iu',
  я: 'ia',
};
const russian = (name) => capitalised([...name.toLowerCase()].map((c) => icao[c] ?? c).join(''));

// Ukraine's national transliteration (Cabinet of Ministers resolution 55 of 2010): є, ї, й,
// ю and я are written ye, yi, y, yu, ya at the start of a word, ie, i, i, iu, ia elsewhere;
// зг is zgh, the soft sign and the apostrophe are not written.
const kmu = {
  а: 'a', б: 'b', в: 'v', г: 'h', ґ: 'g', д: 'd', е: 'e', є: 'ie', ж: 'zh', з: 'z', и: 'y',
  і: 'i', ї: 'i', й: 'i', к: 'k', л: 'l', м: 'm', н: 'n', о: 'o', п: 'p', р: 'r', с: 's',
  т: 't', у: 'u', ф: 'f', х: 'kh', ц: 'ts', ч: 'ch', ш: 'sh', щ: 'shch', ь: '', ю: 'iu',
  я: 'ia', "'": '', '’': '', 'ʼ': '',
};
const kmuFirst = { є: 'ye', ї: 'yi', й: 'y', ю: 'yu', я: 'ya' };
const ukrainian = (name) => capitalised(name.toLowerCase().replace(/зг/g, 'zgh')
  .split(/([ -])/).map((word) => [...word]
    .map((c, i) => (i === 0 && kmuFirst[c]) || (kmu[c] ?? c)).join('')).join(''));

// The Revised Romanization of Korean, syllable by syllable as it allows for given names (no
// sound changes across syllables); surnames take the spelling their bearers' passports mostly
// use, where tools/name_cleaning.json gives one.
const initials = ['g', 'kk', 'n', 'd', 'tt', 'r', 'm', 'b', 'pp', 's', 'ss', '', 'j', 'jj',
  'ch', 'k', 't', 'p', 'h'];
const vowels = ['a', 'ae', 'ya', 'yae', 'eo', 'e', 'yeo', 'ye', 'o', 'wa', 'wae', 'oe', 'yo',
  'u', 'wo', 'we', 'wi', 'yu', 'eu', 'ui', 'i'];
const finals = ['', 'k', 'k', 'k', 'n', 'n', 'n', 't', 'l', 'k', 'm', 'p', 'l', 'l', 'p', 'l',
  'm', 'p', 'p', 't', 't', 'ng', 't', 't', 'k', 't', 'p', 't'];
const korean = (name, surname) => {
  if (surname && cleaning.Korean.surnames[name]) return cleaning.Korean.surnames[name];
  const latin = [...name].map((c) => {
    const code = c.codePointAt(0) - 0xac00;
    if (code < 0 || code >= 11172) return c;
    return initials[Math.floor(code / 588)] + vowels[Math.floor((code % 588) / 28)] +
      finals[code % 28];
  }).join('');
  return capitalised(latin);
};

const scripts = { fold, russian, ukrainian, korean };

// Polish surnames in -ski, -cki and -dzki take -ska, -cka and -dzka for a woman, and the
// adjectives in -ny and -chy -na and -cha (Wolny, Wolna); faker files a few of those female
// forms beside the male ones, and they stay on the women's list only.
const polishFemale = (surname) => surname.replace(/(sk|ck|dzk)i$/, '$1a').replace(/(n|ch)y$/, '$1a');
const polishFemaleForm = (surname, all) =>
  /(n|ch)a$/.test(surname) && all.includes(surname.replace(/a$/, 'y'));

const report = [];
const changes = [];
for (const [origin, file, codes, script] of origins) {
  const rules = cleaning[origin] ?? {};
  const counts = { converted: 0, notCp1252: 0, tooLong: 0, repeated: 0, byHand: 0 };
  const notes = [];
  const convert = (name, surname) => {
    name = name.trim();
    if (!script) return name;
    const latin = scripts[script](name, surname);
    if (latin !== name) counts.converted++;
    return latin;
  };
  const clean = (names, section) => {
    const kept = [];
    const surname = section.includes('surname');
    for (const raw of names) {
      let name = convert(raw, surname);
      for (const [rule, fixes] of Object.entries(rules.fix ?? {})) {
        if (fixes[name] !== undefined) {
          notes.push([rule, `${name} → ${fixes[name]}`]);
          counts.byHand++;
          name = fixes[name];
        }
      }
      const dropped = Object.entries(rules.drop ?? {}).find(([, listed]) =>
        listed.includes(name) || listed.includes(`${section}: ${name}`));
      if (dropped) { notes.push([dropped[0], `${name} (${section})`]); counts.byHand++; continue; }
      const moved = Object.entries(rules.move ?? {}).find(([, listed]) =>
        listed.includes(`${section}: ${name}`));
      if (moved) { notes.push([moved[0], `${name} (${section}, moved)`]); counts.byHand++; continue; }
      if (![...name].every(inCp1252)) { counts.notCp1252++; continue; }
      // A full name has a given name, a blank and a surname in 20 characters.
      if ([...name].length > 18) { counts.tooLong++; continue; }
      if (kept.includes(name)) { counts.repeated++; continue; }
      kept.push(name);
    }
    return kept;
  };
  const gathered = { female: [], male: [], surname: [], 'female surname': [], 'male surname': [] };
  for (const code of codes) {
    const person = allLocales[code].person;
    const take = (section, names = []) => gathered[section].push(...names);
    take('female', person.first_name.female);
    take('male', person.first_name.male);
    // Names the locale gives for either sex (Yoruba's are) go to both.
    if (rules.genericGiven) {
      take('female', person.first_name.generic);
      take('male', person.first_name.generic);
    }
    take('surname', person.last_name.generic);
    take('female surname', person.last_name.female);
    take('male surname', person.last_name.male);
  }
  // A name filed under the wrong sex ("male: Olga") goes to the other's list.
  for (const listed of Object.values(rules.move ?? {})) {
    for (const entry of listed) {
      const [from, name] = entry.split(': ');
      gathered[from === 'male' ? 'female' : 'male'].push(name);
    }
  }
  // Names of the origin that faker files under another locale, named in the cleaning file.
  for (const [to, listed] of Object.entries(rules.add ?? {})) gathered[to].push(...listed);
  const sections = Object.entries(gathered).map(([section, names]) =>
    [section, clean(names, section)]);
  if (origin === 'Polish') {
    const [, generic] = sections.find(([section]) => section === 'surname');
    const women = sections.find(([s]) => s === 'female surname')[1];
    for (const name of generic.map(polishFemale)) if (!women.includes(name)) women.push(name);
    sections.find(([s]) => s === 'male surname')[1].push(
      ...generic.filter((name) => !polishFemaleForm(name, generic)));
    generic.length = 0;
  }
  const lines = [`# ${origin}: faker ${version}, ${codes.length > 1 ? 'locales' : 'locale'} ` +
    `${codes.join(', ')}.`];
  for (const [section, names] of sections) {
    if (names.length > 0) lines.push(`[${section}]`, ...names.sort((a, b) => a.localeCompare(b)));
  }
  writeFileSync(join(outDir, `${file}.txt`), lines.join('\n') + '\n');
  const size = (section) => sections.find(([s]) => s === section)[1].length;
  const surnames = size('surname') > 0 ? `${size('surname')}` :
    `${size('female surname')} female, ${size('male surname')} male`;
  report.push(`| ${origin} | ${codes.map((c) => `\`${c}\``).join(', ')} | ${size('female')} | ` +
    `${size('male')} | ${surnames} | ${counts.converted} | ${counts.notCp1252} | ` +
    `${counts.tooLong} | ${counts.repeated} | ${counts.byHand} |`);
  const byRule = new Map();
  for (const [rule, name] of notes) byRule.set(rule, [...(byRule.get(rule) ?? []), name]);
  for (const [rule, names] of byRule) changes.push(`- ${origin}, ${rule}: ${names.join(', ')}.`);
}

const readme = join(outDir, 'README.md');
const text = readFileSync(readme, 'utf8');
const table = ['| Origin | faker locales | Female | Male | Surnames | Converted | Not in 1252 | ' +
  'Too long | Repeated | By hand |', '|---|---|---|---|---|---|---|---|---|---|', ...report];
const generated = `<!-- made by tools/names_from_faker.mjs -->\n${table.join('\n')}\n\n` +
  `### Dropped or corrected by hand\n\n${changes.join('\n')}\n<!-- end -->`;
writeFileSync(readme, text.replace(/<!-- made by [^]*<!-- end -->/, generated));
