#include "PhonicsTrainGame.h"

#include "GameText.h"
#include "LearningContent.h"

#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace {

const QString kAlphabet = u"abcdefghijklmnopqrstuvwxyz"_s;

// The first user-perceived character of `text` (a letter with its combining marks).
QString firstCharacter(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = finder.toNextBoundary();
    return end > 0 ? text.left(end) : text;
}

} // namespace

const QList<PhonicsTrainQuestion> &PhonicsTrainQuestion::all()
{
    static const QList<PhonicsTrainQuestion> rows{
        {u"cat"_s, u"🐱"_s, u"小猫"_s, u"c"_s, {u"b"_s, u"c"_s, u"m"_s}},
        {u"sun"_s, u"\u2600\uFE0F"_s, u"太阳"_s, u"s"_s, {u"f"_s, u"m"_s, u"s"_s}},
        {u"fish"_s, u"🐟"_s, u"小鱼"_s, u"f"_s, {u"d"_s, u"f"_s, u"t"_s}},
        {u"moon"_s, u"🌙"_s, u"月亮"_s, u"m"_s, {u"m"_s, u"r"_s, u"s"_s}},
        {u"dog"_s, u"🐶"_s, u"小狗"_s, u"d"_s, {u"b"_s, u"d"_s, u"p"_s}},
        {u"rain"_s, u"\U0001F327\uFE0F"_s, u"下雨"_s, u"r"_s, {u"l"_s, u"r"_s, u"t"_s}},
        {u"ball"_s, u"\u26BD\uFE0F"_s, u"皮球"_s, u"b"_s, {u"b"_s, u"p"_s, u"s"_s}},
        {u"tree"_s, u"🌳"_s, u"大树"_s, u"t"_s, {u"d"_s, u"f"_s, u"t"_s}},
        {u"apple"_s, u"🍎"_s, u"苹果"_s, u"a"_s, {u"a"_s, u"e"_s, u"i"_s}},
        {u"bird"_s, u"🐦"_s, u"小鸟"_s, u"b"_s, {u"b"_s, u"d"_s, u"p"_s}},
        {u"cake"_s, u"🍰"_s, u"蛋糕"_s, u"c"_s, {u"c"_s, u"k"_s, u"t"_s}},
        {u"duck"_s, u"🦆"_s, u"小鸭"_s, u"d"_s, {u"b"_s, u"d"_s, u"g"_s}},
        {u"egg"_s, u"🥚"_s, u"鸡蛋"_s, u"e"_s, {u"a"_s, u"e"_s, u"i"_s}},
        {u"goat"_s, u"🐐"_s, u"小羊"_s, u"g"_s, {u"d"_s, u"g"_s, u"j"_s}},
        {u"hat"_s, u"🧢"_s, u"帽子"_s, u"h"_s, {u"h"_s, u"m"_s, u"n"_s}},
        {u"kite"_s, u"🪁"_s, u"风筝"_s, u"k"_s, {u"c"_s, u"k"_s, u"l"_s}},
        {u"lion"_s, u"🦁"_s, u"狮子"_s, u"l"_s, {u"l"_s, u"r"_s, u"t"_s}},
        {u"pen"_s, u"\u270F\uFE0F"_s, u"铅笔"_s, u"p"_s, {u"b"_s, u"p"_s, u"q"_s}},
        {u"queen"_s, u"👑"_s, u"女王"_s, u"q"_s, {u"g"_s, u"p"_s, u"q"_s}},
        {u"van"_s, u"🚐"_s, u"面包车"_s, u"v"_s, {u"b"_s, u"v"_s, u"w"_s}},
        {u"whale"_s, u"🐳"_s, u"鲸鱼"_s, u"w"_s, {u"r"_s, u"v"_s, u"w"_s}},
        {u"yellow"_s, u"💛"_s, u"黄色"_s, u"y"_s, {u"l"_s, u"y"_s, u"z"_s}},
        {u"zoo"_s, u"🦒"_s, u"动物园"_s, u"z"_s, {u"s"_s, u"y"_s, u"z"_s}},
        {u"jump"_s, u"🤸"_s, u"跳一跳"_s, u"j"_s, {u"g"_s, u"j"_s, u"k"_s}},
    };
    return rows;
}

QList<PhonicsTrainQuestion> PhonicsTrainQuestion::generate(const QList<BasicEnglishWord> &words)
{
    QList<PhonicsTrainQuestion> rows;
    for (const BasicEnglishWord &entry : words) {
        if (entry.word.isEmpty())
            continue;
        const QString first = firstCharacter(entry.word);
        if (!QChar::isLetter(first.toUcs4().value(0)))
            continue;
        const qsizetype k = kAlphabet.indexOf(first.toLower());
        // A one-letter text from the 26; an accented or other letter gives no row.
        if (k < 0 || first.toLower().size() != 1)
            continue;
        const QString letter = kAlphabet.mid(k, 1);
        rows.append({entry.word, entry.emoji, entry.chinese, letter,
                     {letter, kAlphabet.mid((k + 7) % 26, 1), kAlphabet.mid((k + 15) % 26, 1)}});
    }
    return rows;
}

QList<PhonicsTrainQuestion> PhonicsTrainQuestion::generated()
{
    return generate(LearningContent::basicEnglish());
}

PhonicsTrainGame::PhonicsTrainGame(QObject *parent)
    : SingleChoiceGame({.gameID = QString::fromLatin1(gameID),
                        .take = 5,
                        .pauseMs = 700,
                        .guard = Guard::EmptySession,
                        .startFeedback = u"听一听，再选开头的声音"_s,
                        .startFeedbackGood = true},
                       parent)
    , m_questions(PhonicsTrainQuestion::all() + PhonicsTrainQuestion::generated())
{
}

void PhonicsTrainGame::setQuestions(QList<PhonicsTrainQuestion> questions)
{
    if (questions.isEmpty())
        return; // the bank is never empty
    m_questions = std::move(questions);
    emit questionChanged();
    emit changed();
}

QString PhonicsTrainGame::gloss() const
{
    return current().chinese.isEmpty() ? u"英文单词"_s : current().chinese;
}

QString PhonicsTrainGame::prompt() const
{
    return u"Listen. "_s + GameText::capitalized(current().word) + u" starts with which sound?"_s;
}

QString PhonicsTrainGame::counter() const
{
    return fiveRoundCounter(u"节"_s);
}

QStringList PhonicsTrainGame::labels() const
{
    QStringList labels;
    for (const QString &letter : current().choices)
        labels.append(letter.toUpper());
    return labels;
}

QString PhonicsTrainGame::hint() const
{
    return u"Oops，再听听 "_s + GameText::capitalized(current().word) + u" 的第一个声音"_s;
}

QString PhonicsTrainGame::praise(const QString &letter) const
{
    return letter.toUpper() + u" 的声音对啦，列车开动！"_s;
}
