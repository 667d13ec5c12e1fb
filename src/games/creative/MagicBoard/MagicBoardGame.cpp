#include "MagicBoardGame.h"

#include "AppTheme.h"

using namespace Qt::StringLiterals;

MagicBoardGame::MagicBoardGame(QObject *parent)
    : GameBase(parent)
    , m_strokes(new DrawingStrokes(this))
    , m_selectedColor(AppTheme::purple())
    , m_feedback(u"选颜色、换画笔，创作你的魔法作品"_s)
{
    connect(m_strokes, &DrawingStrokes::changed, this, &MagicBoardGame::changed);
}

QStringList MagicBoardGame::stampChoices() const
{
    return {u"\u2B50\uFE0F"_s, u"🌈"_s, u"🌸"_s, u"🦋"_s, u"🦊"_s};
}

QString MagicBoardGame::counter() const
{
    return u"🎨 "_s + QString::number(workCount());
}

void MagicBoardGame::selectColor(int paletteIndex)
{
    const QList<QColor> colors = palette();
    if (paletteIndex < 0 || paletteIndex >= colors.size())
        return;
    m_selectedColor = colors.at(paletteIndex);
    emit changed();
}

void MagicBoardGame::selectWidth(int widthIndex)
{
    const QList<qreal> offered = widths();
    if (widthIndex < 0 || widthIndex >= offered.size())
        return;
    m_lineWidth = offered.at(widthIndex);
    emit changed();
}

void MagicBoardGame::addStamp(int choiceIndex)
{
    const QStringList choices = stampChoices();
    if (choiceIndex < 0 || choiceIndex >= choices.size() || m_stamps.size() >= maxStamps)
        return;
    m_stamps.append(choices.at(choiceIndex));
    emit changed();
}

void MagicBoardGame::undo()
{
    // Stickers go back first, newest first; strokes only when no sticker is left.
    if (!m_stamps.isEmpty()) {
        m_stamps.removeLast();
        emit changed();
    } else {
        m_strokes->removeLast();
    }
}

void MagicBoardGame::clear()
{
    m_stamps.clear();
    m_feedback = u"画板已经变干净啦"_s;
    m_strokes->clear(); // emits changed()
}

void MagicBoardGame::finish()
{
    if (!canFinish())
        return; // the control is disabled below three items
    m_feedback = u"作品完成啦！"_s;
    emit changed();
    complete(100, 3);
}
