#include "SupermarketGame.h"

#include "Rotated.h"

using namespace Qt::StringLiterals;

const QList<QString> &ShoppingTask::items()
{
    static const QList<QString> list{
        u"🍎"_s, u"🥛"_s, u"🍞"_s, u"🍓"_s, u"🧃"_s, u"🍌"_s,
        u"🍰"_s, u"🥚"_s, u"🥕"_s, u"🍊"_s, u"🍇"_s, u"🧀"_s,
    };
    return list;
}

ShoppingTask ShoppingTask::generate(int i)
{
    const QList<QString> &shop = items();
    ShoppingTask task;
    task.firstPrice = i % 20 + 1;
    task.secondPrice = (i / 20) % 20 + 1;
    // 5i + 1 and i never meet modulo 12, so the two items always differ.
    task.first = shop[i % 12];
    task.second = shop[(5 * i + 1) % 12];
    const int t = task.total();
    // The right total stands second before the rotation: second, first or third after.
    task.choices = rotated(QList<int>{std::max(t - 1, 1), t, t + 1 + i % 2}, i % 3);
    return task;
}

const QList<ShoppingTask> &ShoppingTask::all()
{
    static const QList<ShoppingTask> table = [] {
        QList<ShoppingTask> tasks;
        tasks.reserve(500);
        for (int i = 0; i < 500; ++i)
            tasks.append(generate(i));
        return tasks;
    }();
    return table;
}

SupermarketGame::SupermarketGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::Flag,
                     .startFeedback = u"算一算购物篮里一共多少钱"_s,
                     .startFeedbackGood = true,
                     .goodWords = {u"算对"_s, u"算一算"_s}},
                    parent)
{
}

const ShoppingTask &SupermarketGame::task() const
{
    return ShoppingTask::all().at(questionIndex());
}

QString SupermarketGame::counter() const
{
    return sessionProgress();
}

QString SupermarketGame::prompt() const
{
    return u"第 "_s + QString::number(round() + 1) + u" 题，"_s + QString::number(task().firstPrice) + u" 元加 "_s
        + QString::number(task().secondPrice) + u" 元，一共多少钱？"_s;
}

void SupermarketGame::choose(int value)
{
    if (answersClosed())
        return;
    const ShoppingTask &current = task();
    if (value != current.total()) {
        answerWrong(u"把 "_s + QString::number(current.firstPrice) + u" 和 "_s
                    + QString::number(current.secondPrice) + u" 再加一次"_s);
        return;
    }
    answerRight(u"算对啦，可以结账！"_s);
}

void SupermarketGame::roundStarted()
{
    const QString next = u"看看新的购物篮"_s;
    setFeedback(next);
}
