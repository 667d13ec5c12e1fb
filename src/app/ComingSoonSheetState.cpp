#include "ComingSoonSheetState.h"

#include <algorithm>

ComingSoonSheetState::ComingSoonSheetState(QObject *parent)
    : QObject(parent)
{
    m_drag.setThreshold(0);
    connect(&m_drag, &DragTracker::positionChanged, this, &ComingSoonSheetState::offsetChanged);
    connect(&m_drag, &DragTracker::released, this, [this](QPointF translation) {
        if (translation.y() > closeDistance)
            dismiss();
    });
}

qreal ComingSoonSheetState::offset() const
{
    return std::max<qreal>(0, m_drag.translation().y());
}

void ComingSoonSheetState::show(const QVariantMap &game)
{
    if (game.isEmpty() || game == m_game)
        return;
    m_game = game;
    emit gameChanged();
}

void ComingSoonSheetState::dismiss()
{
    if (m_game.isEmpty())
        return;
    m_drag.cancel();
    m_game.clear();
    emit gameChanged();
}
