// Spot the difference: whole plays through the game on the manual clock, the fresh seed,
// and the painted copies of the scene: which look each copy shows, the found marks, and
// where a tap hits a piece.

#include "AppTheme.h"
#include "GameTestSupport.h"
#include "MagicSceneModule.h"
#include "ModularDifferenceScene.h"
#include "ModularSpotDifferenceGame.h"
#include "Patience.h"

#include <QPainter>
#include <QQuickWindow>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString wrongLine = u"这里没有变化，Oops！再看看颜色、花瓣或叶子。"_s;

QList<int> sorted(const QSet<int> &set)
{
    QList<int> list = set.values();
    std::sort(list.begin(), list.end());
    return list;
}

// The first piece that is not a difference.
int unchangedPiece(const ModularSpotLevel &level)
{
    for (int id = 0; id < ModularSpotLevel::pieceCount; ++id) {
        if (!level.differenceIDs.contains(id))
            return id;
    }
    return -1;
}

// Both copies of the scene in one window, 1000 × 440: side by side, 480 × 420 each.
struct SceneWindow
{
    QQuickWindow window;
    ModularDifferenceScene original{window.contentItem()};
    ModularDifferenceScene changed{window.contentItem()};

    explicit SceneWindow(ModularSpotDifferenceGame *game)
    {
        window.resize(1000, 440);
        original.setGame(game);
        changed.setGame(game);
        changed.setIsChanged(true);
        original.setPosition({10, 10});
        original.setSize({480, 420});
        changed.setPosition({510, 10});
        changed.setSize({480, 420});
        window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window, Patience::waitMs); }
    void click(ModularDifferenceScene &scene, QPointF at)
    {
        QTest::mouseClick(&window, Qt::LeftButton, {}, scene.mapToScene(at).toPoint());
    }
};

// The copy painted into an image of the item's size.
QImage painted(ModularDifferenceScene &scene)
{
    QImage image(scene.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.paint(&painter);
    return image;
}

bool nearColour(QRgb pixel, const QColor &colour, int tolerance = 40)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance
        && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

} // namespace

class TestModularSpotDifference : public QObject
{
    Q_OBJECT
private slots:
    void freshSeedMixesTheClock();
    void playedWithoutMistakes();
    void playedWithMistakesAndRepeats();
    void tapsBeforeTheLevelAndAfterTheLastFind();
    void leavingDuringTheLastWait();
    void layoutWidths();
    void sceneAndSquareSizes();
    void eachCopyShowsItsLooks();
    void looksOfThePieces();
    void hitTesting();
    void foundMarksInBothCopies();
    void fadingMarkBetweenThePieces();
    void playedByTappingTheCentres();
};

void TestModularSpotDifference::freshSeedMixesTheClock()
{
    const QDateTime epoch(QDate(1970, 1, 1), QTime(0, 0), QTimeZone::utc());
    QCOMPARE(ModularSpotDifferenceGame::freshSeed(0xABCDEF, epoch.addMSecs(1500)), 0xABCDEFULL ^ 1500ULL);
    // Before 1970 the time part is 0, not a wrapped negative number.
    QCOMPARE(ModularSpotDifferenceGame::freshSeed(0xABCDEF, epoch.addMSecs(-1)), 0xABCDEFULL);
    QCOMPARE(ModularSpotDifferenceGame::freshSeed(0xABCDEF, QDateTime(QDate(1900, 5, 1), QTime(12, 0), QTimeZone::utc())),
             0xABCDEFULL);

    // The game draws the random part from the shared source and mixes in the clock.
    GameTestWorld world(99);
    const quint64 random = Random::shared().word(1, std::numeric_limits<quint64>::max());
    Random::shared().seed(99);
    ModularSpotDifferenceGame game;
    game.appear();
    QVERIFY(game.level());
    const quint64 seed = random ^ quint64(world.clock.now().toMSecsSinceEpoch());
    QVERIFY(*game.level() == ModularSpotLevel::make(seed));

    // The next play gets another level; appearing again keeps the level.
    const ModularSpotLevel first = *game.level();
    game.appear();
    QVERIFY(*game.level() == first);
    ModularSpotDifferenceGame next;
    next.appear();
    QVERIFY(!(*next.level() == first));
}

void TestModularSpotDifference::playedWithoutMistakes()
{
    GameTestWorld world(5);
    world.settings.setBoolean(u"pipwhistle.soundEnabled.v1"_s, true);
    SpeechLog speech;
    ModularSpotDifferenceGame game;
    ReportLog log;
    log.attach(game);
    QVERIFY(!game.ready());
    QCOMPARE(game.feedback(), u"两边的花园看起来很像，仔细找找哪里变了。"_s);
    QVERIFY(!game.feedbackGood());

    game.appear();
    QVERIFY(game.ready());
    const ModularSpotLevel level = *game.level();
    const int k = int(level.differenceIDs.size());
    QCOMPARE(speech.spoken(), QStringList{u"请听题，请在"_s + level.title + u"里找出"_s + QString::number(k) + u"处不同。"_s});
    QCOMPARE(game.heading(), u"大家来找茬 · "_s + level.title);
    QCOMPARE(game.subheading(), u"每次都是新画面 · 找出 "_s + QString::number(k) + u" 处变化"_s);
    QCOMPARE(game.progress(), u"⭐ 0/"_s + QString::number(k));
    // The instruction is spoken, not shown.
    QCOMPARE(game.feedback(), u"两边的花园看起来很像，仔细找找哪里变了。"_s);

    const QList<int> ids = sorted(level.differenceIDs);
    for (int n = 0; n < k; ++n) {
        const ModularScenePiece &piece = level.pieces.at(ids[n]);
        game.tap(piece);
        QCOMPARE(game.foundCount(), n + 1);
        QCOMPARE(game.progress(), u"⭐ %1/%2"_s.arg(n + 1).arg(k));
        QVERIFY(game.feedbackGood());
        if (n + 1 < k) {
            QCOMPARE(game.feedback(), u"找到啦！"_s + MagicSceneModule::phrase(piece.kind));
            QVERIFY(speech.spoken().isEmpty()); // a find that is not the last is silent
        }
    }
    QVERIFY(game.completing());
    QCOMPARE(game.feedback(), u"全部找到了，Wonderful！"_s);
    QCOMPARE(speech.spoken(), QStringList{u"Wonderful!"_s});
    QCOMPARE(game.wrongAttempt(), 0);

    world.clock.advance(ModularSpotDifferenceGame::reportMs - 1);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestModularSpotDifference::playedWithMistakesAndRepeats()
{
    GameTestWorld world(6);
    world.settings.setBoolean(u"pipwhistle.soundEnabled.v1"_s, true);
    SpeechLog speech;
    ModularSpotDifferenceGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    speech.spoken();
    const ModularSpotLevel level = *game.level();
    const QList<int> ids = sorted(level.differenceIDs);
    const int unchanged = unchangedPiece(level);

    // A wrong tap: a hint, a shake and the soft sound, nothing found.
    game.tap(level.pieces.at(unchanged));
    QCOMPARE(game.wrongAttempt(), 1);
    QCOMPARE(game.feedback(), wrongLine);
    QVERIFY(!game.feedbackGood());
    QCOMPARE(speech.spoken(), QStringList{u"Oops!"_s});
    QCOMPARE(game.foundCount(), 0);

    // A find, by its id as a screen reader presses it, then the same piece again: nothing
    // at all the second time, whichever copy it comes from.
    game.tapPiece(ids[0]);
    const QString foundLine = game.feedback();
    QCOMPARE(foundLine, u"找到啦！"_s + MagicSceneModule::phrase(level.pieces.at(ids[0]).kind));
    game.tap(level.pieces.at(ids[0]));
    game.tapPiece(ids[0]);
    QCOMPARE(game.feedback(), foundLine);
    QCOMPARE(game.wrongAttempt(), 1);
    QCOMPARE(game.foundCount(), 1);
    QVERIFY(speech.spoken().isEmpty());

    // Unknown ids are nobody's piece.
    game.tapPiece(-1);
    game.tapPiece(20);
    QCOMPARE(game.wrongAttempt(), 1);

    // More wrong taps in between; the score stays full.
    for (int n = 1; n < ids.size(); ++n) {
        game.tap(level.pieces.at(unchanged));
        game.tap(level.pieces.at(ids[n]));
    }
    QCOMPARE(game.wrongAttempt(), int(ids.size()));
    QVERIFY(game.completing());
    world.clock.advance(ModularSpotDifferenceGame::reportMs);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

void TestModularSpotDifference::tapsBeforeTheLevelAndAfterTheLastFind()
{
    GameTestWorld world(8);
    world.settings.setBoolean(u"pipwhistle.soundEnabled.v1"_s, true);
    SpeechLog speech;
    ModularSpotDifferenceGame game;
    ReportLog log;
    log.attach(game);
    const ModularSpotLevel other = ModularSpotLevel::make(1);
    for (const ModularScenePiece &piece : other.pieces)
        game.tap(piece);
    QCOMPARE(game.wrongAttempt(), 0);
    QCOMPARE(game.foundCount(), 0);
    QVERIFY(speech.spoken().isEmpty());

    game.appear();
    speech.spoken();
    const ModularSpotLevel level = *game.level();
    for (int id : sorted(level.differenceIDs))
        game.tapPiece(id);
    speech.spoken();
    // Completing: every tap is ignored, right or wrong.
    for (const ModularScenePiece &piece : level.pieces)
        game.tap(piece);
    QCOMPARE(game.wrongAttempt(), 0);
    QCOMPARE(game.feedback(), u"全部找到了，Wonderful！"_s);
    QVERIFY(speech.spoken().isEmpty());
    world.clock.advance(ModularSpotDifferenceGame::reportMs);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

void TestModularSpotDifference::leavingDuringTheLastWait()
{
    GameTestWorld world(9);
    ReportLog log;
    {
        auto game = std::make_unique<ModularSpotDifferenceGame>();
        log.attach(*game);
        game->appear();
        for (int id : sorted(game->level()->differenceIDs))
            game->tapPiece(id);
        world.clock.advance(300);
    } // the page goes during the wait
    QCOMPARE(log.count(), 0);
    world.clock.advance(ModularSpotDifferenceGame::reportMs);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.runUntilIdle();
    QCOMPARE(log.count(), 1);
}

void TestModularSpotDifference::layoutWidths()
{
    QVERIFY(!ModularSpotDifferenceGame::sideBySide(760));
    QVERIFY(ModularSpotDifferenceGame::sideBySide(760.5));
    QVERIFY(!ModularSpotDifferenceGame::sideBySide(500));
}

void TestModularSpotDifference::sceneAndSquareSizes()
{
    QCOMPARE(ModularDifferenceScene::fittedScene({590, 1000}), QRectF(0, 250, 590, 500));
    QCOMPARE(ModularDifferenceScene::fittedScene({1180, 500}), QRectF(295, 0, 590, 500));
    QVERIFY(ModularDifferenceScene::fittedScene({0, 300}).isEmpty());
    // In a scene 400 wide: 0.085 gives 34, below the least side of 46; 0.121 gives 48.4.
    QCOMPARE(ModularDifferenceScene::pieceSide(400, 0.085), 46.0);
    QCOMPARE(ModularDifferenceScene::pieceSide(400, 0.121), 400 * 0.121);

    // The item keeps half the border's width around the scene.
    GameTestWorld world;
    ModularSpotDifferenceGame game;
    game.appear();
    ModularDifferenceScene scene;
    scene.setGame(&game);
    scene.setSize({594, 1004});
    QCOMPARE(scene.sceneRect(), QRectF(2, 252, 590, 500));
    const ModularScenePiece &piece = game.level()->pieces.at(7);
    const QRectF square = scene.pieceSquare(7);
    QCOMPARE(square.center(), QPointF(2 + piece.x * 590, 252 + piece.y * 500));
    QCOMPARE(square.width(), std::max(46.0, 590 * piece.size));
    QCOMPARE(square.height(), square.width());
    const QVariantMap area = scene.pieceAreas().at(7).toMap();
    QCOMPARE(area.value(u"x"_s).toDouble(), square.x());
    QCOMPARE(area.value(u"label"_s).toString(), MagicSceneModule::phrase(piece.kind));
}

void TestModularSpotDifference::eachCopyShowsItsLooks()
{
    ModularSpotLevel level = ModularSpotLevel::make(1);
    const int unchanged = unchangedPiece(level);
    // A changed look on a piece that is not a difference is never shown.
    level.pieces[unchanged].changedVariant = (level.pieces[unchanged].baseVariant + 1) % 3;
    for (const ModularScenePiece &piece : level.pieces) {
        QCOMPARE(ModularDifferenceScene::shownVariant(level, piece, false), piece.baseVariant);
        QCOMPARE(ModularDifferenceScene::shownVariant(level, piece, true),
                 level.differenceIDs.contains(piece.id) ? piece.changedVariant : piece.baseVariant);
    }
    QCOMPARE(ModularDifferenceScene::shownVariant(level, level.pieces[2], true), 2); // the butterfly of seed 1
}

void TestModularSpotDifference::looksOfThePieces()
{
    using MagicSceneModule::Shape;
    using MagicSceneModule::shapes;
    const auto count = [](const QList<Shape> &list, Shape::Form form, double w) {
        return std::count_if(list.begin(), list.end(), [&](const Shape &s) { return s.form == form && s.w == w; });
    };

    // Flowers: 4, 5, 6 petals around one centre, evenly turned, in the palette's colours.
    for (int v = 0; v < 3; ++v) {
        const QList<Shape> flower = shapes(ModularModuleKind::flower, v);
        QCOMPARE(flower.size(), v + 4 + 1);
        for (int i = 0; i < v + 4; ++i) {
            QCOMPARE(flower[i].angle, i * 360.0 / (v + 4));
            QCOMPARE(QPointF(flower[i].dx, flower[i].dy), QPointF(0, -0.17));
            QCOMPARE(flower[i].color.rgb(), MagicSceneModule::palette()[v].rgb());
        }
        QCOMPARE(flower.last().color, AppTheme::mango());
    }
    QCOMPARE(shapes(ModularModuleKind::flower, 2)[1].angle, 60.0);

    // Leaves: one, two, three; the third turned +46° to the right.
    const QList<Shape> leaves = shapes(ModularModuleKind::leaf, 2);
    QCOMPARE(count(leaves, Shape::Capsule, 0.27), 3);
    QCOMPARE(leaves[2].angle, 46.0);
    QCOMPARE(leaves[2].dx, 0.15);
    QCOMPARE(leaves[0].color.rgb(), AppTheme::sky().rgb());

    // Stones: no spot, one, two; the middle look is wider.
    QCOMPARE(count(shapes(ModularModuleKind::stone, 0), Shape::Circle, 0.09), 0);
    QCOMPARE(count(shapes(ModularModuleKind::stone, 2), Shape::Circle, 0.09), 2);
    QCOMPARE(shapes(ModularModuleKind::stone, 1)[0].w, 0.83);
    QCOMPARE(shapes(ModularModuleKind::stone, 2)[0].w, 0.68);

    // Lanterns: only the light changes.
    QCOMPARE(shapes(ModularModuleKind::lantern, 1)[1].color, AppTheme::coral());
    QCOMPARE(shapes(ModularModuleKind::lantern, 2)[1].color, AppTheme::sky());
    QCOMPARE(shapes(ModularModuleKind::lantern, 0).last().form, Shape::Ring);

    // Clouds: no drop, one in the middle, two at ±0.09.
    QCOMPARE(shapes(ModularModuleKind::cloud, 0).size(), 3);
    QCOMPARE(shapes(ModularModuleKind::cloud, 1)[3].dx, 0.0);
    const QList<Shape> rainy = shapes(ModularModuleKind::cloud, 2);
    QCOMPARE(rainy.size(), 5);
    QVERIFY(qFuzzyCompare(rainy[3].dx, -0.09) && qFuzzyCompare(rainy[4].dx, 0.09));
    QCOMPARE(rainy[4].dy, 0.35);

    // Mushrooms: 1, 2, 3 dots, the three at -0.18, 0 and 0.18.
    const QList<Shape> mushroom = shapes(ModularModuleKind::mushroom, 2);
    QCOMPARE(mushroom[1].color, AppTheme::purple());
    QVERIFY(qFuzzyCompare(mushroom[2].dx, -0.18) && qFuzzyIsNull(mushroom[3].dx) && qFuzzyCompare(mushroom[4].dx, 0.18));

    // Berries: 2, 3, 4; the fourth under the first.
    const QList<Shape> berries = shapes(ModularModuleKind::berries, 2);
    QCOMPARE(count(berries, Shape::Circle, 0.28), 4);
    QCOMPARE(QPointF(berries[3].dx, berries[3].dy), QPointF(-0.26, 0.24));
    QCOMPARE(berries[3].color, AppTheme::mango());
    QCOMPARE(QPointF(shapes(ModularModuleKind::berries, 0)[1].dx, 0), QPointF(0, 0));

    // Every look of every kind draws; a negative look draws like its distance from zero.
    for (ModularModuleKind kind : allModularModuleKinds) {
        QVERIFY(!shapes(kind, 0).isEmpty());
        QCOMPARE(shapes(kind, -2), shapes(kind, 2));
    }

    // In an area that is not square, s is the shorter side and the drawing is centred.
    QImage wide(200, 100, QImage::Format_ARGB32_Premultiplied);
    wide.fill(Qt::transparent);
    QPainter painter(&wide);
    MagicSceneModule::paint(painter, QRectF(0, 0, 200, 100), ModularModuleKind::berries, 0);
    painter.end();
    // The berry at (0, 0) sits on the centre; nothing is drawn at the far sides.
    QVERIFY(nearColour(wide.pixel(100, 50), AppTheme::coral()));
    QCOMPARE(qAlpha(wide.pixel(5, 50)), 0);
    QCOMPARE(qAlpha(wide.pixel(195, 50)), 0);
}

void TestModularSpotDifference::hitTesting()
{
    GameTestWorld world(12);
    ModularSpotDifferenceGame game;
    game.appear();
    ModularDifferenceScene scene;
    scene.setGame(&game);
    scene.setSize({404, 404 / 1.18 + 4});
    const ModularSpotLevel &level = *game.level();

    // A piece whose circle no later piece overlaps takes its centre, the edge of its circle,
    // and not the corners of its square.
    int checked = 0;
    for (const ModularScenePiece &piece : level.pieces) {
        const QRectF square = scene.pieceSquare(piece.id);
        const QPointF c = square.center();
        const double r = square.width() / 2;
        if (scene.pieceAt(c) != piece.id)
            continue;
        ++checked;
        const QPointF inside = c + QPointF(r * 0.999 / std::sqrt(2.0), r * 0.999 / std::sqrt(2.0));
        if (scene.pieceAt(inside) == piece.id && scene.pieceAt(c + QPointF(0, -r * 0.999)) == piece.id) {
            // Just outside the circle along the diagonal, still inside the square.
            const QPointF corner = c + QPointF(r * 0.95, r * 0.95);
            QVERIFY(square.contains(corner));
            QVERIFY(scene.pieceAt(corner) != piece.id);
        }
    }
    QVERIFY(checked >= 10);

    // Between the pieces nothing is hit, and the item lets the tap through.
    QCOMPARE(scene.pieceAt({1, 1}), -1);
    QVERIFY(!scene.contains({1, 1}));

    // Overlapping circles (a small scene, where the least side makes neighbours overlap):
    // the later piece takes the shared part.
    scene.setSize({244, 240 / 1.18 + 4});
    bool overlapSeen = false;
    for (int a = 0; a < ModularSpotLevel::pieceCount; ++a) {
        for (int b = a + 1; b < ModularSpotLevel::pieceCount; ++b) {
            const QRectF sa = scene.pieceSquare(a);
            const QRectF sb = scene.pieceSquare(b);
            const QPointF d = sb.center() - sa.center();
            const double distance = std::hypot(d.x(), d.y());
            if (distance >= (sa.width() + sb.width()) / 2 - 2)
                continue;
            // A point on the line between the centres inside both circles.
            const double ra = sa.width() / 2;
            const QPointF shared = sa.center() + d / distance * (distance - sb.width() / 2 + 1);
            QVERIFY(std::hypot(shared.x() - sa.center().x(), shared.y() - sa.center().y()) < ra);
            const int hit = scene.pieceAt(shared);
            QVERIFY2(hit >= b, qPrintable(u"pieces %1 and %2"_s.arg(a).arg(b)));
            overlapSeen = true;
        }
    }
    QVERIFY(overlapSeen);
}

void TestModularSpotDifference::foundMarksInBothCopies()
{
    GameTestWorld world(21);
    ModularSpotDifferenceGame game;
    game.appear();
    ModularDifferenceScene original;
    ModularDifferenceScene changed;
    for (ModularDifferenceScene *scene : {&original, &changed}) {
        scene->setGame(&game);
        scene->setSize({600, 600 / 1.18 + 4});
    }
    changed.setIsChanged(true);
    const ModularSpotLevel &level = *game.level();
    const int id = sorted(level.differenceIDs).first();
    // The top of the ring, inside its line.
    const QRectF square = original.pieceSquare(id);
    const QPoint ringTop = (square.center() - QPointF(0, square.width() / 2 - 1)).toPoint();
    const QImage beforeOriginal = painted(original);
    const QImage beforeChanged = painted(changed);
    QVERIFY(beforeOriginal != beforeChanged); // the copies differ at the differences

    game.tapPiece(id);
    const QImage afterOriginal = painted(original);
    const QImage afterChanged = painted(changed);
    for (const QImage &after : {afterOriginal, afterChanged})
        QVERIFY(nearColour(after.pixel(ringTop), AppTheme::coral(), 24));
    QVERIFY(afterOriginal != beforeOriginal);
    // No mark on a piece that is not found.
    const int other = sorted(level.differenceIDs).last();
    const QRectF otherSquare = original.pieceSquare(other);
    const QPoint otherTop = (otherSquare.center() - QPointF(0, otherSquare.width() / 2 - 1)).toPoint();
    QCOMPARE(afterChanged.pixel(otherTop), beforeChanged.pixel(otherTop));
}

void TestModularSpotDifference::fadingMarkBetweenThePieces()
{
    // While the newest mark fades in, a picture as small as the mark shows it over the
    // copy, from a picture of what lies under the mark and one of what lies over it:
    // every frame, the first included, looks as the copy painted whole would, a later
    // piece that overlaps the mark still above it, and only the last frame of the fade
    // (or a find) paints the whole copy again.
    struct CountedScene : ModularDifferenceScene
    {
        using ModularDifferenceScene::ModularDifferenceScene;
        int paints = 0;
        void paint(QPainter *painter) override
        {
            ++paints;
            ModularDifferenceScene::paint(painter);
        }
    };
    GameTestWorld world(21);
    ModularSpotDifferenceGame game;
    game.appear();
    QQuickWindow window;
    window.resize(260, 230);
    CountedScene scene(window.contentItem());
    scene.setGame(&game);
    scene.setPosition({8, 8});
    scene.setSize({244, 240 / 1.18 + 4}); // small: neighbours overlap
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window, Patience::waitMs));
    const QList<int> ids = sorted(game.level()->differenceIDs);
    const auto overlapped = [&](int a) {
        for (int b = a + 1; b < ModularSpotLevel::pieceCount; ++b) {
            const QRectF sa = scene.pieceSquare(a), sb = scene.pieceSquare(b);
            const QPointF d = sb.center() - sa.center();
            if (std::hypot(d.x(), d.y()) < (sa.width() + sb.width()) / 2)
                return true;
        }
        return false;
    };
    const auto it = std::find_if(ids.begin(), ids.end(), overlapped);
    QVERIFY(it != ids.end());
    const auto maxDifference = [](const QImage &a, const QImage &b) {
        int most = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                 std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            }
        return most;
    };
    const QImage unmarked = window.grabWindow();
    const int paintsBefore = scene.paints;
    int unchanged = 0;
    while (game.level()->differenceIDs.contains(unchanged))
        ++unchanged;
    game.tapPiece(unchanged); // a wrong tap: nothing to paint
    window.grabWindow();
    QCOMPARE(scene.paints, paintsBefore);
    const auto fadesIn = [&](QImage &start) {
        scene.setMarkOpacity(0);
        start = window.grabWindow();
        const int paints = scene.paints;
        scene.setMarkOpacity(0.3);
        const QImage early = window.grabWindow();
        scene.setMarkOpacity(0.999);
        const QImage late = window.grabWindow();
        QCOMPARE(scene.paints, paints);
        scene.setMarkOpacity(1);
        const QImage whole = window.grabWindow();
        QCOMPARE(scene.paints, paints + 1);
        QVERIFY(maxDifference(late, whole) <= 2);
        QVERIFY(maxDifference(early, whole) > 40);
    };
    QImage start;
    game.tapPiece(*it);
    fadesIn(start);
    QVERIFY(maxDifference(start, unmarked) <= 2);
    // A find during the fade: the copy is painted with the last mark in, and the small
    // picture shows the new one.
    scene.setMarkOpacity(0.5);
    window.grabWindow();
    game.tapPiece(*it == ids.first() ? ids.last() : ids.first());
    fadesIn(start);
}

void TestModularSpotDifference::playedByTappingTheCentres()
{
    GameTestWorld world(33);
    ModularSpotDifferenceGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    SceneWindow scenes(&game);
    QVERIFY(scenes.exposed());
    const ModularSpotLevel &level = *game.level();

    // A tap between the pieces reaches nothing.
    scenes.click(scenes.original, {3, 3});
    QCOMPARE(game.wrongAttempt(), 0);
    // An unchanged piece tapped at its centre in the changed copy is a wrong tap.
    int unchanged = -1;
    for (int id = 0; id < ModularSpotLevel::pieceCount && unchanged < 0; ++id) {
        if (!level.differenceIDs.contains(id) && scenes.changed.pieceAt(scenes.changed.pieceCentre(id)) == id)
            unchanged = id;
    }
    QVERIFY(unchanged >= 0);
    scenes.click(scenes.changed, scenes.changed.pieceCentre(unchanged));
    QCOMPARE(game.wrongAttempt(), 1);
    QCOMPARE(game.foundCount(), 0);

    // Every difference at its centre, alternately in either copy; the one on top is taken
    // where a later piece covers a centre.
    const QList<int> ids = sorted(level.differenceIDs);
    int n = 0;
    for (int id : ids) {
        ModularDifferenceScene &scene = n++ % 2 ? scenes.changed : scenes.original;
        const QPointF at = scene.tapPoint(id);
        QCOMPARE(scene.pieceAt(at), id);
        scenes.click(scene, at);
        QCOMPARE(game.foundCount(), n);
        QVERIFY(game.found().contains(id));
    }
    QCOMPARE(game.wrongAttempt(), 1);
    QVERIFY(game.completing());
    world.clock.advance(ModularSpotDifferenceGame::reportMs);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
}

QTEST_MAIN(TestModularSpotDifference)
#include "tst_modular_spot_difference.moc"
