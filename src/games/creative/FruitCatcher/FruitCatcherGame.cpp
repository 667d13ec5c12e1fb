#include "FruitCatcherGame.h"


#include <algorithm>

using namespace Qt::StringLiterals;

FruitCatcherGame::FruitCatcherGame(QObject *parent)
    : GameBase(parent)
{
    say(u"移动篮子，接住掉下来的水果"_s);
}

const QList<int> &FruitCatcherGame::fruitColumns()
{
    static const QList<int> columns{0, 2, 3, 1, 3, 0, 1, 2, 0, 3};
    return columns;
}

const QStringList &FruitCatcherGame::fruits()
{
    static const QStringList pictures{
        u"\U0001F34E"_s, u"\U0001F34C"_s, u"\U0001F353"_s, u"\U0001F34A"_s, u"\U0001F350"_s,
        u"\U0001F347"_s, u"\U0001F351"_s, u"\U0001F95D"_s, u"\U0001F352"_s, u"\U0001F34B"_s,
    };
    return pictures;
}

void FruitCatcherGame::say(const QString &text)
{
    line().show(text, !text.contains(u"跑掉"_s));
}

QString FruitCatcherGame::fruit() const
{
    return fruits().at(std::min<qsizetype>(m_drops, fruits().size() - 1));
}

QString FruitCatcherGame::scoreLine() const
{
    return u"\U0001F34E "_s + QString::number(m_catches) + u" / 10"_s;
}

std::pair<int, int> FruitCatcherGame::result(int catches)
{
    const int score = catches * 10;
    return {score, score > 79 ? 3 : score > 49 ? 2 : 1};
}

void FruitCatcherGame::start()
{
    m_basketColumn = 1;
    m_fruitColumn = fruitColumns().first();
    m_fruitRow = 0;
    m_drops = 0;
    m_catches = 0;
    say(u"看准水果落下的小路"_s);
    m_running = true;
    emit changed();
    // The tick loop follows `running`: a second start during the play keeps its loop.
    if (!m_ticks.isRunning())
        m_ticks.start(tickMs, [this] { advanceFruit(); });
}

void FruitCatcherGame::moveBasket(int step)
{
    // The arrow buttons shut at the board's edges, but the keys (and a press that lands
    // as a button shuts) reach here too: a move never takes the basket off the board.
    if (!m_running)
        return;
    const int column = std::clamp(m_basketColumn + step, 0, columnCount - 1);
    if (column == m_basketColumn)
        return;
    m_basketColumn = column;
    emit changed();
}

void FruitCatcherGame::advanceFruit()
{
    if (m_fruitRow <= rowCount - 2) {
        ++m_fruitRow;
        emit changed();
        return;
    }
    const bool caught = m_fruitColumn == m_basketColumn;
    if (caught)
        ++m_catches;
    say(caught ? u"接住啦！"_s : u"水果跑掉了，继续看准"_s);
    ++m_drops;
    if (m_drops < fruitColumns().size()) {
        m_fruitRow = 0;
        m_fruitColumn = fruitColumns().at(m_drops);
        emit changed();
        return;
    }
    m_running = false;
    m_ticks.stop();
    emit changed();
    const auto [score, stars] = result(m_catches);
    completeAfter(reportMs, score, stars);
}
