#pragma once

#include "GameBase.h"
#include "ModularSpotLevel.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// "spot-difference": one generated scene shown twice, the unchanged copy ("原图") and the
// changed copy ("变化图"), in which five to ten pieces look different. Every play is a new
// level made from a fresh seed when the page appears. A tap on a piece in either copy
// arrives at tap(): an unchanged piece is a wrong tap (a hint and a shake), a difference
// not yet found is marked in both copies, a found one again changes nothing. After the
// last find the play reports (100, 3) 0.76 s later, whether or not the page is still there;
// wrong taps never change the score.
class ModularSpotDifferenceGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool ready READ ready NOTIFY levelChanged)
    Q_PROPERTY(QString heading READ heading NOTIFY levelChanged)
    Q_PROPERTY(QString subheading READ subheading NOTIFY levelChanged)
    Q_PROPERTY(QString progress READ progress NOTIFY changed)
    Q_PROPERTY(int differenceCount READ differenceCount NOTIFY levelChanged)
    Q_PROPERTY(int foundCount READ foundCount NOTIFY changed)
    Q_PROPERTY(bool completing READ completing NOTIFY changed)
    Q_PROPERTY(QString feedback READ feedback NOTIFY changed)
    Q_PROPERTY(bool feedbackGood READ feedbackGood NOTIFY changed)
    Q_PROPERTY(int wrongAttempt READ wrongAttempt NOTIFY wrongAttemptChanged)

public:
    explicit ModularSpotDifferenceGame(QObject *parent = nullptr);

    static constexpr auto gameID = "spot-difference";
    static constexpr int reportMs = 760;
    // The cards stand side by side when the width they share is above this, else stacked.
    static constexpr double sideBySideAbove = 760;

    // The seed of a new play: the random part XOR the clock's milliseconds since
    // 1970-01-01; a clock set before 1970 gives 0 for the time part.
    static quint64 freshSeed(quint64 randomPart, const QDateTime &now);
    // The kind's phrase after "找到啦！".
    static QString foundLine(ModularModuleKind kind);
    // The instruction read aloud when the level is made.
    static QString instruction(const ModularSpotLevel &level);
    Q_INVOKABLE static bool sideBySide(double width) { return width > sideBySideAbove; }

    // The level of this play (none until the page has appeared).
    const std::optional<ModularSpotLevel> &level() const { return m_level; }
    const QSet<int> &found() const { return m_found; }

    bool ready() const { return m_level.has_value(); }
    QString heading() const;
    QString subheading() const;
    QString progress() const;
    int differenceCount() const { return m_level ? int(m_level->differenceIDs.size()) : 0; }
    int foundCount() const { return int(m_found.size()); }
    bool completing() const { return m_completing; }
    QString feedback() const { return line().text(); }
    bool feedbackGood() const { return line().good(); }
    int wrongAttempt() const { return line().shakes(); }

    // The page came on screen: makes the play's level from a fresh seed and reads the
    // instruction aloud, the first time only.
    Q_INVOKABLE void appear() override;
    // A tap on a piece, in either copy.
    void tap(const ModularScenePiece &piece);
    // The same by the piece's id (a screen reader's press); an unknown id does nothing.
    Q_INVOKABLE void tapPiece(int id);

signals:
    void levelChanged();
    // `found` or the feedback line changed.
    void changed();
    void wrongAttemptChanged();

private:
    std::optional<ModularSpotLevel> m_level;
    QSet<int> m_found;
    bool m_completing = false;
};
