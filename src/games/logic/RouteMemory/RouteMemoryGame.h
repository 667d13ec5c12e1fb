#pragma once

#include "KeyedPlayback.h"
#include "RoundQuizGame.h"

#include <QList>
#include <QString>

// A direction button of the route game: its arrow, its name and the theme colour it is
// filled with ("sky", "coral", "mint", "purple").
struct RouteDirection
{
    QString arrow;
    QString name;
    QString color;

    // Up, right, down, left: a route's steps are indices into this table.
    static const QList<RouteDirection> &all();
};

// One route: its name and its steps.
struct RouteMemoryPattern
{
    QString name;
    QList<int> steps;

    // The eight routes.
    static const QList<RouteMemoryPattern> &all();
};

// "route-memory": the fox walks a route by lighting the direction buttons one after
// another; the child presses the same buttons in the same order. A wrong press, or
// asking to see the route again, makes the fox walk it again and the route no longer
// counts.
class RouteMemoryGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name NOTIFY questionChanged)
    Q_PROPERTY(QList<int> steps READ steps NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QList<int> input READ input NOTIFY inputChanged)
    Q_PROPERTY(int highlighted READ highlighted NOTIFY highlightedChanged)
    Q_PROPERTY(bool acceptingInput READ acceptingInput NOTIFY acceptingInputChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY acceptingInputChanged)
public:
    explicit RouteMemoryGame(QObject *parent = nullptr);

    static constexpr auto gameID = "route-memory";
    static constexpr int pauseMs = 660;  // after a whole route
    static constexpr int replayMs = 650; // from a wrong press to the replay
    static constexpr int flashMs = 140;  // a pressed button stays lit this long
    static constexpr int stepMs = 430;   // the lead before the first step, and each lit step
    static constexpr int gapMs = 150;    // between two steps

    const RouteMemoryPattern &current() const { return RouteMemoryPattern::all().at(questionIndex()); }
    QString name() const { return current().name; }
    QList<int> steps() const { return current().steps; }
    // "第 n / 5 条".
    QString counter() const { return fiveRoundCounter(QStringLiteral("条")); }
    QList<int> input() const { return m_input; }
    int highlighted() const { return m_highlighted; }
    bool acceptingInput() const { return m_playback.acceptingInput(); }
    QString prompt() const;
    // The key of the playback; a new one walks the route again.
    int replayID() const { return m_replayID; }

    // A direction button's arrow, name and colour name.
    Q_INVOKABLE static QString arrowOf(int direction) { return RouteDirection::all().value(direction).arrow; }
    Q_INVOKABLE static QString nameOf(int direction) { return RouteDirection::all().value(direction).name; }
    Q_INVOKABLE static QString colorOf(int direction) { return RouteDirection::all().value(direction).color; }

    // The page came on screen: the session is chosen once, and the route walks.
    Q_INVOKABLE void appear() override;
    // A press of the button of `direction`; taken only while it is the child's turn.
    Q_INVOKABLE void tap(int direction);
    // 再看一次路线: the route walks again and no longer counts; only on the child's turn.
    Q_INVOKABLE void replay();

signals:
    void inputChanged();
    void highlightedChanged();
    void acceptingInputChanged();

protected:
    int bankCount() const override { return int(RouteMemoryPattern::all().size()); }
    void sessionChosen() override { ++m_replayID; }
    void roundStarted() override;

private:
    // Walks the current route under the key replayID.
    void showRoute();
    void setHighlighted(int direction);
    void setInput(QList<int> input);

    KeyedPlayback m_playback{this};
    QList<int> m_input;
    int m_highlighted = -1;
    int m_replayID = 0;
};
