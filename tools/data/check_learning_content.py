#!/usr/bin/env python3
"""Validates resources/learning_content.json, the shared learning vocabulary.

Checks the form the program decodes and accepts (an object with "english", an
array of strings, and "chinese", an array of {"character", "pinyin"} objects;
at least 1000 words and 500 characters), and the content rules: lower-case
ASCII words, no duplicates, single simplified CJK characters, tone-marked pinyin.

Run from the repository root:  python3 tools/data/check_learning_content.py [path]
"""
import json
import re
import sys
from pathlib import Path

PINYIN = re.compile(r"[a-zāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüńňǹḿ]+")


def main():
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parents[2] / "resources" / "learning_content.json"
    doc = json.loads(path.read_bytes().decode("utf-8"))
    errors = []
    if set(doc) != {"english", "chinese"}:
        errors.append(f"top-level keys {sorted(doc)}")
    english, chinese = doc.get("english", []), doc.get("chinese", [])
    if len(english) < 1000:
        errors.append(f"only {len(english)} English words")
    if len(chinese) < 500:
        errors.append(f"only {len(chinese)} Chinese entries")
    for w in english:
        if not isinstance(w, str) or not re.fullmatch(r"[a-z]+", w):
            errors.append(f"bad English word {w!r}")
    if len(set(english)) != len(english):
        errors.append("duplicate English words")
    for e in chinese:
        if not isinstance(e, dict) or set(e) != {"character", "pinyin"} \
                or not all(isinstance(v, str) for v in e.values()):
            errors.append(f"bad Chinese entry {e!r}")
            continue
        c, p = e["character"], e["pinyin"]
        if len(c) != 1 or not "\u4e00" <= c <= "\u9fff":
            errors.append(f"not one CJK character: {c!r}")
        if not PINYIN.fullmatch(p):
            errors.append(f"bad pinyin {p!r} for {c}")
    chars = [e.get("character") for e in chinese if isinstance(e, dict)]
    if len(set(chars)) != len(chars):
        errors.append("duplicate Chinese characters")
    for e in errors:
        print("ERROR:", e)
    if errors:
        sys.exit(1)
    print(f"ok: {len(english)} English words, {len(chinese)} Chinese characters")


if __name__ == "__main__":
    main()
