#include "SingleChoiceGame.h"

void SingleChoiceGame::choose(int tile)
{
    const QStringList offered = choices();
    if (answersClosed() || tile < 0 || tile >= offered.size())
        return;
    const QString choice = offered[tile];
    pick(choice);
    if (choice == answer())
        answerRight(praise(choice));
    else
        answerWrong(hint());
}
