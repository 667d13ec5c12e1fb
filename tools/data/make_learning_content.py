#!/usr/bin/env python3
"""Builds resources/learning_content.json, the shared learning vocabulary.

Reads these Debian packages (install them first; they are build-time tools only):
  scowl         /usr/share/dict/scowl/{english,american}-words.{10..60}
                (English words by how common they are, US spelling)
  wordnet-base  /usr/share/wordnet/index.{noun,verb,adj}
                (the nouns, verbs and adjectives of English)
  unicode-data  /usr/share/unicode/Unihan_Readings.txt.bz2
                (kTGHZ2013: the standard table of simplified characters with
                their readings; kHanyuPinlu: readings with counts from the
                frequency dictionary of modern Chinese; kMandarin: customary
                reading)

  apt-get install scowl wordnet-base unicode-data
  python3 tools/data/make_learning_content.py [output path]

The output is deterministic: running the script again reproduces the file
byte for byte.

English: the reviewed table of english_themes.py, words a young child can
see, point at or act out, in the 13 themes of the program's picture cycle
(animals, food, colours and art, people, clothes, school, transport, home,
nature, actions, describing and feeling words, places in town, time). The
program gives word i the picture of theme i mod 13, so the words are dealt out
round-robin, the most familiar of each theme first; every word must be in the
SCOWL lists and be a WordNet noun, verb or adjective.

Chinese: the reviewed table of early_characters.py, the characters a young
child meets first, picturable ones first, each with the pinyin of its most
common reading in the standard table (by the frequency dictionary counts where
it has them). A neutral-tone reading is only taken when it clearly dominates;
otherwise the most frequent toned reading is used (地 dì, 子 zǐ). The character
games draw their questions from the whole list and offer the characters at i
and at a few fixed offsets after it as the choices of question i; where two of
those would sound the same (她/它 tā), the later one waits for the next place
where it clashes with nothing, so the list keeps the table's order but for a
few steps.

The finished document is checked with check_learning_content.py before it is
written.
"""
import bz2
import collections
import json
import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_learning_content as check  # noqa: E402
from early_characters import characters as early_characters  # noqa: E402
from english_themes import THEMES  # noqa: E402

SCOWL = Path("/usr/share/dict/scowl")
WORDNET = Path("/usr/share/wordnet")
UNIHAN_READINGS = Path("/usr/share/unicode/Unihan_Readings.txt.bz2")

ENGLISH_COUNT = 1092

# ---------------------------------------------------------------------------
# English


def read_words(name):
    path = SCOWL / name
    return path.read_text(encoding="latin-1").split()


def dictionary_words():
    """Every spelling of the SCOWL lists up to size 60 (common and less common
    words, no rare or specialist ones)."""
    words = set()
    for size in (10, 20, 35, 40, 50, 55, 60):
        for name in (f"english-words.{size}", f"american-words.{size}"):
            words.update(read_words(name))
    return words


def wordnet_content_lemmas():
    """The nouns, verbs and adjectives of WordNet."""
    lemmas = set()
    for pos in ("noun", "verb", "adj"):
        for line in (WORDNET / f"index.{pos}").read_text(encoding="latin-1").splitlines():
            if not line.startswith(" "):
                lemmas.add(line.split(" ", 1)[0])
    return lemmas


def english_words():
    """The themed words dealt out round-robin, so that word i belongs to theme
    i mod 13, until ENGLISH_COUNT words or until a theme runs out."""
    dictionary = dictionary_words()
    content = wordnet_content_lemmas()
    themes = []
    for _emoji, name, text in THEMES:
        words = text.split()
        for w in words:
            if w not in dictionary:
                sys.exit(f"{name}: {w!r} is not in the SCOWL word lists")
            # Plural-only nouns (jeans, pajamas) stand in WordNet in the singular.
            if w not in content and not (w.endswith("s") and w[:-1] in content):
                sys.exit(f"{name}: {w!r} is no WordNet noun, verb or adjective")
        themes.append(words)
    words = []
    while len(words) < ENGLISH_COUNT:
        theme = themes[len(words) % len(themes)]
        k = len(words) // len(themes)
        if k == len(theme):
            break
        words.append(theme[k])
    if len(words) < check.MINIMUM_ENGLISH:
        t = len(words) % len(themes)
        sys.exit(f"the theme cycle breaks at word {len(words)}: {THEMES[t][1]} has only "
                 f"{len(themes[t])} words, every theme needs at least "
                 f"{-(-check.MINIMUM_ENGLISH // len(themes))}")
    return words


# ---------------------------------------------------------------------------
# Chinese

# Characters whose game prompt speaks a fixed phrase (长短的长, 一只小鸟的只 ...):
# the shown pinyin is the reading of that phrase.
PHRASE_READINGS = {"长": "cháng", "切": "qiē", "还": "huán", "子": "zǐ",
                   "干": "gān", "茄": "qié", "只": "zhī", "椰": "yē"}

TONE_MARKS = set("āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ")
NEUTRAL_SHARE = 0.8


def has_tone(reading):
    return any(ch in TONE_MARKS for ch in reading)


def unihan_readings():
    props = collections.defaultdict(dict)
    wanted = {"kHanyuPinlu", "kTGHZ2013", "kMandarin"}
    with bz2.open(UNIHAN_READINGS, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cp, prop, value = line.rstrip("\n").split("\t")
            if prop in wanted:
                props[chr(int(cp[2:], 16))][prop] = value
    return props


def main_reading(ch, p):
    if ch in PHRASE_READINGS:
        return PHRASE_READINGS[ch]
    standard = [r.split(":", 1)[1] for r in p["kTGHZ2013"].split()]
    pinlu = [(m.group(1), int(m.group(2)))
             for m in re.finditer(r"(\S+?)\((\d+)\)", p.get("kHanyuPinlu", ""))]
    pinlu = [(r, n) for r, n in pinlu if r in standard]
    if pinlu:
        pinlu.sort(key=lambda rn: -rn[1])
        best, count = pinlu[0]
        everything = sum(n for _, n in pinlu)
        toned = [(r, n) for r, n in pinlu if has_tone(r)]
        if not has_tone(best) and count < NEUTRAL_SHARE * everything and toned:
            best = toned[0][0]
        return best
    mandarin = p.get("kMandarin", "").split()
    if mandarin and mandarin[0] in standard:
        return mandarin[0]
    return standard[0]


def chinese_entries():
    """The authored characters in their order, each with its reading."""
    props = unihan_readings()
    try:
        chars = early_characters()
    except ValueError as e:
        sys.exit(str(e))
    entries = []
    for ch in chars:
        if "kTGHZ2013" not in props.get(ch, {}):
            sys.exit(f"{ch} is not in the standard table of simplified characters")
        reading = main_reading(ch, props[ch])
        if not has_tone(reading):
            sys.exit(f"{ch} is read only in the neutral tone ({reading})")
        entries.append({"character": ch, "pinyin": reading})
    return entries


def without_same_sounding_choices(entries, offsets):
    """The entries in their order, but each placed at the first free
    position where no character it would share a choice row with (the
    distances between two offsets, both ways round the end) has its pinyin."""
    n = len(entries)
    gaps = sorted({abs(a - b) for a in offsets for b in offsets if a != b})
    placed = []
    waiting = list(entries)
    for p in range(n):
        clashing = {placed[p - g]["pinyin"] for g in gaps if p - g >= 0}
        clashing |= {placed[p + g - n]["pinyin"] for g in gaps if p + g >= n and p + g - n < p}
        fit = next((e for e in waiting if e["pinyin"] not in clashing), None)
        if fit is None:
            sys.exit(f"no character fits position {p} without a same-sounding choice")
        waiting.remove(fit)
        placed.append(fit)
    return placed


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parents[2] / "resources" / "learning_content.json"
    _symbols, offsets = check.program_tables()
    authored = chinese_entries()
    chinese = without_same_sounding_choices(authored, offsets)
    doc = {"english": english_words(), "chinese": chinese}
    errors = check.problems(doc)
    if errors:
        sys.exit("\n".join(["not written:"] + errors))
    text = json.dumps(doc, ensure_ascii=False, indent=2) + "\n"
    out.write_text(text, encoding="utf-8")
    print(f"{out}: {len(doc['english'])} English words, {len(doc['chinese'])} Chinese characters")
    rank = {e["character"]: i for i, e in enumerate(authored)}
    moved = [(e["character"], rank[e["character"]], i) for i, e in enumerate(chinese) if rank[e["character"]] != i]
    print(f"  {len(moved)} characters moved from their place in the table: "
          + ", ".join(f"{c} {a}→{b}" for c, a, b in moved))


if __name__ == "__main__":
    main()
