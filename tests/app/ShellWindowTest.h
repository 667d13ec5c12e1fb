#pragma once

// What the window tests share: an application on an in-memory store and a manual
// clock, a stand-in game, and helpers that find items by their text and click them as
// a child would.

#include "Clock.h"
#include "GameBase.h"
#include "GameDispatch.h"
#include "Patience.h"
#include "PipwhistleApp.h"
#include "ProgressStore.h"
#include "RootState.h"
#include "SettingsStore.h"
#include "TypeLoadWatch.h"
#include "UiSetup.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <functional>
#include <memory>

class ReportingGame : public GameBase
{
    Q_OBJECT
public:
    using GameBase::GameBase;
    Q_INVOKABLE void report(int score, int stars) { complete(score, stars); }
};

namespace ShellTest {

// Collects every warning Qt prints while a test runs.
QStringList &warnings();
void installWarningCollector();

// The warnings collected since the last clear, less the notes of a machine without a
// sound server or without graphics for the web engine.
QStringList viewWarnings();

// The first visible item below `root` matching `match`, depth first.
QQuickItem *findItem(QQuickItem *root, const std::function<bool(QQuickItem *)> &match);
// A visible text item showing exactly `text`.
QQuickItem *findText(QQuickItem *root, const QString &text);
QQuickItem *findNamed(QQuickItem *root, const QString &objectName);
// Whether the item can be seen: its centre is in the window, and it and all its
// ancestors are visible and opaque enough.
bool isShown(QQuickItem *item);
QPoint centre(QQuickItem *item);
// Whether `next` stands `gap` points after the text item `text`, which is no wider than
// its words (a text stretched over its row would leave the gap at the row's far end).
bool followsText(QQuickItem *text, QQuickItem *next, qreal gap);
// The texts of the text items below `root` drawn with a style (a rim, a raised or sunken
// edge) that hold an emoji: with OpenGL such a text overflows the glyph loader's buffer on
// the render thread and ends the program.
QStringList styledTextsWithEmoji(QQuickItem *root);
// A left click at the centre of `item`, through the window.
void click(QQuickWindow *window, QQuickItem *item);

// Test rows of the columns "gameId" and "size": each game at 1180×820 (named by its
// identifier) and at 800×600 (its identifier and " small").
void addGameRowsAtBothSizes(const QStringList &gameIds);

} // namespace ShellTest

// The command line of a test's main(), and after it the web engine's switch that no host
// name resolves: the video room's players fail at once and nothing reaches for the
// network. Give `count` and `arguments.data()` to the application object, which this
// outlives.
struct OfflineCommandLine
{
    OfflineCommandLine(int argc, char *argv[]);
    QList<char *> arguments;
    int count = 0;
};

// One game view on its own, created from its module's URL as the host creates it.
class ViewWindow
{
public:
    QQmlEngine engine;
    QQuickWindow window;
    std::unique_ptr<QObject> object;
    QQuickItem *item = nullptr;

    // Creates qrc:/qt/qml/Pipwhistle/Games/<family>/<view>.qml without showing it.
    bool create(const QString &family, const QString &view);
    // Creates the view and shows it filling a window of `size`.
    bool open(const QString &family, const QString &view, QSize size = {1100, 760});
    template <typename Game>
    Game *game() const
    {
        return item ? item->property("game").value<Game *>() : nullptr;
    }
    void click(QQuickItem *target) { ShellTest::click(&window, target); }
};

// One running application, set up as main() sets it up, on test state.
class ShellFixture
{
public:
    ShellFixture();
    ~ShellFixture();

    MemorySettingsStore settings;
    ManualClock clock;
    std::unique_ptr<PipwhistleApp> app;
    // No QML type may be loaded on the loader's thread while the interface thread runs:
    // the fixture fails the test that let one be, when it ends.
    std::unique_ptr<TypeLoadWatch> typeLoads;

    QQuickWindow *window() const { return app->window(); }
    QQuickItem *root() const { return window()->contentItem(); }
    RootState *shell() const;
    EntertainmentTimeController *time() const { return shell()->timeController(); }
    QQuickItem *text(const QString &text) const { return ShellTest::findText(root(), text); }
    // The time chip of the page on top, and what it reads.
    QQuickItem *timeChip() const;
    QString chipLabel() const;
    // Waits for a text to be shown, then clicks it.
    bool clickText(const QString &text, int timeoutMs = Patience::waitMs);
    bool waitShown(const QString &text, int timeoutMs = Patience::waitMs);
    bool waitGone(const QString &text, int timeoutMs = Patience::waitMs);
    void typeInto(const QString &fieldName, const QString &keys);

    // From the cover to a game's page, as a parent and a child would go: opens the
    // book, sets the first PIN, opens the shelf named `shelf` and the game's card. The
    // game is then played in a window of `playSize` when that is valid. Fails the test
    // (and returns nullptr) when the page does not come.
    QQuickItem *openGame(const QString &gameId, const QString &shelf, const QSize &playSize = {});
    // openGame() for one of the real games, from the shelf its catalogue entry names, in a
    // window wide enough to show every portal of the playground's rail.
    QQuickItem *openFromShelf(const QString &gameId, const QSize &playSize);
    // Whether the play of `gameId` reached the completion card with (score, stars) and
    // was saved as the only record, with no warning but a missing sound server's (fails
    // the test with what went wrong otherwise).
    bool savedPlay(const QString &gameId, int score, int stars);
    // The host of the game page on top.
    class GameHostController *host() const;
    // Waits for the item named `name` in `view` to be laid out and enabled, checks that
    // all of it lies inside the window, and clicks it.
    bool clickInWindow(QQuickItem *view, const QString &name);
    // Whether the feedback bubble in `view` comes to show `text`.
    static bool bubbleShows(QQuickItem *view, const QString &text);
};
