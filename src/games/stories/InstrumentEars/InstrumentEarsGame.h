#pragma once

#include "KeyedPlayback.h"
#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// One question of the instrument game: the instrument, its three tones (Hz, first to
// last) and the clue on the hint card.
struct InstrumentQuestion
{
    QString answer;
    QList<double> notes;
    QString clue;

    // The eight questions, two for each instrument.
    static const QList<InstrumentQuestion> &all();
};

// "instrument-ears": each round plays a pattern of three tones and the child names the
// instrument. The pattern is a playback keyed "<session size>-<round>-<replay>": it
// sounds a moment after the play is drawn, after each new round and after each press of
// the replay button; a run cut short by a newer key or by the page going away stays
// silent.
class InstrumentEarsGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString clue READ clue NOTIFY questionChanged)
    Q_PROPERTY(QStringList choices READ choices CONSTANT)
    Q_PROPERTY(QList<int> choiceStates READ choiceStates NOTIFY changed)
    Q_PROPERTY(QString question READ question CONSTANT)
public:
    explicit InstrumentEarsGame(QObject *parent = nullptr);

    static constexpr auto gameID = "instrument-ears";
    static constexpr int leadInMs = 360;
    static constexpr int pauseMs = 720;

    const InstrumentQuestion &current() const { return InstrumentQuestion::all().at(questionIndex()); }
    QString counter() const { return fiveRoundCounter(QStringLiteral("题")); }
    // "提示：" and the clue of the question on screen.
    QString clue() const;
    QStringList choices() const;
    QList<int> choiceStates() const;
    QString question() const;
    int replayToken() const { return m_replayToken; }
    QString patternKey() const;

    Q_INVOKABLE void appear() override;
    Q_INVOKABLE void choose(const QString &name);
    // 再听一次: the pattern sounds again; does nothing once the round is won.
    Q_INVOKABLE void replay();

signals:
    // A pattern starts sounding (its tones follow on the tone player).
    void patternPlayed(const QList<double> &notes);

protected:
    int bankCount() const override { return int(InstrumentQuestion::all().size()); }
    void roundStarted() override { playPattern(); }

private:
    void playPattern();

    KeyedPlayback m_pattern{this};
    int m_replayToken = 0;
};
