#include "WrongAnswerShake.h"

#include <cmath>
#include <numbers>

WrongAnswerShake::WrongAnswerShake(QObject *parent)
    : QObject(parent)
{
}

qreal WrongAnswerShake::offsetFor(qreal amount, qreal travel)
{
    // At rest (a whole count) the page is exactly at its place; sin(n·4π) in floating
    // point is a hair off zero.
    if (amount == std::floor(amount))
        return 0;
    return travel * std::sin(amount * std::numbers::pi * 4);
}

void WrongAnswerShake::setAmount(qreal amount)
{
    if (m_amount == amount)
        return;
    m_amount = amount;
    emit amountChanged();
}
