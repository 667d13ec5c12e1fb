// The language games played in the running application: opened from their shelf card,
// answered by clicking their tiles in the window, finished on the completion card with
// the play saved.

#include "ChineseMatchGame.h"
#include "EnglishListeningGame.h"
#include "GameHostController.h"
#include "LearningContent.h"
#include "Patience.h"
#include "PhonicsTrainGame.h"
#include "PictureWordGame.h"
#include "RadicalBuilderGame.h"
#include "Random.h"
#include "SentenceMakerGame.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"
#include "WordBuilderGame.h"
#include "WordShooterGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

int indexOfWord(const QVariantList &tiles, const QString &key, const QString &value, bool equal)
{
    for (int i = 0; i < tiles.size(); ++i) {
        if ((tiles[i].toMap().value(key).toString() == value) == equal)
            return i;
    }
    return -1;
}

// The right and a wrong tile of the round on screen.
QPair<int, int> tilesOf(RoundQuizGame *game)
{
    if (auto *g = qobject_cast<ChineseMatchGame *>(game)) {
        const QString answer = g->item().character;
        return {indexOfWord(g->tiles(), u"text"_s, answer, true), indexOfWord(g->tiles(), u"text"_s, answer, false)};
    }
    if (auto *g = qobject_cast<RadicalBuilderGame *>(game)) {
        const QString answer = g->current().answer;
        return {indexOfWord(g->tiles(), u"text"_s, answer, true), indexOfWord(g->tiles(), u"text"_s, answer, false)};
    }
    if (auto *g = qobject_cast<EnglishListeningGame *>(game)) {
        const QString answer = g->current().word;
        return {indexOfWord(g->tiles(), u"word"_s, answer, true), indexOfWord(g->tiles(), u"word"_s, answer, false)};
    }
    if (auto *g = qobject_cast<WordShooterGame *>(game)) {
        const QString answer = g->current().answer;
        return {indexOfWord(g->tiles(), u"word"_s, answer, true), indexOfWord(g->tiles(), u"word"_s, answer, false)};
    }
    if (auto *g = qobject_cast<SingleChoiceGame *>(game)) {
        const QStringList choices = g->choices();
        return {int(choices.indexOf(g->answer())),
                int(std::find_if(choices.begin(), choices.end(), [&](const QString &c) { return c != g->answer(); })
                    - choices.begin())};
    }
    if (auto *g = qobject_cast<SentenceMakerGame *>(game)) {
        // The card of the next word, and a card neither placed nor next.
        const QStringList &cards = g->current().choices;
        const QString next = g->current().answer.value(g->selected().size());
        int wrong = -1;
        for (int i = 0; i < cards.size() && wrong < 0; ++i) {
            if (cards[i] != next && !g->selected().contains(cards[i]))
                wrong = i;
        }
        return {int(cards.indexOf(next)), wrong};
    }
    return {-1, -1};
}

} // namespace

class TestLanguageInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
        // No sound server, so no input device, on any machine (as on the build machine).
        qputenv("PULSE_SERVER", "unix:/nonexistent/pipwhistle-test");
    }
    void playsEachGameFromItsShelf_data()
    {
        QTest::addColumn<QString>("gameId");
        QTest::addColumn<QString>("shelf");
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QSize>("windowSize");
        const QList<QPair<const char *, QSize>> sizes{{"", QSize()}, {" in a small window", QSize(800, 600)}};
        for (const auto &[suffix, size] : sizes) {
            QTest::addRow("chinese-match%s", suffix) << u"chinese-match"_s << u"中文"_s << 750 << u"再看看图片，慢慢来"_s << size;
            QTest::addRow("radical-builder%s", suffix) << u"radical-builder"_s << u"中文"_s << 700 << u"再把两边的部件合在一起看看"_s << size;
            QTest::addRow("english-listen%s", suffix) << u"english-listen"_s << u"英文"_s << 750 << u"再听一次，你快找到啦！"_s << size;
            QTest::addRow("word-shooter%s", suffix) << u"word-shooter"_s << u"英文"_s << 910 << u"没有击中目标，再听一次"_s << size;
            QTest::addRow("phonics-train%s", suffix) << u"phonics-train"_s << u"英文"_s << 700 << u"Oops，再听听 "_s << size;
            QTest::addRow("idiom-pictures%s", suffix) << u"idiom-pictures"_s << u"中文"_s << 680 << u"Oops，再仔细看看图片"_s << size;
            QTest::addRow("sentence-maker%s", suffix) << u"sentence-maker"_s << u"中文"_s << 720 << u"Oops，先想想句子开头是谁"_s << size;
        }
    }
    void playsEachGameFromItsShelf()
    {
        QFETCH(QString, gameId);
        QFETCH(QString, shelf);
        QFETCH(int, pauseMs);
        QFETCH(QString, hint);
        QFETCH(QSize, windowSize);

        Random::shared().seed(11);
        ShellFixture f;
        GameDispatch::setExtraRows({}); // the real games, not the stand-in
        QVERIFY(f.window());
        QQuickItem *view = f.openGame(gameId, shelf, windowSize);
        QVERIFY(view);
        QVERIFY(f.waitShown(u"✦ 魔法书任务 ✦"_s));
        GameHostController *host = f.host();
        auto *game = view->property("game").value<RoundQuizGame *>();
        QVERIFY(game);
        QVERIFY(!game->session().isEmpty());

        const auto clickTile = [&](int index) { QVERIFY(f.clickInWindow(view, u"tile%1"_s.arg(index))); };
        // The game is drawn at one size through the play: a reply coming and going (and
        // the line it replaces) never zooms a game that is drawn smaller in and out.
        const qreal drawnScale = view->parentItem()->scale();
        const auto drawnAtOneSize = [&] {
            QTest::qWait(20); // laid out and drawn
            return qFuzzyCompare(view->parentItem()->scale(), drawnScale);
        };

        const int rounds = int(game->session().size());
        for (int r = 0; r < rounds; ++r) {
            QCOMPARE(game->round(), r);
            const auto [right, wrong] = tilesOf(game);
            QVERIFY(right >= 0 && wrong >= 0);
            if (r == 0) {
                clickTile(wrong);
                QCOMPARE(game->wrongAttempt(), 1);
                // A hint that names the word is given by its opening words.
                QVERIFY2(hint.endsWith(u' ') ? game->feedback().startsWith(hint) : game->feedback() == hint,
                         qPrintable(game->feedback()));
                QVERIFY(ShellFixture::bubbleShows(view, game->feedback()));
                QVERIFY(drawnAtOneSize());
            }
            clickTile(right);
            // A sentence is built card by card until its last slot fills.
            for (int tap = 0; tap < 4 && !game->locked(); ++tap)
                clickTile(tilesOf(game).first);
            QVERIFY(game->locked());
            QVERIFY(ShellFixture::bubbleShows(view, game->feedback()));
            QVERIFY(drawnAtOneSize());
            f.clock.advance(pauseMs);
            QTest::qWait(20);
        }

        // 7 of 8 or 4 of 5 at the first try.
        const qint64 expected = rounds == 8 ? 95 : 92;
        QVERIFY(Patience::waitFor([&] { return host->hasResult(); }));
        QCOMPARE(host->resultScore(), expected);
        QCOMPARE(host->resultStars(), 3);
        QVERIFY(f.waitShown(host->resultHeadline()));
        QVERIFY(f.waitShown(u"下一关"_s));
        ProgressStore &store = f.app->progress();
        QCOMPARE(store.records().size(), 1);
        QCOMPARE(store.records().first().gameID, gameId);
        QCOMPARE(store.records().first().score, expected);
        // This machine may have no sound server: that note is not the game's.
        const QStringList warnings = ShellTest::warnings().filter(QRegularExpression(u"^(?!PulseAudioService:)"_s));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    }

    // The word builder spelled by clicking its tiles: a wrong row first, then every word;
    // the microphone pressed on a machine without an input device only says so.
    void wordBuilderSpelledByClicks_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::newRow("1180x820") << QSize(1180, 820);
        QTest::newRow("800x600") << QSize(800, 600);
    }
    void wordBuilderSpelledByClicks()
    {
        QFETCH(QSize, windowSize);
        Random::shared().seed(11);
        ShellFixture f;
        GameDispatch::setExtraRows({});
        QVERIFY(f.window());
        QQuickItem *view = f.openGame(u"word-builder"_s, u"英文"_s, windowSize);
        QVERIFY(view);
        auto *game = view->property("game").value<WordBuilderGame *>();
        QVERIFY(game);
        QCOMPARE(game->session().size(), 8);

        const auto tileOf = [&](const QString &letter) {
            for (int i = 0; i < game->letterPool().size(); ++i) {
                if (game->letterPool()[i].character == letter && !game->tilePlaced()[i])
                    return i;
            }
            return -1;
        };
        const auto clickLetters = [&](const QStringList &letters) {
            for (const QString &letter : letters)
                QVERIFY(f.clickInWindow(view, u"tile%1"_s.arg(tileOf(letter))));
        };

        QVERIFY(f.clickInWindow(view, u"microphoneButton"_s));
        QVERIFY(f.waitShown(u"麦克风没有准备好，可以继续拼词"_s));
        QVERIFY(!game->voice()->isRecording());
        QVERIFY(f.waitShown(u"我来跟读"_s));

        for (int r = 0; r < 8; ++r) {
            QCOMPARE(game->round(), r);
            QVERIFY(f.waitShown(game->counter()));
            QStringList letters = WordBuilderGame::letters(game->current().word);
            if (r == 0) {
                QStringList wrong = letters;
                std::reverse(wrong.begin(), wrong.end());
                if (wrong == letters)
                    std::rotate(wrong.begin(), wrong.begin() + 1, wrong.end());
                clickLetters(wrong);
                QCOMPARE(game->wrongAttempt(), 1);
                QVERIFY(ShellFixture::bubbleShows(view, u"差一点，换个顺序试试"_s));
                f.clock.advance(550);
                PW_TRY_VERIFY(game->answer().isEmpty());
                // The back button takes a letter out again.
                clickLetters(letters.mid(0, 1));
                QVERIFY(f.clickInWindow(view, u"backButton"_s));
                QVERIFY(game->answer().isEmpty());
            }
            clickLetters(letters);
            QVERIFY(game->locked());
            QVERIFY(ShellFixture::bubbleShows(view, u"拼对啦，真棒！"_s));
            f.clock.advance(800);
            QTest::qWait(20);
        }
        // 7 of 8 at the first try.
        QVERIFY(f.savedPlay(u"word-builder"_s, 95, 3));
    }
};

QTEST_MAIN(TestLanguageInShell)
#include "tst_language_in_shell.moc"
