#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The sideways displacement of the wrong-answer shake. `amount` is the shake's
// progress (the wrong-attempt count, animated from its old to its new value); at every
// whole number the page rests at its place, and between two whole numbers it swings
// twice right and left by up to `travelDistance` points. Used by AnswerShake.qml.
class WrongAnswerShake : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal amount READ amount WRITE setAmount NOTIFY amountChanged FINAL)
    Q_PROPERTY(qreal travelDistance READ travelDistance CONSTANT FINAL)
    Q_PROPERTY(qreal offset READ offset NOTIFY amountChanged FINAL)

public:
    explicit WrongAnswerShake(QObject *parent = nullptr);

    // x = travel × sin(amount × π × 4).
    static qreal offsetFor(qreal amount, qreal travel);
    static constexpr qreal defaultTravel = 10;

    qreal amount() const { return m_amount; }
    void setAmount(qreal amount);
    qreal travelDistance() const { return defaultTravel; }
    qreal offset() const { return offsetFor(m_amount, defaultTravel); }

signals:
    void amountChanged();

private:
    qreal m_amount = 0;
};
