// The word builder played through its C++ class on the manual clock: whole plays spelled
// right, with wrong rows and the back button, readings aloud that count beside the
// score, and leaving during the last pause.

#include "GameTestSupport.h"
#include "LanguageTestData.h"
#include "Patience.h"
#include "SpeechFakes.h"
#include "GameScoring.h"
#include "WordBuilderGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The pool position of an unplaced tile showing `letter`.
int tileFor(const WordBuilderGame &game, const QString &letter)
{
    const QList<LetterPiece> &pool = game.letterPool();
    for (int i = 0; i < pool.size(); ++i) {
        if (pool[i].character == letter && !game.answer().contains(pool[i]))
            return i;
    }
    return -1;
}

void spell(WordBuilderGame &game, const QString &word)
{
    for (const QString &letter : WordBuilderGame::letters(word))
        game.select(tileFor(game, letter));
}

void spellCurrent(WordBuilderGame &game)
{
    spell(game, game.current().word);
}

// The word's letters in an order that is not the word (the word must have two
// different letters).
QString misspelled(const QString &word)
{
    QStringList letters = WordBuilderGame::letters(word);
    std::rotate(letters.begin(), letters.begin() + 1, letters.end());
    return letters.join(QString());
}

} // namespace

class TestWordBuilder : public QObject
{
    Q_OBJECT
private slots:
    void bankAndTiles();
    void playAllRight();
    void playWithMistakes();
    void readingAloudCountsBesideTheScore();
    void microphoneWithoutDevice();
    void reportSurvivesLeavingThePage();
};

void TestWordBuilder::bankAndTiles()
{
    GameTestWorld world;
    WordBuilderGame game;
    QCOMPARE(game.words().size(), LearningContent::basicEnglish().size());
    QCOMPARE(game.words()[0].word, u"cat"_s);
    QCOMPARE(game.words()[1].emoji, u"🍎"_s);
    // Before the page appears: the first word's empty slots, no tiles, "0 / 0".
    QCOMPARE(game.counter(), u"第 0 / 0 关"_s);
    QCOMPARE(game.slotLetters(), (QStringList{QString(), QString(), QString()}));
    QVERIFY(game.tileLetters().isEmpty());
    QCOMPARE(game.subtitle(), u"听一听，拼一拼"_s);
    QCOMPARE(game.feedback(), u"先听，再跟读，最后拼出来"_s);
    QVERIFY(!game.feedbackGood());
    QCOMPARE(game.voiceCounter(), u"读对 0 次"_s);

    // Letters are user-perceived characters; spaces and marks are tiles too.
    QCOMPARE(WordBuilderGame::letters(u"ice cream"_s).size(), 9);
    QCOMPARE(WordBuilderGame::letters(u"e\u0301t\u00e9"_s), (QStringList{u"e\u0301"_s, u"t"_s, u"\u00e9"_s}));

    game.appear();
    QCOMPARE(game.session().size(), 8);
    // Every round's tiles are the word's letters, each tile with its own id.
    for (int r = 0; r < 8; ++r) {
        QStringList tiles = game.tileLetters();
        QStringList expected = WordBuilderGame::letters(game.current().word.toUpper());
        tiles.sort();
        expected.sort();
        QCOMPARE(tiles, expected);
        QSet<int> ids;
        for (const LetterPiece &piece : game.letterPool())
            ids.insert(piece.id);
        QCOMPARE(ids.size(), game.letterPool().size());
        spellCurrent(game);
        world.clock.advance(800);
    }
}

void TestWordBuilder::playAllRight()
{
    GameTestWorld world;
    SpeechLog speech;
    WordBuilderGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. "_s + game.current().word});
    game.appear(); // shown again: nothing chosen or said again
    QVERIFY(speech.spoken().isEmpty());
    const QList<int> session = game.session();

    for (int r = 0; r < 8; ++r) {
        QCOMPARE(game.counter(), u"第 %1 / 8 关"_s.arg(r + 1));
        QCOMPARE(game.feedback(), u"先听，再跟读，最后拼出来"_s);
        spellCurrent(game);
        QCOMPARE(game.feedback(), u"拼对啦，真棒！"_s);
        QVERIFY(game.feedbackGood());
        QVERIFY(game.locked());
        QCOMPARE(game.slotLetters().join(QString()), game.current().word.toUpper());
        // Locked: a tap changes nothing.
        game.select(0);
        QCOMPARE(game.answer().size(), game.letterPool().size());
        world.clock.advance(799);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 7) {
            QCOMPARE(game.round(), r + 1);
            QVERIFY(!game.locked());
            QVERIFY(game.answer().isEmpty());
            QCOMPARE(speech.spoken(), QStringList{u"Listen carefully. "_s + game.current().word});
        }
    }
    QCOMPARE(game.session(), session);
    QCOMPARE(game.counter(), u"第 8 / 8 关"_s);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    // The ended play keeps the last word spelled and stays locked.
    QVERIFY(game.locked());
    QCOMPARE(game.slotLetters().join(QString()), game.current().word.toUpper());
    world.clock.runUntilIdle();
    QCOMPARE(log.count(), 1);
}

void TestWordBuilder::playWithMistakes()
{
    GameTestWorld world(11);
    WordBuilderGame game;
    ReportLog log;
    log.attach(game);
    game.appear();

    for (int r = 0; r < 8; ++r) {
        const QString word = game.current().word;
        const QStringList letters = WordBuilderGame::letters(word);
        if (r % 2 == 1 || QSet<QString>(letters.begin(), letters.end()).size() < 2) {
            spellCurrent(game);
            world.clock.advance(800);
            continue;
        }
        // The back button on an empty row does nothing; in a row it takes the last tile
        // out and makes it tappable again.
        game.back();
        QVERIFY(game.answer().isEmpty());
        game.select(tileFor(game, letters[0]));
        const int first = int(game.letterPool().indexOf(game.answer().first()));
        QVERIFY(game.tilePlaced()[first]);
        game.select(first); // a placed tile is not placed twice
        QCOMPARE(game.answer().size(), 1);
        game.back();
        QVERIFY(!game.tilePlaced()[first]);

        // A full row in the wrong order: hint, shake, no lock; the row empties 0.55 s later.
        const int shakes = game.wrongAttempt();
        spell(game, misspelled(word));
        QCOMPARE(game.feedback(), u"差一点，换个顺序试试"_s);
        QVERIFY(!game.feedbackGood());
        QCOMPARE(game.wrongAttempt(), shakes + 1);
        QVERIFY(!game.locked());
        QVERIFY(game.roundHadMistake());
        QCOMPARE(game.answer().size(), letters.size());
        // During the wait the back button may take letters out; the row still empties.
        game.back();
        QCOMPARE(game.answer().size(), letters.size() - 1);
        world.clock.advance(549);
        QCOMPARE(game.answer().size(), letters.size() - 1);
        world.clock.advance(1);
        QVERIFY(game.answer().isEmpty());
        QCOMPARE(game.tilePlaced(), QList<bool>(letters.size(), false));
        QCOMPARE(game.feedback(), u"差一点，换个顺序试试"_s);

        // Spelled right afterwards: no first-try credit.
        spellCurrent(game);
        QVERIFY(game.locked());
        world.clock.advance(800);
        QVERIFY(!game.roundHadMistake());
    }
    QCOMPARE(game.firstTryCorrect(), 8 - game.wrongAttempt());
    QVERIFY(game.wrongAttempt() >= 3);
    const GameScore expected = GameScoring::firstTry(game.firstTryCorrect(), 8);
    QCOMPARE(log.only(), (ReportLog::Report{expected.points, expected.stars}));
}

// A reading that holds the word counts once per listening, stops the microphone and
// never enters the score or the round.
void TestWordBuilder::readingAloudCountsBesideTheScore()
{
    GameTestWorld world;
    ScriptedRecognizer recognizer;
    ScriptedCapture capture;
    HeldPermissions permissions;
    WordBuilderGame game;
    game.voice()->setServices(&recognizer, &capture, &permissions);
    ReportLog log;
    log.attach(game);
    game.appear();

    const auto listen = [&] {
        game.microphone();
        permissions.speech.takeLast()(true);
        permissions.microphone.takeLast()(true);
        QVERIFY(game.voice()->isRecording());
        QCOMPARE(game.voice()->status(), u"请说："_s + game.current().word);
    };
    const QString word = game.current().word;
    listen();
    QCOMPARE(recognizer.begun.last().second, word);
    recognizer.say(u"   "_s);
    QCOMPARE(game.voiceWins(), 0);
    recognizer.say(u"the"_s);
    QCOMPARE(game.voiceWins(), 0);
    QVERIFY(game.voice()->isRecording());
    // Surrounding spaces, a capital letter and a plural all hold the word.
    recognizer.say(u" "_s + word.at(0).toUpper() + word.mid(1) + u"s "_s);
    QCOMPARE(game.voiceWins(), 1);
    QCOMPARE(game.voiceCounter(), u"读对 1 次"_s);
    QCOMPARE(game.feedback(), u"听清楚了！读得真棒！"_s);
    QVERIFY(game.feedbackGood());
    QVERIFY(!game.voice()->isRecording());
    QVERIFY(!capture.open);
    QCOMPARE(game.round(), 0);
    QVERIFY(!game.locked());
    QVERIFY(!game.roundHadMistake());

    // The microphone button while listening stops; pressed again it listens anew and
    // may count again.
    listen();
    game.microphone();
    QVERIFY(!game.voice()->isRecording());
    listen();
    recognizer.say(word, true);
    QCOMPARE(game.voiceWins(), 2);
    QVERIFY(!game.voice()->isRecording());

    // A new round resets the coach.
    listen();
    spellCurrent(game);
    world.clock.advance(800);
    QCOMPARE(game.round(), 1);
    QVERIFY(!game.voice()->isRecording());
    QVERIFY(game.voice()->status().isEmpty());
    QVERIFY(game.voice()->transcript().isEmpty());
    QCOMPARE(game.feedback(), u"先听，再跟读，最后拼出来"_s);

    for (int r = 1; r < 8; ++r) {
        spellCurrent(game);
        world.clock.advance(800);
    }
    QCOMPARE(game.voiceWins(), 2);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

// Without an input device the microphone button only says so; spelling goes on.
void TestWordBuilder::microphoneWithoutDevice()
{
    GameTestWorld world;
    ScriptedRecognizer recognizer;
    ScriptedCapture capture;
    capture.opens = false;
    WordBuilderGame game;
    GrantedSpeechPermissions permissions;
    game.voice()->setServices(&recognizer, &capture, &permissions);
    game.appear();
    game.microphone();
    PW_TRY_COMPARE(game.voice()->status(), u"麦克风没有准备好，可以继续拼词"_s);
    QVERIFY(!game.voice()->isRecording());
    QVERIFY(recognizer.begun.isEmpty());
    spellCurrent(game);
    QCOMPARE(game.feedback(), u"拼对啦，真棒！"_s);
}

void TestWordBuilder::reportSurvivesLeavingThePage()
{
    checkReportAfterLeaving<WordBuilderGame>(800, [](WordBuilderGame &game, ManualClock &clock) {
        for (int r = 0; r < 8; ++r) {
            spellCurrent(game);
            if (r < 7)
                clock.advance(800);
        }
    });
}

QTEST_GUILESS_MAIN(TestWordBuilder)
#include "tst_word_builder.moc"
