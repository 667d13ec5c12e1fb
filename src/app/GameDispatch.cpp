#include "GameDispatch.h"

#include <QFile>
#include <QtQml/qqmlextensionplugin.h>

// The QML modules that hold game views. Adding a games folder is one line here (and the
// folder's name in this directory's CMakeLists.txt); the build defines the macro when
// the module exists.
#ifdef PW_HAS_GAMES_COMMON
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_CommonPlugin)
#endif
#ifdef PW_HAS_GAMES_LANGUAGE
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_LanguagePlugin)
#endif
#ifdef PW_HAS_GAMES_MATH
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_MathPlugin)
#endif
#ifdef PW_HAS_GAMES_STORIES
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_StoriesPlugin)
#endif
#ifdef PW_HAS_GAMES_LOGIC
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_LogicPlugin)
#endif
#ifdef PW_HAS_GAMES_PUZZLES
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_PuzzlesPlugin)
#endif
#ifdef PW_HAS_GAMES_CREATIVE
Q_IMPORT_QML_PLUGIN(Pipwhistle_Games_CreativePlugin)
#endif

using namespace Qt::StringLiterals;

namespace GameDispatch {

namespace {
QList<Row> &extraRows()
{
    static QList<Row> extra;
    return extra;
}

std::optional<View> viewOf(const Row &row)
{
    if (row.url.isEmpty())
        return std::nullopt;
    const QUrl url(row.url);
    // A view that is not among the resources (its module is not linked) is not built.
    if (url.scheme() == QLatin1String("qrc") && !QFile::exists(QLatin1Char(':') + url.path()))
        return std::nullopt;
    return View{url, row.properties, row.webView};
}
} // namespace

// One row a game: identifier, view type, view URL (empty until the game is built),
// and what the view is given besides its completion callback.
// URLs look like "qrc:/qt/qml/Pipwhistle/Games/Language/ChineseMatchGameView.qml".
const QList<Row> &rows()
{
    static const QList<Row> table = {
        {u"draw-guess"_s, u"DrawGuessGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/DrawGuessGameView.qml"_s},
        {u"spot-difference"_s, u"ModularSpotDifferenceGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/ModularSpotDifferenceGameView.qml"_s},
        {u"english-listen"_s, u"EnglishListeningGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/EnglishListeningGameView.qml"_s},
        {u"word-builder"_s, u"WordBuilderGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/WordBuilderGameView.qml"_s},
        {u"chinese-match"_s, u"ChineseMatchGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/ChineseMatchGameView.qml"_s},
        {u"math-battle"_s, u"MathBattleGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Math/MathBattleGameView.qml"_s},
        {u"memory-match"_s, u"MemoryMatchGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/MemoryMatchGameView.qml"_s},
        {u"maze"_s, u"MazeGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/MazeGameView.qml"_s},
        {u"pattern"_s, u"PatternGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Math/PatternGameView.qml"_s},
        {u"reaction"_s, u"ReactionGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/ReactionGameView.qml"_s},
        {u"simon-directions"_s, u"SimonDirectionsGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/SimonDirectionsGameView.qml"_s},
        // The blaster is configured by its row: its view declares these properties.
        {u"hidden-objects"_s, u"BubbleBlasterGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/BubbleBlasterGameView.qml"_s,
         {{u"gameID"_s, u"hidden-objects"_s},
          {u"title"_s, u"寻找隐藏物"_s},
          {u"subtitle"_s, u"发现目标，砰地射中它"_s},
          {u"launcher"_s, u"🏹"_s}}},
        {u"whats-missing"_s, u"WhatsMissingGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/WhatsMissingGameView.qml"_s},
        {u"sequence-memory"_s, u"SequenceMemoryGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/SequenceMemoryGameView.qml"_s},
        {u"kid-sudoku"_s, u"KidSudokuGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/KidSudokuGameView.qml"_s},
        {u"fruit-catcher"_s, u"FruitCatcherGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/FruitCatcherGameView.qml"_s},
        {u"red-light"_s, u"RedLightGreenLightGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/RedLightGreenLightGameView.qml"_s},
        {u"schulte-grid"_s, u"SchulteGridGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/SchulteGridGameView.qml"_s},
        {u"make-ten"_s, u"MakeTenGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Math/MakeTenGameView.qml"_s},
        {u"supermarket"_s, u"SupermarketGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Math/SupermarketGameView.qml"_s},
        {u"free-canvas"_s, u"MagicBoardGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/MagicBoardGameView.qml"_s},
        {u"rhythm-tap"_s, u"RhythmPlanetGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/RhythmPlanetGameView.qml"_s},
        {u"radical-builder"_s, u"RadicalBuilderGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/RadicalBuilderGameView.qml"_s},
        {u"space-trip"_s, u"VideoLibraryGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Stories/VideoLibraryGameView.qml"_s, {}, true},
        {u"silly-scene"_s, u"SillySceneGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/SillySceneGameView.qml"_s},
        {u"word-shooter"_s, u"WordShooterGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/WordShooterGameView.qml"_s},
        {u"animal-sounds"_s, u"AnimalSoundsGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/AnimalSoundsGameView.qml"_s},
        {u"route-memory"_s, u"RouteMemoryGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/RouteMemoryGameView.qml"_s},
        {u"little-detective"_s, u"LittleDetectiveGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/LittleDetectiveGameView.qml"_s},
        {u"one-line"_s, u"OneLineGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Logic/OneLineGameView.qml"_s},
        {u"color-trap"_s, u"ColorTrapGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/ColorTrapGameView.qml"_s},
        {u"tangram"_s, u"TangramGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/TangramGameView.qml"_s},
        {u"jigsaw"_s, u"StoryPuzzleGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/StoryPuzzleGameView.qml"_s},
        {u"rotating-blocks"_s, u"RotatingBlocksGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Puzzles/RotatingBlocksGameView.qml"_s},
        {u"phonics-train"_s, u"PhonicsTrainGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/PhonicsTrainGameView.qml"_s},
        {u"idiom-pictures"_s, u"PictureWordGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/PictureWordGameView.qml"_s},
        {u"sentence-maker"_s, u"SentenceMakerGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Language/SentenceMakerGameView.qml"_s},
        {u"number-slider"_s, u"NumberSliderGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Math/NumberSliderGameView.qml"_s},
        {u"clock-master"_s, u"ClockMasterGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Math/ClockMasterGameView.qml"_s},
        {u"little-lab"_s, u"LittleLabGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Math/LittleLabGameView.qml"_s},
        {u"story-chain"_s, u"StoryChainGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Stories/StoryChainGameView.qml"_s},
        {u"tracking-balls"_s, u"TrackingBallsGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Stories/TrackingBallsGameView.qml"_s},
        {u"picture-book"_s, u"PictureBookGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Stories/PictureBookGameView.qml"_s},
        {u"instrument-ears"_s, u"InstrumentEarsGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Stories/InstrumentEarsGameView.qml"_s},
        {u"magic-closet"_s, u"MagicClosetGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/MagicClosetGameView.qml"_s, {}, false,
         u"storybook_magic_lobby"_s},
        {u"pet-care"_s, u"PetCareGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/PetCareGameView.qml"_s},
        {u"magic-builder"_s, u"MagicBuilderGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/MagicBuilderGameView.qml"_s},
        {u"magic-bakery"_s, u"MagicBakeryGame"_s, u"qrc:/qt/qml/Pipwhistle/Games/Creative/MagicBakeryGameView.qml"_s, {}, false,
         u"storybook_game_stage"_s},
    };
    return table;
}

namespace {
const Row *rowFor(const QString &gameId)
{
    for (const Row &row : extraRows()) {
        if (row.id == gameId)
            return &row;
    }
    for (const Row &row : rows()) {
        if (row.id == gameId)
            return &row;
    }
    return nullptr;
}
} // namespace

std::optional<View> viewFor(const QString &gameId)
{
    const Row *row = rowFor(gameId);
    return row ? viewOf(*row) : std::nullopt;
}

QString backdropFor(const QString &gameId)
{
    const Row *row = rowFor(gameId);
    return row ? row->backdrop : QString();
}

void setExtraRows(const QList<Row> &rows)
{
    extraRows() = rows;
}

} // namespace GameDispatch
