#include "SentenceMakerGame.h"

#include "LearningContent.h"
#include "SpeechService.h"

using namespace Qt::StringLiterals;

namespace {

SentencePuzzle handMade(const QString &image, const QString &scene, const QStringList &answer, const QStringList &choices)
{
    return {image, u"看"_s + scene + u"，把词语排成一句话。"_s, answer, choices};
}

} // namespace

const QList<SentencePuzzle> &SentencePuzzle::all()
{
    static const QList<SentencePuzzle> puzzles{
        handMade(u"🐱💤"_s, u"小猫睡觉"_s, {u"小猫"_s, u"在"_s, u"睡觉"_s}, {u"在"_s, u"睡觉"_s, u"小猫"_s}),
        handMade(u"🐦💨"_s, u"小鸟飞翔"_s, {u"小鸟"_s, u"在"_s, u"飞"_s}, {u"飞"_s, u"小鸟"_s, u"在"_s}),
        handMade(u"👧🍎"_s, u"看谁在吃苹果"_s, {u"我"_s, u"爱"_s, u"吃苹果"_s}, {u"吃苹果"_s, u"我"_s, u"爱"_s}),
        handMade(u"\u2600\uFE0F\U0001F324\uFE0F"_s, u"太阳升起"_s, {u"太阳"_s, u"出来"_s, u"了"_s}, {u"了"_s, u"太阳"_s, u"出来"_s}),
        handMade(u"🐟💦"_s, u"小鱼游水"_s, {u"小鱼"_s, u"在"_s, u"游泳"_s}, {u"游泳"_s, u"在"_s, u"小鱼"_s}),
        handMade(u"\U0001F469\u200D\U0001F373\U0001F372"_s, u"妈妈做饭"_s, {u"妈妈"_s, u"在"_s, u"做饭"_s}, {u"做饭"_s, u"妈妈"_s, u"在"_s}),
        handMade(u"👫🌳"_s, u"大家去公园"_s, {u"我们"_s, u"去"_s, u"公园"_s}, {u"公园"_s, u"去"_s, u"我们"_s}),
        handMade(u"🐶🏃"_s, u"小狗跑步"_s, {u"小狗"_s, u"在"_s, u"跑步"_s}, {u"在"_s, u"跑步"_s, u"小狗"_s}),
        handMade(u"🐰🥕"_s, u"小兔吃胡萝卜"_s, {u"小兔"_s, u"爱"_s, u"胡萝卜"_s}, {u"胡萝卜"_s, u"小兔"_s, u"爱"_s}),
        handMade(u"\U0001F327\uFE0F\u2602\uFE0F"_s, u"下雨了"_s, {u"天空"_s, u"下"_s, u"雨了"_s}, {u"雨了"_s, u"天空"_s, u"下"_s}),
        handMade(u"👦📚"_s, u"小朋友看书"_s, {u"我"_s, u"在"_s, u"看书"_s}, {u"看书"_s, u"我"_s, u"在"_s}),
        handMade(u"🐦🎵"_s, u"小鸟唱歌"_s, {u"小鸟"_s, u"在"_s, u"唱歌"_s}, {u"唱歌"_s, u"在"_s, u"小鸟"_s}),
        handMade(u"🍎🧺"_s, u"大家采苹果"_s, {u"我们"_s, u"去"_s, u"采苹果"_s}, {u"采苹果"_s, u"我们"_s, u"去"_s}),
        handMade(u"\U0001F319\u2B50\uFE0F"_s, u"晚上天空"_s, {u"月亮"_s, u"出来"_s, u"了"_s}, {u"了"_s, u"出来"_s, u"月亮"_s}),
        handMade(u"🐼🎋"_s, u"熊猫吃竹子"_s, {u"熊猫"_s, u"爱"_s, u"竹子"_s}, {u"爱"_s, u"竹子"_s, u"熊猫"_s}),
        handMade(u"🧒🎨"_s, u"小朋友画画"_s, {u"我"_s, u"在"_s, u"画画"_s}, {u"画画"_s, u"在"_s, u"我"_s}),
        handMade(u"🚂💨"_s, u"火车开来"_s, {u"火车"_s, u"开"_s, u"来了"_s}, {u"来了"_s, u"火车"_s, u"开"_s}),
        handMade(u"\U0001F33B\u2600\uFE0F"_s, u"花儿晒太阳"_s, {u"花儿"_s, u"向着"_s, u"太阳"_s}, {u"太阳"_s, u"花儿"_s, u"向着"_s}),
        handMade(u"🐢🏁"_s, u"小乌龟走路"_s, {u"乌龟"_s, u"慢慢"_s, u"走"_s}, {u"走"_s, u"慢慢"_s, u"乌龟"_s}),
        handMade(u"👧🎁"_s, u"小朋友送礼物"_s, {u"姐姐"_s, u"送"_s, u"礼物"_s}, {u"礼物"_s, u"送"_s, u"姐姐"_s}),
        handMade(u"🦋🌸"_s, u"蝴蝶飞过花朵"_s, {u"蝴蝶"_s, u"飞过"_s, u"花朵"_s}, {u"花朵"_s, u"蝴蝶"_s, u"飞过"_s}),
        handMade(u"🐸💧"_s, u"小青蛙跳水"_s, {u"青蛙"_s, u"跳进"_s, u"水里"_s}, {u"水里"_s, u"跳进"_s, u"青蛙"_s}),
        handMade(u"🎂🎉"_s, u"大家过生日"_s, {u"大家"_s, u"吃"_s, u"蛋糕"_s}, {u"蛋糕"_s, u"大家"_s, u"吃"_s}),
    };
    return puzzles;
}

const QList<SentencePuzzle> &SentencePuzzle::generated()
{
    static const QList<SentencePuzzle> puzzles = [] {
        struct Subject
        {
            QString word;
            QString emoji;
        };
        struct Action
        {
            QString verb;
            QString object;
            QString emoji;
        };
        const QList<Subject> subjects{
            {u"小猫"_s, u"🐱"_s}, {u"小狗"_s, u"🐶"_s}, {u"小兔"_s, u"🐰"_s}, {u"小鸟"_s, u"🐦"_s},
            {u"熊猫"_s, u"🐼"_s}, {u"小朋友"_s, u"🧒"_s}, {u"妈妈"_s, u"👩"_s}, {u"爸爸"_s, u"👨"_s},
            {u"小狐狸"_s, u"🦊"_s}, {u"小松鼠"_s, u"\U0001F43F\uFE0F"_s},
        };
        const QList<Action> actions{
            {u"在"_s, u"睡觉"_s, u"💤"_s}, {u"在"_s, u"跑步"_s, u"🏃"_s}, {u"在"_s, u"唱歌"_s, u"🎵"_s},
            {u"在"_s, u"画画"_s, u"🎨"_s}, {u"在"_s, u"看书"_s, u"📖"_s}, {u"爱"_s, u"吃苹果"_s, u"🍎"_s},
            {u"爱"_s, u"吃胡萝卜"_s, u"🥕"_s}, {u"去"_s, u"上学"_s, u"🏫"_s}, {u"去"_s, u"公园"_s, u"🌳"_s},
            {u"在"_s, u"做游戏"_s, u"🎲"_s},
        };
        QList<SentencePuzzle> rows;
        for (const Subject &s : subjects) {
            for (const Action &a : actions)
                rows.append({s.emoji + a.emoji, u"看图片，把词语排成一句话。"_s, {s.word, a.verb, a.object},
                             {a.object, s.word, a.verb}});
        }
        return rows;
    }();
    return puzzles;
}

SentenceMakerGame::SentenceMakerGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = 720,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"从第一张词语卡开始点"_s,
                     .startFeedbackGood = true},
                    parent)
    , m_puzzles(SentencePuzzle::all() + SentencePuzzle::generated())
{
    // The slots and the cards' marks follow both the words placed and the puzzle shown.
    connect(this, &RoundQuizGame::changed, this, &SentenceMakerGame::boardChanged);
    connect(this, &RoundQuizGame::questionChanged, this, &SentenceMakerGame::boardChanged);
}

QString SentenceMakerGame::speechID() const
{
    return u"sentence-"_s + QString::number(round());
}

QString SentenceMakerGame::counter() const
{
    return fiveRoundCounter(u"句"_s);
}

QVariantList SentenceMakerGame::cards() const
{
    QVariantList cards;
    for (const QString &word : current().choices)
        cards.append(QVariantMap{{u"word"_s, word}, {u"pinyin"_s, LearningContent::pinyin(word)}});
    return cards;
}

QList<bool> SentenceMakerGame::placed() const
{
    QList<bool> placed;
    for (const QString &word : current().choices)
        placed.append(m_selected.contains(word));
    return placed;
}

QVariantList SentenceMakerGame::answerSlots() const
{
    QVariantList filled;
    for (qsizetype i = 0; i < current().answer.size(); ++i) {
        if (i < m_selected.size()) {
            filled.append(QVariantMap{{u"word"_s, m_selected[i]},
                                     {u"pinyin"_s, LearningContent::pinyin(m_selected[i])},
                                     {u"filled"_s, true}});
        } else {
            filled.append(QVariantMap{{u"word"_s, QString()}, {u"pinyin"_s, QString()}, {u"filled"_s, false}});
        }
    }
    return filled;
}

bool SentenceMakerGame::canReset() const
{
    return !locked() && !m_selected.isEmpty();
}

void SentenceMakerGame::pick(int card)
{
    const QStringList &cards = current().choices;
    if (answersClosed() || card < 0 || card >= cards.size())
        return;
    const QString word = cards[card];
    if (m_selected.contains(word))
        return;
    const QStringList &answer = current().answer;
    if (m_selected.size() >= answer.size() || word != answer[m_selected.size()]) {
        answerWrong(u"Oops，先想想句子开头是谁"_s);
        return;
    }
    m_selected.append(word);
    if (m_selected.size() != answer.size())
        setFeedback(u"排得对，继续点下一张"_s, false);
    else
        answerRight(u"句子完成啦！"_s);
}

void SentenceMakerGame::reset()
{
    if (!canReset())
        return;
    m_selected.clear();
    forfeitFirstTry();
    setFeedback(u"从第一张词语卡重新开始"_s, true);
}

void SentenceMakerGame::speakCard(int card) const
{
    const QStringList &cards = current().choices;
    if (card >= 0 && card < cards.size())
        SpeechService::shared().speakChinesePronunciation(cards[card]);
}
