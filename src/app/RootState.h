#pragma once

#include <QObject>
#include <QtQml/qqmlparserstatus.h>
#include <QtQml/qqmlregistration.h>

#include "Clock.h"
#include "EntertainmentTimeController.h"

// The root view's state: the storybook cover or the playground, and the one play-time
// controller with the overlays it asks for. While the root view exists the controller
// is refreshed once a second (the first time as soon as the view is complete).
class RootState : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(EntertainmentTimeController *timeController READ timeController CONSTANT)
    Q_PROPERTY(bool hasOpenedStorybook READ hasOpenedStorybook NOTIFY hasOpenedStorybookChanged)
    Q_PROPERTY(bool setupVisible READ setupVisible NOTIFY overlaysChanged)
    Q_PROPERTY(bool lockVisible READ lockVisible NOTIFY overlaysChanged)

public:
    static constexpr int refreshIntervalMs = 1000;

    explicit RootState(QObject *parent = nullptr);
    ~RootState() override;

    EntertainmentTimeController *timeController() const { return m_time; }
    bool hasOpenedStorybook() const { return m_hasOpenedStorybook; }
    // The setup overlay lies above the playground once the book is open, while the
    // controller asks for it and the lock is not down.
    bool setupVisible() const;
    // The lock overlay covers everything, the cover included, while locked.
    bool lockVisible() const;

    // The cover's button: the playground, with the parent's setup that cannot be
    // cancelled.
    Q_INVOKABLE void openStorybook();

    void classBegin() override {}
    void componentComplete() override;

signals:
    void hasOpenedStorybookChanged();
    void overlaysChanged();

private:
    EntertainmentTimeController *m_time;
    bool m_hasOpenedStorybook = false;
    Clock::WaitId m_refresh = 0;
};
