#include "MagicBakeryGame.h"

#include "AppTheme.h"
#include "GameAudio.h"

#include <QVariantMap>

#include <cmath>

using namespace Qt::StringLiterals;

QColor MilkTea::drinkColor(const QString &base)
{
    const auto faded = [](QColor c, qreal opacity) {
        c.setAlphaF(float(opacity));
        return c;
    };
    if (base.isEmpty())
        return faded(Qt::white, 0.5);
    if (base.contains(u"草莓"_s))
        return faded(AppTheme::coral(), 0.72);
    if (base.contains(u"可可"_s))
        return QColor::fromRgbF(0.48f, 0.27f, 0.16f);
    return faded(AppTheme::mint(), 0.7);
}

QString MilkTea::pearls()
{
    return u"珍珠"_s;
}

QString MilkTea::toppingEmoji(const QString &title)
{
    if (title == u"布丁"_s)
        return u"🍮"_s;
    if (title == u"草莓"_s)
        return u"🍓"_s;
    if (title == u"星星糖"_s)
        return u"\u2B50\uFE0F"_s;
    return {};
}

QString MilkTea::toppingLine(const QStringList &toppings)
{
    QString line;
    for (const QString &title : toppings) {
        if (title != pearls())
            line += toppingEmoji(title);
    }
    return line;
}

QString MilkTea::label(const QString &base)
{
    return base.isEmpty() ? u"选择口味"_s : base;
}

const QList<BakeryItem> &MagicBakeryGame::baseTable()
{
    static const QList<BakeryItem> table = {
        {u"茉莉奶绿"_s, u"🌿"_s},
        {u"草莓牛乳"_s, u"🍓"_s},
        {u"可可奶茶"_s, u"🍫"_s},
    };
    return table;
}

const QList<BakeryItem> &MagicBakeryGame::toppingTable()
{
    static const QList<BakeryItem> table = {
        {u"珍珠"_s, u"🟤"_s},
        {u"布丁"_s, u"🍮"_s},
        {u"草莓"_s, u"🍓"_s},
        {u"星星糖"_s, u"\u2B50\uFE0F"_s},
    };
    return table;
}

QString MagicBakeryGame::instruction()
{
    return u"欢迎来到梦幻奶茶屋。先选择口味，再把两种配料拖进杯子，抓住杯子左右摇三次，最后封杯。"_s;
}

MagicBakeryGame::MagicBakeryGame(QObject *parent)
    : GameBase(parent)
    , m_feedback(u"先选择一种奶茶口味。"_s)
{
    m_stageDrag.setThreshold(stageDragStart);
    connect(&m_stageDrag, &DragTracker::moved, this, [this] { shakeChanged(m_stageDrag.translation()); });
    connect(&m_stageDrag, &DragTracker::released, this, [this](QPointF translation) { shakeEnded(translation); });
    for (const BakeryItem &topping : toppingTable()) {
        auto *drag = new DragTracker(this);
        drag->setThreshold(chipDragStart);
        const QString title = topping.title;
        connect(drag, &DragTracker::released, this, [this, title](QPointF t) { toppingReleased(title, t); });
        connect(drag, &DragTracker::tapped, this, [this, title] { dropTopping(title); });
        m_chipDrags.append(drag);
    }
}

QVariantList MagicBakeryGame::forView(const QList<BakeryItem> &items)
{
    QVariantList list;
    for (const BakeryItem &item : items)
        list.append(QVariantMap{{u"title"_s, item.title}, {u"icon"_s, item.icon}});
    return list;
}

bool MagicBakeryGame::readyForShake() const
{
    return !m_selectedBase.isEmpty() && m_chosen.size() >= 2 && !m_sealed;
}

bool MagicBakeryGame::readyToSeal() const
{
    return !m_selectedBase.isEmpty() && m_chosen.size() >= 2 && m_shakes > 2;
}

QString MagicBakeryGame::headerLine() const
{
    return m_sealed ? u"你的招牌奶茶完成啦！"_s : m_feedback;
}

QString MagicBakeryGame::badge() const
{
    return m_sealed ? u"✨ 完成"_s : u"口味 · 配料 · 摇一摇 · 封杯"_s;
}

QString MagicBakeryGame::stageCaption() const
{
    if (m_sealed)
        return u"✨ "_s + m_selectedBase + u" · 梦幻特调"_s;
    if (readyForShake())
        return u"抓住杯子左右摇动 "_s + QString::number(m_shakes) + u"/3"_s;
    return u"把配料拖进杯子里"_s;
}

QString MagicBakeryGame::sealTitle() const
{
    return m_sealed ? u"奶茶已封杯"_s : u"3 给奶茶封杯"_s;
}

QString MagicBakeryGame::giveTitle() const
{
    return finished() ? u"已经送到啦"_s : u"送给小伙伴"_s;
}

void MagicBakeryGame::appear()
{
    GameAudio::readQuestion(instruction(), u"zh-CN"_s);
}

void MagicBakeryGame::chooseBase(const QString &title)
{
    m_selectedBase = title;
    m_feedback = u"把至少两种配料拖进杯子。"_s;
    emit changed();
    GameAudio::tap();
}

void MagicBakeryGame::dropTopping(const QString &title)
{
    if (!m_chosen.contains(title))
        m_chosen.append(title);
    m_feedback = m_chosen.size() < 2 ? u"再放一种配料吧。"_s : u"抓住中间的杯子，左右摇三次。"_s;
    emit changed();
    GameAudio::tap();
}

bool MagicBakeryGame::isChipDrop(QPointF translation)
{
    return std::hypot(translation.x(), translation.y()) > chipDropDistance;
}

void MagicBakeryGame::toppingReleased(const QString &title, QPointF translation)
{
    if (isChipDrop(translation))
        dropTopping(title);
}

void MagicBakeryGame::setCupDrag(QPointF drag)
{
    if (m_cupDrag == drag)
        return;
    m_cupDrag = drag;
    emit cupDragChanged();
}

void MagicBakeryGame::shakeChanged(QPointF translation)
{
    if (readyForShake())
        setCupDrag(translation);
}

void MagicBakeryGame::shakeEnded(QPointF translation)
{
    if (readyForShake() && std::abs(translation.x()) > shakeDistance) {
        m_shakes = qMin(m_shakes + 1, shakesNeeded);
        m_feedback = m_shakes > 2 ? u"摇匀啦，现在给奶茶封杯。"_s : u"再摇一摇，奶茶会更香！"_s;
        emit changed();
        GameAudio::tap();
    }
    setCupDrag({}); // springs back
}

void MagicBakeryGame::seal()
{
    if (!canSeal())
        return; // not ready, or sealed already: the button is disabled, nothing happens
    m_sealed = true;
    emit changed();
    GameAudio::correct();
}

void MagicBakeryGame::give()
{
    if (!m_sealed || finished())
        return; // the give button exists only once sealed, and reports once
    GameAudio::correct(); // starts once this action is over
    completeOnce(100, 3);  // `finished` turns true before the report goes out
}
