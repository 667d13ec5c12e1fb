#include "AnimalSoundsGame.h"
#include "GameTestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

int wrongPlace(const AnimalSoundsGame &game)
{
    return game.names().indexOf(game.answer()) == 0 ? 1 : 0;
}

} // namespace

class TestAnimalSounds : public QObject
{
    Q_OBJECT
private slots:
    void questions();
    void wholePlaySpeaksEachSound();
    void mistakesAndTileLooks();
    void leavingDuringTheLastPause();
};

void TestAnimalSounds::questions()
{
    const QList<AnimalSoundQuestion> &all = AnimalSoundQuestion::all();
    QCOMPARE(all.size(), 10);
    QHash<QString, QString> emojiOf;
    for (const AnimalSoundQuestion &q : all) {
        QCOMPARE(q.choices.size(), 3);
        int answers = 0;
        QSet<QString> names;
        for (const SoundAnimal &animal : q.choices) {
            answers += animal.name == q.answer ? 1 : 0;
            names.insert(animal.name);
            // One picture per animal, the same in every question, one scalar each.
            QCOMPARE(animal.emoji.toUcs4().size(), 1);
            QCOMPARE(emojiOf.value(animal.name, animal.emoji), animal.emoji);
            emojiOf.insert(animal.name, animal.emoji);
        }
        QCOMPARE(answers, 1);
        QCOMPARE(names.size(), 3);
        QVERIFY(q.fact.endsWith(u"。"_s));
    }
    QCOMPARE(all[7].sound, u"Roar! Roar!"_s);
    QCOMPARE(all[7].choices[2].name, u"狮子"_s);
    QCOMPARE(all[4].fact, u"青蛙既能在水里，也能在陆地生活。"_s);
    QCOMPARE(emojiOf.value(u"小鸟"_s), u"🐦"_s);
}

void TestAnimalSounds::wholePlaySpeaksEachSound()
{
    // The feedback sounds are off in this world; the animal sounds are speech and are
    // said all the same.
    GameTestWorld world;
    SpeechLog speech;
    QSignalSpy utterances(&SpeechService::shared(), &SpeechService::localUtterance);
    AnimalSoundsGame game;
    ReportLog log;
    log.attach(game);
    // Before the session: the first question of the bank on screen.
    QCOMPARE(game.emojis(), (QStringList{u"🐱"_s, u"🐶"_s, u"🐮"_s}));
    QCOMPARE(game.feedback(), u"点喇叭，听听是谁在说话"_s);
    QVERIFY(game.feedbackGood());

    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    world.clock.advance(AnimalSoundsGame::firstSoundMs - 1);
    QVERIFY(speech.spoken().isEmpty());
    world.clock.advance(1);
    QCOMPARE(speech.spoken(), QStringList{AnimalSoundQuestion::all()[session[0]].sound});
    QCOMPARE(utterances.last().at(1).toString(), u"en-US"_s);
    QCOMPARE(utterances.last().at(2).toFloat(), 0.32f);

    game.appear(); // the page shown again: same session, nothing said
    QCOMPARE(game.session(), session);
    world.clock.advance(1000);
    QVERIFY(speech.spoken().isEmpty());

    for (int r = 0; r < 5; ++r) {
        const AnimalSoundQuestion &q = AnimalSoundQuestion::all()[session[r]];
        QCOMPARE(game.counter(), u"第 %1 / 5 声"_s.arg(r + 1));
        QCOMPARE(game.answer(), q.answer);
        game.choose(int(game.names().indexOf(q.answer)));
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"就是"_s + q.answer + u"！"_s);
        QVERIFY(game.feedbackGood());
        QCOMPARE(game.fact(), q.fact);
        QVERIFY(speech.spoken().isEmpty()); // no "Wonderful!" with the sounds off
        // The speaker button speaks during the pause too.
        game.speakSound();
        QCOMPARE(speech.spoken(), QStringList{q.sound});
        world.clock.advance(AnimalSoundsGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QCOMPARE(game.round(), r + 1);
            QCOMPARE(game.feedback(), u"点喇叭，听听是谁在说话"_s);
            QVERIFY(game.selected().isEmpty());
            world.clock.advance(AnimalSoundsGame::nextSoundMs - 1);
            QVERIFY(speech.spoken().isEmpty());
            world.clock.advance(1);
            QCOMPARE(speech.spoken(), QStringList{AnimalSoundQuestion::all()[session[r + 1]].sound});
        }
    }
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QVERIFY(speech.spoken().isEmpty()); // nothing after the last question
    QCOMPARE(game.counter(), u"第 5 / 5 声"_s);
}

void TestAnimalSounds::mistakesAndTileLooks()
{
    GameTestWorld world;
    AnimalSoundsGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    using enum TileState::State;
    for (int r = 0; r < 5; ++r) {
        const int right = int(game.names().indexOf(game.answer()));
        if (r != 2) {
            const int wrong = wrongPlace(game);
            const int other = 3 - right - wrong;
            game.choose(wrong);
            QCOMPARE(game.feedback(), u"声音不太像，再听一次"_s);
            QVERIFY(!game.feedbackGood());
            QVERIFY(!game.locked());
            game.choose(other); // a second wrong pick: only it is tinted
            QCOMPARE(game.tileStates()[other], int(Picked));
            QCOMPARE(game.tileStates()[wrong], int(Plain));
        }
        game.choose(right);
        // The last wrong tile turns white again, the answer mint.
        QCOMPARE(game.tileStates().count(int(Plain)), 2);
        QCOMPARE(game.tileStates()[right], int(Right));
        game.choose(wrongPlace(game)); // locked: nothing
        world.clock.advance(AnimalSoundsGame::pauseMs);
    }
    QCOMPARE(game.wrongAttempt(), 8);
    QCOMPARE(game.firstTryCorrect(), 1);
    QCOMPARE(log.only(), (ReportLog::Report{68, 1}));
}

void TestAnimalSounds::leavingDuringTheLastPause()
{
    GameTestWorld world;
    SpeechLog speech;
    ReportLog log;
    auto game = std::make_unique<AnimalSoundsGame>();
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        game->choose(7); // off the row: nothing
        QCOMPARE(game->wrongAttempt(), 0);
        game->choose(int(game->names().indexOf(game->answer())));
        if (r < 4)
            world.clock.advance(AnimalSoundsGame::pauseMs + AnimalSoundsGame::nextSoundMs);
    }
    speech.spoken(); // the sounds said so far
    world.clock.advance(600);
    game.reset();
    world.clock.advance(AnimalSoundsGame::pauseMs - 601);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
    QVERIFY(speech.spoken().isEmpty());
}

QTEST_MAIN(TestAnimalSounds)
#include "tst_animal_sounds.moc"
