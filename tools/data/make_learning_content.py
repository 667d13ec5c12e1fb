#!/usr/bin/env python3
"""Builds resources/learning_content.json, the shared learning vocabulary.

Reads these Debian packages (install them first; they are build-time tools only):
  scowl         /usr/share/dict/scowl/{english,american}-words.{10,20}
                (the most common English words, US spelling)
  wordnet-base  /usr/share/wordnet/cntlist.rev and index.{noun,verb,adj,adv}
                (word senses with their lexical category and corpus counts)
  unicode-data  /usr/share/unicode/Unihan_Readings.txt.bz2
                (kHanyuPinlu: readings with counts from the frequency
                dictionary of modern Chinese; kTGHZ2013: the standard
                table of simplified characters with their readings;
                kMandarin: customary reading)
  python3-jieba /usr/lib/python3/dist-packages/jieba/dict.txt
                (word frequencies, only to break ties between characters)

  apt-get install scowl wordnet-base unicode-data python3-jieba
  python3 tools/data/make_learning_content.py [output path]

The output is deterministic: running the script again reproduces the file
byte for byte.

English: a hand-picked list of the words a young child meets first (by theme)
comes first; then the words of the SCOWL size-10/20 lists, base forms only,
concrete things (animals, food, body, plants, objects, nature, time) first,
then action verbs, then describing words, then the rest; within each group the
size-10 list before the size-20 list, each by how often the word occurs in the
WordNet sense-tagged corpus.

Chinese: the characters of the standard simplified table, most frequent first
(by the frequency dictionary counts), each with the pinyin of its most common
reading. A neutral-tone reading is only taken when it clearly dominates (as for
的, 了, 着); otherwise the most frequent toned reading is used (地 dì, 子 zǐ).
"""
import bz2
import collections
import json
import re
import sys
import unicodedata
from pathlib import Path

SCOWL = Path("/usr/share/dict/scowl")
WORDNET = Path("/usr/share/wordnet")
UNIHAN_READINGS = Path("/usr/share/unicode/Unihan_Readings.txt.bz2")
JIEBA_DICT = Path("/usr/lib/python3/dist-packages/jieba/dict.txt")

ENGLISH_COUNT = 1600
CHINESE_COUNT = 2000

# ---------------------------------------------------------------------------
# English

# The first words, by theme, in the order a child meets them.
SEED_WORDS = """
cat dog fish bird duck cow pig horse sheep goat hen chicken rabbit mouse frog
bear lion tiger monkey elephant zebra giraffe panda fox wolf deer snake turtle
owl bee ant butterfly spider whale shark dolphin penguin kangaroo camel
squirrel snail crab octopus dinosaur puppy kitten pony donkey goose parrot
apple banana orange grape pear peach lemon cherry strawberry watermelon
melon mango pineapple carrot potato tomato corn pea bean onion cabbage
bread cake cookie candy milk juice water egg rice noodle soup meat cheese
butter jam honey pizza sandwich salad tea ice cream chocolate pie
breakfast lunch dinner snack food fruit
mom dad mother father baby sister brother grandma grandpa family aunt uncle
cousin boy girl friend man woman child teacher doctor nurse farmer police
head face eye ear nose mouth tooth teeth hair hand arm leg foot feet finger
toe knee neck back tummy body lip tongue shoulder
red blue yellow green orange purple pink brown black white gray color
ball doll toy kite car bus train truck boat ship plane bike block puzzle
robot drum balloon game teddy bubble crayon
house home room door window bed chair table sofa lamp clock cup plate bowl
spoon fork knife bottle box bag key bath towel soap brush comb mirror
kitchen garden roof floor wall stairs pillow blanket
school book pen pencil paper desk bag class lesson letter word picture
sun moon star sky cloud rain snow wind tree flower grass leaf rock sand sea
river lake hill mountain beach forest park farm zoo road street city
shirt dress hat cap coat shoe sock skirt pants jacket scarf glove boot
button pocket
day night morning evening today week year spring summer autumn winter
one two three four five six seven eight nine ten
big small little tall short long hot cold happy sad good bad new old fast
slow wet dry clean dirty soft hard up down in out yes no
run walk jump hop skip swim fly sit stand eat drink sleep play read write
draw sing dance clap climb kick throw catch push pull open close look see
hear smell touch wash cook help go come stop give take make find like love
laugh cry smile talk say tell ask wave hug kiss ride
the a and is it you me my he she we they this that
"""

# Words that do not belong in a young child's vocabulary list.
BLOCKED_WORDS = set("""
sex sexy sexual kill killer killing murder murderer rape drug drugs dope gun
guns rifle pistol bullet bomb bombs beer wine whiskey vodka alcohol liquor
booze drunk cigarette cigar tobacco damn hell bloody bastard bitch crap ass
shit fuck piss naked nude suicide death dead die dying weapon weapons
pregnant abortion porn prostitute slave slavery nazi racist gay lesbian
breast penis vagina condom corpse coffin devil satan god jesus christ terror
terrorist torture violence violent hate hatred stupid idiot dumb ugly fat
kidnap victim war warfare army soldier enemy prison jail criminal crime
steal thief rob robber cocaine heroin gamble gambling casino divorce affair
lover sin sinful evil demon blood bleed cancer disease funeral grave tomb
poison prayer pray church bible religion religious politics political vote
election government tax taxes lawyer sue court trial bet lust bikini
underwear bra strip stripper beast bullet bullets explode explosion shoot
shooting fight fighting attack punch slap whip catholic liberal homosexual
virgin atheist hypocrite freak deity pope bishop priest nun vicar prophet
champagne lager missile cartridge trigger spy prisoner chapel cathedral
heaven heavens paradise saint curse swear fool sixties python gig hack
hacker sod gut colon lavatory sufferer offender culprit invade inflict injure
doom convict arrest accuse condemn girlfriend darling wizard witch reactionary
cynic incompetent invalid mercury vomit plague infect insult mock bust starve
shove allege
""".split())

# WordNet lexicographer files, grouped from concrete to abstract.
CONCRETE_NOUNS = {5: "animal", 13: "food", 8: "body", 20: "plant",
                  6: "artifact", 17: "object", 19: "phenomenon",
                  27: "substance", 28: "time"}
ACTION_VERBS = {38: "motion", 35: "contact", 34: "consumption", 29: "body",
                39: "perception", 36: "creation", 32: "communication",
                33: "competition", 43: "weather"}


def read_words(name):
    path = SCOWL / name
    return path.read_text(encoding="latin-1").split()


def wordnet_lemmas():
    lemmas = set()
    for pos in ("noun", "verb", "adj", "adv"):
        for line in (WORDNET / f"index.{pos}").read_text(encoding="latin-1").splitlines():
            if line.startswith(" "):
                continue
            lemmas.add(line.split(" ", 1)[0])
    return lemmas


def wordnet_counts():
    """Per lemma: total corpus count and count per (pos, lexfile)."""
    total = collections.Counter()
    by_group = collections.defaultdict(collections.Counter)
    for line in (WORDNET / "cntlist.rev").read_text(encoding="latin-1").splitlines():
        key, _sense, count = line.split()
        lemma, rest = key.split("%", 1)
        ss_type, lexfile = rest.split(":")[:2]
        count = int(count)
        total[lemma] += count
        by_group[lemma][(int(ss_type), int(lexfile))] += count
    return total, by_group


def english_words():
    seeds = []
    for w in SEED_WORDS.split():
        if w not in seeds:
            seeds.append(w)

    level = {}
    for size in (20, 10):
        for name in (f"english-words.{size}", f"american-words.{size}"):
            for w in read_words(name):
                level[w] = size
    pool = {w for w in level if re.fullmatch(r"[a-z]{2,}", w)}

    lemmas = wordnet_lemmas()
    total, by_group = wordnet_counts()

    def tier(w):
        groups = by_group.get(w)
        if not groups:
            return 9
        (ss_type, lexfile), _ = max(groups.items(), key=lambda kv: (kv[1], -kv[0][0], -kv[0][1]))
        if ss_type == 1 and lexfile in CONCRETE_NOUNS:
            return 1
        if ss_type == 2 and lexfile in ACTION_VERBS:
            return 2
        if ss_type in (3, 5):
            return 3
        return 4

    bulk = [w for w in pool
            if w not in BLOCKED_WORDS and w not in seeds 
            and w in lemmas and total[w] > 0
            and not (w.endswith("s") and (w[:-1] in pool or w[:-1] in seeds))]
    # Concrete things, then actions, then describing words, then the rest;
    # within each group the most common list first, then by corpus frequency.
    bulk.sort(key=lambda w: (tier(w), level[w], -total[w], w))
    words = seeds + bulk
    assert not set(words) & BLOCKED_WORDS
    return words[:ENGLISH_COUNT]


# ---------------------------------------------------------------------------
# Chinese

# Characters whose game prompt speaks a fixed phrase (长短的长, 一只小鸟的只 ...):
# the shown pinyin is the reading of that phrase.
PHRASE_READINGS = {"长": "cháng", "切": "qiē", "还": "huán", "子": "zǐ",
                   "干": "gān", "茄": "qié", "只": "zhī", "椰": "yē"}

TONE_MARKS = set("āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ")
NEUTRAL_SHARE = 0.8


def toneless(reading):
    return unicodedata.normalize("NFD", reading).encode("ascii", "ignore").decode()


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


def jieba_char_counts():
    counts = collections.Counter()
    for line in JIEBA_DICT.read_text(encoding="utf-8").splitlines():
        parts = line.split()
        if len(parts) < 2:
            continue
        for ch in parts[0]:
            counts[ch] += int(parts[1])
    return counts


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
    props = unihan_readings()
    ties = jieba_char_counts()
    freq = {}
    for ch, p in props.items():
        if "kTGHZ2013" not in p or "kHanyuPinlu" not in p:
            continue  # not a standard simplified character, or no frequency
        if not "\u4e00" <= ch <= "\u9fff":
            continue
        # Count only the uses under a reading this character has in the
        # standard table (tone aside, so the suffix zi of 子 counts): a form
        # like 著 also carries the counts of its use for 着 (zhe).
        standard = {toneless(r.split(":", 1)[1]) for r in p["kTGHZ2013"].split()}
        freq[ch] = sum(int(m.group(2)) for m in
                       re.finditer(r"(\S+?)\((\d+)\)", p["kHanyuPinlu"])
                       if toneless(m.group(1)) in standard)
    ranked = sorted(freq, key=lambda c: (-freq[c], -ties[c], ord(c)))[:CHINESE_COUNT]
    return [{"character": ch, "pinyin": main_reading(ch, props[ch])} for ch in ranked]


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parents[2] / "resources" / "learning_content.json"
    doc = {"english": english_words(), "chinese": chinese_entries()}
    text = json.dumps(doc, ensure_ascii=False, indent=2) + "\n"
    out.write_text(text, encoding="utf-8")
    print(f"{out}: {len(doc['english'])} English words, {len(doc['chinese'])} Chinese characters")


if __name__ == "__main__":
    main()
