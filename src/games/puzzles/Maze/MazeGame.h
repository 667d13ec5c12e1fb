#pragma once

#include "GameBase.h"
#include "MazeGrid.h"

#include <QSet>
#include <QString>
#include <QVariantList>

// "maze": the forest maze. The fox starts in the top left cell and walks one cell per
// press of a direction button; it collects three keys and the magic bubble, beats the
// two monsters (only while it carries the bubble) and then opens the chest in the bottom
// right cell. Every play has the same maze (seed 42). The play is scored by the steps
// it took.
class MazeGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int rows READ rows CONSTANT)
    Q_PROPERTY(int columns READ columns CONSTANT)
    Q_PROPERTY(QList<int> walls READ walls CONSTANT)
    Q_PROPERTY(int playerRow READ playerRow NOTIFY changed)
    Q_PROPERTY(int playerColumn READ playerColumn NOTIFY changed)
    Q_PROPERTY(QList<int> trailCells READ trailCells NOTIFY changed)
    Q_PROPERTY(QVariantList boardIcons READ boardIcons NOTIFY boardIconsChanged)
    Q_PROPERTY(int moves READ moves NOTIFY changed)
    Q_PROPERTY(int keyCount READ keyCount NOTIFY changed)
    Q_PROPERTY(int monsterCount READ monsterCount NOTIFY changed)
    Q_PROPERTY(bool pickedMagicBubble READ pickedMagicBubble NOTIFY changed)
    Q_PROPERTY(bool hasFinishedTasks READ hasFinishedTasks NOTIFY changed)
    Q_PROPERTY(bool finished READ finished NOTIFY changed)
    Q_PROPERTY(bool isWalking READ isWalking NOTIFY walkChanged)
    Q_PROPERTY(bool walkPhase READ walkPhase NOTIFY walkChanged)
    Q_PROPERTY(qreal foxScale READ foxScale NOTIFY walkChanged)
    Q_PROPERTY(qreal foxTurn READ foxTurn NOTIFY walkChanged)
    Q_PROPERTY(QString feedback READ feedback NOTIFY changed)
    Q_PROPERTY(bool feedbackGood READ feedbackGood NOTIFY changed)
    Q_PROPERTY(int wrongAttempt READ wrongAttempt NOTIFY wrongAttemptChanged)
public:
    // The four directions, as the view's buttons name them.
    enum Direction { Up = int(MazeDirection::Up), Right, Down, Left };
    Q_ENUM(Direction)

    explicit MazeGame(QObject *parent = nullptr);
    // A play on another maze of at least one cell, with the same items (for trying the
    // rules on open ground).
    explicit MazeGame(MazeGrid maze, QObject *parent = nullptr);

    static constexpr auto gameID = "maze";
    static constexpr int mazeRows = 7;
    static constexpr int mazeColumns = 12;
    static constexpr quint64 mazeSeed = 42;
    static constexpr int walkMs = 310;   // a step's walk pose lasts this long
    static constexpr int reportMs = 720; // from the opened chest to the report

    static const QSet<MazePoint> &keyPoints();
    static MazePoint bubblePoint() { return {2, 6}; }
    static const QSet<MazePoint> &monsterPoints();

    // The score of a play that opened the chest after `moves` steps on a maze of the
    // given size, and its stars.
    static qint64 scoreFor(int moves, int rows, int columns);
    static qint64 starsFor(qint64 score) { return score > 81 ? 3 : 2; }

    const MazeGrid &maze() const { return m_maze; }
    int rows() const { return m_maze.rows; }
    int columns() const { return m_maze.columns; }
    QList<int> walls() const { return m_maze.flatWalls(); }
    MazePoint player() const { return m_player; }
    int playerRow() const { return m_player.row; }
    int playerColumn() const { return m_player.column; }
    MazePoint chest() const { return {m_maze.rows - 1, m_maze.columns - 1}; }
    const QSet<MazePoint> &trail() const { return m_trail; }
    QList<int> trailCells() const;
    const QSet<MazePoint> &collectedKeys() const { return m_collectedKeys; }
    const QSet<MazePoint> &defeatedMonsters() const { return m_defeatedMonsters; }
    int keyCount() const { return int(m_collectedKeys.size()); }
    int monsterCount() const { return int(m_defeatedMonsters.size()); }
    bool pickedMagicBubble() const { return m_pickedMagicBubble; }
    bool hasFinishedTasks() const;
    bool finished() const { return m_finished; }
    int moves() const { return m_moves; }
    bool isWalking() const { return m_isWalking; }
    bool walkPhase() const { return m_walkPhase; }
    // The fox's pose: upright at scale 1 at rest; while walking 1.08 and 7° clockwise in
    // one phase, 0.94 and 7° anticlockwise in the other.
    qreal foxScale() const { return m_isWalking ? (m_walkPhase ? 1.08 : 0.94) : 1.0; }
    qreal foxTurn() const { return m_isWalking ? (m_walkPhase ? 7.0 : -7.0) : 0.0; }
    // The feedback line (good for the lines that tell of progress) and the shakes.
    QString feedback() const { return line().text(); }
    bool feedbackGood() const { return line().good(); }
    int wrongAttempt() const { return line().shakes(); }

    // The symbols lying on the board, each {symbol, cell (row × columns + column),
    // scale of the cell}: the chest, the keys not yet taken, the bubble until it is
    // picked up, and each monster (a sparkle once beaten).
    QVariantList boardIcons() const;

    // The page came on screen: the introduction is read.
    Q_INVOKABLE void appear() override;
    // One press of a direction button.
    Q_INVOKABLE void move(int direction) { move(MazeDirection(direction & 3)); }
    void move(MazeDirection direction);

signals:
    void changed();
    // Something was picked up or beaten: the board's symbols differ (a plain step leaves
    // them as they are, and the board keeps its items).
    void boardIconsChanged();
    void walkChanged();
    void wrongAttemptChanged();

private:
    MazeGrid m_maze;
    MazePoint m_player;
    QSet<MazePoint> m_trail;
    QSet<MazePoint> m_collectedKeys;
    bool m_pickedMagicBubble = false;
    QSet<MazePoint> m_defeatedMonsters;
    int m_moves = 0;
    bool m_isWalking = false;
    bool m_walkPhase = false;
    bool m_finished = false;
};
