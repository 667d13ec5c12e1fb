"""The English words of the learning vocabulary, by theme: a reviewed table.

The program gives word i the picture of theme (i mod 13) in the order below, so
make_learning_content.py deals the words out round-robin: word 0 is the first
animal, word 1 the first food, ... word 13 the second animal. Within a theme the
words stand most familiar first; the list is cut where the first theme runs out.

Every word is a thing a young child can see and point at, or an action or a
look or feeling a child can act out or show: no articles, pronouns,
prepositions, conjunctions, auxiliaries, determiners, numbers or other words
without a picture. All are lower-case common nouns, verbs and adjectives (names
of days, months and festivals are left out: they are written with a capital).
Words whose first letter is not their first sound (knee, write, hour, phone)
are left out too, for the first-sound game.
"""

# (picture, theme, words most familiar first); the pictures are the program's
# own cycle of 13, in its order.
THEMES = [
    ("🐾", "animals", """
cat dog fish bird duck cow pig horse sheep goat hen chicken rabbit mouse frog
bear lion tiger monkey elephant zebra giraffe panda fox wolf deer snake turtle
owl bee ant butterfly spider whale shark dolphin penguin puppy kitten pony
donkey goose parrot lamb bunny chick duckling piglet kangaroo camel squirrel
snail crab octopus dinosaur bull calf goldfish hamster lizard tortoise worm
caterpillar ladybug hippo rhino gorilla koala crocodile alligator bat rat seal
swan eagle crow pigeon robin peacock flamingo ostrich hedgehog jellyfish
starfish seahorse lobster shrimp dragonfly grasshopper beetle moth foal
leopard cheetah raccoon beaver otter skunk moose walrus llama buffalo toad
mole pelican unicorn tail wing feather fur paw beak nest
"""),
    ("🍎", "food", """
apple banana grape pear peach lemon cherry strawberry watermelon melon mango
pineapple plum kiwi coconut blueberry raspberry berry carrot potato tomato
corn pea bean onion cabbage lettuce cucumber pumpkin broccoli mushroom spinach
celery garlic bread cake cookie candy milk juice water egg rice noodle soup
meat cheese butter jam honey pizza sandwich salad tea chocolate pie cream
biscuit muffin cupcake pancake waffle toast cereal yogurt popcorn pasta
spaghetti sausage hamburger burger fries sugar salt pepper lollipop pudding
jelly doughnut nut peanut dumpling lemonade raisin cracker pretzel bagel bun
meatball porridge oatmeal ketchup sauce milkshake dessert snack food fruit
vegetable avocado apricot olive
"""),
    ("🎨", "colours and art", """
red blue yellow green orange purple pink brown black white gray gold silver
color rainbow paint paintbrush crayon picture drawing painting circle square
triangle heart diamond oval rectangle shape line dot stripe spiral zigzag
arrow cube cone pyramid music song drum piano guitar violin flute trumpet
whistle harp xylophone tambourine banjo cello recorder band concert ballet art
easel palette clay glitter bead yarn ribbon stamp ink collage puppet camera
cartoon poster craft doodle pattern print sculpture statue portrait mural
stencil violet tuba trombone saxophone harmonica accordion orchestra choir
flag
"""),
    ("🧑", "people", """
mom dad mother father baby sister brother grandma grandpa family boy girl
friend man woman child kid head face eye ear nose mouth tooth hair hand arm
leg foot finger toe tummy doctor nurse farmer firefighter police king queen
prince princess aunt uncle cousin mommy daddy grandmother grandfather parent
son daughter twin lady neighbor neck body lip tongue shoulder cheek chin thumb
elbow belly skin fireman dentist vet chef baker driver pilot artist singer
dancer builder cowboy sailor astronaut scientist gardener postman pirate clown
giant fairy mermaid wizard person people
"""),
    ("👕", "clothes", """
shirt dress hat cap coat shoe sock skirt pants jacket scarf glove boot button
pocket sweater shorts jeans pajamas sneaker sandal slipper mitten belt tie
raincoat umbrella helmet glasses necklace ring crown mask bow zipper collar
sleeve hood vest apron costume tutu bib diaper nightgown bathrobe robe
swimsuit overalls leggings tights earmuffs bonnet sunglasses goggles bracelet
earring handbag purse wallet shoelace cape cloak blouse cardigan sweatshirt
parka poncho kimono suit uniform jumpsuit headband bandanna beret veil wig
clothes hanger needle thread wool cotton silk lace badge
"""),
    ("📚", "school", """
school book pen pencil paper desk teacher class student classroom kindergarten
nursery ruler eraser notebook lesson letter word alphabet story page map globe
board chalk glue scissors tape marker sticker backpack schoolbag bookshelf
bookmark blackboard chalkboard folder envelope textbook workbook storybook
dictionary atlas magazine newspaper computer keyboard laptop printer
calculator tablet classmate pupil schoolboy schoolgirl principal homework test
quiz exam math science experiment magnet microscope telescope abacus label
sharpener stapler paperclip notepad clipboard worksheet satchel flashcard
slate locker recess gym schoolyard cafeteria prize medal trophy bell
"""),
    ("🚌", "transport", """
car bus train truck boat ship plane bike bicycle van taxi cab ambulance
helicopter submarine motorcycle tractor rocket scooter airplane jet sailboat
canoe kayak raft yacht ferry subway tram monorail trolley cart wagon caravan
camper trailer digger excavator forklift bulldozer crane coach wheel engine
motor tire seat brake pedal handlebar horn propeller cockpit runway parachute
glider spaceship spacecraft sleigh snowmobile sled stroller skateboard
tricycle jeep motorbike moped ticket passenger suitcase anchor oar paddle mast
sail rowboat speedboat motorboat tugboat lifeboat houseboat hovercraft airship
blimp gondola unicycle limousine minibus steamboat railway track skates
"""),
    ("🏠", "home", """
house home room door window bed chair table ball toy doll teddy sofa lamp cup
plate bowl spoon fork bottle box bag key bath towel soap brush comb mirror
kitchen garden roof floor wall stairs pillow blanket bedroom bathroom block
robot puzzle kite game shelf cupboard drawer rug carpet curtain sink toilet
shower fence gate yard garage television radio light basket crib couch mat
broom trash pot pan oven stove fridge jar mug glass tray lid dish straw
toothbrush toothpaste sponge bucket mop vacuum teapot kettle toaster microwave
iron closet wardrobe doorbell doormat chimney fireplace attic basement porch
balcony hallway cot cradle stool armchair cushion quilt marble dice
"""),
    ("🌳", "nature", """
sun moon star sky cloud rain snow wind tree flower grass leaf rock sand sea
river lake hill mountain beach forest sunshine storm thunder lightning fog
puddle weather stone mud fire shell seashell seed root branch bush plant rose
daisy tulip sunflower pond stream waterfall island ocean earth world land
field cave desert jungle volcano snowflake stick shadow air planet comet ice
icicle frost hail wave pebble log acorn cactus vine moss fern bamboo petal
blossom meadow valley cliff coral seaweed dew breeze tornado iceberg glacier
lava soil dirt dust twig trunk weed clover dandelion lily daffodil oak pine
palm maple willow
"""),
    ("🏃", "actions", """
run walk jump hop skip swim fly sit stand eat drink sleep play read draw sing
dance clap climb kick throw catch push pull open close look see hear smell
touch wash cook help stop give laugh cry smile talk hug kiss ride crawl roll
spin bounce build cut fold listen count carry hold drop pick fill pour mix
bake wipe shout splash dig grow feed tickle giggle whisper point shake nod
blow bite chew lick taste wake dream rest yawn hide chase race fall slip drive
float stretch bend lift sneeze tiptoe march skate ski surf dive row jog gallop
wiggle wobble sniff scrub stir squeeze peel chop slice blink wink hum yell
cheer stomp tumble sweep
"""),
    ("🌟", "describing and feeling words", """
big small tall short long hot cold happy sad fast slow wet dry clean dirty
soft hard round flat tiny huge heavy full empty warm cool loud quiet noisy
bright dark sweet sour yummy fresh young old new smooth rough sharp fluffy
furry shiny sticky thick thin wide narrow deep high low pretty beautiful cute
strong weak sick gentle careful clever busy messy angry scared afraid excited
tired hungry thirsty sleepy proud shy brave kind calm silly funny friendly
lonely surprised worried bored glad upset grumpy cheerful naughty lazy cozy
wobbly slippery muddy dusty fancy smelly tasty delicious cuddly bumpy spotty
striped curly straight hairy sparkly juicy salty spicy ripe broken tidy
shallow
"""),
    ("🏙️", "places in town", """
shop store market supermarket hospital library museum restaurant park zoo farm
playground pool station airport bridge tower castle town village city building
street road corner bakery cinema theater stadium factory mall bookstore hotel
bank office clinic sidewalk crosswalk sign signpost lamppost streetlight
fountain plaza neighborhood apartment skyscraper cottage palace harbor
aquarium carousel swing slide seesaw sandbox traffic crossing mailbox
firehouse path tunnel barn windmill lighthouse pier dock campsite hut cabin
igloo circus stage bench elevator escalator hydrant billboard rink diner
greenhouse courtyard monument bandstand kiosk alley avenue
"""),
    ("📅", "time", """
morning night day evening afternoon noon midnight sunrise sunset bedtime
playtime lunchtime breakfast lunch dinner supper time clock watch alarm timer
calendar week weekend month year minute spring summer autumn winter season
birthday holiday vacation party present gift card candle balloon picnic trip
festival parade firework lantern carnival fair feast wedding celebration
invitation confetti snowman harvest daytime nighttime teatime nap brunch
sundial stopwatch pendulum dial diary timetable schedule date midday
springtime summertime wintertime valentine countdown sleepover anniversary
chime dawn dusk daylight bonfire sparkler firecracker weekday twilight
daybreak sundown nightfall
"""),
]
