// The phonics train, picture words and sentence maker views in a window: each loads
// without a warning and lays its tiles out side by side; clicks reach the game, and the
// sentence maker's slots, dimmed cards and reset button follow the words placed.

#include "GameTestSupport.h"
#include "PhonicsTrainGame.h"
#include "SentenceMakerGame.h"
#include "ShellWindowTest.h"
#include "UiSetup.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using ShellTest::findNamed;
using ShellTest::findText;

// The warnings of the test so far, less the notes of a machine without a sound server.
QStringList viewWarnings()
{
    return ShellTest::warnings().filter(QRegularExpression(u"^(?!PulseAudioService:)"_s));
}

struct ViewWindow
{
    QQmlEngine engine;
    QQuickWindow window;
    std::unique_ptr<QObject> object;
    QQuickItem *item = nullptr;

    bool open(const QString &view, QSize size = {1100, 760})
    {
        Ui::prepareEngine(engine);
        QQmlComponent component(&engine, QUrl(u"qrc:/qt/qml/Pipwhistle/Games/Language/"_s + view + u".qml"_s));
        object.reset(component.create());
        item = qobject_cast<QQuickItem *>(object.get());
        if (!item) {
            qWarning() << component.errorString();
            return false;
        }
        window.resize(size);
        item->setParentItem(window.contentItem());
        item->setSize(QSizeF(size));
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    void click(QQuickItem *target) { ShellTest::click(&window, target); }
};

} // namespace

class TestPictureWordViews : public QObject
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
        QTest::newRow("phonics-train") << u"PhonicsTrainGameView"_s;
        QTest::newRow("idiom-pictures") << u"PictureWordGameView"_s;
        QTest::newRow("sentence-maker") << u"SentenceMakerGameView"_s;
    }
    void viewLaysOutItsTiles()
    {
        QFETCH(QString, view);
        GameTestWorld world;
        ShellTest::warnings().clear();
        ViewWindow w;
        QVERIFY(w.open(view));
        auto *game = w.item->property("game").value<RoundQuizGame *>();
        QVERIFY(game);
        QVERIFY(!game->session().isEmpty()); // the page appeared and picked its session
        QTest::qWait(300);

        // Three tiles side by side, inside the window, and the layout fits the window.
        QVERIFY(w.item->implicitHeight() > 400 && w.item->implicitHeight() <= 760);
        QSet<int> lefts;
        qreal top = -1;
        for (int i = 0; i < 3; ++i) {
            QQuickItem *tile = findNamed(w.item, u"tile%1"_s.arg(i));
            QVERIFY2(tile, qPrintable(u"tile%1"_s.arg(i)));
            const QRectF box = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height()));
            QVERIFY2(QRectF(0, 0, 1100, 760).contains(box), qPrintable(view));
            QVERIFY(box.height() >= 100);
            lefts.insert(int(box.x()));
            if (top >= 0)
                QCOMPARE(box.y(), top);
            top = box.y();
        }
        QCOMPARE(lefts.size(), 3);

        // The first tile is never the answer of a sentence; a click on it answers.
        w.click(findNamed(w.item, u"tile0"_s));
        QVERIFY(game->locked() || game->wrongAttempt() == 1 || !game->property("selected").toStringList().isEmpty());
        QTest::qWait(50);
        QVERIFY2(viewWarnings().isEmpty(), qPrintable(viewWarnings().join(u'\n')));
    }

    // A wrong letter tile turns mango; the right one turns mint during the pause.
    void phonicsTilesTakeTheirColours()
    {
        GameTestWorld world;
        ViewWindow w;
        QVERIFY(w.open(u"PhonicsTrainGameView"_s));
        auto *game = w.item->property("game").value<PhonicsTrainGame *>();
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
        QVERIFY(w.open(u"SentenceMakerGameView"_s));
        auto *game = w.item->property("game").value<SentenceMakerGame *>();
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
};

QTEST_MAIN(TestPictureWordViews)
#include "tst_picture_word_views.moc"
