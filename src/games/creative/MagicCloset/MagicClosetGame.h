#pragma once

#include "DragTracker.h"
#include "GameBase.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// One look of the doll: its picture and its two lines.
struct DollLook
{
    QString image;
    QString title;
    QString subtitle;
};

// "magic-closet": a dress-up stage. Dragging the doll sideways (or tapping a look row)
// changes her look among three, kept in the settings across plays; an accessory floats
// beside her; look and accessory taps flip her stance. The finish control reports
// (100, 3) once.
class MagicClosetGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList looks READ looksForView CONSTANT FINAL)
    Q_PROPERTY(QStringList accessories READ accessories CONSTANT FINAL)
    Q_PROPERTY(qint64 lookIndex READ lookIndex NOTIFY lookChanged FINAL)
    Q_PROPERTY(int shownLook READ shownLook NOTIFY lookChanged FINAL)
    Q_PROPERTY(QString lookImage READ lookImage NOTIFY lookChanged FINAL)
    Q_PROPERTY(QString lookTitle READ lookTitle NOTIFY lookChanged FINAL)
    Q_PROPERTY(QString accessory READ accessory NOTIFY changed FINAL)
    Q_PROPERTY(qreal dragX READ dragX NOTIFY dragXChanged FINAL)
    Q_PROPERTY(bool isPosing READ isPosing NOTIFY changed FINAL)
    Q_PROPERTY(bool celebrated READ celebrated NOTIFY reportedChanged FINAL)
    Q_PROPERTY(QString finishTitle READ finishTitle NOTIFY reportedChanged FINAL)
    // The doll's drag, in the coordinates of the stage column (which does not move).
    Q_PROPERTY(DragTracker *stageDrag READ stageDrag CONSTANT FINAL)
public:
    explicit MagicClosetGame(QObject *parent = nullptr);

    static constexpr auto gameID = "magic-closet";
    static constexpr auto lookKey = "pipwhistle.wardrobe.dollLook";
    static constexpr qreal dragStart = 12;     // the stage's drag begins after this
    static constexpr qreal lookChangeTravel = 55; // a drag ending further away changes the look

    static const QList<DollLook> &lookTable();
    static QStringList accessories();
    static QString instruction();
    // Any stored integer as an index of the three looks: 7 → 1, −4 → 2.
    static int wrapped(qint64 index);

    qint64 lookIndex() const;
    int shownLook() const { return wrapped(lookIndex()); }
    QString lookImage() const { return lookTable().at(shownLook()).image; }
    QString lookTitle() const { return lookTable().at(shownLook()).title; }
    QString accessory() const { return m_accessory; }
    qreal dragX() const { return m_dragX; }
    bool isPosing() const { return m_isPosing; }
    bool celebrated() const { return reported(); }
    QString finishTitle() const;
    DragTracker *stageDrag() { return &m_stageDrag; }

    void appear() override;
    // The drag's horizontal travel changed / the drag ended with this travel.
    void dragChanged(qreal travel);
    void dragEnded(qreal travel);
    Q_INVOKABLE void tapLook(int index);
    Q_INVOKABLE void tapAccessory(int index);
    Q_INVOKABLE void finish();

signals:
    void changed();
    void lookChanged();
    void dragXChanged();

private:
    QVariantList looksForView() const;
    void storeLook(qint64 index);
    void setDragX(qreal x);

    DragTracker m_stageDrag;
    QString m_accessory;
    qreal m_dragX = 0;
    bool m_isPosing = false;
};
