#include "PatternGame.h"

#include "Fonts.h"
#include "Rotated.h"

using namespace Qt::StringLiterals;

const QStringList &PatternPuzzle::pool()
{
    static const QStringList pictures{
        u"🔴"_s, u"🔵"_s, u"🟢"_s, u"🟡"_s, u"🟣"_s,
        u"🟠"_s, u"🟥"_s, u"🟦"_s, u"🌱"_s, u"🌷"_s,
        u"🌳"_s, u"🌻"_s, u"🍎"_s, u"🍌"_s, u"🍇"_s,
        u"🍓"_s, u"🐱"_s, u"🐶"_s, u"🐰"_s, u"🐼"_s,
        u"\u2B50\uFE0F"_s, u"🌙"_s, u"\u2600\uFE0F"_s, u"\u2601\uFE0F"_s, u"\u2B06\uFE0F"_s,
        u"\u27A1\uFE0F"_s, u"\u2B07\uFE0F"_s, u"\u2B05\uFE0F"_s, u"1"_s, u"2"_s,
        u"3"_s, u"4"_s, u"🧸"_s, u"\u26BD\uFE0F"_s, u"🪁"_s,
        u"🎈"_s, u"🐠"_s, u"🦀"_s, u"🐙"_s, u"🐬"_s,
        u"🚗"_s, u"🚌"_s, u"🚲"_s, u"🚂"_s, u"🌈"_s,
        u"\u2744\uFE0F"_s, u"🍀"_s, u"🔥"_s, u"🎵"_s, u"🎨"_s,
        u"🧩"_s, u"🏠"_s, u"\u26FA\uFE0F"_s, u"🏰"_s, u"🚀"_s,
        u"🛸"_s, u"💎"_s, u"🎁"_s, u"🪄"_s, u"🌼"_s,
    };
    return pictures;
}

PatternPuzzle PatternPuzzle::generate(int i)
{
    static constexpr int steps[] = {3, 5, 7, 11, 13};
    const QStringList &pictures = pool();
    const auto at = [&](int position) { return pictures[position % 60]; };

    const int step = steps[i % 5];
    const int length = i % 3 + 2;
    int p = (7 * i + i / 11) % 60;
    QStringList motif;
    while (motif.size() < length) {
        if (!motif.contains(at(p)))
            motif.append(at(p));
        p += step;
    }

    const int start = i / 60;
    PatternPuzzle row;
    for (int k = 0; k < 6; ++k)
        row.sequence.append(motif[(start + k) % length]);
    row.sequence.append(u"?"_s);
    row.answer = motif[(start + 6) % length];

    // Two distractors drawn further along the pool. The stride step + 2 visits at least
    // four distinct pictures, so two that differ from the answer are always found.
    QStringList offered{row.answer};
    for (int q = p + i; offered.size() < 3; q += step + 2) {
        if (!offered.contains(at(q)))
            offered.append(at(q));
    }
    row.choices = rotated(offered, i % 3);
    return row;
}

const QList<PatternPuzzle> &PatternPuzzle::generated()
{
    static const QList<PatternPuzzle> table = [] {
        QList<PatternPuzzle> rows;
        rows.reserve(500);
        for (int i = 0; i < 500; ++i)
            rows.append(generate(i));
        return rows;
    }();
    return table;
}

const QList<PatternPuzzle> &PatternGame::starterPuzzles()
{
    static const QList<PatternPuzzle> starters{
        {{u"🔴"_s, u"🔵"_s, u"🔴"_s, u"🔵"_s, u"?"_s}, u"🔴"_s, {u"🔴"_s, u"🟢"_s, u"🔵"_s}, {}},
        {{u"🌱"_s, u"🌷"_s, u"🌳"_s, u"🌱"_s, u"🌷"_s, u"?"_s}, u"🌳"_s, {u"🌻"_s, u"🌳"_s, u"🌱"_s}, {}},
        {{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"?"_s}, u"5"_s, {u"4"_s, u"5"_s, u"6"_s}, {}},
        {{u"\u2B50\uFE0F"_s, u"\u2B50\uFE0F"_s, u"🌙"_s, u"\u2B50\uFE0F"_s, u"\u2B50\uFE0F"_s, u"?"_s},
         u"🌙"_s, {u"\u2600\uFE0F"_s, u"\u2B50\uFE0F"_s, u"🌙"_s}, {}},
        {{u"🐣"_s, u"🐥"_s, u"🐔"_s, u"?"_s}, u"🥚"_s, {u"🥚"_s, u"🐤"_s, u"🪺"_s},
         u"一个新的成长循环从哪里开始？"_s},
    };
    return starters;
}

const QList<PatternPuzzle> &PatternGame::bank()
{
    static const QList<PatternPuzzle> rows = starterPuzzles() + PatternPuzzle::generated();
    return rows;
}

PatternGame::PatternGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::Flag},
                    parent)
{
}

const PatternPuzzle &PatternGame::puzzle() const
{
    return bank().at(questionIndex());
}

QString PatternGame::prompt() const
{
    const QString &hint = puzzle().hint;
    return hint.isEmpty() ? u"下一张应该是什么？"_s : hint;
}

QString PatternGame::counter() const
{
    return sessionProgress();
}

void PatternGame::choose(const QString &choice)
{
    if (answersClosed())
        return;
    if (choice == puzzle().answer)
        answerRight(u"找到规律啦！"_s);
    else
        answerWrong(u"再从第一个图形开始看一遍"_s);
}

bool PatternGame::isEmoji(const QString &picture)
{
    return Fonts::isEmojiCluster(picture);
}
