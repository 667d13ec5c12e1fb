#include "TangramGame.h"

#include "AppTheme.h"

#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {
const QString lookLine = u"看看轮廓，选出缺少的那块"_s;

} // namespace

const QList<TangramPuzzle> &TangramPuzzle::all()
{
    static const QList<TangramPuzzle> puzzles{
        {u"小狐狸"_s, u"🦊"_s, u"找出能补上耳朵的七巧板"_s,
         {u"大三角"_s, u"小三角"_s, u"正方形"_s, u"平行四边形"_s}, 1, {u"小三角"_s, u"中三角"_s, u"正方形"_s}},
        {u"小鱼"_s, u"🐟"_s, u"找出能补上尾巴的七巧板"_s,
         {u"大三角"_s, u"平行四边形"_s, u"小三角"_s, u"正方形"_s}, 2, {u"正方形"_s, u"小三角"_s, u"大三角"_s}},
        {u"小兔子"_s, u"🐰"_s, u"找出能补上长耳朵的七巧板"_s,
         {u"中三角"_s, u"小三角"_s, u"小三角"_s, u"正方形"_s}, 0, {u"平行四边形"_s, u"中三角"_s, u"大三角"_s}},
        {u"小鸟"_s, u"🐦"_s, u"找出能补上翅膀的七巧板"_s,
         {u"大三角"_s, u"中三角"_s, u"平行四边形"_s, u"小三角"_s}, 2, {u"小三角"_s, u"正方形"_s, u"平行四边形"_s}},
        {u"小猫"_s, u"🐱"_s, u"找出能补上脸蛋的七巧板"_s,
         {u"小三角"_s, u"正方形"_s, u"大三角"_s, u"中三角"_s}, 1, {u"中三角"_s, u"正方形"_s, u"平行四边形"_s}},
        {u"小企鹅"_s, u"🐧"_s, u"找出能补上肚皮的七巧板"_s,
         {u"大三角"_s, u"正方形"_s, u"中三角"_s, u"小三角"_s}, 0, {u"小三角"_s, u"平行四边形"_s, u"大三角"_s}},
        {u"小螃蟹"_s, u"🦀"_s, u"找出能补上钳子的七巧板"_s,
         {u"平行四边形"_s, u"小三角"_s, u"中三角"_s, u"大三角"_s}, 1, {u"小三角"_s, u"正方形"_s, u"中三角"_s}},
        {u"小乌龟"_s, u"🐢"_s, u"找出能补上背壳的七巧板"_s,
         {u"正方形"_s, u"大三角"_s, u"中三角"_s, u"小三角"_s}, 0, {u"平行四边形"_s, u"正方形"_s, u"大三角"_s}},
    };
    return puzzles;
}

QString TangramGame::glyph(const QString &piece)
{
    if (piece == u"大三角")
        return u"▲"_s;
    if (piece == u"中三角")
        return u"◢"_s;
    if (piece == u"小三角")
        return u"◣"_s;
    if (piece == u"正方形")
        return u"◆"_s;
    return u"▰"_s;
}

QColor TangramGame::color(const QString &piece)
{
    if (piece == u"大三角")
        return AppTheme::mango();
    if (piece == u"中三角")
        return AppTheme::mint();
    if (piece == u"小三角")
        return AppTheme::purple();
    if (piece == u"正方形")
        return AppTheme::coral();
    return AppTheme::sky();
}

TangramGame::TangramGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = lookLine,
                     .goodWords = {u"拼好"_s, u"看看"_s}},
                    parent)
{
}

const TangramPuzzle &TangramGame::current() const
{
    return TangramPuzzle::all().at(questionIndex());
}

QStringList TangramGame::choiceGlyphs() const
{
    QStringList glyphs;
    for (const QString &piece : current().choices)
        glyphs.append(glyph(piece));
    return glyphs;
}

QList<QColor> TangramGame::choicePieceColors() const
{
    QList<QColor> colors;
    for (const QString &piece : current().choices)
        colors.append(color(piece));
    return colors;
}

QVariantList TangramGame::pieceSlots() const
{
    QVariantList list;
    const TangramPuzzle &puzzle = current();
    for (int i = 0; i < puzzle.pieces.size(); ++i) {
        const QString &piece = puzzle.pieces[i];
        if (i == puzzle.missingIndex && !locked()) {
            list.append(QVariantMap{{u"glyph"_s, u"?"_s},
                                    {u"caption"_s, u"缺一块"_s},
                                    {u"text"_s, AppTheme::purple()},
                                    {u"fill"_s, AppTheme::withOpacity(AppTheme::sky(), 0.2)},
                                    {u"border"_s, AppTheme::withOpacity(AppTheme::purple(), 0.45)}});
        } else {
            list.append(QVariantMap{{u"glyph"_s, glyph(piece)},
                                    {u"caption"_s, piece},
                                    {u"text"_s, AppTheme::ink()},
                                    {u"fill"_s, AppTheme::withOpacity(color(piece), 0.24)},
                                    {u"border"_s, AppTheme::withOpacity(color(piece), 0.5)}});
        }
    }
    return list;
}

QList<int> TangramGame::tileStates() const
{
    return choiceStates(current().choices, current().answer());
}

void TangramGame::choose(int index)
{
    if (answersClosed() || index < 0 || index >= current().choices.size())
        return;
    const QString choice = current().choices[index];
    pick(choice);
    if (choice == current().answer()) {
        answerRight(u"拼好啦！这块正好合适"_s);
    } else {
        answerWrong(u"这块放不进去，再看看边边的形状"_s);
    }
}
