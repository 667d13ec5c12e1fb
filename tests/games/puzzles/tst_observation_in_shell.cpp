// The puzzle and observation games played in the running application: opened from their
// shelf card, played to the completion card with the play saved. What's missing and the
// rotating blocks are played by clicks in the window, at the usual size and in a small
// one; the others by their game objects.

#include "AnimalSoundsGame.h"
#include "ColorTrapGame.h"
#include "GameHostController.h"
#include "GameTestSupport.h"
#include "LevelRotation.h"
#include "Patience.h"
#include "Random.h"
#include "RotatingBlocksGame.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SillySceneGame.h"
#include "SpeechService.h"
#include "StoryPuzzleGame.h"
#include "TangramGame.h"
#include "WhatsMissingGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestObservationInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }

    void clickedThroughInTheWindow_data()
    {
        QTest::addColumn<QString>("gameId");
        QTest::addColumn<QString>("shelf");
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<int>("score");
        for (const QSize size : {QSize(1180, 820), QSize(800, 600)}) {
            const QByteArray suffix = size.width() == 800 ? " in a small window" : "";
            QTest::newRow("whats-missing" + suffix) << u"whats-missing"_s << u"协调记忆"_s << size << 90;
            QTest::newRow("rotating-blocks" + suffix) << u"rotating-blocks"_s << u"逻辑思维"_s << size << 92;
        }
    }
    void clickedThroughInTheWindow()
    {
        QFETCH(QString, gameId);
        QFETCH(QString, shelf);
        QFETCH(QSize, windowSize);
        QFETCH(int, score);

        Random::shared().seed(17);
        ShellFixture f;
        GameDispatch::setExtraRows({}); // the real games, not the stand-in
        QVERIFY(f.window());
        // The shelves of these games lie further along the playground's rail than a
        // small window shows; the game itself is played at the size under test.
        f.window()->resize(3600, 820);
        QQuickItem *view = f.openGame(gameId, shelf, windowSize);
        QVERIFY(view);
        GameHostController *host = f.host();
        auto *game = view->property("game").value<RoundQuizGame *>();
        QVERIFY(game);
        const auto click = [&](const QString &name) { QVERIFY(f.clickInWindow(view, name)); };

        const int rounds = int(game->session().size());
        for (int r = 0; r < rounds; ++r) {
            QCOMPARE(game->round(), r);
            if (auto *missing = qobject_cast<WhatsMissingGame *>(game)) {
                QVERIFY(missing->showingAll());
                f.clock.advance(WhatsMissingGame::rememberMs);
                QVERIFY(!missing->showingAll());
                QVERIFY(ShellTest::isShown(f.text(u"刚才这里是谁？"_s)));
                const int right = int(missing->choices().indexOf(missing->current().answer()));
                if (r == 0) {
                    click(u"tile%1"_s.arg((right + 1) % 3));
                    QVERIFY(ShellFixture::bubbleShows(view, missing->feedback()));
                }
                click(u"tile%1"_s.arg(right));
            } else if (auto *blocks = qobject_cast<RotatingBlocksGame *>(game)) {
                const QList<int> target = blocks->current().target;
                for (int i = 0; i < 6; ++i) {
                    while (blocks->orientations()[i] != target[i])
                        click(u"block%1"_s.arg(i));
                    if (r == 0 && i == 0) {
                        // One turn too many: the mistake; three more bring it back.
                        for (int k = 0; k < 4; ++k)
                            click(u"block0"_s);
                    }
                }
            }
            if (r == 0) {
                QCOMPARE(game->wrongAttempt(), 1);
            }
            QVERIFY(game->locked());
            QVERIFY(ShellFixture::bubbleShows(view, game->feedback()));
            f.clock.advance(game->rules().pauseMs);
            QTest::qWait(20);
        }

        QVERIFY(Patience::waitFor([&] { return host->hasResult(); }));
        QCOMPARE(host->resultScore(), score);
        QVERIFY(f.waitShown(host->resultHeadline()));
        QVERIFY(f.waitShown(u"下一关"_s));
        ProgressStore &store = f.app->progress();
        QCOMPARE(store.records().size(), 1);
        QCOMPARE(store.records().first().gameID, gameId);
        QCOMPARE(store.records().first().score, score);
        // This machine may have no sound server: that note is not the game's.
        const QStringList warnings = ShellTest::warnings().filter(QRegularExpression(u"^(?!PulseAudioService:)"_s));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    }

    // The outline row shows the play's first outline from the first frame, with its own
    // hole, also when the play does not start with the first outline of the bank.
    void tangramOutlineStandsFromTheFirstFrame()
    {
        GameTestWorld world;
        world.settings.setInteger(LevelRotation::settingsKey(u"tangram"_s), 0);
        ViewWindow w;
        QVERIFY(w.open(u"Puzzles"_s, u"TangramGameView"_s, QSize(1180, 820)));
        auto *game = w.game<TangramGame>();
        QVERIFY(game);
        const TangramPuzzle &puzzle = game->current();
        QVERIFY(game->questionIndex() != 0);
        for (int i = 0; i < puzzle.pieces.size(); ++i) {
            QQuickItem *slot = ShellTest::findNamed(w.item, u"slot%1"_s.arg(i));
            QVERIFY(slot);
            const bool hole = i == puzzle.missingIndex;
            const QString piece = puzzle.pieces[i];
            for (const QString &text : {hole ? u"?"_s : TangramGame::glyph(piece), hole ? u"缺一块"_s : piece}) {
                QVERIFY2(ShellTest::findText(slot, text),
                         qPrintable(u"slot %1 of %2 lacks %3"_s.arg(i).arg(puzzle.name, text)));
            }
        }
    }

    // The other puzzle games opened from their shelves, their game objects driven to the
    // end: one wrong answer in the first round, then right answers.
    void drivenToTheCompletionCard_data()
    {
        QTest::addColumn<QString>("gameId");
        for (const char *id : {"silly-scene", "animal-sounds", "color-trap", "tangram", "jigsaw"})
            QTest::newRow(id) << QString::fromLatin1(id);
    }
    void drivenToTheCompletionCard()
    {
        QFETCH(QString, gameId);

        Random::shared().seed(23);
        ShellFixture f;
        QQuickItem *view = f.openFromShelf(gameId, QSize(1180, 820));
        QVERIFY(view);
        auto *game = view->property("game").value<RoundQuizGame *>();
        QVERIFY(game);
        QCOMPARE(game->session().size(), 5);
        for (int r = 0; r < 5; ++r) {
            const bool mistake = r == 0;
            if (auto *scene = qobject_cast<SillySceneGame *>(game)) {
                if (mistake)
                    scene->choose(0); // the intruder is always the fifth or sixth
                scene->choose(scene->current().oddIndex);
            } else if (auto *animals = qobject_cast<AnimalSoundsGame *>(game)) {
                const int right = int(animals->names().indexOf(animals->answer()));
                if (mistake)
                    animals->choose((right + 1) % 3);
                animals->choose(right);
            } else if (auto *trap = qobject_cast<ColorTrapGame *>(game)) {
                if (mistake)
                    trap->choose((trap->inkIndex() + 1) % 4);
                trap->choose(trap->inkIndex());
            } else if (auto *tangram = qobject_cast<TangramGame *>(game)) {
                const int right = int(tangram->choices().indexOf(tangram->answer()));
                if (mistake)
                    tangram->choose((right + 1) % 3);
                tangram->choose(right);
            } else if (auto *story = qobject_cast<StoryPuzzleGame *>(game)) {
                const StoryPuzzle &puzzle = story->current();
                if (mistake)
                    story->pick(puzzle.steps[2].id);
                for (const StoryStep &step : puzzle.steps)
                    story->pick(step.id);
            }
            QCOMPARE(game->wrongAttempt(), 1);
            QVERIFY(game->locked());
            QVERIFY(ShellFixture::bubbleShows(view, game->feedback()));
            f.clock.advance(game->rules().pauseMs);
            QTest::qWait(20);
        }
        QVERIFY(f.savedPlay(gameId, 92, 3));
    }
};

QTEST_MAIN(TestObservationInShell)
#include "tst_observation_in_shell.moc"
