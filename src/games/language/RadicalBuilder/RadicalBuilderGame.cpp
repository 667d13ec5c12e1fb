#include "RadicalBuilderGame.h"

#include "ChineseSpeech.h"

using namespace Qt::StringLiterals;

const QList<RadicalQuestion> &RadicalQuestion::all()
{
    static const QList<RadicalQuestion> table{
        {{u"木"_s, u"木"_s}, u"林"_s, u"lín"_s, u"树林"_s, u"🌳"_s, {u"林"_s, u"休"_s, u"本"_s, u"术"_s}},
        {{u"日"_s, u"月"_s}, u"明"_s, u"míng"_s, u"明亮"_s, u"✨"_s, {u"朋"_s, u"明"_s, u"早"_s, u"星"_s}},
        {{u"人"_s, u"木"_s}, u"休"_s, u"xiū"_s, u"休息"_s, u"😴"_s, {u"体"_s, u"休"_s, u"林"_s, u"本"_s}},
        {{u"女"_s, u"子"_s}, u"好"_s, u"hǎo"_s, u"友好"_s, u"🤝"_s, {u"好"_s, u"字"_s, u"安"_s, u"她"_s}},
        {{u"木"_s, u"子"_s}, u"李"_s, u"lǐ"_s, u"李子"_s, u"🍑"_s, {u"杏"_s, u"李"_s, u"林"_s, u"季"_s}},
        {{u"禾"_s, u"火"_s}, u"秋"_s, u"qiū"_s, u"秋天"_s, u"🍂"_s, {u"秋"_s, u"香"_s, u"灯"_s, u"种"_s}},
        {{u"田"_s, u"力"_s}, u"男"_s, u"nán"_s, u"男孩"_s, u"👦"_s, {u"由"_s, u"甲"_s, u"男"_s, u"田"_s}},
        {{u"小"_s, u"土"_s}, u"尘"_s, u"chén"_s, u"灰尘"_s, u"🌬️"_s, {u"尘"_s, u"尖"_s, u"少"_s, u"坐"_s}},
        {{u"火"_s, u"火"_s}, u"炎"_s, u"yán"_s, u"炎热"_s, u"🔥"_s, {u"炎"_s, u"林"_s, u"灵"_s, u"烟"_s}},
        {{u"木"_s, u"木"_s, u"木"_s}, u"森"_s, u"sēn"_s, u"森林"_s, u"🌲"_s, {u"林"_s, u"森"_s, u"品"_s, u"众"_s}},
        {{u"日"_s, u"生"_s}, u"星"_s, u"xīng"_s, u"星星"_s, u"⭐️"_s, {u"春"_s, u"星"_s, u"早"_s, u"晴"_s}},
        {{u"门"_s, u"日"_s}, u"间"_s, u"jiān"_s, u"房间"_s, u"🚪"_s, {u"问"_s, u"间"_s, u"闪"_s, u"闷"_s}},
        {{u"门"_s, u"口"_s}, u"问"_s, u"wèn"_s, u"问题"_s, u"❓"_s, {u"间"_s, u"问"_s, u"闪"_s, u"闲"_s}},
        {{u"雨"_s, u"田"_s}, u"雷"_s, u"léi"_s, u"雷声"_s, u"⛈️"_s, {u"雪"_s, u"需"_s, u"雷"_s, u"电"_s}},
        {{u"竹"_s, u"毛"_s}, u"笔"_s, u"bǐ"_s, u"铅笔"_s, u"✏️"_s, {u"笑"_s, u"笔"_s, u"笋"_s, u"笛"_s}},
        {{u"宀"_s, u"豕"_s}, u"家"_s, u"jiā"_s, u"家园"_s, u"🏠"_s, {u"家"_s, u"安"_s, u"宝"_s, u"室"_s}},
        {{u"氵"_s, u"青"_s}, u"清"_s, u"qīng"_s, u"清水"_s, u"💧"_s, {u"晴"_s, u"情"_s, u"清"_s, u"请"_s}},
        {{u"亻"_s, u"尔"_s}, u"你"_s, u"nǐ"_s, u"你好"_s, u"👋"_s, {u"你"_s, u"他"_s, u"们"_s, u"住"_s}},
        {{u"讠"_s, u"青"_s}, u"请"_s, u"qǐng"_s, u"请进"_s, u"🙏"_s, {u"话"_s, u"说"_s, u"请"_s, u"读"_s}},
        {{u"口"_s, u"鸟"_s}, u"鸣"_s, u"míng"_s, u"鸟鸣"_s, u"🐦"_s, {u"鸣"_s, u"吗"_s, u"唱"_s, u"吹"_s}},
    };
    return table;
}

RadicalBuilderGame::RadicalBuilderGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = 700,
                     .guard = Guard::Flag,
                     .startFeedback = u"看看这些部件能拼成哪个字"_s},
                    parent)
{
    // The first five rows show until the page appears and picks the play's rows.
    setInitialSession({0, 1, 2, 3, 4});
}

const RadicalQuestion &RadicalBuilderGame::current() const
{
    return RadicalQuestion::all().at(questionIndex());
}

QString RadicalBuilderGame::meaningLine() const
{
    return current().meaning + u" · "_s + current().pinyin;
}

QString RadicalBuilderGame::prompt() const
{
    return current().parts.join(u" 加 "_s) + u"，可以拼成哪个字？"_s;
}

QString RadicalBuilderGame::counter() const
{
    return u"第 "_s + QString::number(round() + 1) + u"/"_s + QString::number(session().size()) + u" 关"_s;
}

QVariantList RadicalBuilderGame::tiles() const
{
    QVariantList tiles;
    for (const QString &choice : current().choices)
        tiles.append(QVariantMap{{u"text"_s, choice}, {u"pinyin"_s, LearningContent::pinyin(choice)}});
    return tiles;
}

void RadicalBuilderGame::choose(int tile)
{
    const QStringList &offered = current().choices;
    if (answersClosed() || tile < 0 || tile >= offered.size())
        return;
    const QString &choice = offered[tile];
    if (choice == current().answer)
        answerRight(u"拼出“"_s + choice + u"”啦！"_s + current().parts.join(u" + "_s) + u" = "_s + choice);
    else
        answerWrong(u"再把两边的部件合在一起看看"_s);
}

void RadicalBuilderGame::speakChoice(int tile) const
{
    const QStringList &offered = current().choices;
    if (tile >= 0 && tile < offered.size())
        speakCharacter(offered[tile]);
}
