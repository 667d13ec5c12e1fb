#include "MagicBuilderGame.h"

#include "GameAudio.h"

#include <QVariantMap>

using namespace Qt::StringLiterals;

const QList<BuildPart> &MagicBuilderGame::partTable()
{
    static const QList<BuildPart> table = {
        {u"wall"_s, u"🧱"_s, u"城墙"_s},   {u"tower"_s, u"🏰"_s, u"塔楼"_s}, {u"roof"_s, u"🔺"_s, u"屋顶"_s},
        {u"window"_s, u"🪟"_s, u"窗户"_s}, {u"tree"_s, u"🌳"_s, u"树木"_s},  {u"lamp"_s, u"🏮"_s, u"灯笼"_s},
    };
    return table;
}

QString MagicBuilderGame::instruction()
{
    return u"选一个魔法积木，再点空地搭建你的童话小屋。"_s;
}

MagicBuilderGame::MagicBuilderGame(QObject *parent)
    : GameBase(parent)
    , m_slots(cellCount, -1)
{
}

QVariantList MagicBuilderGame::partsForView() const
{
    QVariantList list;
    for (const BuildPart &part : partTable())
        list.append(QVariantMap{{u"id"_s, part.id}, {u"emoji"_s, part.emoji}, {u"title"_s, part.title}});
    return list;
}

QStringList MagicBuilderGame::cells() const
{
    QStringList pictures;
    for (int part : m_slots)
        pictures.append(part < 0 ? QString() : partTable().at(part).emoji);
    return pictures;
}

int MagicBuilderGame::filledCount() const
{
    return int(std::count_if(m_slots.begin(), m_slots.end(), [](int part) { return part >= 0; }));
}

QString MagicBuilderGame::finishTitle() const
{
    return completed() ? u"小屋已点亮"_s : u"建好啦，点亮小屋"_s;
}

void MagicBuilderGame::appear()
{
    GameAudio::readQuestion(instruction(), u"zh-CN"_s);
}

void MagicBuilderGame::pick(int part)
{
    if (part < 0 || part >= partTable().size())
        return;
    m_selected = part;
    emit changed();
}

void MagicBuilderGame::place(int cell)
{
    if (cell < 0 || cell >= cellCount)
        return;
    m_slots[cell] = m_selected;
    emit changed();
}

void MagicBuilderGame::finish()
{
    if (!canFinish() || completed())
        return; // the control exists only with six filled cells, and reports once
    GameAudio::correct();
    completeOnce(100, 3);
}
