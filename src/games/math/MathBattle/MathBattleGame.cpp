#include "MathBattleGame.h"

#include "Clock.h"
#include "Rotated.h"

using namespace Qt::StringLiterals;

MathQuestion MathQuestion::generate(int i)
{
    const int a = (i / 2) % 25;
    const int b = i / 50 + 1;
    MathQuestion row;
    if (i % 2 == 0) {
        row.text = QString::number(a + 1) + u" + "_s + QString::number(b);
        row.answer = a + 1 + b;
    } else {
        row.text = QString::number(a + b) + u" - "_s + QString::number(a);
        row.answer = b;
    }
    QList<int> list{row.answer};
    for (int d : {-3, -1, 1, 2, 4, -4}) {
        if (list.size() == 4)
            break;
        const int c = row.answer + d;
        if (c >= 0 && !list.contains(c))
            list.append(c);
    }
    row.choices = rotated(list, i % list.size());
    return row;
}

const QList<MathQuestion> &MathQuestion::all()
{
    static const QList<MathQuestion> table = [] {
        QList<MathQuestion> rows;
        rows.reserve(500);
        for (int i = 0; i < 500; ++i)
            rows.append(generate(i));
        return rows;
    }();
    return table;
}

MathBattleGame::MathBattleGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = hitMs + restMs,
                     .guard = Guard::Flag,
                     .startFeedback = u"选择正确答案，发射星光！"_s},
                    parent)
{
}

const MathQuestion &MathBattleGame::question() const
{
    return MathQuestion::all().at(questionIndex());
}

QString MathBattleGame::spokenQuestion() const
{
    return u"请算一算，"_s + question().text + u" 等于几？"_s;
}

QString MathBattleGame::energyText() const
{
    return QString::number(energy()) + u"/"_s + QString::number(startHP);
}

QString MathBattleGame::monster() const
{
    return m_monsterHP == 0 ? u"😵💫"_s : u"👾"_s;
}

void MathBattleGame::choose(int choice)
{
    if (answersClosed())
        return;
    if (choice != question().answer) {
        answerWrong(u"怪兽挡住了，再算一算"_s);
        return;
    }
    // Five rounds against five hit points; never below zero.
    m_monsterHP = qMax(0, m_monsterHP - 1);
    m_isHit = true;
    answerRight(m_monsterHP == 0 ? u"打败数字怪兽啦！"_s : u"命中！星光能量 +1"_s);
    // The hit shows for the first part of the pause.
    Clock::current().after(hitMs, this, [this] {
        m_isHit = false;
        emit changed();
    });
}

void MathBattleGame::roundStarted()
{
    setFeedback(u"下一题，继续发射！"_s, false);
}
