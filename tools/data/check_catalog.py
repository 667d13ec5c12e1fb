#!/usr/bin/env python3
"""Validates resources/game_catalog.json.

Checks the strict file format the program decodes (a JSON array of objects with
exactly the eight keys and their types, known shelves and statuses, integer
minutes), that the file lists every game identifier the game host can build
exactly once, and that the 19 built-in games appear exactly as the program's
built-in catalogue has them.

Run from the repository root:  python3 tools/data/check_catalog.py [path]
Exit status 0 when the file is good.
"""
import json
import re
import sys
from pathlib import Path

CATEGORIES = ["english", "chinese", "math", "dress-up", "logic-thinking",
              "coordination-memory", "video-science"]
STATUSES = {"available", "comingSoon"}
SKILLS = {"chinese", "english", "math", "logic", "observation", "memory",
          "coordination", "creativity", "science"}
KEYS = ["id", "title", "subtitle", "category", "icon", "minutes", "status", "skills"]

# Every identifier the game host dispatches to a game view.
# The games whose dispatch row names a view: those can be played.
BUILT = set(re.findall(r'\{u"([a-z0-9-]+)"_s,\s*u"[A-Za-z]+"_s,\s*u"qrc:',
                       (Path(__file__).resolve().parents[2] / "src/app/GameDispatch.cpp").read_text(encoding="utf-8")))

HOST_IDS = [
    "draw-guess", "spot-difference", "english-listen", "word-builder",
    "chinese-match", "math-battle", "memory-match", "maze", "pattern",
    "reaction", "simon-directions", "hidden-objects", "whats-missing",
    "sequence-memory", "kid-sudoku", "fruit-catcher", "red-light",
    "schulte-grid", "make-ten", "supermarket", "free-canvas", "rhythm-tap",
    "radical-builder", "space-trip", "silly-scene", "word-shooter",
    "animal-sounds", "route-memory", "little-detective", "one-line",
    "color-trap", "tangram", "jigsaw", "rotating-blocks", "phonics-train",
    "idiom-pictures", "sentence-maker", "number-slider", "clock-master",
    "little-lab", "story-chain", "tracking-balls", "picture-book",
    "instrument-ears", "magic-closet", "pet-care", "magic-builder",
    "magic-bakery",
]

# The built-in catalogue, in its own order (all available).
BUILTIN = [
    ("draw-guess", "魔法画画猜猜", "画出来，让小铃来猜", "coordination-memory", "paintbrush.pointed.fill", 5, ["creativity", "english"]),
    ("spot-difference", "大家来找茬", "每局随机找 5\u201310 处不同", "logic-thinking", "eye.fill", 4, ["observation"]),
    ("english-listen", "听英语找图片", "听一听，点一点", "english", "ear.fill", 3, ["english", "coordination"]),
    ("word-builder", "跟读拼词", "开口读，再拼单词", "english", "character.book.closed.fill", 4, ["english"]),
    ("chinese-match", "识字拼音岛", "听音找到汉字", "chinese", "character.book.closed.fill.zh", 3, ["chinese"]),
    ("math-battle", "数学打怪兽", "算对就发射星光", "math", "sparkles", 4, ["math"]),
    ("memory-match", "记忆翻翻乐", "帮动物找到朋友", "coordination-memory", "rectangle.on.rectangle.angled", 4, ["memory", "observation"]),
    ("maze", "森林冒险迷宫", "收集道具，击退捣蛋怪，到达终点", "logic-thinking", "map.fill", 6, ["logic", "observation", "coordination"]),
    ("pattern", "图形规律", "下一张是什么？", "logic-thinking", "square.grid.3x3.fill", 3, ["logic", "observation"]),
    ("reaction", "反应力点击", "追上跳跳星", "coordination-memory", "scope", 2, ["coordination"]),
    ("simon-directions", "Simon Says", "听口令，分左右", "english", "figure.play", 3, ["coordination", "english"]),
    ("free-canvas", "魔法画板", "把想象画出来", "coordination-memory", "pencil.and.outline", 8, ["creativity"]),
    ("rhythm-tap", "节奏星球", "跟着节拍点一点", "coordination-memory", "music.note.list", 3, ["coordination"]),
    ("radical-builder", "汉字拼拼乐", "偏旁部首变汉字", "chinese", "square.grid.2x2.fill", 4, ["chinese"]),
    ("space-trip", "视频科普影厅", "点击卡片，直接在乐园里播放", "video-science", "play.rectangle.fill", 8, ["observation"]),
    ("magic-closet", "魔法换装秀场", "拖动女孩，切换造型和魔法配饰", "dress-up", "tshirt.fill", 6, ["creativity", "coordination"]),
    ("pet-care", "宠物魔法小屋", "照顾宠物，点亮爱心徽章", "dress-up", "heart.fill", 5, ["creativity", "observation"]),
    ("magic-builder", "魔法建造工坊", "像积木一样搭出童话小屋", "dress-up", "building.2.fill", 6, ["creativity", "logic"]),
    ("magic-bakery", "梦幻奶茶屋", "拖配料、摇奶茶，完成梦幻特调", "dress-up", "cup.and.saucer.fill", 6, ["creativity", "coordination"]),
]


def main():
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parents[2] / "resources" / "game_catalog.json"
    errors = []
    raw = path.read_bytes()
    text = raw.decode("utf-8")  # raises on bad UTF-8
    if text.startswith("\ufeff"):
        errors.append("file starts with a byte-order mark")
    doc = json.loads(text)
    if not isinstance(doc, list) or not doc:
        sys.exit("not a non-empty JSON array")

    seen = {}
    for n, e in enumerate(doc):
        where = f"entry {n}"
        if not isinstance(e, dict):
            errors.append(f"{where}: not an object")
            continue
        if list(e.keys()) != KEYS:
            errors.append(f"{where}: keys {list(e.keys())} != {KEYS}")
        where = f"entry {n} ({e.get('id')!r})"
        for k in ("id", "title", "subtitle", "icon"):
            if not isinstance(e.get(k), str) or not e.get(k).strip():
                errors.append(f"{where}: {k} must be a non-empty string")
        m = e.get("minutes")
        if type(m) is not int or not 2 <= m <= 8:
            errors.append(f"{where}: minutes must be an integer 2-8")
        if e.get("category") not in CATEGORIES:
            errors.append(f"{where}: unknown category {e.get('category')!r}")
        if e.get("status") not in STATUSES:
            errors.append(f"{where}: unknown status {e.get('status')!r}")
        want_status = "available" if e.get("id") in BUILT else "comingSoon"
        if e.get("status") != want_status:
            errors.append(f"{where}: status should be {want_status!r} (the dispatch table "
                          f"{'names' if want_status == 'available' else 'has no'} view for it)")
        sk = e.get("skills")
        if not isinstance(sk, list) or not sk or not all(isinstance(s, str) for s in sk):
            errors.append(f"{where}: skills must be a non-empty array of strings")
        else:
            if set(sk) - SKILLS:
                errors.append(f"{where}: unknown skills {set(sk) - SKILLS}")
            if len(set(sk)) != len(sk):
                errors.append(f"{where}: duplicate skills")
        if e.get("id") in seen:
            errors.append(f"{where}: duplicate id")
        seen[e.get("id")] = e

    if len(doc) != len(HOST_IDS) or set(seen) != set(HOST_IDS):
        errors.append(f"ids differ from the host's table: missing {set(HOST_IDS) - set(seen)}, "
                      f"extra {set(seen) - set(HOST_IDS)}")

    positions = []
    for row in BUILTIN:
        want = dict(zip(["id", "title", "subtitle", "category", "icon", "minutes", "skills"], row))
        got = seen.get(want["id"])
        if got is None:
            continue
        for k, v in want.items():
            if got.get(k) != v or type(got.get(k)) is not type(v):
                errors.append(f"built-in {want['id']!r}: {k} is {got.get(k)!r}, expected {v!r}")
        positions.append(doc.index(got))

    # Each shelf's games stand together in catalogue order.
    order = [e.get("category") for e in doc if isinstance(e, dict)]
    shelves = [c for i, c in enumerate(order) if i == 0 or order[i - 1] != c]
    if len(shelves) != len(set(shelves)):
        errors.append("a shelf's games are split across the file")
    if sorted(set(order), key=CATEGORIES.index) != CATEGORIES:
        errors.append("not every shelf has a game")

    for e in errors:
        print("ERROR:", e)
    if errors:
        sys.exit(1)
    counts = {c: order.count(c) for c in CATEGORIES}
    print(f"ok: {len(doc)} games, 19 built-ins identical; per shelf {counts}")


if __name__ == "__main__":
    main()
