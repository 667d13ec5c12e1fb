#include "OneLineGame.h"

using namespace Qt::StringLiterals;

const QList<OneLinePattern> &OneLinePattern::all()
{
    static const QList<OneLinePattern> table{
        {u"小蛇弯弯"_s, {0, 1, 2, 5, 4, 3}},
        {u"楼梯小路"_s, {6, 3, 0, 1, 4, 7, 8}},
        {u"月亮回环"_s, {2, 1, 0, 3, 6, 7, 4, 5, 8}},
        {u"彩虹之桥"_s, {0, 3, 6, 7, 8, 5, 2, 1, 4}},
        {u"星星小屋"_s, {8, 7, 6, 3, 0, 1, 2, 5, 4}},
        {u"森林弯道"_s, {1, 0, 3, 4, 5, 2}},
        {u"火箭路线"_s, {6, 7, 4, 1, 2, 5, 8}},
        {u"海边小径"_s, {2, 5, 8, 7, 4, 3, 0}},
    };
    return table;
}

OneLineGame::OneLineGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"从星星开始，一笔走过所有圆点"_s,
                     .startFeedbackGood = true},
                    parent)
{
}

void OneLineGame::setVisited(QList<int> visited)
{
    m_visited = std::move(visited);
    emit visitedChanged();
}

void OneLineGame::tap(int cell)
{
    const QList<int> path = route();
    if (answersClosed() || !path.contains(cell) || m_visited.size() >= path.size())
        return;
    if (cell != path[m_visited.size()]) {
        // The line breaks: the child starts again from the star.
        setVisited({});
        answerWrong(u"这条线断开啦，从星星重新试试"_s);
        return;
    }
    setVisited(m_visited + QList<int>{cell});
    if (m_visited.size() < path.size()) {
        setFeedback(u"连上啦，继续画"_s, false);
        return;
    }
    answerRight(u"一笔画完啦！"_s);
}

void OneLineGame::roundStarted()
{
    setVisited({});
}
