#include "AppTheme.h"
#include "ModularSpotLevel.h"
#include "SeededRandom.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QList<int> sorted(const QSet<int> &set)
{
    QList<int> list = set.values();
    std::sort(list.begin(), list.end());
    return list;
}

// The jittered coordinate base + (r / 10000 - 0.5) * spread, each step rounded to double
// on its own (the volatiles keep the compiler from fusing them), and the same with the
// multiply and add fused.
double unfused(double base, double r, double spread)
{
    volatile double t = r / 10000.0 - 0.5;
    volatile double jitter = t * spread;
    return base + jitter;
}

double fused(double base, double r, double spread)
{
    return std::fma(r / 10000.0 - 0.5, spread, base);
}

// The draw r (0 to 10000) behind a jittered coordinate.
double drawBehind(double value, double base, double spread)
{
    return std::round(((value - base) / spread + 0.5) * 10000.0);
}

void checkScene(const ModularSpotLevel &level, const QString &title, const QString &artwork,
                const QColor &tint, const QList<int> &differences)
{
    QCOMPARE(level.title, title);
    QCOMPARE(level.artwork, artwork);
    QCOMPARE(level.tint, tint);
    QCOMPARE(sorted(level.differenceIDs), differences);
}

} // namespace

class TestSpotDifferenceLevel : public QObject
{
    Q_OBJECT
private slots:
    void splitMixFromStateZero();
    void seedOne();
    void seedFortyTwo();
    void seedZeroIsTheGoldenGamma();
    void invariantsOverManySeeds();
    void positionsDoNotDependOnFusedMultiplyAdd();
};

void TestSpotDifferenceLevel::splitMixFromStateZero()
{
    SplitMix64 random(0);
    QCOMPARE(random.next(), 0xE220A8397B1DCDAFULL);
}

void TestSpotDifferenceLevel::seedOne()
{
    const ModularSpotLevel level = ModularSpotLevel::make(1);
    checkScene(level, u"彩虹城堡"_s, u"spot_pair_006"_s, AppTheme::coral(), {2, 6, 7, 14, 18, 19});

    const ModularScenePiece &first = level.pieces[0];
    QCOMPARE(first.kind, ModularModuleKind::cloud);
    // To the last bit: these are the doubles nearest the printed decimals.
    QVERIFY(first.x == 0.11351);
    QVERIFY(first.y == 0.1148464);
    QVERIFY(first.size == 0.085 + 3 * 0.012);
    QVERIFY(qFuzzyCompare(first.size, 0.121));
    QCOMPARE(first.baseVariant, 0);
    QCOMPARE(first.changedVariant, 0);

    const ModularScenePiece &third = level.pieces[2];
    QCOMPARE(third.kind, ModularModuleKind::butterfly);
    QCOMPARE(third.baseVariant, 0);
    QCOMPARE(third.changedVariant, 2);

    // The last piece is a difference too: its changed look comes from the draw after its
    // base look, and its kind from the one after that.
    const ModularScenePiece &last = level.pieces[19];
    QCOMPARE(last.kind, ModularModuleKind::flower);
    QCOMPARE(last.baseVariant, 2);
    QCOMPARE(last.changedVariant, 1);
    QVERIFY(last.x == 0x1.bae87d2c7b891p-1);
    QVERIFY(last.y == 0x1.af1a4f369ef88p-1);
}

void TestSpotDifferenceLevel::seedFortyTwo()
{
    const ModularSpotLevel level = ModularSpotLevel::make(42);
    checkScene(level, u"阳光农场"_s, u"spot_pair_004"_s, AppTheme::mango(), {0, 2, 3, 7, 9, 12});
    QCOMPARE(level.pieces[0].kind, ModularModuleKind::leaf);
    QCOMPARE(level.pieces[0].baseVariant, 1);
    QCOMPARE(level.pieces[0].changedVariant, 0);
    QVERIFY(level.pieces[0].x == 0x1.70b8cfbfc654p-4);
    QVERIFY(level.pieces[0].y == 0x1.c02bd49a20a82p-4);
}

void TestSpotDifferenceLevel::seedZeroIsTheGoldenGamma()
{
    const ModularSpotLevel zero = ModularSpotLevel::make(0);
    QVERIFY(zero == ModularSpotLevel::make(0x9E3779B97F4A7C15ULL));
    QCOMPARE(zero.artwork, u"spot_pair_001"_s);
    QVERIFY(!(zero == ModularSpotLevel::make(1)));
}

void TestSpotDifferenceLevel::invariantsOverManySeeds()
{
    const QList<QColor> tints = {AppTheme::mint(),  AppTheme::sky(),   AppTheme::purple(),
                                 AppTheme::mango(), AppTheme::purple(), AppTheme::coral(),
                                 AppTheme::sky(),   AppTheme::mango(), AppTheme::mint(),
                                 AppTheme::coral()};
    QSet<int> counts;
    QSet<QString> artworks;
    QSet<ModularModuleKind> kinds;
    QSet<double> sizes;
    quint64 seed = 7;
    for (int n = 0; n < 2000; ++n) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const ModularSpotLevel level = ModularSpotLevel::make(seed);
        QVERIFY(level == ModularSpotLevel::make(seed));

        const int k = int(level.differenceIDs.size());
        QVERIFY2(k >= 5 && k <= 10, qPrintable(QString::number(seed)));
        counts.insert(k);
        const int index = level.artwork.right(3).toInt() - 1;
        QVERIFY(index >= 0 && index < 10);
        QCOMPARE(level.artwork, u"spot_pair_%1"_s.arg(index + 1, 3, 10, QChar(u'0')));
        QCOMPARE(level.title, QString::fromUtf8(ModularSpotLevel::sceneTemplates()[index].title));
        QCOMPARE(level.tint, tints[index]);
        artworks.insert(level.artwork);

        QCOMPARE(level.pieces.size(), 20);
        int changed = 0;
        for (int id = 0; id < 20; ++id) {
            const ModularScenePiece &piece = level.pieces[id];
            QCOMPARE(piece.id, id);
            QVERIFY(piece.baseVariant >= 0 && piece.baseVariant <= 2);
            QVERIFY(piece.changedVariant >= 0 && piece.changedVariant <= 2);
            QCOMPARE(piece.changedVariant != piece.baseVariant, level.differenceIDs.contains(id));
            changed += piece.changedVariant != piece.baseVariant;
            const auto [bx, by] = ModularSpotLevel::basePoints()[std::size_t(id)];
            QVERIFY(std::abs(piece.x - bx) <= 0.025 + 1e-12);
            QVERIFY(std::abs(piece.y - by) <= 0.022 + 1e-12);
            QVERIFY(piece.x >= 0.055 && piece.x <= 0.905);
            QVERIFY(piece.y >= 0.098 && piece.y <= 0.872);
            kinds.insert(piece.kind);
            sizes.insert(piece.size);
        }
        QCOMPARE(changed, k);
    }
    QCOMPARE(counts, (QSet<int>{5, 6, 7, 8, 9, 10}));
    QCOMPARE(artworks.size(), 10);
    QCOMPARE(kinds.size(), 8);
    QCOMPARE(sizes, (QSet<double>{0.085, 0.085 + 0.012, 0.085 + 2 * 0.012, 0.085 + 3 * 0.012}));
}

void TestSpotDifferenceLevel::positionsDoNotDependOnFusedMultiplyAdd()
{
    // Every coordinate is its base plus a jitter rounded on its own; where a fused
    // multiply-add would round differently (a few percent of the draws), the level still
    // holds the unfused value.
    int fusedWouldDiffer = 0;
    for (quint64 seed = 1; seed <= 300; ++seed) {
        const ModularSpotLevel level = ModularSpotLevel::make(seed);
        for (const ModularScenePiece &piece : level.pieces) {
            const auto [bx, by] = ModularSpotLevel::basePoints()[std::size_t(piece.id)];
            const double rx = drawBehind(piece.x, bx, 0.05);
            const double ry = drawBehind(piece.y, by, 0.044);
            QVERIFY(rx >= 0 && rx <= 10000 && ry >= 0 && ry <= 10000);
            QVERIFY(piece.x == unfused(bx, rx, 0.05));
            QVERIFY(piece.y == unfused(by, ry, 0.044));
            fusedWouldDiffer += fused(bx, rx, 0.05) != piece.x;
            fusedWouldDiffer += fused(by, ry, 0.044) != piece.y;
        }
    }
    QVERIFY(fusedWouldDiffer > 0);
}

QTEST_GUILESS_MAIN(TestSpotDifferenceLevel)
#include "tst_spot_difference_level.moc"
