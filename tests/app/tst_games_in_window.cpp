// Every game in the running program, opened from its shelf as a child opens it and played
// for a few seconds: taps on its controls and at random places, and drags. Run on a
// private X screen, the window is drawn by Mesa's OpenGL on its own render thread, as a
// family's machine draws it; there a fault in what a game's page draws can end the
// program (a colour emoji in a text with a rim overflows the glyph loader's buffer), or
// leave a window that draws no more. The program must live through every play, the
// window must answer a forced update with a new frame, and no styled text may ever hold
// an emoji.
//
// One slot a group of shelves (twelve games each), so that the groups can run side by
// side.

#include "GameCatalog.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"
#include "UiSetup.h"
#include "WebViewSetup.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QQuickItem>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <atomic>

using namespace Qt::StringLiterals;

namespace {

// How long each game is played, in real time (the game's clock moves on as much).
constexpr int playMs = 4000;
constexpr int stepMs = 120;
constexpr int minMoves = 20;

// The shelves of each group, every shelf in one.
const QList<QStringList> groups{{u"logic-thinking"_s},
                                {u"coordination-memory"_s},
                                {u"english"_s, u"math"_s},
                                {u"chinese"_s, u"dress-up"_s, u"video-science"_s}};

void addGames(const QStringList &categories)
{
    QTest::addColumn<QString>("gameId");
    QTest::addColumn<QSize>("size");
    // The window sizes of a large tablet, a small one and a small laptop, in turn.
    const QList<QSize> sizes{{1366, 1024}, {1180, 820}, {800, 600}};
    int row = 0;
    for (const GameDefinition &game : GameCatalog::all()) {
        if (categories.contains(game.categoryName()))
            QTest::newRow(qPrintable(game.id)) << game.id << sizes[row++ % sizes.size()];
    }
}

// What a finger can press in `view`: its buttons, mouse areas and every item that takes
// the mouse, seen and enabled.
QList<QQuickItem *> controlsIn(QQuickItem *view)
{
    QList<QQuickItem *> found;
    ShellTest::findItem(view, [&](QQuickItem *item) {
        if (item->isEnabled() && item->width() > 4 && item->height() > 4 && ShellTest::isShown(item)
            && (item->acceptedMouseButtons() != Qt::NoButton || item->inherits("QQuickAbstractButton")))
            found << item;
        return false;
    });
    return found;
}

QPoint randomPointIn(QQuickItem *item, QRandomGenerator &random)
{
    const QRectF rect = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()))
                            .intersected(QRectF(QPointF(), item->window()->size()));
    return QPoint(int(rect.left() + random.bounded(rect.width())), int(rect.top() + random.bounded(rect.height())));
}

} // namespace

class GamesInWindowTest : public QObject
{
    Q_OBJECT

    static void playEveryGame()
    {
        QFETCH(QString, gameId);
        QFETCH(QSize, size);
        std::atomic<int> frames{0};
        ShellFixture f;
        QVERIFY(f.window());
        // Counted on the render thread, where the threaded loop swaps.
        QObject::connect(f.window(), &QQuickWindow::frameSwapped, f.window(), [&] { ++frames; }, Qt::DirectConnection);
        // Where the program died, should it die: the last game named.
        qInfo("opening %s in %dx%d", qPrintable(gameId), size.width(), size.height());
        QPointer<QQuickItem> view = f.openFromShelf(gameId, size);
        QVERIFY(view);
        PW_TRY_VERIFY(view->width() > 0 && frames > 0);

        // The same play every run: the moves follow from the game's identifier.
        QRandomGenerator random(uint(qHash(gameId)));
        QQuickWindow *window = f.window();
        QElapsedTimer played;
        played.start();
        int moves = 0;
        // Until the play's time is up and the game has had its moves (a busy machine
        // makes fewer in that time), or the game's page has gone (a tap on the
        // completion card can lead back to the shelf).
        while ((played.elapsed() < playMs || moves < minMoves) && view && f.host()) {
            const QList<QQuickItem *> controls = controlsIn(view);
            const int kind = int(random.bounded(10));
            const QPoint from = kind < 6 && !controls.isEmpty()
                                    ? ShellTest::centre(controls[int(random.bounded(qsizetype(controls.size())))])
                                    : randomPointIn(view, random);
            if (kind < 8) {
                QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, from);
            } else {
                // A drag of up to 150 points each way, in a few moves, inside the window.
                const QPoint to(std::clamp(from.x() + int(random.bounded(301)) - 150, 0, window->width() - 1),
                                std::clamp(from.y() + int(random.bounded(301)) - 150, 0, window->height() - 1));
                const QPoint by = to - from;
                QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
                for (int step = 1; step <= 6; ++step) {
                    QTest::mouseMove(window, from + by * step / 6);
                    QTest::qWait(16);
                }
                QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, from + by);
            }
            ++moves;
            QTest::qWait(stepMs);
            f.clock.advance(stepMs);
            const QStringList styled = ShellTest::styledTextsWithEmoji(f.root());
            QVERIFY2(styled.isEmpty(), qPrintable(u"a styled text holds an emoji: "_s + styled.join(u" | "_s)));
        }

        // The window still draws: a forced update brings a new frame.
        const int before = frames;
        window->update();
        PW_TRY_VERIFY(frames > before);
        const QStringList styled = ShellTest::styledTextsWithEmoji(f.root());
        QVERIFY2(styled.isEmpty(), qPrintable(u"a styled text holds an emoji: "_s + styled.join(u" | "_s)));
    }

private slots:
    void initTestCase() { SpeechService::setRemoteEndpoint(QUrl()); }

    void logicShelf_data() { addGames(groups[0]); }
    void logicShelf() { playEveryGame(); }
    void memoryShelf_data() { addGames(groups[1]); }
    void memoryShelf() { playEveryGame(); }
    void englishAndMathShelves_data() { addGames(groups[2]); }
    void englishAndMathShelves() { playEveryGame(); }
    void otherShelves_data() { addGames(groups[3]); }
    void otherShelves() { playEveryGame(); }

    // The groups hold all 48 games: a shelf added to the catalogue is played too.
    void groupsHoldEveryGame()
    {
        int grouped = 0;
        for (const GameDefinition &game : GameCatalog::all()) {
            const bool inGroup = std::any_of(groups.begin(), groups.end(),
                                             [&](const QStringList &group) { return group.contains(game.categoryName()); });
            QVERIFY2(inGroup, qPrintable(game.id));
            ++grouped;
        }
        QCOMPARE(grouped, 48);
    }
};

// Set up as the program's main() sets up (the web engine for the video room, the windows'
// buffers), but offline.
int main(int argc, char *argv[])
{
    WebViewSetup::prepare();
    Ui::prepareGraphics();
    OfflineCommandLine commandLine(argc, argv);
    QGuiApplication application(commandLine.count, commandLine.arguments.data());
    WebViewSetup::prepareSharedContext();
    GamesInWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_games_in_window.moc"
