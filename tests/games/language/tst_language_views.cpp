// Each language game view on its own in a window: it loads without a warning, lays its
// tiles out side by side, and a click on a tile reaches the game.

#include "GameTestSupport.h"
#include "RadicalBuilderGame.h"
#include "RoundQuizGame.h"
#include "UiSetup.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_CommonPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_LanguagePlugin)

using namespace Qt::StringLiterals;

namespace {

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Notes of a machine without a sound server or a runtime folder are not the view's.
    if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(u"QStandardPaths:"_s)
        && !message.startsWith(u"PulseAudioService:"_s))
        g_warnings.append(message);
    g_previous(type, context, message);
}

QQuickItem *findNamed(QQuickItem *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = findNamed(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

class TestLanguageViews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        g_previous = qInstallMessageHandler(collect);
        Ui::installFonts();
    }

    void viewLaysOutItsTiles_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("tiles");
        QTest::newRow("chinese-match") << u"ChineseMatchGameView"_s << 4;
        QTest::newRow("radical-builder") << u"RadicalBuilderGameView"_s << 4;
        QTest::newRow("english-listen") << u"EnglishListeningGameView"_s << 4;
        QTest::newRow("word-shooter") << u"WordShooterGameView"_s << 6;
    }
    void viewLaysOutItsTiles()
    {
        QFETCH(QString, view);
        QFETCH(int, tiles);
        GameTestWorld world;
        g_warnings.clear();

        QQmlEngine engine;
        Ui::prepareEngine(engine);
        QQmlComponent component(&engine, QUrl(u"qrc:/qt/qml/Pipwhistle/Games/Language/"_s + view + u".qml"_s));
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));
        QQuickWindow window;
        window.resize(1100, 760);
        std::unique_ptr<QObject> object(component.create());
        auto *item = qobject_cast<QQuickItem *>(object.get());
        QVERIFY(item);
        item->setParentItem(window.contentItem());
        item->setSize(QSizeF(1100, 760));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *game = item->property("game").value<RoundQuizGame *>();
        QVERIFY(game);
        QVERIFY(!game->session().isEmpty()); // the page appeared and picked its session
        QTest::qWait(500);

        // Every tile has a place of its own, inside the window.
        QSet<QPair<int, int>> places;
        for (int i = 0; i < tiles; ++i) {
            QQuickItem *tile = findNamed(item, u"tile%1"_s.arg(i));
            QVERIFY2(tile, qPrintable(u"tile%1"_s.arg(i)));
            const QRectF box = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height()));
            QVERIFY2(QRectF(0, 0, 1100, 760).contains(box), qPrintable(view));
            places.insert({int(box.x()), int(box.y())});
        }
        QCOMPARE(places.size(), tiles);

        // A click on a tile answers: right (locked) or wrong (one more shake).
        QQuickItem *tile = findNamed(item, u"tile1"_s);
        const QPointF centre = tile->mapToScene(QPointF(tile->width() / 2, tile->height() / 2));
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        QVERIFY(game->locked() || game->wrongAttempt() == 1);
        QTest::qWait(50);
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(u'\n')));
    }

    // The radical builder's question card reads each question of the play once: the rows
    // that stand before the pick are never read, and a new question is read 0.22 s after
    // it comes.
    void radicalQuestionCardReadsEachQuestionOnce()
    {
        GameTestWorld world;
        SpeechLog speech;
        QQmlEngine engine;
        Ui::prepareEngine(engine);
        QQmlComponent component(&engine, QUrl(u"qrc:/qt/qml/Pipwhistle/Games/Language/RadicalBuilderGameView.qml"_s));
        world.settings.setInteger(u"pipwhistle.lastLevel.v1.radical-builder"_s, 0);
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *game = object->property("game").value<RadicalBuilderGame *>();
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
        QQmlEngine engine;
        Ui::prepareEngine(engine);
        QQmlComponent component(&engine, QUrl(u"qrc:/qt/qml/Pipwhistle/Games/Language/"_s + view + u".qml"_s));
        std::unique_ptr<QObject> object(component.create());
        auto *item = qobject_cast<QQuickItem *>(object.get());
        QVERIFY2(item, qPrintable(component.errorString()));
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
};

QTEST_MAIN(TestLanguageViews)
#include "tst_language_views.moc"
