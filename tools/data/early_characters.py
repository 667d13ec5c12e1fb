"""The Chinese characters of the learning vocabulary: a reviewed table.

The characters a young child meets first, at home and in the first school
years, in the order the character games should offer them: what a child can
see, point at or act out comes first (numbers, family, the body, nature,
animals, food, colours, everyday things, actions, sizes, places in town), then
the common characters of the first readers that no picture shows (pronouns,
the small words of a sentence, time, feelings, measure words). Characters
read only in the neutral tone (的 了 着 吗 呢 吧 们 么) are left out, as the game
asks for a character by its toned reading; so are characters whose everyday
reading for a child is not their most common one (脏 zāng, 划 huá, 倒 dǎo): the
prompt would show a reading other than the one it speaks. Nor does it list a
syllable that is only half of a word (BOUND_SYLLABLES): the game shows and
speaks one character, and 蚂 alone is heard as mǎ, the horse. The characters
of the later school years that the themes would otherwise bring early
(LATER_GRADES) come after all the others.

make_learning_content.py keeps this order, but for the few steps it needs so
that no answer row offers two characters with the same toned reading, and takes
each character's reading from the standard table of simplified characters.
"""

# (theme, characters most familiar first); line breaks are ignored.
GROUPS = [
    ("numbers", """
一二三四五六七八九十百千万零半两个
"""),
    ("family and people", """
人爸妈爷奶哥姐弟妹宝儿女男孩子娃叔姨婆公王友师生家医
"""),
    ("the body", """
口耳目眼鼻嘴牙舌手足脚头脸眉身心肚腿背指皮毛骨肩腰汗脑
"""),
    ("nature", """
日月星天地山水火土石田云雨雪风电雷冰河江海湖泉林木树森草花叶果竹沙泥岛洞
光阳春夏秋冬空气雾虹波浪池井坡晴芽苗根枝松柳荷莲菊梅兰
"""),
    ("animals", """
猫狗牛羊马猪鸡鸭鹅鸟鱼虫兔龙蛇猴虎象熊狼鹿狐蛙龟鼠蜂蝶鹰燕雀虾蟹贝鹤豹
狮蚕蚁鸽蚊驴鲸蛋羽尾角窝巢
"""),
    ("food", """
米饭面包菜汤肉茶糖盐油瓜豆梨桃李杏枣橘橙蕉莓茄椰饼糕粥饺酒粮麦
谷玉蜜酸甜苦辣香葱姜蒜薯汁菇笋柿
"""),
    ("colours", """
红黄蓝绿白黑紫灰粉棕金银色彩
"""),
    ("everyday things", """
门窗床桌椅凳柜灯碗杯盘勺刀叉筷锅壶瓶盒箱伞衣衫裤裙鞋袜帽巾被枕毯梳皂球车
船帆轮书笔纸本尺画字信卡桥路房屋楼墙钟表镜机琴鼓笛铃歌旗票钱针线布扣绳梯
桶盆网锁扇笼篮筐棋药钉礼
"""),
    ("actions", """
走跑跳飞坐站立看听说读写唱吃喝睡玩笑哭洗刷开关拍拉推打抱拿放找爬游做给送
买卖种浇扫擦穿脱戴骑追捉接扔踢摸闻叫喊舞剪贴折搭盖挖拔提抬举摇转滚捡切
挂敲吹咬尝蹲躺钓煮烤喂抓藏躲搬亲分数算记想学问答等来去出进回到起落
"""),
    ("sizes and places", """
大小多少上下左右中前后里外东南西北高低长短方圆尖平直弯宽窄厚轻重粗细快
慢早晚新旧热冷暖凉干湿胖瘦美丑远近深浅满亮暗明
"""),
    ("town", """
校园村城街市店场院厂岸边瓦坪庙塔宫馆台
"""),
]

# The first readers' common characters without a picture, after the picturable ones.
LATER = """
我你他她它是不有在这那好和也都要会能可以就还没很真再又只把让谁哪怎样知
道觉得爱喜欢乐伤怕对错行同每自己名过从向用此今年岁时期节课作业事情意思
话声音文语词句故诗请谢见几条块张片朵太完成先像跟
"""


# Syllables that only occur bound in a word of two and name nothing alone, whatever
# the other syllable does (蚁 of 蚂蚁 is the ant, 蝶 of 蝴蝶 the butterfly, 芦 of 葫芦
# the reed: they stay). One line each: the syllable, then the words it is bound in.
BOUND_SYLLABLES = """
狸 狐狸
蝴 蝴蝶
蚂 蚂蚁 蚂蚱
蜗 蜗牛
鸦 乌鸦
脖 脖子
葡 葡萄
萄 葡萄
苹 苹果
萝 萝卜 菠萝
馒 馒头
朋 朋友
蜻 蜻蜓
蜓 蜻蜓
蝌 蝌蚪
蚪 蝌蚪
蚯 蚯蚓
蚓 蚯蚓
蜘 蜘蛛
蛛 蜘蛛
玻 玻璃
璃 玻璃
蝙 蝙蝠
蝠 蝙蝠
蟋 蟋蟀
蟀 蟋蟀
蛐 蛐蛐
蝈 蝈蝈
螳 螳螂
螂 螳螂 蟑螂
蟑 蟑螂
蜈 蜈蚣
蚣 蜈蚣
蚱 蚂蚱 蚱蜢
蜢 蚱蜢
螃 螃蟹
蜥 蜥蜴
蜴 蜥蜴
骆 骆驼
鹦 鹦鹉
鹉 鹦鹉
鸳 鸳鸯
鸯 鸳鸯
鹌 鹌鹑
鹑 鹌鹑
猩 猩猩
猕 猕猴
麒 麒麟
麟 麒麟
琵 琵琶
琶 琵琶
枇 枇杷
杷 枇杷
葫 葫芦
蘑 蘑菇
菠 菠萝 菠菜
荔 荔枝
柠 柠檬
檬 柠檬
橄 橄榄
榄 橄榄
芭 芭蕉 芭蕾
珊 珊瑚
瑚 珊瑚
玫 玫瑰
瑰 玫瑰
琥 琥珀
珀 琥珀
咖 咖啡
啡 咖啡
馄 馄饨
饨 馄饨
乒 乒乓
乓 乒乓
喇 喇叭
叭 喇叭
"""

# Characters of the later school years, kept for after the others: one line each,
# the character, then why it waits.
LATER_GRADES = """
兵 a word of the later readers (士兵, 当兵)
农 only in words of the later readers (农民, 农村)
血 a word of the later readers
臂 a child says 胳膊
掌 a child says 手心 and 巴掌
拳 a child says 拳头, a character of the later readers
胸 a word of the later readers
齿 a child says 牙
霜 a word of the later readers
岩 a child says 石头
溪 a child says 小河
蝉 a child says 知了
"""


def table(text):
    """The characters that begin the lines of a table, with the rest of each line."""
    rows = {}
    for line in text.strip().splitlines():
        ch, rest = line.split(" ", 1)
        if len(ch) != 1 or ch in rows:
            raise ValueError(f"bad or repeated table line {line!r}")
        rows[ch] = rest
    return rows


def bound_syllables():
    """Each bound syllable with the words it is bound in."""
    rows = {ch: words.split() for ch, words in table(BOUND_SYLLABLES).items()}
    for ch, words in rows.items():
        if not words or any(len(w) != 2 or ch not in w for w in words):
            raise ValueError(f"{ch} is not a syllable of each of its words {words}")
    return rows


def later_grades():
    """The later school years' characters, in the order they come."""
    return list(table(LATER_GRADES))


def characters():
    """The authored characters in order; a character listed twice, or a bound
    syllable, is an error."""
    bound = bound_syllables()
    order = []
    for name, text in GROUPS + [("later", LATER), ("later grades", "".join(later_grades()))]:
        for ch in "".join(text.split()):
            if ch in order:
                raise ValueError(f"{ch} is listed twice (again under {name})")
            if ch in bound:
                raise ValueError(f"{ch} under {name} is only half of {'/'.join(bound[ch])}")
            order.append(ch)
    return order
