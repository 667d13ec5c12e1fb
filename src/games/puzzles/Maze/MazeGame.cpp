#include "MazeGame.h"

#include "Clock.h"
#include "GameAudio.h"

#include <QVariantMap>
#include <algorithm>

using namespace Qt::StringLiterals;

MazeGame::MazeGame(QObject *parent)
    : MazeGame(MazeGrid::generate(mazeRows, mazeColumns, mazeSeed), parent)
{
}

MazeGame::MazeGame(MazeGrid maze, QObject *parent)
    : GameBase(parent)
    , m_maze(std::move(maze))
    , m_trail{{0, 0}}
{
    line().setGoodWords({u"拿到"_s, u"击退"_s, u"完成"_s, u"出发"_s});
    line().show(u"先找三把钥匙和魔法泡泡，再击退两个捣蛋怪。"_s);
    connect(&line(), &FeedbackLine::changed, this, &MazeGame::changed);
    connect(&line(), &FeedbackLine::shaken, this, &MazeGame::wrongAttemptChanged);
}

const QSet<MazePoint> &MazeGame::keyPoints()
{
    static const QSet<MazePoint> points{{1, 3}, {5, 2}, {3, 9}};
    return points;
}

const QSet<MazePoint> &MazeGame::monsterPoints()
{
    static const QSet<MazePoint> points{{4, 8}, {1, 10}};
    return points;
}

qint64 MazeGame::scoreFor(int moves, int rows, int columns)
{
    const int baseline = rows + columns + 16;
    const int excess = moves - baseline;
    return excess < 39 ? 100 - std::max(excess, 0) : 62;
}

bool MazeGame::hasFinishedTasks() const
{
    return m_collectedKeys.size() == keyPoints().size() && m_defeatedMonsters.size() == monsterPoints().size();
}

QList<int> MazeGame::trailCells() const
{
    QList<int> cells;
    cells.reserve(m_trail.size());
    for (const MazePoint &p : m_trail)
        cells.append(p.row * m_maze.columns + p.column);
    std::sort(cells.begin(), cells.end());
    return cells;
}

QVariantList MazeGame::boardIcons() const
{
    QVariantList icons;
    const auto add = [&](const QString &symbol, MazePoint at, qreal scale) {
        icons.append(QVariantMap{{u"symbol"_s, symbol}, {u"cell"_s, at.row * m_maze.columns + at.column}, {u"scale"_s, scale}});
    };
    const auto sorted = [](const QSet<MazePoint> &set) {
        QList<MazePoint> list(set.cbegin(), set.cend());
        std::sort(list.begin(), list.end(), [](MazePoint a, MazePoint b) {
            return std::pair(a.row, a.column) < std::pair(b.row, b.column);
        });
        return list;
    };
    add(hasFinishedTasks() ? u"🎁"_s : u"🔒"_s, chest(), 0.58);
    for (const MazePoint &key : sorted(keyPoints())) {
        if (!m_collectedKeys.contains(key))
            add(u"🔑"_s, key, 0.48);
    }
    if (!m_pickedMagicBubble)
        add(u"🫧"_s, bubblePoint(), 0.5);
    for (const MazePoint &monster : sorted(monsterPoints())) {
        if (m_defeatedMonsters.contains(monster))
            add(u"✨"_s, monster, 0.38);
        else
            add(u"👾"_s, monster, 0.54);
    }
    return icons;
}

void MazeGame::appear()
{
    GameAudio::readQuestion(u"带小狐狸穿过森林，找齐三把钥匙和魔法泡泡，躲开或击退捣蛋怪，最后到达宝箱。"_s, u"zh-CN"_s);
}

void MazeGame::move(MazeDirection direction)
{
    if (m_finished)
        return;
    if (!m_maze.canMove(m_player, direction)) {
        line().hint(u"前面是树篱，换一条路试试。"_s);
        return;
    }
    const MazePoint target = MazeSteps::step(m_player, direction);
    if (monsterPoints().contains(target) && !m_defeatedMonsters.contains(target) && !m_pickedMagicBubble) {
        line().hint(u"捣蛋怪挡住了小路！先绕开它，去找魔法泡泡。"_s);
        return;
    }

    // The step. A press during a walk is taken too: each step clears the walk pose its
    // own time after it, so a quick later step may lose its pose early.
    m_isWalking = true;
    m_walkPhase = !m_walkPhase;
    m_player = target;
    m_trail.insert(target);
    ++m_moves;
    Clock::current().after(walkMs, this, [this] {
        m_isWalking = false;
        emit walkChanged();
    });

    // What lies on the cell; the line's look follows from its words.
    bool pickedUp = true;
    if (keyPoints().contains(target) && !m_collectedKeys.contains(target)) {
        m_collectedKeys.insert(target);
        line().praise(u"拿到一把闪亮钥匙！继续出发。"_s);
    } else if (target == bubblePoint() && !m_pickedMagicBubble) {
        m_pickedMagicBubble = true;
        line().praise(u"拿到魔法泡泡，现在可以击退捣蛋怪啦！"_s);
    } else if (monsterPoints().contains(target) && !m_defeatedMonsters.contains(target)) {
        m_defeatedMonsters.insert(target);
        line().praise(u"砰！魔法泡泡击退了捣蛋怪！"_s);
    } else {
        pickedUp = false;
        line().show(u"小狐狸正在沿着森林小路前进。"_s);
    }

    if (target == chest()) {
        if (hasFinishedTasks()) {
            m_finished = true;
            line().praise(u"全部任务完成，宝箱打开啦！"_s);
            // The report waits on the callback alone: it arrives also when the child has
            // left the page during the wait.
            const qint64 score = scoreFor(m_moves, m_maze.rows, m_maze.columns);
            completeAfter(reportMs, score, starsFor(score));
        } else {
            // The step stands; the chest answers like a hedge.
            line().hint(u"宝箱还锁着，找齐钥匙并击退两个捣蛋怪吧！"_s);
        }
    }
    emit walkChanged();
    emit changed();
    if (pickedUp)
        emit boardIconsChanged();
}
