#include "MakeTenGame.h"

#include "Clock.h"
#include "Rotated.h"

using namespace Qt::StringLiterals;

QList<int> MakeTenGame::generateRow(int i)
{
    const int a = i % 9 + 1;
    const int b = 10 - a;
    // Unsigned arithmetic wraps modulo 2^64, as the generator requires.
    quint64 state = quint64(i + 1) * 6364136223846793005ULL + 1442695040888963407ULL;
    QList<int> row;
    row.reserve(6);
    row << a << b;
    for (int f = 0; f < 4; ++f) {
        state = state * 2862933555777941757ULL + 3037000493ULL;
        row.append(int(state % 9) + 1);
    }
    return rotated(row, i % 6);
}

const QList<QList<int>> &MakeTenGame::rounds()
{
    static const QList<QList<int>> table = [] {
        QList<QList<int>> rows;
        rows.reserve(500);
        for (int i = 0; i < 500; ++i)
            rows.append(generateRow(i));
        return rows;
    }();
    return table;
}

MakeTenGame::MakeTenGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::Flag,
                     .startFeedback = u"选两个数字，让它们合起来等于 10"_s,
                     .startFeedbackGood = true,
                     .goodWords = {u"正好"_s, u"选两个"_s}},
                    parent)
{
}

QString MakeTenGame::counter() const
{
    return sessionProgress();
}

QString MakeTenGame::prompt() const
{
    return u"第 "_s + QString::number(round() + 1) + u" 题，选两个数字，让它们合起来等于十。"_s;
}

QString MakeTenGame::equation() const
{
    const QList<int> row = numbers();
    switch (m_selected.size()) {
    case 0:
        return u"? + ? = 10"_s;
    case 1:
        return QString::number(row[m_selected[0]]) + u" + ? = 10"_s;
    default:
        return QString::number(row[m_selected[0]]) + u" + "_s + QString::number(row[m_selected[1]]) + u" = ?"_s;
    }
}

void MakeTenGame::setSelected(QList<int> selected)
{
    m_selected = std::move(selected);
    emit selectionChanged();
}

void MakeTenGame::select(int index)
{
    const QList<int> row = numbers();
    if (answersClosed() || index < 0 || index >= row.size())
        return;
    // A second tap on a picked tile unpicks it, even while a wrong pair shows.
    if (m_selected.contains(index)) {
        QList<int> rest = m_selected;
        rest.removeOne(index);
        setSelected(rest);
        return;
    }
    // A wrong pair stays on screen until it is cleared.
    if (m_selected.size() >= 2)
        return;
    setSelected(m_selected + QList<int>{index});
    if (m_selected.size() < 2)
        return;

    // Only the sum counts: any two different tiles adding up to ten are right.
    const int sum = row[m_selected[0]] + row[m_selected[1]];
    if (sum == 10) {
        answerRight(u"正好是 10，太棒啦！"_s);
        return;
    }
    answerWrong(u"这两个合起来是 "_s + QString::number(sum) + u"，再试试"_s);
    // The wrong pair is unpicked after a moment, with whatever else has been picked
    // since; a right pair found meanwhile stays shown through its pause.
    Clock::current().after(clearMs, this, [this] {
        if (!locked())
            setSelected({});
    });
}

void MakeTenGame::roundStarted()
{
    setSelected({});
    const QString next = u"再找一对好朋友"_s;
    setFeedback(next);
}
