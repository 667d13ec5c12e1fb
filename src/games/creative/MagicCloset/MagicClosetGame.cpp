#include "MagicClosetGame.h"

#include "GameAudio.h"
#include "SettingsStore.h"

#include <QVariantMap>

#include <cmath>

using namespace Qt::StringLiterals;

const QList<DollLook> &MagicClosetGame::lookTable()
{
    static const QList<DollLook> table = {
        {u"doll_3d_casual"_s, u"清新日常"_s, u"像春日故事里的小小探险家"_s},
        {u"doll_3d_moon"_s, u"月光魔法"_s, u"穿上星光裙，点亮月亮舞台"_s},
        {u"doll_3d_barista"_s, u"奶茶店长"_s, u"今天由你经营梦幻奶茶屋"_s},
    };
    return table;
}

QStringList MagicClosetGame::accessories()
{
    return {u"✨"_s, u"👑"_s, u"🪄"_s, u"🪽"_s, u"👜"_s, u"🎀"_s};
}

QString MagicClosetGame::instruction()
{
    return u"欢迎来到魔法换装秀场。左右拖动女孩更换造型，再选择喜欢的魔法配饰。"_s;
}

int MagicClosetGame::wrapped(qint64 index)
{
    const qint64 n = lookTable().size();
    return int(((index % n) + n) % n); // no overflow at the integer's limits
}

MagicClosetGame::MagicClosetGame(QObject *parent)
    : GameBase(parent)
    , m_accessory(accessories().first())
{
    m_stageDrag.setThreshold(dragStart);
    connect(&m_stageDrag, &DragTracker::moved, this, [this] { dragChanged(m_stageDrag.translation().x()); });
    connect(&m_stageDrag, &DragTracker::released, this, [this](QPointF travel) { dragEnded(travel.x()); });
    connect(&m_stageDrag, &DragTracker::cancelled, this, [this] { setDragX(0); });
}

QVariantList MagicClosetGame::looksForView() const
{
    QVariantList list;
    for (const DollLook &look : lookTable())
        list.append(QVariantMap{{u"image"_s, look.image}, {u"title"_s, look.title}, {u"subtitle"_s, look.subtitle}});
    return list;
}

qint64 MagicClosetGame::lookIndex() const
{
    const QString key = QLatin1String(lookKey);
    const SettingsStore &settings = SettingsStore::standard();
    return settings.contains(key) ? settings.integer(key) : 0;
}

void MagicClosetGame::storeLook(qint64 index)
{
    SettingsStore::standard().setInteger(QLatin1String(lookKey), index);
    emit lookChanged();
}

QString MagicClosetGame::finishTitle() const
{
    return celebrated() ? u"造型已收藏"_s : u"完成造型"_s;
}

void MagicClosetGame::setDragX(qreal x)
{
    if (m_dragX == x)
        return;
    m_dragX = x;
    emit dragXChanged();
}

void MagicClosetGame::appear()
{
    GameAudio::readQuestion(instruction(), u"zh-CN"_s);
}

void MagicClosetGame::dragChanged(qreal travel)
{
    setDragX(travel);
}

void MagicClosetGame::dragEnded(qreal travel)
{
    if (std::abs(travel) > lookChangeTravel) {
        // To the left: the next look; to the right: the one before. A ring of three.
        const int step = travel < 0 ? 1 : -1;
        storeLook(wrapped(wrapped(lookIndex()) + step));
        GameAudio::tap();
    }
    setDragX(0); // the doll swings back to face the front
}

void MagicClosetGame::tapLook(int index)
{
    if (index < 0 || index >= lookTable().size())
        return;
    storeLook(index);
    m_isPosing = !m_isPosing;
    emit changed();
    GameAudio::tap();
}

void MagicClosetGame::tapAccessory(int index)
{
    const QStringList all = accessories();
    if (index < 0 || index >= all.size())
        return;
    m_accessory = all.at(index);
    m_isPosing = !m_isPosing;
    emit changed();
    GameAudio::tap();
}

void MagicClosetGame::finish()
{
    if (celebrated())
        return;
    GameAudio::correct();
    completeOnce(100, 3);
}
