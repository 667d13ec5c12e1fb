#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>

// One sum of the math battle: the text shown, its result and four answer tiles in
// display order (the result among them once).
struct MathQuestion
{
    QString text;
    int answer = 0;
    QList<int> choices;

    // Row i of the bank: even rows add, odd rows subtract (see the .cpp).
    static MathQuestion generate(int i);
    // The 500 rows, built once.
    static const QList<MathQuestion> &all();
};

// "math-battle": five sums against a number monster. Each right answer is a shot: the
// monster loses a hit point and the star energy grows by one fifth.
class MathBattleGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString questionText READ questionText NOTIFY questionChanged)
    Q_PROPERTY(QString spokenQuestion READ spokenQuestion NOTIFY questionChanged)
    Q_PROPERTY(QList<int> choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(int monsterHP READ monsterHP NOTIFY changed)
    Q_PROPERTY(int energy READ energy NOTIFY changed)
    Q_PROPERTY(QString energyText READ energyText NOTIFY changed)
    Q_PROPERTY(QString monster READ monster NOTIFY changed)
    Q_PROPERTY(bool isHit READ isHit NOTIFY changed)
public:
    explicit MathBattleGame(QObject *parent = nullptr);

    static constexpr auto gameID = "math-battle";
    static constexpr int startHP = 5;
    static constexpr int hitMs = 280;  // the hit animation, the first part of the pause
    static constexpr int restMs = 450; // the rest of the pause

    const MathQuestion &question() const;

    QString questionText() const { return question().text; }
    QString spokenQuestion() const;
    QList<int> choices() const { return question().choices; }
    int monsterHP() const { return m_monsterHP; }
    int energy() const { return startHP - m_monsterHP; }
    QString energyText() const;
    QString monster() const;
    bool isHit() const { return m_isHit; }

    // The tapped number.
    Q_INVOKABLE void choose(int choice);

protected:
    int bankCount() const override { return int(MathQuestion::all().size()); }
    void roundStarted() override;

private:
    int m_monsterHP = startHP;
    bool m_isHit = false;
};
