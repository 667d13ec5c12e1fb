// Each math game view on its own in a window, at two sizes: it loads without a warning,
// lays its tiles out side by side inside the window, and a click on a tile reaches the
// game (answers it, moves a cell or picks a number).

#include "ClockFace.h"
#include "ClockMasterGame.h"
#include "GameTestSupport.h"
#include "MathBattleGame.h"
#include "NumberSliderGame.h"
#include "Patience.h"
#include "PatternGame.h"
#include "ShellWindowTest.h"

#include <QQuickItem>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_CommonPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_MathPlugin)

using namespace Qt::StringLiterals;
using ShellTest::findNamed;
using ShellTest::viewWarnings;

class TestMathViews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ShellTest::installWarningCollector();
        Ui::installFonts();
    }

    void viewLaysOutItsTiles_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<QSize>("size");
        for (const QSize size : {QSize(1100, 760), QSize(800, 600)}) {
            const QByteArray suffix = size.width() == 800 ? " small" : "";
            QTest::newRow("math-battle" + suffix) << u"MathBattleGameView"_s << u"tile"_s << 4 << size;
            QTest::newRow("number-slider" + suffix) << u"NumberSliderGameView"_s << u"cell"_s << 9 << size;
            QTest::newRow("clock-master" + suffix) << u"ClockMasterGameView"_s << u"tile"_s << 3 << size;
            QTest::newRow("little-lab" + suffix) << u"LittleLabGameView"_s << u"tile"_s << 3 << size;
            QTest::newRow("pattern" + suffix) << u"PatternGameView"_s << u"tile"_s << 3 << size;
            // As many number tiles as the row has numbers.
            QTest::newRow("make-ten" + suffix) << u"MakeTenGameView"_s << u"tile"_s << 0 << size;
            QTest::newRow("supermarket" + suffix) << u"SupermarketGameView"_s << u"tile"_s << 3 << size;
        }
    }
    void viewLaysOutItsTiles()
    {
        QFETCH(QString, view);
        QFETCH(QString, prefix);
        QFETCH(int, tiles);
        QFETCH(QSize, size);
        GameTestWorld world;
        ShellTest::warnings().clear();

        ViewWindow w;
        QVERIFY(w.open(u"Math"_s, view, size));
        QQuickItem *item = w.item;
        // A window shorter than the layout draws the game smaller in the host; here the
        // view gets at least the height it asks for.
        PW_TRY_VERIFY(item->implicitHeight() > 300);
        item->setSize(QSizeF(size.width(), qMax<qreal>(size.height(), item->implicitHeight())));
        auto *game = item->property("game").value<RoundQuizGame *>();
        QVERIFY(game);
        QVERIFY(!game->session().isEmpty()); // the page appeared and picked its session
        QTest::qWait(300);
        if (tiles == 0)
            tiles = int(game->property("numbers").toList().size());
        QVERIFY(tiles > 0);

        // Every tile has a place of its own, inside the view.
        QSet<QPair<int, int>> places;
        for (int i = 0; i < tiles; ++i) {
            QQuickItem *tile = findNamed(item, prefix + QString::number(i));
            QVERIFY2(tile, qPrintable(prefix + QString::number(i)));
            const QRectF box = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height()));
            QVERIFY2(QRectF(0, 0, item->width(), item->height()).contains(box), qPrintable(view));
            QVERIFY(box.width() > 40 && box.height() > 40);
            places.insert({int(box.x()), int(box.y())});
        }
        QCOMPARE(places.size(), tiles);

        // A click on a tile (or on a cell that is not the blank) answers.
        int target = 1;
        if (auto *slider = qobject_cast<NumberSliderGame *>(game))
            target = slider->board().indexOf(0) == 1 ? 0 : 1;
        QQuickItem *tile = findNamed(item, prefix + QString::number(target));
        w.click(tile);
        if (auto *slider = qobject_cast<NumberSliderGame *>(game))
            QVERIFY(slider->moves() == 1 || game->wrongAttempt() == 1);
        else
            QVERIFY(game->locked() || game->wrongAttempt() == 1 || !game->property("selected").toList().isEmpty());
        QTest::qWait(50);
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // The math battle reads its sum 0.22 s after each new question, once, and never the
    // row that stands before the pick; the clock face follows the question.
    void battleReadsEachSumOnce()
    {
        GameTestWorld world;
        SpeechLog speech;
        world.settings.setInteger(u"pipwhistle.lastLevel.v1.math-battle"_s, 0);
        ViewWindow w;
        QVERIFY(w.create(u"Math"_s, u"MathBattleGameView"_s));
        auto *game = w.game<MathBattleGame>();
        QVERIFY(game);
        QVERIFY(game->session().first() != 0);

        world.clock.advance(219);
        QVERIFY(speech.spoken().isEmpty());
        world.clock.advance(1);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，请算一算，"_s + game->questionText() + u" 等于几？"_s});

        game->choose(game->question().answer);
        world.clock.advance(730);
        QVERIFY(speech.spoken().isEmpty());
        world.clock.advance(220);
        QCOMPARE(speech.spoken(), QStringList{u"请听题，"_s + game->spokenQuestion()});
        world.clock.advance(5000);
        QVERIFY(speech.spoken().isEmpty());
    }

    void clockFaceFollowsTheQuestion()
    {
        GameTestWorld world;
        ViewWindow w;
        QVERIFY(w.create(u"Math"_s, u"ClockMasterGameView"_s));
        QQuickItem *item = w.item;
        auto *game = w.game<ClockMasterGame>();
        auto *face = qobject_cast<ClockFace *>(findNamed(item, u"clockFace"_s));
        QVERIFY(face);
        QCOMPARE(face->width(), 228.0);
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(face->hour(), game->current().hour);
            QCOMPARE(face->minute(), game->current().minute);
            game->choose(game->current().answer);
            world.clock.advance(680);
        }
    }

    // The pattern row keeps its cells from one puzzle to the next of the same length,
    // and they show the new puzzle's pictures, not the last one's.
    void patternCellsTakeEachPuzzle()
    {
        GameTestWorld world;
        ViewWindow w;
        QVERIFY(w.create(u"Math"_s, u"PatternGameView"_s));
        auto *game = w.game<PatternGame>();
        QQuickItem *row = findNamed(w.item, u"cells"_s);
        QVERIFY(game && row);
        const auto cells = [row] {
            QList<QQuickItem *> found;
            for (QQuickItem *child : row->childItems())
                if (child->property("cell").isValid())
                    found << child;
            return found;
        };
        int kept = 0;
        for (int r = 0; r < 5; ++r) {
            const QList<QQuickItem *> shown = cells();
            QCOMPARE(shown.size(), game->sequence().size());
            for (int i = 0; i < shown.size(); ++i)
                QCOMPARE(shown[i]->property("cell").toString(), game->sequence()[i]);
            const qsizetype length = game->sequence().size();
            game->choose(game->puzzle().answer);
            world.clock.advance(PatternGame::pauseMs);
            if (r < 4 && game->sequence().size() == length) {
                QCOMPARE(cells(), shown);
                ++kept;
            }
        }
        QVERIFY(kept > 0);
    }
};

QTEST_MAIN(TestMathViews)
#include "tst_math_views.moc"
