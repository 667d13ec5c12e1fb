#include "SingleChoiceGame.h"

#include "AppTheme.h"

QColor SingleChoiceGame::choiceColor(const QString &choice) const
{
    QColor fill;
    if (locked() && choice == answer()) {
        fill = AppTheme::mint();
        fill.setAlphaF(0.34f);
    } else if (!m_selected.isNull() && m_selected == choice) {
        fill = AppTheme::mango();
        fill.setAlphaF(0.28f);
    } else {
        fill = Qt::white;
    }
    return fill;
}

QList<QColor> SingleChoiceGame::tileColors() const
{
    QList<QColor> colors;
    for (const QString &choice : choices())
        colors.append(choiceColor(choice));
    return colors;
}

void SingleChoiceGame::choose(int tile)
{
    const QStringList offered = choices();
    if (answersClosed() || tile < 0 || tile >= offered.size())
        return;
    const QString choice = offered[tile];
    m_selected = choice;
    if (choice == answer())
        answerRight(praise(choice));
    else
        answerWrong(hint());
}
