#include "DrawingStrokes.h"

#include "AppTheme.h"

QList<QColor> drawingPalette()
{
    return {AppTheme::ink(), AppTheme::coral(), AppTheme::sky(), AppTheme::mint(), AppTheme::purple(), AppTheme::mango()};
}

void DrawingStrokes::append(DrawingStroke stroke)
{
    m_strokes.append(std::move(stroke));
    emit changed();
}

bool DrawingStrokes::removeLast()
{
    if (m_strokes.isEmpty())
        return false;
    m_strokes.removeLast();
    emit changed();
    return true;
}

void DrawingStrokes::clear()
{
    m_strokes.clear();
    emit changed();
}
