#include "NumberSliderGame.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

const QList<NumberSliderLevel> &NumberSliderLevel::all()
{
    static const QList<NumberSliderLevel> table{
        {u"两步热身"_s, {1, 2, 3, 4, 5, 6, 0, 7, 8}},
        {u"小弯道"_s, {1, 2, 3, 4, 5, 0, 7, 8, 6}},
        {u"绕一绕"_s, {1, 2, 3, 0, 5, 6, 4, 7, 8}},
        {u"星光楼梯"_s, {1, 2, 3, 5, 0, 6, 4, 7, 8}},
        {u"数字散步"_s, {1, 2, 3, 5, 6, 0, 4, 7, 8}},
        {u"彩虹转角"_s, {1, 2, 0, 5, 6, 3, 4, 7, 8}},
        {u"小小迷阵"_s, {1, 0, 2, 5, 6, 3, 4, 7, 8}},
        {u"最后冲刺"_s, {0, 1, 2, 5, 6, 3, 4, 7, 8}},
    };
    return table;
}

NumberSliderGame::NumberSliderGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = 760,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"点空格旁边的数字，让它们排成 1 到 8"_s,
                     .startFeedbackGood = true},
                    parent)
{
}

const QList<int> &NumberSliderGame::solved()
{
    static const QList<int> goal{1, 2, 3, 4, 5, 6, 7, 8, 0};
    return goal;
}

bool NumberSliderGame::sharesSide(int a, int b)
{
    return std::abs(a / 3 - b / 3) + std::abs(a % 3 - b % 3) == 1;
}

const NumberSliderLevel &NumberSliderGame::current() const
{
    return NumberSliderLevel::all().at(questionIndex());
}

QString NumberSliderGame::counter() const
{
    return fiveRoundCounter(u"关"_s) + u" · "_s + QString::number(m_moves) + u" 步"_s;
}

void NumberSliderGame::loadBoard()
{
    m_board = session().isEmpty() ? QList<int>{} : current().board;
    m_moves = 0;
    emit boardChanged();
}

void NumberSliderGame::move(int index)
{
    if (answersClosed() || index < 0 || index >= m_board.size())
        return;
    const int blank = int(m_board.indexOf(0));
    if (blank < 0)
        return;
    if (!sharesSide(index, blank)) {
        answerWrong(u"Oops，只能移动空格旁边的数字"_s);
        return;
    }
    m_board.swapItemsAt(index, blank);
    ++m_moves;
    emit boardChanged();
    if (m_board == solved())
        answerRight(u"数字排好队啦！"_s);
    else
        setFeedback(u"很好，继续让数字回到家"_s, false);
}
