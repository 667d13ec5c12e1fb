#pragma once

#include "GameBase.h"
#include "StepLoop.h"

#include <QList>
#include <QString>
#include <QStringList>

// "fruit-catcher": ten fruits fall one after another down a board of five rows and four
// columns; the child moves the basket under them. Once started the game runs by itself
// on a 0.52 s tick: a fruit moves one row a tick and lands on the tick after it reached
// the bottom row, caught when the basket stands in its column at that tick. After the
// tenth landing the play scores ten points a catch and reports half a second later,
// whether or not the page is still there. Silent.
class FruitCatcherGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ running NOTIFY changed)
    Q_PROPERTY(int basketColumn READ basketColumn NOTIFY changed)
    Q_PROPERTY(int fruitColumn READ fruitColumn NOTIFY changed)
    Q_PROPERTY(int fruitRow READ fruitRow NOTIFY changed)
    Q_PROPERTY(int drops READ drops NOTIFY changed)
    Q_PROPERTY(int catches READ catches NOTIFY changed)
    Q_PROPERTY(QString fruit READ fruit NOTIFY changed)
    Q_PROPERTY(QString scoreLine READ scoreLine NOTIFY changed)
    Q_PROPERTY(bool showsBoard READ showsBoard NOTIFY changed)
    Q_PROPERTY(bool canMoveLeft READ canMoveLeft NOTIFY changed)
    Q_PROPERTY(bool canMoveRight READ canMoveRight NOTIFY changed)
    Q_PROPERTY(int rows READ rows CONSTANT)
    Q_PROPERTY(int columns READ columns CONSTANT)
public:
    explicit FruitCatcherGame(QObject *parent = nullptr);

    static constexpr int rowCount = 5;
    static constexpr int columnCount = 4;
    static constexpr int tickMs = 520;
    static constexpr int reportMs = 500;

    // The column of each fruit and its picture, in falling order.
    static const QList<int> &fruitColumns();
    static const QStringList &fruits();

    bool running() const { return m_running; }
    int basketColumn() const { return m_basketColumn; }
    int fruitColumn() const { return m_fruitColumn; }
    int fruitRow() const { return m_fruitRow; }
    int drops() const { return m_drops; }
    int catches() const { return m_catches; }
    // The picture of the falling fruit.
    QString fruit() const;
    // "🍎 3 / 10".
    QString scoreLine() const;
    // The board stands once a play has begun; before that, the start screen.
    bool showsBoard() const { return m_running || m_drops != 0; }
    bool canMoveLeft() const { return m_running && m_basketColumn > 0; }
    bool canMoveRight() const { return m_running && m_basketColumn < columnCount - 1; }
    int rows() const { return rowCount; }
    int columns() const { return columnCount; }

    // The start button.
    Q_INVOKABLE void start();
    // The arrows (buttons and keys): one column, never off the board, only during a play.
    Q_INVOKABLE void moveLeft() { moveBasket(-1); }
    Q_INVOKABLE void moveRight() { moveBasket(+1); }

    // The score of `catches` and its stars.
    static std::pair<int, int> result(int catches);

signals:
    void changed();

private:
    void moveBasket(int step);
    void advanceFruit();
    // The feedback line: a hint when it tells of a fruit that got away.
    void say(const QString &text);

    bool m_running = false;
    int m_basketColumn = 1;
    int m_fruitColumn = 0;
    int m_fruitRow = 0;
    int m_drops = 0;
    int m_catches = 0;
    StepLoop m_ticks{this};
};
