#pragma once

// What the creative games' window tests share: mouse drags through the window, the
// end of a play on the completion card, and window grabs mid-play (saved when
// PW_GRAB_DIR is set).

#include "GameHostController.h"
#include "Patience.h"
#include "Random.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace CreativeShell {

inline QPointF sceneCentre(QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}

// A left-button drag through the window from `from` by `by`, in `steps` moves.
inline void drag(QQuickWindow *window, QPointF from, QPointF by, int steps = 6)
{
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from.toPoint(), 30);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(window, (from + by * i / steps).toPoint(), 5);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, (from + by).toPoint(), 5);
}

// The same drag given in `item`'s own coordinates (the page may be drawn smaller).
inline void dragIn(QQuickItem *item, QPointF from, QPointF by, int steps = 6)
{
    QQuickWindow *window = item->window();
    const auto at = [&](qreal t) { return item->mapToScene(from + by * t).toPoint(); };
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at(0), 30);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(window, at(qreal(i) / steps), 5);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at(1), 5);
}

inline void grab(QQuickWindow *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("PW_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QTest::qWait(400); // springs settle
    window->grabWindow().save(dir + u'/' + name + u'-' + QString::number(window->width()) + u".png"_s);
}

inline QQuickItem *named(QQuickItem *view, const QString &name)
{
    QQuickItem *item = nullptr;
    const bool laidOut = Patience::waitFor([&] {
        item = ShellTest::findNamed(view, name);
        return item && item->width() > 0;
    });
    return laidOut ? item : nullptr;
}

// The item is wholly inside the window.
inline bool inWindow(QQuickItem *item)
{
    const QRectF r = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    return QRectF(0, 0, item->window()->width(), item->window()->height()).contains(r.adjusted(1, 1, -1, -1));
}

inline void sizes()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::newRow("1180x820") << QSize(1180, 820);
    QTest::newRow("800x600") << QSize(800, 600);
}

// Opens `gameId` from its shelf and plays it in a window of `size`: its page and its game.
template <typename Game>
std::pair<QQuickItem *, Game *> openPlay(ShellFixture &f, const QString &gameId, QSize size)
{
    QQuickItem *view = f.openFromShelf(gameId, size);
    return {view, view ? view->property("game").value<Game *>() : nullptr};
}

// Ends a play: the host's result, the completion card and the saved record.
inline void finishes(ShellFixture &f, const QString &gameId, int score, int stars)
{
    QVERIFY(f.savedPlay(gameId, score, stars));
}

} // namespace CreativeShell

