#pragma once

#include <QColor>
#include <QList>
#include <QSet>
#include <QString>

#include <array>

// One spot-the-difference level: a scene template, twenty pieces laid out over it and the
// pieces whose look differs between the unchanged and the changed copy. A level is made
// from a 64-bit seed by `ModularSpotLevel::make`, a pure function: the same seed gives the
// same level, to the last bit of every position, on every machine. Positions and sizes are
// fractions of the scene (x and size of its width, y of its height).
//
//     const ModularSpotLevel level = ModularSpotLevel::make(seed);
//     for (const ModularScenePiece &piece : level.pieces)
//         draw(piece.kind, piece.x, piece.y, piece.size, changedCopy ? piece.changedVariant
//                                                                    : piece.baseVariant);

// What a piece depicts. The order is fixed: the generator picks a kind by its index.
enum class ModularModuleKind { flower, leaf, stone, lantern, butterfly, cloud, mushroom, berries };

inline constexpr std::array<ModularModuleKind, 8> allModularModuleKinds = {
    ModularModuleKind::flower,    ModularModuleKind::leaf,  ModularModuleKind::stone,
    ModularModuleKind::lantern,   ModularModuleKind::butterfly, ModularModuleKind::cloud,
    ModularModuleKind::mushroom,  ModularModuleKind::berries,
};

struct ModularScenePiece
{
    int id = 0;                 // 0 to 19, also the index of its base point
    ModularModuleKind kind = ModularModuleKind::flower;
    double x = 0;               // centre, fraction of the scene's width
    double y = 0;               // centre, fraction of the scene's height
    double size = 0;            // fraction of the scene's width: 0.085, 0.097, 0.109 or 0.121
    int baseVariant = 0;        // look 0, 1 or 2 in the unchanged copy
    int changedVariant = 0;     // look in the changed copy; differs only for a difference

    bool operator==(const ModularScenePiece &) const = default;
};

// A scene template: the scene's name, its background artwork and its tint.
struct ModularSceneTemplate
{
    const char *title;          // UTF-8
    const char *artwork;
    QColor (*tint)();
};

struct ModularSpotLevel
{
    static constexpr int pieceCount = 20;
    static constexpr int minDifferences = 5;
    static constexpr int maxDifferences = 10;

    QString title;              // the scene's name, shown in the game's header
    QString artwork;            // "spot_pair_001" to "spot_pair_010"
    QColor tint;
    QList<ModularScenePiece> pieces;   // always 20, ids 0 to 19 in order
    QSet<int> differenceIDs;           // 5 to 10 ids of pieces that differ

    bool operator==(const ModularSpotLevel &) const = default;

    // The level of this seed. A seed of 0 is taken as 0x9E3779B97F4A7C15.
    static ModularSpotLevel make(quint64 seed);

    // The ten scene templates, in the order the generator picks them by index.
    static const std::array<ModularSceneTemplate, 10> &sceneTemplates();
    // The twenty base points (x, y), entry i for the piece with id i.
    static const std::array<std::array<double, 2>, pieceCount> &basePoints();
};
