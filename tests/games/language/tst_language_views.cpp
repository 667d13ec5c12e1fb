// Each language game view on its own in a window: it loads without a warning, lays its
// tiles out inside the window, and a click on a tile reaches the game; then what single
// views do of their own (reading questions, tile measures and colours, sentence slots).

#include "GameTestSupport.h"
#include "Patience.h"
#include "PhonicsTrainGame.h"
#include "RadicalBuilderGame.h"
#include "RoundQuizGame.h"
#include "SentenceMakerGame.h"
#include "ShellWindowTest.h"
#include "WordBuilder/SpeechFakes.h"
#include "WordBuilderGame.h"

#include <QQuickItem>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_CommonPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_LanguagePlugin)

using namespace Qt::StringLiterals;
using ShellTest::findNamed;
using ShellTest::findText;
using ShellTest::viewWarnings;

class TestLanguageViews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ShellTest::installWarningCollector();
        Ui::installFonts();
    }

    // `tiles` tiles, each in a place of its own inside the window; the picture games lay
    // theirs in one row of tall tiles within the window's height. A click on tile
    // `clicked` answers (or, in the sentence maker, places a card).
    void viewLaysOutItsTiles_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<bool>("inOneRow");
        QTest::addColumn<int>("clicked");
        QTest::newRow("chinese-match") << u"ChineseMatchGameView"_s << 4 << false << 1;
        QTest::newRow("radical-builder") << u"RadicalBuilderGameView"_s << 4 << false << 1;
        QTest::newRow("english-listen") << u"EnglishListeningGameView"_s << 4 << false << 1;
        QTest::newRow("word-shooter") << u"WordShooterGameView"_s << 6 << false << 1;
        QTest::newRow("phonics-train") << u"PhonicsTrainGameView"_s << 3 << true << 0;
        QTest::newRow("idiom-pictures") << u"PictureWordGameView"_s << 3 << true << 0;
        QTest::newRow("sentence-maker") << u"SentenceMakerGameView"_s << 3 << true << 0;
    }
    void viewLaysOutItsTiles()
    {
        QFETCH(QString, view);
        QFETCH(int, tiles);
        QFETCH(bool, inOneRow);
        QFETCH(int, clicked);
        GameTestWorld world;
        ShellTest::warnings().clear();
        ViewWindow w;
        QVERIFY(w.open(u"Language"_s, view));
        auto *game = w.game<RoundQuizGame>();
        QVERIFY(game);
        QVERIFY(!game->session().isEmpty()); // the page appeared and picked its session
        QTest::qWait(inOneRow ? 300 : 500);

        if (inOneRow)
            QVERIFY(w.item->implicitHeight() > 400 && w.item->implicitHeight() <= 760);
        QSet<QPair<int, int>> places;
        QSet<int> lefts;
        qreal top = -1;
        for (int i = 0; i < tiles; ++i) {
            QQuickItem *tile = findNamed(w.item, u"tile%1"_s.arg(i));
            QVERIFY2(tile, qPrintable(u"tile%1"_s.arg(i)));
            const QRectF box = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height()));
            QVERIFY2(QRectF(0, 0, 1100, 760).contains(box), qPrintable(view));
            places.insert({int(box.x()), int(box.y())});
            if (inOneRow) {
                QVERIFY(box.height() >= 100);
                lefts.insert(int(box.x()));
                if (top >= 0)
                    QCOMPARE(box.y(), top);
                top = box.y();
            }
        }
        QCOMPARE(places.size(), tiles);
        if (inOneRow)
            QCOMPARE(lefts.size(), tiles);

        // The first tile is never the answer of a sentence.
        w.click(findNamed(w.item, u"tile%1"_s.arg(clicked)));
        QVERIFY(game->locked() || game->wrongAttempt() == 1 || !game->property("selected").toStringList().isEmpty());
        QTest::qWait(50);
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // The radical builder's question card reads each question of the play once: the rows
    // that stand before the pick are never read, and a new question is read 0.22 s after
    // it comes.
    void radicalQuestionCardReadsEachQuestionOnce()
    {
        GameTestWorld world;
        SpeechLog speech;
        world.settings.setInteger(u"pipwhistle.lastLevel.v1.radical-builder"_s, 0);
        ViewWindow w;
        QVERIFY(w.create(u"Language"_s, u"RadicalBuilderGameView"_s));
        auto *game = w.game<RadicalBuilderGame>();
        QVERIFY(game);
        QVERIFY(game->session().first() != 0);

        world.clock.advance(219);
        QVERIFY(speech.spoken().isEmpty());
        world.clock.advance(1);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + game->prompt()});

        const RadicalQuestion first = game->current();
        game->choose(int(first.choices.indexOf(first.answer)));
        world.clock.advance(700);
        QVERIFY(speech.spoken().isEmpty());
        world.clock.advance(220);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + game->prompt()});
        world.clock.advance(5000);
        QVERIFY(speech.spoken().isEmpty());
    }

    // The two Chinese games draw their tile speakers and boxes to their own measures:
    // the character match a 38-point square of radius 12 with a headline-sized symbol,
    // the radical builder a 36-point square of radius 11 with a subheadline-sized one, and
    // its question-mark box a size smaller than the components.
    void chineseTilesKeepTheirOwnMeasures_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<qreal>("size");
        QTest::addColumn<qreal>("radius");
        QTest::addColumn<qreal>("symbolText");
        QTest::newRow("chinese-match") << u"ChineseMatchGameView"_s << 38.0 << 12.0 << 17.0;
        QTest::newRow("radical-builder") << u"RadicalBuilderGameView"_s << 36.0 << 11.0 << 15.0;
    }
    void chineseTilesKeepTheirOwnMeasures()
    {
        QFETCH(QString, view);
        QFETCH(qreal, size);
        QFETCH(qreal, radius);
        QFETCH(qreal, symbolText);
        GameTestWorld world;
        ViewWindow w;
        QVERIFY(w.create(u"Language"_s, view));
        QQuickItem *item = w.item;
        item->setSize(QSizeF(1100, 760));

        QQuickItem *tile = findNamed(item, u"tile0"_s);
        QVERIFY(tile);
        QQuickItem *speaker = findNamed(tile, u"speaker"_s);
        QVERIFY(speaker);
        QCOMPARE(speaker->width(), size);
        QCOMPARE(speaker->height(), size);
        QCOMPARE(speaker->property("faceRadius").toReal(), radius);
        QCOMPARE(tile->property("speakerSymbolSize").toReal(), symbolText);

        if (view == u"RadicalBuilderGameView"_s) {
            QQuickItem *box = findNamed(item, u"questionBox"_s);
            QVERIFY(box);
            QCOMPARE(box->property("textSize").toReal(), 46.0);
            QCOMPARE(box->width(), 90.0);
            QCOMPARE(box->height(), 86.0);
        }
    }

    // A wrong letter tile turns mango; the right one turns mint during the pause.
    void phonicsTilesTakeTheirColours()
    {
        GameTestWorld world;
        ViewWindow w;
        QVERIFY(w.open(u"Language"_s, u"PhonicsTrainGameView"_s));
        auto *game = w.game<PhonicsTrainGame>();
        const int right = int(game->choices().indexOf(game->answer()));
        const int wrong = (right + 1) % 3;
        const auto fillOf = [&](int i) {
            QQuickItem *tile = findNamed(w.item, u"tile%1"_s.arg(i));
            QQuickItem *box = nullptr;
            std::function<void(QQuickItem *)> find = [&](QQuickItem *it) {
                if (!box && it->inherits("PaintedBox"))
                    box = it;
                for (QQuickItem *c : it->childItems())
                    find(c);
            };
            find(tile);
            return box ? box->property("color").value<QColor>() : QColor();
        };
        QCOMPARE(fillOf(wrong), QColor(Qt::white));
        w.click(findNamed(w.item, u"tile%1"_s.arg(wrong)));
        QCOMPARE(game->tileStates()[wrong], TileState::Picked);
        QCOMPARE(qRound(fillOf(wrong).alphaF() * 100), 28);
        w.click(findNamed(w.item, u"tile%1"_s.arg(right)));
        QVERIFY(game->locked());
        QCOMPARE(qRound(fillOf(right).alphaF() * 100), 34);
        QCOMPARE(fillOf(wrong), QColor(Qt::white));
        // The tiles take no click during the pause.
        QVERIFY(!findNamed(w.item, u"tile%1"_s.arg(wrong))->isEnabled());
    }

    void sentenceSlotsCardsAndReset()
    {
        GameTestWorld world;
        ViewWindow w;
        QVERIFY(w.open(u"Language"_s, u"SentenceMakerGameView"_s));
        auto *game = w.game<SentenceMakerGame>();
        QQuickItem *reset = findNamed(w.item, u"resetButton"_s);
        QVERIFY(reset);
        QVERIFY(!reset->isEnabled());
        QCOMPARE(findText(findNamed(w.item, u"slot0"_s), u"?"_s) != nullptr, true);

        const QString first = game->current().answer.first();
        const int card = int(game->current().choices.indexOf(first));
        QQuickItem *button = findNamed(w.item, u"tile%1"_s.arg(card));
        w.click(button);
        QCOMPARE(game->selected(), QStringList{first});
        QVERIFY(findText(findNamed(w.item, u"slot0"_s), first));
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->parentItem()->opacity(), 0.38);
        QVERIFY(reset->isEnabled());

        // Its speaker still pronounces the placed word.
        SpeechLog speech;
        w.click(findNamed(button->parentItem(), u"speaker"_s));
        QCOMPARE(speech.spoken(), QStringList{first});
        QCOMPARE(game->selected(), QStringList{first});

        w.click(reset);
        QVERIFY(game->selected().isEmpty());
        QCOMPARE(game->feedback(), u"从第一张词语卡重新开始"_s);
        QVERIFY(button->isEnabled());
        QCOMPARE(button->parentItem()->opacity(), 1.0);
        QVERIFY(!reset->isEnabled());
        QCOMPARE(game->wrongAttempt(), 0);
    }

    // A tapped tile fills the next slot in upper case, dims and stops taking clicks until
    // the back button takes it out; the microphone button shows the listening.
    void wordBuilderTilesSlotsAndMicrophone()
    {
        GameTestWorld world;
        ShellTest::warnings().clear();
        ScriptedRecognizer recognizer;
        ScriptedCapture capture;
        HeldPermissions permissions;
        ViewWindow w;
        QVERIFY(w.open(u"Language"_s, u"WordBuilderGameView"_s, {800, 600}));
        auto *game = w.game<WordBuilderGame>();
        QVERIFY(game);
        game->voice()->setServices(&recognizer, &capture, &permissions);
        QTest::qWait(300);

        const int count = int(game->letterPool().size());
        for (int i = 0; i < count; ++i) {
            QQuickItem *tile = findNamed(w.item, u"tile%1"_s.arg(i));
            QVERIFY(tile);
            const QRectF box = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height()));
            QVERIFY(QRectF(0, 0, 800, 600).contains(box));
        }
        QQuickItem *tile = findNamed(w.item, u"tile0"_s);
        const QString letter = game->letterPool()[0].character.toUpper();
        w.click(tile);
        QVERIFY(findText(findNamed(w.item, u"slot0"_s), letter));
        QVERIFY(!tile->isEnabled());
        QCOMPARE(tile->opacity(), 0.22);
        w.click(tile); // a dimmed tile takes no click
        QCOMPARE(game->answer().size(), 1);
        w.click(findNamed(w.item, u"backButton"_s));
        QVERIFY(game->answer().isEmpty());
        QVERIFY(tile->isEnabled());
        QCOMPARE(tile->opacity(), 1.0);

        QVERIFY(!findNamed(w.item, u"coachStatus"_s)); // hidden while there is nothing to say
        QQuickItem *microphone = findNamed(w.item, u"microphoneButton"_s);
        QVERIFY(findText(microphone, u"我来跟读"_s));
        w.click(microphone);
        permissions.speech.takeFirst()(true);
        permissions.microphone.takeFirst()(true);
        PW_TRY_VERIFY(findNamed(w.item, u"coachStatus"_s));
        QCOMPARE(findNamed(w.item, u"coachStatus"_s)->property("text").toString(), u"请说："_s + game->current().word);
        PW_TRY_VERIFY(findText(microphone, u"正在听…"_s));
        w.click(microphone);
        QVERIFY(!game->voice()->isRecording());
        PW_TRY_VERIFY(findText(microphone, u"我来跟读"_s));
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }
};

QTEST_MAIN(TestLanguageViews)
#include "tst_language_views.moc"
