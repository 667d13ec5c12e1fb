#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Whether its window has come to rest: `quiet` turns true with the first frame that
// follows a pause of the window's frames (on a waiting screen, the time chip's next
// second), and false again once frames come in a run (something animates). Frames
// that come one at a time (a tap's answer, a tick) leave it as it is. It reads the
// frames only, so it knows nothing of what changed: a still layer made active by it
// is painted again whenever its content changes, and is used only while the window
// draws little.
class QuietWatch : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool quiet READ isQuiet NOTIFY quietChanged FINAL)

public:
    explicit QuietWatch(QQuickItem *parent = nullptr);

    bool isQuiet() const { return m_quiet; }

    // A pause of at least this long before a frame makes the window quiet; this many
    // frames in a row, each within `runGapMs` of the one before, make it busy.
    static constexpr qint64 pauseMs = 400;
    static constexpr qint64 runGapMs = 100;
    static constexpr int runFrames = 3;

signals:
    void quietChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData &data) override;

private:
    void watch(QQuickWindow *window);
    void frame();
    void setQuiet(bool quiet);

    QMetaObject::Connection m_frames;
    // Real time between frames (the program's Clock stands for play time, which tests
    // move by hand): read on the interface thread only.
    QElapsedTimer m_sinceFrame;
    int m_run = 0;
    bool m_quiet = false;
};
