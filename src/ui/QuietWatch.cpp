#include "QuietWatch.h"

#include <QQuickWindow>

QuietWatch::QuietWatch(QQuickItem *parent)
    : QQuickItem(parent)
{
}

void QuietWatch::itemChange(ItemChange change, const ItemChangeData &data)
{
    if (change == ItemSceneChange)
        watch(data.window);
    QQuickItem::itemChange(change, data);
}

void QuietWatch::watch(QQuickWindow *window)
{
    disconnect(m_frames);
    m_sinceFrame.invalidate();
    m_run = 0;
    setQuiet(false);
    // Sent on the interface thread before each frame's scene is handed to the renderer.
    if (window)
        m_frames = connect(window, &QQuickWindow::afterAnimating, this, &QuietWatch::frame);
}

void QuietWatch::frame()
{
    const qint64 gap = m_sinceFrame.isValid() ? m_sinceFrame.restart() : -1;
    if (!m_sinceFrame.isValid())
        m_sinceFrame.start();
    if (gap < 0)
        return;
    if (gap >= pauseMs) {
        m_run = 0;
        setQuiet(true);
    } else if (gap < runGapMs) {
        if (++m_run >= runFrames)
            setQuiet(false);
    } else {
        m_run = 0;
    }
}

void QuietWatch::setQuiet(bool quiet)
{
    if (m_quiet == quiet)
        return;
    m_quiet = quiet;
    emit quietChanged();
}
