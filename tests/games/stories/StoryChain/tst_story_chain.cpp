#include "GameTestSupport.h"
#include "StoryChainGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestStoryChain : public QObject
{
    Q_OBJECT
private slots:
    void library();
    void captionSplitting();
    void readingAloud();
    void theEndReportsOnEveryPress();
    void withoutBooks();
};

void TestStoryChain::library()
{
    using namespace ChineseStoryLibrary;
    QCOMPARE(rounds().size(), 200);
    QCOMPARE(books().size(), 20);
    for (int b = 0; b < books().size(); ++b) {
        QCOMPARE(books()[b].size(), 10);
        for (int k = 0; k < 10; ++k) {
            const FinalChoiceRound &p = books()[b][k];
            QCOMPARE(p.prompt, friends()[b].animal);
            QCOMPARE(p.artKey, std::optional<QString>(moments()[k].artKey));
            QCOMPARE(p.choices.size(), 3);
            QCOMPARE(p.answer, p.choices.first());
        }
    }
    const FinalChoiceRound &first = books()[0][0];
    QCOMPARE(first.caption, u"《雨衣小熊》：乐乐在花坛边发现一粒小种子，想让它发芽。"_s);
    QCOMPARE(codePoints(first.scene), u"1F43B 20 20 1F331 1F324 FE0F"_s);
    QCOMPARE(books()[19][9].caption, u"《鲸鱼的星星》：海海夜深了，读完的故事书被轻轻放回星光书架。"_s);
    QCOMPARE(books()[19][9].artKey, std::optional<QString>(u"scene_library"_s));
    QVERIFY(codePoints(books()[5][0].scene).startsWith(u"1F43F FE0F 20 20"_s));
    QCOMPARE(codePoints(moments()[5].scene), u"1F58D FE0F 1F590 FE0F"_s);
    QCOMPARE(codePoints(moments()[8].scene), u"1F426 1FABD"_s);
    QCOMPARE(books()[17][0].prompt, u"lion"_s);
    // A short last book is kept; every page lands in exactly one book.
    const QList<BookPages> cut = sliceIntoBooks(rounds().mid(0, 23), 10);
    QCOMPARE(cut.size(), 3);
    QCOMPARE(cut[2].size(), 3);
    QCOMPARE(cut[2][2].caption, rounds()[22].caption);
}

void TestStoryChain::captionSplitting()
{
    using namespace StorybookText;
    const QString zh = u"zh-CN"_s;
    QCOMPARE(storyText(ChineseStoryLibrary::books()[0][0].caption, zh), u"乐乐在花坛边发现一粒小种子，想让它发芽。"_s);
    // Only the first separator goes; an ending separator leaves nothing; none: whole.
    QCOMPARE(storyText(u"《甲》：一：二"_s, zh), u"一：二"_s);
    QCOMPARE(storyText(u"《甲》："_s, zh), QString());
    QCOMPARE(storyText(u"没有标题"_s, zh), u"没有标题"_s);
    // A Chinese book does not split at ": ".
    QCOMPARE(storyText(u"Title: text"_s, zh), u"Title: text"_s);
    QVERIFY(!isEnglish(u"EN-us"_s) && !isEnglish(QString()) && !isEnglish(u"zh-Hant"_s));
    QCOMPARE(coverTitle(ChineseStoryLibrary::books()[0], zh, u"中文绘本"_s), u"《雨衣小熊》"_s);
    QCOMPARE(coverTitle({FinalChoiceRound{{}, u"无括号：文字"_s, {}, {}, {}, {}}}, zh, u"中文绘本"_s), u"中文绘本"_s);
    QCOMPARE(coverTitle({}, zh, u"中文绘本"_s), u"中文绘本"_s);
}

void TestStoryChain::readingAloud()
{
    GameTestWorld world;
    SpeechLog speech;
    StoryChainGame reader;
    QCOMPARE(reader.bookIndex(), 0);
    reader.appear();
    QVERIFY(reader.didChooseBook());
    const int book = reader.bookIndex();
    const StoryHero &hero = ChineseStoryLibrary::friends()[book];
    QCOMPARE(reader.coverTitle(), u"《"_s + hero.title + u"》"_s);
    QCOMPARE(reader.coverPicture(), u"storybook_"_s + hero.animal);
    QCOMPARE(reader.header(), u"绘本封面"_s);
    QVERIFY(!reader.previousEnabled());
    world.clock.advance(169);
    QVERIFY(speech.spoken().isEmpty());
    world.clock.advance(1);
    QCOMPARE(speech.spoken(), QStringList{reader.coverTitle()});

    // Pages 1 … 3 by the button, then 4 and back to 3 within the wait: 4 is never read.
    for (int k = 1; k <= 3; ++k) {
        reader.advance();
        world.clock.advance(170);
    }
    QCOMPARE(speech.spoken().size(), 3);
    reader.turn(4);
    QCOMPARE(reader.header(), u"第 4 页"_s);
    world.clock.advance(100);
    reader.turn(3);
    world.clock.advance(169);
    QVERIFY(speech.spoken().isEmpty());
    world.clock.advance(1);
    const QString page3 = hero.name + ChineseStoryLibrary::moments()[2].caption;
    QCOMPARE(speech.spoken(), QStringList{page3});
    // Listen reads at once, and the page's own reading is not repeated.
    reader.listen();
    QCOMPARE(speech.spoken(), QStringList{page3});
    QCOMPARE(reader.listenText(), u"再听一次"_s);

    // Out-of-range turns are ignored; a drag turns one page each way.
    reader.turn(-1);
    reader.turn(12);
    QCOMPARE(reader.page(), 3);
    reader.pageDrag()->press(400, 200);
    reader.pageDrag()->move(300, 205);
    reader.pageDrag()->release(330, 205);
    QCOMPARE(reader.page(), 4);
    reader.pageDrag()->press(300, 200);
    reader.pageDrag()->release(340, 200); // too short: no turn
    QCOMPARE(reader.page(), 4);
    reader.pageDrag()->press(300, 200);
    reader.pageDrag()->release(400, 200);
    QCOMPARE(reader.page(), 3);

    // Leaving the page within the wait: nothing is read, nothing touches the reader.
    reader.turn(5);
    speech.spoken();
    {
        StoryChainGame other;
        other.appear();
        QCOMPARE_NE(other.bookIndex(), book); // the next play starts another book
    }
    world.clock.advance(170);
    QCOMPARE(speech.spoken(), QStringList{hero.name + ChineseStoryLibrary::moments()[4].caption});
}

void TestStoryChain::theEndReportsOnEveryPress()
{
    GameTestWorld world;
    ReportLog log;
    auto reader = std::make_unique<StoryChainGame>();
    log.attach(*reader);
    reader->appear();
    for (int k = 0; k < 10; ++k)
        reader->advance();
    QCOMPARE(reader->page(), 10);
    QCOMPARE(reader->header(), u"第 10 页"_s);
    QCOMPARE(reader->nextText(), u"读完了"_s);
    QCOMPARE(reader->pageBadge(10), u"10 / 10"_s);
    QCOMPARE(reader->pageLabel(10).left(7), u"故事第 10，"_s);
    QCOMPARE(log.count(), 0);
    reader->turn(11); // past the last page: nothing
    QCOMPARE(reader->page(), 10);
    reader->advance();
    reader->advance();
    QCOMPARE(reader->page(), 10);
    QCOMPARE(*log.reports, (QList<ReportLog::Report>{{100, 3}, {100, 3}}));
    reader.reset();
    world.clock.advance(1000); // the pending reading went with the reader
}

void TestStoryChain::withoutBooks()
{
    GameTestWorld world;
    SpeechLog speech;
    ReportLog log;
    StorybookReader reader({u"story-chain"_s, u"中文绘本"_s, {}, {}, u"zh-CN"_s});
    log.attach(reader);
    reader.appear();
    QVERIFY(!reader.didChooseBook());
    QCOMPARE(reader.pageCount(), 0);
    QCOMPARE(reader.coverTitle(), u"中文绘本"_s);
    QCOMPARE(reader.coverPicture(), QString());
    QCOMPARE(reader.nextText(), u"读完了"_s);
    reader.listen();
    QCOMPARE(speech.spoken().first(), u"中文绘本"_s);
    reader.advance();
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

QTEST_GUILESS_MAIN(TestStoryChain)
#include "tst_story_chain.moc"
