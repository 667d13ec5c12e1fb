#include "KidSudokuGame.h"

#include "GameScoring.h"

using namespace Qt::StringLiterals;

const QStringList &KidSudokuGame::sudokuSolution()
{
    static const QStringList solution{
        u"🐶"_s, u"🐱"_s, u"🐰"_s, u"🐼"_s,
        u"🐰"_s, u"🐼"_s, u"🐶"_s, u"🐱"_s,
        u"🐱"_s, u"🐶"_s, u"🐼"_s, u"🐰"_s,
        u"🐼"_s, u"🐰"_s, u"🐱"_s, u"🐶"_s,
    };
    return solution;
}

const QSet<int> &KidSudokuGame::sudokuBlanks()
{
    static const QSet<int> blanks{1, 4, 10, 15};
    return blanks;
}

KidSudokuGame::KidSudokuGame(QObject *parent)
    : GameBase(parent)
    , m_board(sudokuSolution())
{
    for (int blank : sudokuBlanks())
        m_board[blank].clear();
    line().setGoodWords({u"对"_s, u"完成"_s});
    line().show(u"每行每列都要有四种动物"_s);
    connect(&line(), &FeedbackLine::changed, this, &KidSudokuGame::changed);
}

QString KidSudokuGame::counter() const
{
    return u"还差 "_s + QString::number(emptyCount()) + u" 格"_s;
}

QStringList KidSudokuGame::animals() const
{
    return {u"🐶"_s, u"🐱"_s, u"🐰"_s, u"🐼"_s};
}

void KidSudokuGame::chooseCell(int index)
{
    if (m_locked || index < 0 || index >= m_board.size() || !m_board[index].isEmpty())
        return;
    m_selected = index;
    emit changed();
}

void KidSudokuGame::place(const QString &animal)
{
    if (m_locked || !m_board[m_selected].isEmpty() || !animals().contains(animal))
        return;
    if (animal != sudokuSolution()[m_selected]) {
        // The cell stays empty and selected; it no longer counts, however often it is
        // tried again.
        m_mistaken.insert(m_selected);
        line().hint(u"看看这一行里是不是已经有它了"_s);
        return;
    }
    m_board[m_selected] = animal;
    line().praise(u"放对啦！"_s);
    const qsizetype next = m_board.indexOf(QString());
    if (next >= 0) {
        m_selected = int(next);
        emit changed();
        return;
    }
    m_locked = true;
    const int blanks = int(sudokuBlanks().size());
    const GameScore score = GameScoring::firstTry(blanks - int(m_mistaken.size()), blanks);
    line().show(u"四行四列都完成啦！"_s);
    emit changed();
    completeAfter(reportMs, score.points, score.stars);
}
