#pragma once

#include "Clock.h"
#include "GameBase.h"
#include "Random.h"
#include "SettingsStore.h"
#include "SpeechService.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QUrl>

#include <QList>
#include <QPair>

#include <memory>

// A quiet, deterministic world for one test: a manual clock, settings in memory, a
// seeded random source and the feedback sounds switched off. Restores the real ones
// when it goes.
struct GameTestWorld
{
    explicit GameTestWorld(quint64 seed = 7)
    {
        Clock::setCurrent(&clock);
        SettingsStore::setStandard(&settings);
        settings.setBoolean(QStringLiteral("pipwhistle.soundEnabled.v1"), false);
        Random::shared().seed(seed);
        // Chinese pronunciations go straight to the local voice: no network.
        SpeechService::setRemoteEndpoint(QUrl());
    }
    ~GameTestWorld()
    {
        QCoreApplication::processEvents(); // sounds queued by this test go now
        Clock::setCurrent(nullptr);
        SettingsStore::setStandard(nullptr);
    }
    GameTestWorld(const GameTestWorld &) = delete;
    GameTestWorld &operator=(const GameTestWorld &) = delete;

    ManualClock clock;
    MemorySettingsStore settings;
};

// Collects the reports a game hands to its host. Shared so that it outlives the game.
struct ReportLog
{
    using Report = QPair<qint64, qint64>;
    std::shared_ptr<QList<Report>> reports = std::make_shared<QList<Report>>();

    void attach(GameBase &game)
    {
        game.setOnComplete([log = reports](qint64 score, qint64 stars) { log->append({score, stars}); });
    }
    qsizetype count() const { return reports->size(); }
    Report only() const { return reports->size() == 1 ? reports->first() : Report{-1, -1}; }
};

// What the program said aloud, in order (local speech; spoken questions arrive right
// after the current work, so spoken() lets it run first).
struct SpeechLog
{
    QSignalSpy spy{&SpeechService::shared(), &SpeechService::localUtterance};

    QStringList spoken()
    {
        QCoreApplication::processEvents();
        QStringList texts;
        for (const QList<QVariant> &call : std::as_const(spy))
            texts.append(call.first().toString());
        spy.clear();
        return texts;
    }
};

// The code points of a text in upper-case hexadecimal, spaced: "2B50 FE0F".
inline QString codePoints(const QString &text)
{
    QStringList hex;
    for (char32_t c : text.toUcs4())
        hex.append(QString::number(uint(c), 16).toUpper());
    return hex.join(u' ');
}
