#include "GameTestSupport.h"
#include "PictureBookGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestPictureBook : public QObject
{
    Q_OBJECT
private slots:
    void library();
    void captionSplitting();
    void readingAnEnglishBook();
};

void TestPictureBook::library()
{
    using namespace EnglishPictureBookLibrary;
    QCOMPARE(rounds().size(), 200);
    QCOMPARE(books().size(), 20);
    QStringList order;
    for (const StoryHero &hero : friends())
        order.append(hero.animal);
    QCOMPARE(order.join(u' '), u"bear cat dog rabbit fox squirrel panda lion deer horse bird turtle bee dolphin "
                               "frog penguin elephant duck sheep whale"_s);
    for (int b = 0; b < 20; ++b) {
        QCOMPARE(books()[b].size(), 10);
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(books()[b][k].prompt, friends()[b].animal);
            QCOMPARE(books()[b][k].artKey, ChineseStoryLibrary::books()[0][k].artKey);
            QCOMPARE(books()[b][k].answer, books()[b][k].choices.first());
        }
    }
    QCOMPARE(books()[0][0].caption,
             u"The Blue Umbrella: Ben finds a tiny seed. With water and sunshine, a new adventure begins."_s);
    QVERIFY(books()[7][0].caption.startsWith(u"Little Brave Leo: Leo finds a tiny seed"_s));
    QCOMPARE(books()[19][9].caption,
             u"Whale and Stars: Kai finishes a glowing story and gently returns the book to its moonlit shelf."_s);
    QCOMPARE(books()[11][3].caption.left(19), u"Ollie's Slow Walk: "_s);
    QCOMPARE(books()[4][8].answer, u"tell an adult"_s);
    QCOMPARE(books()[4][8].choices, (QStringList{u"tell an adult"_s, u"throw the bird"_s, u"laugh at the bird"_s}));
    QCOMPARE(moments()[6].prompt, u"Who can help?"_s);
    QCOMPARE(books()[4][6].scene, u"🦊  🧭👫"_s);
}

void TestPictureBook::captionSplitting()
{
    using namespace StorybookText;
    const QString en = u"en-US"_s;
    QCOMPARE(storyText(EnglishPictureBookLibrary::books()[0][0].caption, en),
             u"Ben finds a tiny seed. With water and sunshine, a new adventure begins."_s);
    QCOMPARE(storyText(u"Title: one: two"_s, u"en-GB"_s), u"one: two"_s);
    QCOMPARE(storyText(u"Title:no blank"_s, en), u"Title:no blank"_s);
    QCOMPARE(storyText(u"Title:no blank：wide"_s, en), u"wide"_s);
    QCOMPARE(storyText(u"Title: "_s, en), QString());
    QCOMPARE(coverTitle(EnglishPictureBookLibrary::books()[7], en, u"英语绘本"_s), u"Little Brave Leo"_s);
    // An English book whose caption has only the Chinese bracket keeps it.
    QCOMPARE(coverTitle({FinalChoiceRound{{}, u"《Moon》：text"_s, {}, {}, {}, {}}}, en, u"英语绘本"_s), u"《Moon》"_s);
}

void TestPictureBook::readingAnEnglishBook()
{
    GameTestWorld world(3);
    SpeechLog speech;
    ReportLog log;
    PictureBookGame reader;
    log.attach(reader);
    reader.appear();
    const int book = reader.bookIndex();
    const StoryHero &hero = EnglishPictureBookLibrary::friends()[book];
    QCOMPARE(reader.coverTitle(), hero.title);
    QCOMPARE(reader.coverLabel(), hero.title + u"，book cover"_s);
    QCOMPARE(reader.header(), u"BOOK COVER"_s);
    QCOMPARE(reader.listenText(), u"Hear title"_s);
    QCOMPARE(reader.coverTitleSize(), 34);
    world.clock.advance(170);
    QCOMPARE(speech.spoken(), QStringList{hero.title});

    reader.advance();
    QCOMPARE(reader.header(), u"PAGE 1"_s);
    QCOMPARE(reader.listenText(), u"Listen again"_s);
    const QString text = hero.name + u' ' + EnglishPictureBookLibrary::moments()[0].caption;
    QCOMPARE(reader.pageText(1), text);
    QCOMPARE(reader.pageLabel(1), u"Story page 1，"_s + text);
    QCOMPARE(reader.pagePicture(1), u"storybook_scene_seed"_s);
    world.clock.advance(170);
    QCOMPARE(speech.spoken(), QStringList{text});
    for (int k = 2; k <= 10; ++k)
        reader.turn(k); // swiped through without stopping: none of them is read
    world.clock.advance(169);
    QVERIFY(speech.spoken().isEmpty());
    world.clock.advance(1);
    QCOMPARE(speech.spoken().size(), 1);
    QCOMPARE(reader.nextText(), u"The End"_s);
    reader.advance();
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

QTEST_GUILESS_MAIN(TestPictureBook)
#include "tst_picture_book.moc"
