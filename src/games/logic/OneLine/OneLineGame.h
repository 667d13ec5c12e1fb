#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>

// One route of the one-line game: the cells of a 3 x 3 grid (row × 3 + column, row 0 at
// the top) to be tapped in order, starting at route[0], the star.
struct OneLinePattern
{
    QString name;
    QList<int> route;

    // The eight routes, built once.
    static const QList<OneLinePattern> &all();
};

// "one-line": the dots of a route with a faint guide line; the child taps them in route
// order from the star. A tap on any other dot breaks the line, which is cleared.
class OneLineGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name NOTIFY questionChanged)
    Q_PROPERTY(QList<int> route READ route NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QList<int> visited READ visited NOTIFY visitedChanged)
public:
    explicit OneLineGame(QObject *parent = nullptr);

    static constexpr auto gameID = "one-line";
    static constexpr int pauseMs = 680; // after a finished route

    const OneLinePattern &current() const { return OneLinePattern::all().at(questionIndex()); }
    QString name() const { return current().name; }
    QList<int> route() const { return current().route; }
    QString counter() const { return fiveRoundCounter(QStringLiteral("图")); }
    QList<int> visited() const { return m_visited; }

    // A tap on the dot of `cell`. Only the route's cells have dots: a cell off the route
    // is ignored, as are taps while a finished route is shown.
    Q_INVOKABLE void tap(int cell);

signals:
    void visitedChanged();

protected:
    int bankCount() const override { return int(OneLinePattern::all().size()); }
    void roundStarted() override;

private:
    void setVisited(QList<int> visited);

    QList<int> m_visited;
};
