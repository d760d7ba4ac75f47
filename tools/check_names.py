#!/usr/bin/env python3
"""Checks the name and codename lists of resources/names for junk a reader would trip over.

    tools/check_names.py [resources/names]           exit 1 and a line a fault when any is found
    tools/check_names.py --review [resources/names]  also lists given names that are English
                                                     words (needs /usr/share/dict/words), to read

Faults: letters the Windows sheet cannot print, wrong case, three of a letter in a row, a
word without a vowel, titles and placeholders, a given name filed under both sexes that
tools/name_cleaning.json does not call unisex, a name repeated within its list, codename
word pairs over 20 characters, a name over 18 or fewer than 40,000 of them, and never-drawn lists that name
words or names the lists do not hold.
"""
import json
import pathlib
import re
import sys

LONGEST = 20
# Lower-case particles that stand inside surnames ("van der Merwe", "de Souza").
PARTICLES = {"van", "von", "der", "den", "de", "del", "della", "di", "da", "das", "do", "dos",
             "du", "la", "le", "ter", "ten", "zu", "y", "e", "ibn", "bin", "binti", "al"}
# Given names that are titles or placeholders; as surnames (King, Prince) they are real.
TITLES = {"mr", "mrs", "ms", "miss", "dr", "sir", "lord", "lady", "general", "judge",
          "colonel", "major", "captain", "raden", "pangeran", "prince", "princess", "king",
          "queen", "rev", "reverend", "saint", "st", "sheikh", "sultan", "chief", "name",
          "sname", "surname", "firstname", "unknown", "baby", "boy", "girl", "haji", "hajjah"}
VOWELS = set("aeiouyàáâãäåæèéêëìíîïòóôõöøùúûüýÿœAEIOUYÀÁÂÃÄÅÆÈÉÊËÌÍÎÏÒÓÔÕÖØÙÚÛÜÝŸŒ")
CAPITALISED = r"[A-ZÀ-ÖØ-ÞŠŽŒ][a-zß-öø-ÿšžœ]*"
# "O'Hara", "Dell'Amico", "McLean", "DuBuque": a capital may follow these.
WORD = re.compile(rf"^(?:Mc|Mac|Du|De|La|Von|Van|[A-Z][a-z]*')?{CAPITALISED}$")


def sections(path):
    """The file's sections, each a list of (line number, text)."""
    found, current = {}, None
    lines = path.read_text(encoding="utf-8").splitlines()
    for number, line in enumerate(lines[1:], start=2):
        match = re.fullmatch(r"\[(.*)\]", line)
        if match:
            current = found.setdefault(match.group(1), [])
        elif current is not None and line and not line.startswith("#"):
            current.append((number, line))
    return found


def word_faults(text, surname):
    faults = []
    try:
        text.encode("cp1252")
    except UnicodeEncodeError:
        faults.append("has a letter code page 1252 lacks")
    if any(ord(c) < 0x20 or ord(c) == 0x7F for c in text):
        faults.append("has a control character")
    if re.search(r"(.)\1\1", text, re.IGNORECASE):
        faults.append("has three of a letter in a row")
    words = re.split(r"[ -]", text)
    for position, word in enumerate(words):
        if not surname and word.lower() in TITLES:
            faults.append(f"'{word}' is a title or a placeholder")
        inside = position < len(words) - 1 and (surname or position > 0)
        if word in PARTICLES and inside:
            continue
        if not WORD.match(word):
            faults.append(f"'{word}' is not written as a name (a capital, then small letters)")
        elif not VOWELS & set(word) and len(word) > 1:
            faults.append(f"'{word}' has no vowel")
    if len(text) < 2:
        faults.append("is a single letter")
    if len(text) > LONGEST - 2:
        faults.append(f"leaves no room on the sheet's {LONGEST} characters for a second name")
    return faults


def check_origin(path, unisex, faults):
    found = sections(path)
    given = {}
    for section, entries in found.items():
        seen = set()
        for number, text in entries:
            for fault in word_faults(text, "surname" in section):
                faults.append(f"{path.name}:{number}: [{section}] {text} {fault}")
            if text in seen:
                faults.append(f"{path.name}:{number}: [{section}] {text} is listed twice")
            seen.add(text)
        if section in ("female", "male"):
            given[section] = seen
    for text in sorted(given.get("female", set()) & given.get("male", set()) - unisex):
        faults.append(f"{path.name}: {text} is both a female and a male given name")
    return found


def pairs(found, faults, path):
    adjectives = [text for _, text in found.get("adjective", [])]
    nouns = [text for _, text in found.get("noun", [])]
    for number, text in found.get("adjective", []) + found.get("noun", []):
        if not re.fullmatch(r"[A-Z][a-z]+", text):
            faults.append(f"{path.name}:{number}: '{text}' is not one capitalised word")
    never = set()
    for number, text in found.get("never", []):
        words = text.split(" ")
        if len(words) != 2 or words[0] not in adjectives or words[1] not in nouns:
            faults.append(f"{path.name}:{number}: '{text}' is not a pair of the lists' words")
        never.add(text)
    long = [f"{a} {n}" for a in adjectives for n in nouns if len(a) + 1 + len(n) > LONGEST]
    if long:
        faults.append(f"{path.name}: {len(long)} codenames over {LONGEST} characters: {long[:3]}")
    drawn = len(adjectives) * len(nouns) - len(never)
    if drawn < 40000:
        faults.append(f"{path.name}: {drawn} codenames can be drawn; at least 40000 are wanted")
    return drawn


def check_famous(path, given_names, surnames, faults):
    seen = set()
    for number, text in sections(path).get("never", []):
        if text in seen:
            faults.append(f"{path.name}:{number}: {text} is listed twice")
        seen.add(text)
        if " " not in text:
            faults.append(f"{path.name}:{number}: {text} is not a given name and a surname")
    return len(seen)


def english_words(found_given):
    dictionary = pathlib.Path("/usr/share/dict/words")
    if not dictionary.exists():
        return ["(no /usr/share/dict/words: install wamerican to list English words)"]
    words = {w.strip() for w in dictionary.read_text(encoding="utf-8").splitlines()}
    return sorted(name for name in found_given if name.lower() in words)


def main(arguments):
    review = "--review" in arguments
    folder = pathlib.Path(next((a for a in arguments if not a.startswith("--")),
                               pathlib.Path(__file__).parent.parent / "resources" / "names"))
    cleaning = json.loads((pathlib.Path(__file__).parent / "name_cleaning.json").read_text())
    faults, given, surnames, counts = [], set(), set(), []
    for path in sorted(folder.glob("*.txt")):
        if path.name == "aliases.txt":
            counts.append(f"codenames that can be drawn: {pairs(sections(path), faults, path)}")
            continue
        if path.name == "famous.txt":
            continue
        found = sections(path)
        origin = path.read_text(encoding="utf-8").split(":", 1)[0].lstrip("# ")
        check_origin(path, set(cleaning.get(origin, {}).get("unisex", [])), faults)
        size = {section: len(entries) for section, entries in found.items()}
        for section, entries in found.items():
            (surnames if "surname" in section else given).update(t for _, t in entries)
        for sex in ("female", "male"):
            surnames_of_sex = size.get("surname", 0) + size.get(f"{sex} surname", 0)
            if size.get(sex, 0) < 50 or surnames_of_sex < 100:
                faults.append(f"{path.name}: {size.get(sex, 0)} {sex} given names and "
                              f"{surnames_of_sex} surnames; at least 50 and 100 are wanted")
    famous = folder / "famous.txt"
    if famous.exists():
        counts.append(f"full names never drawn: {check_famous(famous, given, surnames, faults)}")
    else:
        faults.append("famous.txt is missing")
    for fault in faults:
        print(fault)
    if review:
        print("Given names that are English words, to read:", ", ".join(english_words(given)))
    print("; ".join(counts))
    print(f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
