#pragma once

#include "DragTracker.h"
#include "GameBase.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVariantList>

// A flavour or a topping of the bakery: its title (the key) and its icon (only shown).
struct BakeryItem
{
    QString title;
    QString icon;
};

// What the cup shows of a drink: the colour of a flavour and the pictures of toppings.
class MilkTea : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    using QObject::QObject;

    // Pink for a strawberry flavour, brown for cocoa (tested in that order), else green;
    // half-transparent white while no flavour is chosen.
    Q_INVOKABLE static QColor drinkColor(const QString &base);
    // The picture of a topping inside the cup; empty for pearls (drawn as a row of
    // pearls) and for any title the cup does not know.
    Q_INVOKABLE static QString toppingEmoji(const QString &title);
    // The pictures of every topping but the pearls, in the order given, with no separator.
    Q_INVOKABLE static QString toppingLine(const QStringList &toppings);
    Q_INVOKABLE static bool hasPearls(const QStringList &toppings) { return toppings.contains(pearls()); }
    Q_INVOKABLE static QString label(const QString &base);
    static QString pearls();
};

// "magic-bakery": one milk tea made step by step. Choose a flavour, put at least two
// toppings into the cup (a chip dragged away and let go, or tapped), swing the cup
// sideways three times, seal it, give it away: that reports (100, 3), once.
class MagicBakeryGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList bases READ basesForView CONSTANT FINAL)
    Q_PROPERTY(QVariantList toppings READ toppingsForView CONSTANT FINAL)
    Q_PROPERTY(QString selectedBase READ selectedBase NOTIFY changed FINAL)
    Q_PROPERTY(QStringList chosen READ chosen NOTIFY changed FINAL)
    Q_PROPERTY(int shakes READ shakes NOTIFY changed FINAL)
    Q_PROPERTY(QPointF cupDrag READ cupDrag NOTIFY cupDragChanged FINAL)
    Q_PROPERTY(bool sealed READ sealed NOTIFY changed FINAL)
    Q_PROPERTY(bool finished READ finished NOTIFY reportedChanged FINAL)
    Q_PROPERTY(QString feedback READ feedback NOTIFY changed FINAL)
    Q_PROPERTY(bool readyForShake READ readyForShake NOTIFY changed FINAL)
    Q_PROPERTY(bool readyToSeal READ readyToSeal NOTIFY changed FINAL)
    Q_PROPERTY(bool canSeal READ canSeal NOTIFY changed FINAL)
    Q_PROPERTY(QString headerLine READ headerLine NOTIFY changed FINAL)
    Q_PROPERTY(QString badge READ badge NOTIFY changed FINAL)
    Q_PROPERTY(QString stageCaption READ stageCaption NOTIFY changed FINAL)
    Q_PROPERTY(QString sealTitle READ sealTitle NOTIFY changed FINAL)
    Q_PROPERTY(QString giveTitle READ giveTitle NOTIFY reportedChanged FINAL)
    // The cup stage's drag, in the coordinates of the panel it stands on.
    Q_PROPERTY(DragTracker *stageDrag READ stageDrag CONSTANT FINAL)
    // One drag a topping chip (table order), in the coordinates of the chip's place.
    Q_PROPERTY(QList<DragTracker *> chipDrags READ chipDrags CONSTANT FINAL)
public:
    explicit MagicBakeryGame(QObject *parent = nullptr);

    static constexpr auto gameID = "magic-bakery";
    static constexpr int shakesNeeded = 3;
    static constexpr qreal shakeDistance = 45;   // sideways travel at release that counts
    static constexpr qreal stageDragStart = 12;  // the stage's drag begins after this
    static constexpr qreal chipDragStart = 5;    // a chip's drag begins after this
    static constexpr qreal chipDropDistance = 25; // a chip let go further away drops

    static const QList<BakeryItem> &baseTable();
    static const QList<BakeryItem> &toppingTable();
    static QString instruction();

    QString selectedBase() const { return m_selectedBase; }
    QStringList chosen() const { return m_chosen; }
    int shakes() const { return m_shakes; }
    QPointF cupDrag() const { return m_cupDrag; }
    bool sealed() const { return m_sealed; }
    bool finished() const { return reported(); }
    QString feedback() const { return m_feedback; }
    bool readyForShake() const;
    bool readyToSeal() const;
    bool canSeal() const { return readyToSeal() && !m_sealed; }
    QString headerLine() const;
    QString badge() const;
    QString stageCaption() const;
    QString sealTitle() const;
    QString giveTitle() const;

    DragTracker *stageDrag() { return &m_stageDrag; }
    QList<DragTracker *> chipDrags() const { return m_chipDrags; }

    // Each time the page comes on screen: the instruction, read aloud.
    void appear() override;
    Q_INVOKABLE void chooseBase(const QString &title);
    // A chip reported a drop (let go far enough) or a tap.
    Q_INVOKABLE void dropTopping(const QString &title);
    // A chip's drag ended with this translation: far enough away, it drops.
    Q_INVOKABLE void toppingReleased(const QString &title, QPointF translation);
    Q_INVOKABLE static bool isChipDrop(QPointF translation);
    // The stage's drag moved to / ended at this translation since it began.
    Q_INVOKABLE void shakeChanged(QPointF translation);
    Q_INVOKABLE void shakeEnded(QPointF translation);
    Q_INVOKABLE void seal();
    Q_INVOKABLE void give();

signals:
    void changed();
    void cupDragChanged();

private:
    static QVariantList forView(const QList<BakeryItem> &items);
    QVariantList basesForView() const { return forView(baseTable()); }
    QVariantList toppingsForView() const { return forView(toppingTable()); }
    void setCupDrag(QPointF drag);

    DragTracker m_stageDrag;
    QList<DragTracker *> m_chipDrags;
    QString m_selectedBase;
    QStringList m_chosen; // a set: each title once, kept in the order put in
    int m_shakes = 0;
    QPointF m_cupDrag;
    bool m_sealed = false;
    QString m_feedback;
};
