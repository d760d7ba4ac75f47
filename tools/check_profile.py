#!/usr/bin/env python3
"""Checks the profile lists of resources/profile for what a game master should never read.

    tools/check_profile.py [resources/profile]    exit 1 and a line a fault when any is found

Faults: a letter the Windows sheet cannot print, a line that does not start with a capital or
ends with a full stop, a double quote (it would end the sheet's quoted line), a word that is
not in the British English word list (where /usr/share/dict/british-english is installed),
innuendo, a
word that fits one sex only where it speaks of the character, a word of who a person is
(faith, origin, orientation, gender, health) in a lever, a coercion or a mannerism, a line
given twice, and too few lines.
"""
import pathlib
import re
import sys

FILES = {"motives.txt": 40, "leverage.txt": 40, "mannerisms.txt": 40, "occupations.txt": 150}
SECTION_LEAST = 10  # lines for each motive
# Words that tie a line to the character's sex: the line could then fit only one.
ONE_SEX = {"he", "she", "his", "her", "hers", "him", "himself", "herself", "wife", "husband",
           "girlfriend", "boyfriend", "mistress", "widow", "widower", "lady", "gentleman",
           "man", "woman", "actress", "waitress", "hostess", "stewardess", "seamstress"}
OCCUPATION_ONE_SEX = re.compile(r"(?:man|woman|men|women|ess|wife|girl|boy)$")
# Who a person is: never a secret, a weakness or a lever.
IDENTITY = {"gay", "lesbian", "homosexual", "bisexual", "queer", "transgender", "trans",
            "orientation", "religion", "religious", "faith", "church",
            "mosque", "synagogue", "temple", "jewish", "muslim", "christian", "catholic",
            "ethnic", "ethnicity", "race", "racial", "immigrant", "refugee", "illness", "ill",
            "sick", "disease", "cancer", "hiv", "disabled", "disability", "wheelchair", "mental",
            "depression", "addict", "addiction", "alcoholic", "pregnant", "abortion", "accent",
            "skin", "fat", "ugly"}
# Espionage tone, not innuendo.
INNUENDO = {"affair", "lover", "lovers", "mistress", "bed", "bedroom", "naked", "sex", "sexual",
            "seduce", "seduced", "seduction", "honeytrap", "kiss", "flirt", "flirts"}
DICTIONARY = pathlib.Path("/usr/share/dict/british-english")
# Words the lists use that the word list lacks, each read by eye.
KNOWN = {"bookbinder", "cafe", "clockmaker", "fishmonger", "groundskeeper", "haulage",
         "hydrographer", "newsagent", "repairer", "scaffolder", "signaller", "sommelier",
         "stonemason", "toymaker", "zookeeper"}


def lines_of(path):
    """The file's sections, each a list of (line number, text)."""
    found, current = {}, None
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if line.startswith("#"):
            continue
        match = re.fullmatch(r"\[(.*)\]", line)
        if match:
            current = found.setdefault(match.group(1), [])
        elif current is not None:
            current.append((number, line))
    return found


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "resources/profile")
    words = None
    if DICTIONARY.exists():
        words = {w.strip().lower() for w in DICTIONARY.read_text(encoding="utf-8").split()}
    faults = []
    for name, least in FILES.items():
        path = folder / name
        sections = lines_of(path)
        every = [entry for section in sections.values() for entry in section]
        if len(every) < least:
            faults.append(f"{path}: {len(every)} lines; at least {least}")
        if name == "motives.txt":
            for section, entries in sections.items():
                if len(entries) < SECTION_LEAST:
                    faults.append(f"{path}: [{section}] has {len(entries)} lines; at least "
                                  f"{SECTION_LEAST}")
        seen = {}
        # Lines that hold something over the character, or that a game master acts out.
        judged = {number for section, entries in sections.items()
                  if name in ("leverage.txt", "mannerisms.txt") or section == "Coercion"
                  for number, _ in entries}
        for number, text in every:
            where = f"{path}:{number}: \"{text}\""
            try:
                text.encode("cp1252")
            except UnicodeEncodeError:
                faults.append(f"{where}: a letter code page 1252 lacks")
            if not re.match(r"[A-Z]", text):
                faults.append(f"{where}: does not start with a capital")
            if text.endswith("."):
                faults.append(f"{where}: ends with a full stop; the sheet adds none")
            if '"' in text:
                faults.append(f"{where}: a double quote ends the sheet's line")
            if text.lower() in seen:
                faults.append(f"{where}: given before, on line {seen[text.lower()]}")
            seen.setdefault(text.lower(), number)
            tokens = re.findall(r"[A-Za-z]+(?:-[A-Za-z]+)*", text)
            for token in tokens:
                lower = token.lower()
                if lower in ONE_SEX:
                    faults.append(f"{where}: \"{token}\" fits one sex only")
                if lower in INNUENDO:
                    faults.append(f"{where}: \"{token}\" is innuendo")
                if lower in IDENTITY and number in judged:
                    faults.append(f"{where}: \"{token}\" speaks of who a person is")
                for part in lower.split("-"):
                    if words is not None and part not in words and part not in KNOWN:
                        faults.append(f"{where}: \"{part}\" is in no word list")
            if name == "occupations.txt" and OCCUPATION_ONE_SEX.search(text.split()[-1]):
                faults.append(f"{where}: a name of the work for one sex")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
