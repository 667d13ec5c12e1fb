#include "ModularSpotDifferenceGame.h"

#include "Clock.h"
#include "GameAudio.h"
#include "MagicSceneModule.h"
#include "Random.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {
const QString openingLine = u"两边的花园看起来很像，仔细找找哪里变了。"_s;
const QString wrongLine = u"这里没有变化，Oops！再看看颜色、花瓣或叶子。"_s;
const QString allFoundLine = u"全部找到了，Wonderful！"_s;

bool looksGood(const QString &line)
{
    return line.startsWith(u"找到"_s) || line.startsWith(u"全部"_s);
}
} // namespace

ModularSpotDifferenceGame::ModularSpotDifferenceGame(QObject *parent)
    : GameBase(parent)
{
    line().show(openingLine, looksGood(openingLine));
    connect(&line(), &FeedbackLine::changed, this, &ModularSpotDifferenceGame::changed);
    connect(&line(), &FeedbackLine::shaken, this, &ModularSpotDifferenceGame::wrongAttemptChanged);
}

quint64 ModularSpotDifferenceGame::freshSeed(quint64 randomPart, const QDateTime &now)
{
    const qint64 ms = now.isValid() ? now.toMSecsSinceEpoch() : 0;
    return randomPart ^ quint64(ms > 0 ? ms : 0);
}

QString ModularSpotDifferenceGame::foundLine(ModularModuleKind kind)
{
    return u"找到啦！"_s + MagicSceneModule::phrase(kind);
}

QString ModularSpotDifferenceGame::instruction(const ModularSpotLevel &level)
{
    return u"请在"_s + level.title + u"里找出"_s + QString::number(level.differenceIDs.size()) + u"处不同。"_s;
}

QString ModularSpotDifferenceGame::heading() const
{
    return m_level ? u"大家来找茬 · "_s + m_level->title : QString();
}

QString ModularSpotDifferenceGame::subheading() const
{
    return m_level ? u"每次都是新画面 · 找出 "_s + QString::number(differenceCount()) + u" 处变化"_s : QString();
}

QString ModularSpotDifferenceGame::progress() const
{
    return u"⭐ "_s + QString::number(foundCount()) + u'/' + QString::number(differenceCount());
}

void ModularSpotDifferenceGame::appear()
{
    if (m_level)
        return;
    const quint64 random = Random::shared().word(1, std::numeric_limits<quint64>::max());
    m_level = ModularSpotLevel::make(freshSeed(random, Clock::current().now()));
    emit levelChanged();
    emit changed();
    GameAudio::readQuestion(instruction(*m_level), u"zh-CN"_s);
}

void ModularSpotDifferenceGame::tapPiece(int id)
{
    if (m_level && id >= 0 && id < m_level->pieces.size())
        tap(m_level->pieces.at(id));
}

void ModularSpotDifferenceGame::tap(const ModularScenePiece &piece)
{
    if (!m_level || m_completing)
        return;
    if (!m_level->differenceIDs.contains(piece.id)) {
        line().hint(wrongLine); // shakes the page and plays the soft wrong sound
        return;
    }
    if (m_found.contains(piece.id))
        return;
    m_found.insert(piece.id);
    const QString found = foundLine(piece.kind);
    line().show(found, looksGood(found));
    if (m_found.size() < m_level->differenceIDs.size())
        return;
    m_completing = true;
    line().praise(allFoundLine); // the success sound, once
    completeAfter(reportMs, 100, 3);
}
