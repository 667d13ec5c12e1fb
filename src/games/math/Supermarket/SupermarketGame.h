#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>

// One basket of the shop: two items with their prices in 元 and three totals to choose
// from, in display order (the right total among them once).
struct ShoppingTask
{
    QString first;
    int firstPrice = 0;
    QString second;
    int secondPrice = 0;
    QList<int> choices;

    int total() const { return firstPrice + secondPrice; }

    // The shop's twelve items, in the generator's order.
    static const QList<QString> &items();
    // Task i of the bank (see the .cpp).
    static ShoppingTask generate(int i);
    // The 500 tasks, built once.
    static const QList<ShoppingTask> &all();
};

// "supermarket": a basket of two priced items a round; the child taps the total.
class SupermarketGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString first READ first NOTIFY questionChanged)
    Q_PROPERTY(int firstPrice READ firstPrice NOTIFY questionChanged)
    Q_PROPERTY(QString second READ second NOTIFY questionChanged)
    Q_PROPERTY(int secondPrice READ secondPrice NOTIFY questionChanged)
    Q_PROPERTY(QList<int> choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
public:
    explicit SupermarketGame(QObject *parent = nullptr);

    static constexpr auto gameID = "supermarket";
    static constexpr int pauseMs = 600; // after a right total

    const ShoppingTask &task() const;

    QString first() const { return task().first; }
    int firstPrice() const { return task().firstPrice; }
    QString second() const { return task().second; }
    int secondPrice() const { return task().secondPrice; }
    QList<int> choices() const { return task().choices; }
    QString counter() const;
    QString prompt() const;

    // The tapped total.
    Q_INVOKABLE void choose(int value);

protected:
    int bankCount() const override { return int(ShoppingTask::all().size()); }
    void roundStarted() override;
};
