#include "ModularSpotLevel.h"

#include "AppTheme.h"
#include "SeededRandom.h"

#include <numeric>

// This file is compiled with floating-point contraction off (see the family's
// CMakeLists.txt): a fused multiply-add in the jitter would change the last bits of a
// position on some machines, and the same seed must give the same level everywhere.

const std::array<ModularSceneTemplate, 10> &ModularSpotLevel::sceneTemplates()
{
    static const std::array<ModularSceneTemplate, 10> templates = {{
        {"森林花园", "spot_pair_001", &AppTheme::mint},
        {"珊瑚海湾", "spot_pair_002", &AppTheme::sky},
        {"月光营地", "spot_pair_003", &AppTheme::purple},
        {"阳光农场", "spot_pair_004", &AppTheme::mango},
        {"星空花园", "spot_pair_005", &AppTheme::purple},
        {"彩虹城堡", "spot_pair_006", &AppTheme::coral},
        {"雪国小镇", "spot_pair_007", &AppTheme::sky},
        {"魔法厨房", "spot_pair_008", &AppTheme::mango},
        {"丛林瀑布", "spot_pair_009", &AppTheme::mint},
        {"秋日集市", "spot_pair_010", &AppTheme::coral},
    }};
    return templates;
}

const std::array<std::array<double, 2>, ModularSpotLevel::pieceCount> &ModularSpotLevel::basePoints()
{
    // Four rows of five.
    static const std::array<std::array<double, 2>, pieceCount> points = {{
        {0.09, 0.13}, {0.24, 0.12}, {0.40, 0.14}, {0.58, 0.13}, {0.78, 0.16},
        {0.13, 0.34}, {0.31, 0.33}, {0.49, 0.36}, {0.67, 0.33}, {0.86, 0.35},
        {0.08, 0.62}, {0.23, 0.59}, {0.42, 0.63}, {0.59, 0.59}, {0.79, 0.63},
        {0.15, 0.84}, {0.34, 0.82}, {0.52, 0.85}, {0.70, 0.82}, {0.88, 0.84},
    }};
    return points;
}

ModularSpotLevel ModularSpotLevel::make(quint64 seed)
{
    // The draws come in a fixed order: template, number of differences, the 19 draws of
    // the shuffle that picks them, then per piece: base look, changed look (differences
    // only), kind, x, y, size. Changing that order changes every level.
    SplitMix64 random(SplitMix64::nonZero(seed));

    const ModularSceneTemplate &scene = sceneTemplates()[random.next() % 10];
    ModularSpotLevel level;
    level.title = QString::fromUtf8(scene.title);
    level.artwork = QString::fromLatin1(scene.artwork);
    level.tint = scene.tint();

    const int differences = minDifferences + int(random.next() % 6);

    std::array<int, pieceCount> ids;
    std::iota(ids.begin(), ids.end(), 0);
    for (int i = pieceCount - 1; i >= 1; --i) {
        const auto j = std::size_t(random.next() % quint64(i + 1));
        std::swap(ids[std::size_t(i)], ids[j]);
    }
    for (int i = 0; i < differences; ++i)
        level.differenceIDs.insert(ids[std::size_t(i)]);

    level.pieces.reserve(pieceCount);
    for (int id = 0; id < pieceCount; ++id) {
        const auto &[bx, by] = basePoints()[std::size_t(id)];
        ModularScenePiece piece;
        piece.id = id;
        piece.baseVariant = int(random.next() % 3);
        piece.changedVariant = level.differenceIDs.contains(id)
            ? (piece.baseVariant + 1 + int(random.next() % 2)) % 3
            : piece.baseVariant;
        piece.kind = allModularModuleKinds[random.next() % allModularModuleKinds.size()];
        const double rx = double(random.next() % 10001);
        piece.x = bx + (rx / 10000.0 - 0.5) * 0.05;
        const double ry = double(random.next() % 10001);
        piece.y = by + (ry / 10000.0 - 0.5) * 0.044;
        piece.size = 0.085 + double(random.next() % 4) * 0.012;
        level.pieces.append(piece);
    }
    return level;
}
