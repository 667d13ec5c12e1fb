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

English: the words a young child meets in picture books, at home, at
kindergarten and in the first school years. A hand-picked list, by theme,
carries most of it: animals, food, family and people, body, clothes, colours,
toys, home, school, vehicles, town, nature and weather, the sea, space, time,
feelings, everyday actions, describing words, positions, shapes, numbers, and
the sight words children learn to read. The rest comes from the SCOWL size-10
and then size-20 lists: base forms of 3 to 9 letters whose most used WordNet
sense is a thing you can touch or point at (an animal, food, plant, body part,
made or natural object) or an everyday action (moving, touching, eating,
perceiving, the body), within each list by how often the word occurs in the
WordNet sense-tagged corpus, minus a block list of words a young child does not
meet (technical, abstract, adult, violent, medical, political, religious,
rude). Describing words all come from the hand-picked list: WordNet's
adjectives do not tell "soft" from "federal".

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

ENGLISH_COUNT = 1200
CHINESE_COUNT = 2000

# ---------------------------------------------------------------------------
# English

# The first words, by theme, in the order a child meets them; then more of
# each theme (animals, food, fruit, vegetables, people and jobs, body, clothes,
# colours, shapes, numbers, toys, home, kitchen, school, playground, vehicles,
# town, nature and weather, sea, space, time, feelings, actions, describing
# words, positions, sight words, irregular plurals).
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
lamb calf bunny kitty bull goldfish hamster lizard tortoise worm caterpillar
ladybug insect dragonfly grasshopper bat rat hippo rhino gorilla koala leopard
hedgehog seal jellyfish starfish seahorse lobster shrimp swan peacock pigeon
crow eagle robin flamingo chick duckling alligator crocodile unicorn dragon
animal pet tail wing feather fur paw beak horn nest shell
biscuit muffin cupcake pancake waffle toast cereal yogurt popcorn pasta
spaghetti sausage hamburger burger chips fries sugar salt pepper lollipop
pudding jelly doughnut nut peanut dumpling lemonade meal picnic vegetable
coconut blueberry raspberry berry
lettuce cucumber pumpkin broccoli mushroom
mommy daddy grandmother grandfather parent son daughter twin kid children
people person lady neighbor king queen prince princess pirate clown giant
fairy chef baker driver pilot firefighter dentist vet artist singer dancer
builder cowboy sailor astronaut scientist player gardener
cheek chin thumb nail elbow belly bottom skin bone heart voice
sweater shorts jeans pajamas sneaker sandal slipper mitten belt tie raincoat
umbrella helmet glasses necklace ring watch crown mask backpack bow
gold silver rainbow
circle square triangle rectangle oval diamond shape line dot
eleven twelve thirteen fourteen fifteen sixteen seventeen eighteen nineteen
twenty thirty forty fifty sixty seventy eighty ninety hundred zero first
second third half number
marble swing slide seesaw sandbox bucket shovel tractor rocket puppet whistle
trumpet piano guitar violin flute bell ribbon sticker marker paint chalk clay
glue scissors tape card dice scooter sled skateboard
bedroom bathroom shelf cupboard drawer rug carpet curtain sink toilet shower
fence gate yard step garage television phone computer radio light candle
basket photo crib couch bench mat broom trash
pot pan oven stove fridge jar mug glass tray lid dish straw
classroom student ruler eraser notebook board alphabet story song music art
math page map name question answer
ladder tunnel rope
van taxi ambulance helicopter submarine motorcycle wheel engine airplane sail
bicycle crane bulldozer
shop store market supermarket hospital library museum restaurant station
airport bridge tower castle playground pool town village building corner
sunshine storm thunder lightning fog puddle weather stone mud seed root branch
bush plant rose daisy tulip sunflower pond stream waterfall island ocean earth
world land field cave desert jungle volcano snowman snowflake leaves stick web
fire shadow air
seashell treasure mermaid
space planet alien spaceship
hour minute month tomorrow yesterday tonight now later soon birthday holiday
party time afternoon weekend early late always never sometimes
angry scared afraid excited tired hungry thirsty sleepy proud shy brave kind
calm silly lonely surprised worried bored funny glad upset fun feel
crawl roll spin turn bounce build cut fold share wait listen think know learn
count spell try want need get put carry hold drop pick fill pour mix bake wipe
shout whisper call show point shake nod blow bite chew lick taste wake dream
rest yawn hide chase race win lose fall slip grow feed drive dig splash float
fix buy pay send bring keep let leave begin start finish move stretch bend
lift tickle visit meet thank please sorry hello goodbye bye hi thanks
pretty beautiful cute round flat tiny huge large heavy full empty warm cool
loud quiet noisy bright dark sweet sour yummy fresh young easy smooth rough
sharp fluffy furry shiny sticky thick thin wide narrow deep high low near far
right wrong same different last next best better more less most many few all
some any every each other own real true ready safe busy sick well fine strong
weak gentle careful clever smart messy magic special favorite sunny rainy
cloudy windy snowy
on under over above below behind front beside between inside outside left top
middle around through across along into onto off away here there forward
upstairs downstairs side edge end
am are at ate be but came did do for going had has have her him his how just
may must not of once our ran said saw so them then to too was went what when
where which who why will with would your after again an as by could from gave
goes its made or their these those us use very wish work about because been
before both does done found got if much only together
men women mice geese thing way wood ground money
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

# Words that the lists below let in but that a young child does not meet:
# technical, abstract, adult, medical, violent, or simply rare at that age.
BLOCKED_WORDS |= set("""
absorb adult afford agent aircraft alleviate apparatus appear apply approach
arch ascend assembly attach attract bacteria bank banner bar barrier bay beam
beat behave bind blade blast bob bog bolt boom bulb bundle bury cabinet cable
capture carriage carrier cater cattle cell chamber chest chip chuck circuit
cleaner clip clog clothe clothing coast coffee collapse commodity compress
conceal connect consume container continent cooking corridor counter creep
crop cruise cure dash deck deposit descend detach detect detector device
diagram diet dine disc display divert dodge don dose drag drain drift drill
drip ease electron emit employ enclose encounter entrance equipment escape
exhaust exhibit exploit expose extract fabric facility fell female filter
flash flesh flip flood flow flush foam fragment frame freeway gasp gather
generator glance gown grain grasp grind grip guide halt hardware highway hip
hit holder hotel housing indulge inject insert inspect install interface
invention ion jerk kidney lag landing lane launch lay layer lean lens limb
liver load loading lobby loop luggage lung machinery migrate mill mine misuse
monitor muscle nerve note notice observe obstruct office operate organ output
overflow overload overlook pace package pant pavement peer perceive pill pit
pitch platform plug polish pop pork product pulp puncture putt rack radar rag
rail railroad ram razor receiver recording reflect relax release relieve
reveal rip rotate ruin rush satellite scan scatter scenery scrap scratch screw
seem segment settle shed shelter shift sigh sketch skull slash slope smash
sneak sphere spit spoke stagger staircase stall stare steer stereo stomach
stray strike structure studio stuff stumble subway suffer suit suite surface
suspend swamp sweat sword system tack tank tear telephone temple theater
throat thrust tick trail transport trap trapping tread trouser undergo undo
uniform universe unload valve vehicle vein vessel virus wade warehouse
withdraw witness workshop wreck
""".split())

# WordNet lexicographer files of the words a child can see, touch or do.
CONCRETE_NOUNS = {5: "animal", 13: "food", 8: "body", 20: "plant",
                  6: "artifact", 17: "object"}
ACTION_VERBS = {38: "motion", 35: "contact", 34: "consumption", 29: "body",
                39: "perception"}
MAX_LETTERS = 9


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
    pool = {w for w in level if re.fullmatch(rf"[a-z]{{3,{MAX_LETTERS}}}", w)}

    lemmas = wordnet_lemmas()
    total, by_group = wordnet_counts()

    def everyday(w):
        """Whether the most used sense of w is a concrete thing or an
        everyday action."""
        groups = by_group.get(w)
        if not groups:
            return False
        (ss_type, lexfile), _ = max(groups.items(), key=lambda kv: (kv[1], -kv[0][0], -kv[0][1]))
        return (ss_type == 1 and lexfile in CONCRETE_NOUNS
                or ss_type == 2 and lexfile in ACTION_VERBS)

    bulk = [w for w in pool
            if w not in BLOCKED_WORDS and w not in seeds
            and w in lemmas and total[w] > 0 and everyday(w)
            and not (w.endswith("s") and (w[:-1] in pool or w[:-1] in seeds))]
    # The most common list first, then by corpus frequency.
    bulk.sort(key=lambda w: (level[w], -total[w], w))
    words = seeds + bulk
    assert len(seeds) < ENGLISH_COUNT <= len(words)
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
