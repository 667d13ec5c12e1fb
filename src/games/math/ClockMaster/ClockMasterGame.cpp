#include "ClockMasterGame.h"

using namespace Qt::StringLiterals;

const QList<ClockQuestion> &ClockQuestion::all()
{
    static const QList<ClockQuestion> table{
        {3, 0, u"3:00"_s, {u"2:00"_s, u"3:00"_s, u"4:00"_s}},
        {7, 30, u"7:30"_s, {u"7:00"_s, u"7:30"_s, u"8:30"_s}},
        {9, 0, u"9:00"_s, {u"8:00"_s, u"9:00"_s, u"10:00"_s}},
        {1, 30, u"1:30"_s, {u"12:30"_s, u"1:30"_s, u"2:30"_s}},
        {5, 0, u"5:00"_s, {u"4:00"_s, u"5:00"_s, u"6:00"_s}},
        {10, 30, u"10:30"_s, {u"9:30"_s, u"10:30"_s, u"11:30"_s}},
        {12, 0, u"12:00"_s, {u"11:00"_s, u"12:00"_s, u"1:00"_s}},
        {4, 30, u"4:30"_s, {u"3:30"_s, u"4:30"_s, u"5:30"_s}},
    };
    return table;
}

ClockMasterGame::ClockMasterGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = 680,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"看看长针和短针，选出正确时间"_s,
                     .startFeedbackGood = true},
                    parent)
{
}

const ClockQuestion &ClockMasterGame::current() const
{
    return ClockQuestion::all().at(questionIndex());
}

QString ClockMasterGame::counter() const
{
    return fiveRoundCounter(u"题"_s);
}

QString ClockMasterGame::prompt() const
{
    return u"第 "_s + QString::number(round() + 1) + u" 题，看指针，选出正确的时间。"_s;
}

void ClockMasterGame::choose(const QString &choice)
{
    if (answersClosed())
        return;
    pick(choice);
    if (choice != current().answer)
        answerWrong(u"Oops，再看看长针指向哪里"_s);
    else
        answerRight(u"答对啦，就是 "_s + choice + u"！"_s);
}
