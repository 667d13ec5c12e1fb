#include "RedLightGreenLightGame.h"


#include <algorithm>

using namespace Qt::StringLiterals;

RedLightGreenLightGame::RedLightGreenLightGame(QObject *parent)
    : GameBase(parent)
{
    say(u"绿灯点一下，红灯要停住"_s);
}

const QList<bool> &RedLightGreenLightGame::signalList()
{
    static const QList<bool> list{true, false, true, true, false, true, false, true, true, false, true, false};
    return list;
}

int RedLightGreenLightGame::greenCount()
{
    return int(std::count(signalList().begin(), signalList().end(), true));
}

std::pair<int, int> RedLightGreenLightGame::result(int greenHits, int redTaps)
{
    const int raw = greenHits * 100 / greenCount() - redTaps * 8;
    const int score = raw > 99 ? 100 : raw < 30 ? 30 : raw;
    const int stars = raw > 99 ? 3 : raw < 30 ? 1 : raw > 84 ? 3 : raw > 64 ? 2 : 1;
    return {score, stars};
}

void RedLightGreenLightGame::say(const QString &text)
{
    line().show(text, !text.contains(u"红灯"_s) && !text.contains(u"错过"_s));
}

bool RedLightGreenLightGame::green() const
{
    return signalList().at(std::min<qsizetype>(m_signalIndex, signalList().size() - 1));
}

QString RedLightGreenLightGame::progress() const
{
    if (!m_running)
        return u"准备"_s;
    return QString::number(m_signalIndex + 1) + u'/' + QString::number(signalList().size());
}

QString RedLightGreenLightGame::lightSymbol() const
{
    if (!m_running)
        return u"\U0001F6A6"_s;
    return green() ? u"走"_s : u"停"_s;
}

QString RedLightGreenLightGame::lightCaption() const
{
    if (!m_running)
        return u"看灯行动"_s;
    return green() ? u"现在可以点！"_s : u"小手停住"_s;
}

void RedLightGreenLightGame::start()
{
    m_signalIndex = 0;
    m_tappedThisSignal = false;
    m_greenHits = 0;
    m_redTaps = 0;
    say(u"看灯行动"_s);
    m_running = true;
    emit changed();
    // The tick loop follows `running`: a second start during the play keeps its loop.
    if (!m_ticks.isRunning())
        m_ticks.start(tickMs, [this] { advanceSignal(); });
}

void RedLightGreenLightGame::tapSignal()
{
    if (!m_running || m_tappedThisSignal)
        return;
    m_tappedThisSignal = true;
    if (green()) {
        ++m_greenHits;
        say(u"绿灯出发，做对啦！"_s);
    } else {
        ++m_redTaps;
        say(u"红灯要停住，下次忍一忍"_s);
    }
    emit changed();
}

void RedLightGreenLightGame::advanceSignal()
{
    if (green() && !m_tappedThisSignal)
        say(u"错过一盏绿灯，下一盏加油"_s);
    if (m_signalIndex < signalList().size() - 1) {
        ++m_signalIndex;
        m_tappedThisSignal = false;
        emit changed();
        return;
    }
    m_running = false;
    m_ticks.stop();
    emit changed();
    const auto [score, stars] = result(m_greenHits, m_redTaps);
    completeAfter(reportMs, score, stars);
}
