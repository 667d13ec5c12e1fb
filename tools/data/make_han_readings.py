#!/usr/bin/env python3
"""Builds src/core/HanReadings.inc, the readings of the radical and sentence games' characters.

Their tiles and cards show the pinyin of every character; the vocabulary knows most of
them, and the program transliterated the rest with ICU's "Any-Latin" rules, which it had
to build at run time (a tenth of a second and some 2 MiB kept for the whole run). This
table gives it, ahead, ICU's own reading of every Chinese character written in those
games' banks, so that the rules are only built for a character no table knows.

Needs uconv, from the Debian package icu-devtools (the same ICU as the program's):

  apt-get install icu-devtools
  python3 tools/data/make_han_readings.py [output path]

Each character is transliterated on a line of its own, as the program transliterates one
character at a time, and put in lower case, as the program does. The output is sorted by
code point and deterministic. tst_learning_content checks the table against the rules
the program builds, and the games' tests that their banks hold no character it lacks.
"""

import pathlib
import re
import subprocess
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parents[2]
BANKS = [
    "src/games/language/RadicalBuilder/RadicalBuilderGame.cpp",
    "src/games/language/SentenceMaker/SentenceMakerGame.cpp",
]
LITERAL = re.compile(r'u"((?:[^"\\]|\\.)*)"')


def characters():
    found = set()
    for bank in BANKS:
        for literal in LITERAL.findall((ROOT / bank).read_text(encoding="utf-8")):
            found.update(c for c in literal if unicodedata.name(c, "").startswith("CJK "))
    return sorted(found)


def main():
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "src/core/HanReadings.inc"
    chars = characters()
    result = subprocess.run(["uconv", "-f", "utf-8", "-t", "utf-8", "-x", "Any-Latin"],
                            input="\n".join(chars) + "\n", capture_output=True, text=True, check=True)
    readings = result.stdout.split("\n")[: len(chars)]
    if len(readings) != len(chars) or not all(readings):
        sys.exit("uconv gave %d readings for %d characters" % (len(readings), len(chars)))
    lines = ["// Made by tools/data/make_han_readings.py from ICU's \"Any-Latin\": do not edit.\n"]
    lines += ['{U\'%s\', u"%s"},\n' % (c, r.lower()) for c, r in zip(chars, readings)]
    output.write_text("".join(lines), encoding="utf-8")
    print("%d readings written to %s" % (len(chars), output))


if __name__ == "__main__":
    main()
