// The shared views of the games in a window: the page scaffold, the answer tile and the
// drag area, with no QML warning.

#include "DragTracker.h"
#include "GameBase.h"
#include "GameView.h"
#include "Patience.h"
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

// A game with nothing but an appearance count and a shake.
class PageGame : public GameBase
{
    Q_OBJECT
public:
    void appear() override { ++appearances; }
    int appearances = 0;
};

namespace {

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(QLatin1String("QStandardPaths:"))
        && !message.startsWith(QLatin1String("PulseAudioService:")))
        g_warnings.append(message);
    g_previous(type, context, message);
}

} // namespace

class CommonViewsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        g_previous = qInstallMessageHandler(collect);
        qmlRegisterType<PageGame>("CommonViewsTest", 1, 0, "PageGame");
        Ui::installFonts();
    }
    void init() { g_warnings.clear(); }
    void cleanup() { QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n')))); }

    void thePageHoldsItsGameAndShakes()
    {
        std::unique_ptr<QObject> root = create(R"(
            import QtQuick
            import QtQuick.Layouts
            import Pipwhistle.Games.Common
            import CommonViewsTest
            GamePage {
                game: PageGame {}
                maxWidth: 300
                spacing: 10
                Rectangle { objectName: "first"; Layout.fillWidth: true; implicitHeight: 40 }
                Rectangle { objectName: "second"; Layout.fillWidth: true; implicitHeight: 60 }
            })");
        auto *page = qobject_cast<GameView *>(root.get());
        QVERIFY(page);
        auto *game = qobject_cast<PageGame *>(page->game());
        QVERIFY(game);
        QCOMPARE(game->appearances, 1);
        QCOMPARE(page->implicitHeight(), 8 + 40 + 10 + 60 + 16);

        page->setSize(QSizeF(800, 400));
        auto *second = page->findChild<QQuickItem *>(QStringLiteral("second"));
        QCOMPARE(second->width(), 300.0);
        QCOMPARE(second->mapToItem(page, QPointF()).x(), 250.0); // centred
        // Each new shake of the game's line moves the page away and back to rest.
        auto *shaken = second->parentItem()->parentItem();
        game->line().hint(QStringLiteral("再想想"));
        PW_TRY_VERIFY(shaken->mapToItem(page, QPointF()).x() != 0);
        PW_TRY_COMPARE(shaken->mapToItem(page, QPointF()).x(), 0.0);
    }

    void aTileIsFilledByItsState()
    {
        std::unique_ptr<QObject> root = create(R"(
            import QtQuick
            import Pipwhistle.Games.Common
            Row {
                ChoiceTile { objectName: "plain"; text: "苹果" }
                ChoiceTile { objectName: "picked"; text: "香蕉"; tileState: TileState.Picked }
                ChoiceTile { objectName: "right"; text: "葡萄"; tileState: TileState.Right }
                ChoiceTile { objectName: "wrong"; text: "橘子"; tileState: TileState.Wrong }
            })");
        const auto fill = [&](const char *name) {
            return root->findChild<QObject *>(QLatin1String(name))->property("fill").value<QColor>();
        };
        QCOMPARE(fill("plain"), QColor(Qt::white));
        QCOMPARE(qRound(fill("picked").alphaF() * 100), 28);
        QCOMPARE(qRound(fill("right").alphaF() * 100), 34);
        QVERIFY(fill("picked").rgb() != fill("right").rgb());
        QVERIFY(fill("wrong").rgb() != fill("right").rgb());
        QVERIFY(fill("wrong").rgb() != fill("picked").rgb());
    }

    void aDragIsMeasuredOnTheBoardNotOnTheMovingChip()
    {
        // The chip follows the finger; measured in its own coordinates the translation
        // would chase itself.
        QQuickWindow window;
        window.resize(600, 400);
        std::unique_ptr<QObject> root = create(R"(
            import QtQuick
            import Pipwhistle.Games.Common
            Item {
                id: board
                width: 600; height: 400
                property DragTracker drag: DragTracker { threshold: 5 }
                Rectangle {
                    objectName: "chip"
                    x: 100 + board.drag.translation.x; y: 100 + board.drag.translation.y
                    width: 80; height: 80
                    DragArea { anchors.fill: parent; frame: board; tracker: board.drag }
                }
            })");
        auto *board = qobject_cast<QQuickItem *>(root.get());
        board->setParentItem(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, Patience::waitMs));
        auto *drag = board->property("drag").value<DragTracker *>();
        QSignalSpy released(drag, &DragTracker::released);
        QSignalSpy tapped(drag, &DragTracker::tapped);

        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(140, 140));
        for (int x = 150; x <= 240; x += 10)
            QTest::mouseMove(&window, QPoint(x, 140));
        QCOMPARE(drag->translation(), QPointF(100, 0));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(240, 140));
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().first().toPointF(), QPointF(100, 0));

        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(130, 130));
        QCOMPARE(tapped.count(), 1);
        QCOMPARE(released.count(), 1);
    }

private:
    std::unique_ptr<QObject> create(const QByteArray &qml)
    {
        QQmlComponent component(&m_engine);
        component.setData(qml, QUrl::fromLocalFile(QStringLiteral(PW_SOURCE_DIR "/tests/games/common/View.qml")));
        if (!component.isReady())
            qWarning() << component.errorString();
        return std::unique_ptr<QObject>(component.create());
    }

    QQmlEngine m_engine;
    bool m_prepared = [this] {
        Ui::prepareEngine(m_engine);
        return true;
    }();
};

QTEST_MAIN(CommonViewsTest)
#include "tst_common_views.moc"
