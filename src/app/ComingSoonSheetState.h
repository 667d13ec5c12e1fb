#pragma once

#include "DragTracker.h"

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The coming-soon sheet's state: which game it tells of (none: the sheet is down), and
// the finger dragging it. A drag down by more than `closeDistance` closes it; a shorter
// one lets it spring back. `offset` is how far the finger holds it below its resting
// place (never above it).
class ComingSoonSheetState : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantMap game READ game NOTIFY gameChanged FINAL)
    Q_PROPERTY(bool shown READ isShown NOTIFY gameChanged FINAL)
    Q_PROPERTY(DragTracker *drag READ drag CONSTANT FINAL)
    Q_PROPERTY(qreal offset READ offset NOTIFY offsetChanged FINAL)

public:
    static constexpr qreal closeDistance = 80;

    explicit ComingSoonSheetState(QObject *parent = nullptr);

    QVariantMap game() const { return m_game; }
    bool isShown() const { return !m_game.isEmpty(); }
    DragTracker *drag() { return &m_drag; }
    qreal offset() const;

    Q_INVOKABLE void show(const QVariantMap &game);
    Q_INVOKABLE void dismiss();

signals:
    void gameChanged();
    void offsetChanged();

private:
    QVariantMap m_game;
    DragTracker m_drag;
};
