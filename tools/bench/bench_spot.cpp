// Spot the difference in Qt Quick's software renderer: the game page in a 1180 × 820
// window, both copies of the scene repainted every frame (as when a difference is found
// and its mark appears in both). Prints the frame time (synchronising and rendering the
// whole page) and the time one copy's paint() takes.
//
//   build/tools/bench/bench_spot [--frames N] [--size WxH] [--seed N]
//   build/tools/bench/bench_spot --snapshots DIR [--seed N]
//
// With --snapshots it writes the page of the level of each seed given (and of the next
// seed), before any find, after two finds and a wrong tap, and with every difference
// found, at 1180 × 820 and at 800 × 600. The seed seeds the shared random source and the
// clock stands before 1970, so the level's seed is the source's first draw.

#include "BenchFigures.h"
#include "BenchPage.h"
#include "Clock.h"
#include "ModularDifferenceScene.h"
#include "ModularSpotDifferenceGame.h"
#include "Random.h"
#include "SettingsStore.h"

#include <QCommandLineParser>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

namespace {

ModularDifferenceScene *sceneNamed(QQuickItem *item, const QString &name)
{
    if (auto *scene = qobject_cast<ModularDifferenceScene *>(item); scene && scene->objectName() == name)
        return scene;
    for (QQuickItem *child : item->childItems()) {
        if (auto *found = sceneNamed(child, name))
            return found;
    }
    return nullptr;
}

// The game page with its two copies of the scene.
struct Page : BenchPage
{
    ModularSpotDifferenceGame *game = nullptr;
    ModularDifferenceScene *original = nullptr;
    ModularDifferenceScene *changed = nullptr;

    explicit Page(QSize size)
        : BenchPage(QStringLiteral("spot-difference"), size)
    {
        (void)QTest::qWaitForWindowExposed(&window);
        QTest::qWait(300);
        game = BenchPage::game<ModularSpotDifferenceGame>();
        original = sceneNamed(window.contentItem(), QStringLiteral("originalScene"));
        changed = sceneNamed(window.contentItem(), QStringLiteral("changedScene"));
    }
    bool ready() const { return game && original && changed; }

    void click(ModularDifferenceScene *scene, int id)
    {
        QTest::mouseClick(&window, Qt::LeftButton, {}, scene->mapToScene(scene->tapPoint(id)).toPoint());
    }

    void save(const QString &path)
    {
        QTest::qWait(500); // the shake and the bubble settle
        window.grabWindow().save(path);
        std::printf("%s\n", qPrintable(path));
    }
};

int snapshots(const QString &dir, quint64 seed)
{
    QDir().mkpath(dir);
    for (quint64 s : {seed, seed + 1}) {
        for (const QSize size : {QSize(1180, 820), QSize(800, 600)}) {
            Random::shared().seed(s);
            Page page(size);
            if (!page.ready())
                return 1;
            const ModularSpotLevel &level = *page.game->level();
            const QString stem = QStringLiteral("%1/spot_seed%2_%3x%4").arg(dir).arg(s).arg(size.width()).arg(size.height());
            std::printf("seed %llu: %s, %lld differences\n", static_cast<unsigned long long>(s), qPrintable(level.title),
                        static_cast<long long>(level.differenceIDs.size()));
            page.save(stem + QStringLiteral("_before.png"));
            QList<int> ids = level.differenceIDs.values();
            std::sort(ids.begin(), ids.end());
            int unchanged = 0;
            while (level.differenceIDs.contains(unchanged))
                ++unchanged;
            page.click(page.original, ids[0]);
            page.click(page.changed, ids[1]);
            page.click(page.changed, unchanged);
            page.save(stem + QStringLiteral("_two_found.png"));
            for (int id : ids.mid(2))
                page.click(page.changed, id);
            page.save(stem + QStringLiteral("_all_found.png"));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    useSoftwareRenderer();
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Frames to time."), QStringLiteral("n"), QStringLiteral("200"));
    const QCommandLineOption sizeOption = windowSizeOption(QStringLiteral("1180x820"));
    QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the shared random source."), QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption snapshotOption(QStringLiteral("snapshots"), QStringLiteral("Write snapshots into this folder."), QStringLiteral("dir"));
    parser.addOptions({framesOption, sizeOption, seedOption, snapshotOption});
    parser.process(app);

    MemorySettingsStore settings;
    settings.setBoolean(QStringLiteral("pipwhistle.soundEnabled.v1"), false);
    SettingsStore::setStandard(&settings);
    // Before 1970: the level's seed is the random source's draw alone.
    ManualClock clock(QDateTime(QDate(1969, 7, 20), QTime(20, 17), QTimeZone::utc()));
    Clock::setCurrent(&clock);
    const quint64 seed = parser.value(seedOption).toULongLong();
    if (parser.isSet(snapshotOption))
        return snapshots(parser.value(snapshotOption), seed);

    Random::shared().seed(seed);
    Page page(windowSize(parser, sizeOption));
    if (!page.ready()) {
        std::fprintf(stderr, "the game did not come\n");
        return 1;
    }
    // Half the differences found, so marks are drawn too.
    QList<int> ids = page.game->level()->differenceIDs.values();
    std::sort(ids.begin(), ids.end());
    for (int i = 0; i < ids.size() / 2; ++i)
        page.game->tapPiece(ids[i]);

    FrameTimer frames(page.window, false);
    const int count = parser.value(framesOption).toInt();
    for (int i = 0; i < count; ++i) {
        page.original->update();
        page.changed->update();
        (void)QTest::qWaitFor([&] { return int(frames.all.size()) > i; }, 200);
    }

    // One copy's paint() alone, into an image of its size.
    QElapsedTimer timer;
    timer.start();
    std::vector<double> paints;
    QImage image(page.changed->size().toSize(), QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < count; ++i) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const qint64 start = timer.nsecsElapsed();
        page.changed->paint(&painter);
        paints.push_back((timer.nsecsElapsed() - start) / 1e6);
    }

    const QRectF scene = page.changed->sceneRect();
    std::printf("spot the difference, software renderer, %dx%d window, scenes %.0fx%.0f, %s:\n", page.window.width(),
                page.window.height(), scene.width(), scene.height(), qPrintable(page.game->level()->title));
    print("frame, both copies repainted", summarise(frames.all), frames.all.size());
    print("one copy's paint()", summarise(paints), paints.size());
    Clock::setCurrent(nullptr);
    SettingsStore::setStandard(nullptr);
    return 0;
}
