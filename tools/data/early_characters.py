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
prompt would show a reading other than the one it speaks.

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
人爸妈爷奶哥姐弟妹宝儿女男孩子娃叔姨婆公王友师生家兵农医
"""),
    ("the body", """
口耳目眼鼻嘴牙舌手足脚头脸眉身心肚腿背指皮毛骨肩腰胸血汗脖臂掌拳齿脑
"""),
    ("nature", """
日月星天地山水火土石田云雨雪风电雷冰河江海湖泉林木树森草花叶果竹沙泥岛洞
光阳春夏秋冬空气雾霜虹波浪溪池井坡岩晴芽苗根枝松柳荷莲菊梅兰
"""),
    ("animals", """
猫狗牛羊马猪鸡鸭鹅鸟鱼虫兔龙蛇猴虎象熊狼鹿狐狸蛙龟鼠蜂蝶鹰燕雀虾蟹贝鹤豹
狮蚕蚁蝉鸽蚊蝴驴鸦鲸蚂蜗蛋羽尾角窝巢
"""),
    ("food", """
米饭面包菜汤肉茶糖盐油瓜豆苹梨桃李杏枣橘橙蕉莓葡萄萝茄椰饼糕粥饺馒酒粮麦
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
话声音文语词句故诗请谢见几条块张片朵太朋完成先像跟
"""


def characters():
    """The authored characters in order; a character listed twice is an error."""
    order = []
    for name, text in GROUPS + [("later", LATER)]:
        for ch in "".join(text.split()):
            if ch in order:
                raise ValueError(f"{ch} is listed twice (again under {name})")
            order.append(ch)
    return order
