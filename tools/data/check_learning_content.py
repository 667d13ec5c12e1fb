#!/usr/bin/env python3
"""Validates resources/learning_content.json, the shared learning vocabulary.

Checks the form the program decodes and accepts (an object with "english", an
array of strings, and "chinese", an array of {"character", "pinyin"} objects;
at least 1000 words and 500 characters), and the content rules:
- English: lower-case ASCII words, no duplicates, no function words (articles,
  pronouns, prepositions, conjunctions, auxiliaries, determiners, numbers ...),
  no word whose first letter is not its first sound, and every word at
  position i belongs to the theme whose picture the program gives position i
  (english_themes.py), in the order of that theme's list.
- Chinese: single simplified CJK characters, no duplicates, pinyin with its tone mark,
  no syllable that is only half of a word (early_characters.py), none of the later
  school years' characters among the first 200, and no answer row of the character
  games (the characters at i and at the program's choice offsets after i, round the
  end of the list) offers two characters with the same toned pinyin.
The picture cycle and the choice offsets are read from the program's source.

Run from the repository root:  python3 tools/data/check_learning_content.py [path]
"""
import collections
import json
import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from early_characters import bound_syllables, later_grades  # noqa: E402
from english_themes import THEMES  # noqa: E402

ROOT = Path(__file__).resolve().parents[2]
PINYIN = re.compile(r"[a-zāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüńňǹḿ]+")
TONED = re.compile(r"[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜńňǹḿ]")
MINIMUM_ENGLISH = 1000
MINIMUM_CHINESE = 500
# The characters a young child meets first, which hold none of the later school years'.
FIRST_CHARACTERS = 200

# Words no picture can show: a child cannot point at "the", "of" or "which".
FUNCTION_WORDS = set("""
a an the
i me my mine myself you your yours yourself yourselves he him his himself she
her hers herself it its itself we us our ours ourselves they them their theirs
themselves this that these those who whom whose which what whoever whatever
someone somebody something anyone anybody anything everyone everybody
everything nobody nothing none
about above across after against along among around at before behind below
beneath beside besides between beyond by down during except for from in
inside into near of off on onto out outside over past since through
throughout till to toward towards under underneath until up upon with within
without
and but or nor so yet because if unless although though while whereas whether
than as once
am is are was were be been being have has had having do does did done doing
will would shall should can could may might must ought
all any both each either neither every few many much more most less least
other another own same such some several enough no not
very too also just only even here there now then when where why how again
always never sometimes often soon later already still ever away back forth
instead maybe perhaps please yes okay hello hi goodbye bye thanks sorry
today tomorrow yesterday tonight
zero one two three four five six seven eight nine ten eleven twelve thirteen
fourteen fifteen sixteen seventeen eighteen nineteen twenty thirty forty fifty
sixty seventy eighty ninety hundred thousand million first second third last
next
""".split())

# Words whose first letter is not their first sound (knee, write, gnome,
# psalm, phone, hour): the first-sound game would teach the wrong sound.
FIRST_LETTER_NOT_FIRST_SOUND = re.compile(r"(kn|wr|gn|ps|pn|ph|hour|honest|honor|heir)")


def program_tables(root=ROOT):
    """The English picture cycle and the character choice offsets, as the
    program's source declares them."""
    for source in sorted((root / "src").rglob("LearningContent.cpp")):
        text = source.read_text(encoding="utf-8")
        symbols = re.search(r"kEnglishSymbols\[\]\s*=\s*\{(.*?)\};", text, re.S)
        offsets = re.search(r"kChoiceOffsets\[\]\s*=\s*\{(.*?)\};", text, re.S)
        if symbols and offsets:
            emoji = [re.sub(r"\\u([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), s)
                     for s in re.findall(r'QStringLiteral\("(.*?)"\)', symbols.group(1))]
            return emoji, [int(v) for v in re.findall(r"\d+", offsets.group(1))]
    sys.exit("the program's LearningContent.cpp with its picture cycle and choice offsets was not found")


def homophone_rows(chinese, offsets):
    """The rows i whose characters at i + offset (round the end) include two
    with the same toned pinyin, with those characters."""
    n = len(chinese)
    rows = []
    for i in range(n):
        row = [chinese[(i + k) % n] for k in offsets]
        by_sound = collections.defaultdict(list)
        for e in row:
            by_sound[e["pinyin"]].append(e["character"])
        same = [chars for chars in by_sound.values() if len(set(chars)) > 1]
        if same:
            rows.append((i, same))
    return rows


def english_problems(english, symbols):
    errors = []
    theme_of = {}
    place_in_theme = {}
    for emoji, name, words in THEMES:
        for k, w in enumerate(words.split()):
            if w in theme_of:
                errors.append(f"{w!r} listed under {theme_of[w][1]} and {name}")
            theme_of.setdefault(w, (emoji, name))
            place_in_theme.setdefault(w, k)
    if [t[0] for t in THEMES] != symbols:
        errors.append(f"themes {[t[0] for t in THEMES]} are not the program's picture cycle {symbols}")
    for i, w in enumerate(english):
        if not isinstance(w, str) or not re.fullmatch(r"[a-z]+", w):
            errors.append(f"bad English word {w!r}")
            continue
        if w in FUNCTION_WORDS:
            errors.append(f"function word {w!r} at {i}")
        if FIRST_LETTER_NOT_FIRST_SOUND.match(w):
            errors.append(f"{w!r} at {i} does not start with the sound of its first letter")
        picture = symbols[i % len(symbols)]
        if w not in theme_of:
            errors.append(f"{w!r} at {i} is in no theme")
        elif theme_of[w][0] != picture:
            errors.append(f"{w!r} at {i} ({theme_of[w][1]}) gets the picture {picture}")
        elif place_in_theme[w] != i // len(symbols):
            errors.append(f"{w!r} at {i} is not word {i // len(symbols)} of {theme_of[w][1]}")
    if len(set(english)) != len(english):
        errors.append("duplicate English words")
    return errors


def chinese_problems(chinese, offsets):
    errors = []
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
        elif not TONED.search(p):
            errors.append(f"{c} {p}: the game asks for a character by a toned reading")
    if errors:
        return errors
    chars = [e["character"] for e in chinese]
    if len(set(chars)) != len(chars):
        errors.append("duplicate Chinese characters")
    bound = bound_syllables()
    for i, c in enumerate(chars):
        if c in bound:
            errors.append(f"{c} at {i} is only half of {'/'.join(bound[c])}")
    for c in later_grades():
        if c in chars[:FIRST_CHARACTERS]:
            errors.append(f"{c} of the later school years at {chars.index(c)}, "
                          f"among the first {FIRST_CHARACTERS}")
    for i, same in homophone_rows(chinese, offsets):
        errors.append(f"character row {i} offers same-sounding {' '.join('/'.join(c) for c in same)}")
    return errors


def problems(doc, root=ROOT):
    """Everything wrong with the decoded document (an empty list when it is good)."""
    symbols, offsets = program_tables(root)
    errors = []
    if not isinstance(doc, dict) or set(doc) != {"english", "chinese"}:
        return [f"top-level keys {sorted(doc) if isinstance(doc, dict) else type(doc).__name__}"]
    english, chinese = doc["english"], doc["chinese"]
    if not isinstance(english, list) or not isinstance(chinese, list):
        return ["\"english\" and \"chinese\" must be arrays"]
    if len(english) < MINIMUM_ENGLISH:
        errors.append(f"only {len(english)} English words")
    if len(chinese) < MINIMUM_CHINESE:
        errors.append(f"only {len(chinese)} Chinese entries")
    return errors + english_problems(english, symbols) + chinese_problems(chinese, offsets)


def main():
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "resources" / "learning_content.json"
    doc = json.loads(path.read_bytes().decode("utf-8"))
    errors = problems(doc)
    for e in errors:
        print("ERROR:", e)
    if errors:
        sys.exit(1)
    symbols, offsets = program_tables()
    per_theme = collections.Counter(i % len(symbols) for i in range(len(doc["english"])))
    print(f"ok: {len(doc['english'])} English words, {len(doc['chinese'])} Chinese characters")
    print("  words per theme: " + ", ".join(
        f"{emoji} {name} {per_theme[t]}" for t, (emoji, name, _) in enumerate(THEMES)))
    print(f"  every word carries its own theme's picture; no function word; "
          f"{len(doc['chinese'])} character rows (offsets {', '.join(map(str, offsets))}) "
          f"without two same-sounding characters")


if __name__ == "__main__":
    main()
