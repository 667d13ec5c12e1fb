#include "PictureWordGame.h"

#include "LearningContent.h"

using namespace Qt::StringLiterals;

const QList<PictureWordQuestion> &PictureWordQuestion::all()
{
    static const QList<PictureWordQuestion> rows{
        {u"🐱"_s, u"小猫"_s, {u"小狗"_s, u"小猫"_s, u"小鸟"_s}},
        {u"🚗"_s, u"汽车"_s, {u"火车"_s, u"汽车"_s, u"飞机"_s}},
        {u"🍉"_s, u"西瓜"_s, {u"苹果"_s, u"西瓜"_s, u"草莓"_s}},
        {u"\U0001F327\uFE0F\u2602\uFE0F"_s, u"雨伞"_s, {u"雨伞"_s, u"太阳"_s, u"彩虹"_s}},
        {u"🌙"_s, u"月亮"_s, {u"星星"_s, u"月亮"_s, u"云朵"_s}},
        {u"🌳"_s, u"大树"_s, {u"小草"_s, u"大树"_s, u"花朵"_s}},
        {u"\u2708\uFE0F"_s, u"飞机"_s, {u"汽车"_s, u"轮船"_s, u"飞机"_s}},
        {u"🍰"_s, u"蛋糕"_s, {u"面包"_s, u"蛋糕"_s, u"饼干"_s}},
        {u"🐶"_s, u"小狗"_s, {u"小猫"_s, u"小狗"_s, u"小兔"_s}},
        {u"🚂"_s, u"火车"_s, {u"汽车"_s, u"火车"_s, u"轮船"_s}},
        {u"🍌"_s, u"香蕉"_s, {u"香蕉"_s, u"葡萄"_s, u"西瓜"_s}},
        {u"🌈"_s, u"彩虹"_s, {u"太阳"_s, u"彩虹"_s, u"闪电"_s}},
        {u"\u2600\uFE0F"_s, u"太阳"_s, {u"月亮"_s, u"星星"_s, u"太阳"_s}},
        {u"🏫"_s, u"学校"_s, {u"医院"_s, u"学校"_s, u"商店"_s}},
        {u"\u26F5\uFE0F"_s, u"小船"_s, {u"飞机"_s, u"小船"_s, u"火车"_s}},
        {u"🍦"_s, u"冰淇淋"_s, {u"蛋糕"_s, u"冰淇淋"_s, u"糖果"_s}},
        {u"🐰"_s, u"小兔"_s, {u"小狗"_s, u"小猫"_s, u"小兔"_s}},
        {u"🔑"_s, u"钥匙"_s, {u"钥匙"_s, u"雨伞"_s, u"帽子"_s}},
        {u"⏰"_s, u"闹钟"_s, {u"电话"_s, u"闹钟"_s, u"电视"_s}},
        {u"🌸"_s, u"花朵"_s, {u"树叶"_s, u"花朵"_s, u"小草"_s}},
        {u"📚"_s, u"书本"_s, {u"书本"_s, u"书包"_s, u"铅笔"_s}},
        {u"👟"_s, u"鞋子"_s, {u"袜子"_s, u"鞋子"_s, u"手套"_s}},
        {u"🍇"_s, u"葡萄"_s, {u"草莓"_s, u"葡萄"_s, u"樱桃"_s}},
        {u"🪑"_s, u"椅子"_s, {u"桌子"_s, u"椅子"_s, u"床"_s}},
    };
    return rows;
}

QList<PictureWordQuestion> PictureWordQuestion::generate(const Vocabulary &vocabulary)
{
    const QList<ChineseLiteracyItem> &items = vocabulary.chineseLiteracy();
    QList<PictureWordQuestion> rows;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString &answer = items[i].character;
        QStringList choices = vocabulary.literacyChoices(i);
        for (qsizetype k = choices.size() - 1; k >= 0; --k) {
            if (choices[k] != answer) {
                choices.removeAt(k);
                break;
            }
        }
        rows.append({items[i].emoji, answer, choices.first(3)});
    }
    return rows;
}

QList<PictureWordQuestion> PictureWordQuestion::generated()
{
    return generate(LearningContent::shared());
}

PictureWordGame::PictureWordGame(QObject *parent)
    : SingleChoiceGame({.gameID = QString::fromLatin1(gameID),
                        .take = 5,
                        .pauseMs = 680,
                        .guard = Guard::EmptySession,
                        .startFeedback = u"看看图片，选出藏在里面的词"_s,
                        .startFeedbackGood = true},
                       parent)
    , m_questions(PictureWordQuestion::all() + PictureWordQuestion::generated())
{
}

void PictureWordGame::setQuestions(QList<PictureWordQuestion> questions)
{
    if (questions.isEmpty())
        return; // the bank is never empty
    m_questions = std::move(questions);
    emit questionChanged();
    emit changed();
}

QString PictureWordGame::prompt() const
{
    return u"看看图片，选出最合适的词。"_s;
}

QString PictureWordGame::counter() const
{
    return fiveRoundCounter(u"题"_s);
}

QString PictureWordGame::hint() const
{
    return u"Oops，再仔细看看图片"_s;
}

QString PictureWordGame::praise(const QString &word) const
{
    return u"答对啦，就是“"_s + word + u"”！"_s;
}
