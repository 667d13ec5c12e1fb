#include "RotatingBlocksGame.h"

using namespace Qt::StringLiterals;

namespace {
const QString instruction = u"把下面的积木转到和上面一样"_s;
} // namespace

const QList<RotatingBlocksPattern> &RotatingBlocksPattern::all()
{
    static const QList<RotatingBlocksPattern> patterns{
        {u"太阳花"_s, {0, 1, 2, 3, 0, 1}, {1, 3, 0, 2, 2, 0}},
        {u"小风车"_s, {1, 2, 3, 0, 1, 2}, {0, 0, 1, 3, 3, 1}},
        {u"箭头小路"_s, {3, 0, 1, 2, 3, 0}, {2, 2, 0, 1, 1, 3}},
        {u"星际信号"_s, {0, 2, 0, 2, 1, 3}, {3, 0, 3, 1, 0, 2}},
        {u"小海浪"_s, {1, 1, 2, 2, 3, 3}, {3, 0, 0, 1, 1, 2}},
        {u"森林密码"_s, {2, 3, 0, 1, 2, 3}, {1, 1, 2, 0, 0, 2}},
        {u"彩虹转盘"_s, {3, 2, 1, 0, 3, 2}, {0, 0, 3, 2, 2, 1}},
        {u"火箭发射"_s, {0, 0, 1, 1, 2, 2}, {2, 3, 3, 0, 0, 1}},
    };
    return patterns;
}

RotatingBlocksGame::RotatingBlocksGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = instruction,
                     .goodWords = {u"转好"_s, u"一样"_s}},
                    parent)
{
}

QString RotatingBlocksGame::glyph(int orientation)
{
    static const QStringList arrows{u"↑"_s, u"→"_s, u"↓"_s, u"←"_s};
    return arrows[((orientation % 4) + 4) % 4];
}

const RotatingBlocksPattern &RotatingBlocksGame::current() const
{
    return RotatingBlocksPattern::all().at(questionIndex());
}

QList<int> RotatingBlocksGame::orientations() const
{
    return m_board.size() == current().start.size() ? m_board : current().start;
}

QStringList RotatingBlocksGame::targetGlyphs() const
{
    QStringList glyphs;
    for (int o : current().target)
        glyphs.append(glyph(o));
    return glyphs;
}

QStringList RotatingBlocksGame::blockGlyphs() const
{
    QStringList glyphs;
    for (int o : orientations())
        glyphs.append(glyph(o));
    return glyphs;
}

QList<bool> RotatingBlocksGame::matched() const
{
    const QList<int> board = orientations();
    const QList<int> &target = current().target;
    QList<bool> result;
    for (qsizetype i = 0; i < target.size(); ++i)
        result.append(i < board.size() && board[i] == target[i]);
    return result;
}

void RotatingBlocksGame::resetBoard()
{
    m_board = current().start;
    emit changed();
}

void RotatingBlocksGame::rotate(int index)
{
    if (answersClosed())
        return;
    QList<int> board = orientations();
    const QList<int> &target = current().target;
    if (index < 0 || index >= target.size() || index >= board.size())
        return;

    // Turning a block that already points the right way is the mistake of this game.
    const bool mistake = board[index] == target[index];
    board[index] = (board[index] + 1) % 4;
    m_board = board;
    if (mistake) {
        answerWrong(u"继续转，把每个箭头对准目标"_s);
    } else if (m_board == target) {
        answerRight(u"全都转好啦，和目标一模一样！"_s);
    } else {
        setFeedback(u"继续转，把每个箭头对准目标"_s);
    }
    emit changed();
}
