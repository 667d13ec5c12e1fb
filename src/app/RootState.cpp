#include "RootState.h"

#include "PipwhistleApp.h"
#include "SettingsStore.h"
#include "StoryMusicPlayer.h"

RootState::RootState(QObject *parent)
    : QObject(parent)
    , m_time(new EntertainmentTimeController(SettingsStore::standard(), this))
{
    connect(m_time, &EntertainmentTimeController::isShowingSetupChanged, this, &RootState::overlaysChanged);
    connect(m_time, &EntertainmentTimeController::isLockedChanged, this, &RootState::overlaysChanged);
    // The parent's setup, once closed, is let go.
    connect(m_time, &EntertainmentTimeController::isShowingSetupChanged, this, [this] {
        if (!m_time->isShowingSetup())
            PipwhistleApp::current().screenLeft();
    });
}

RootState::~RootState()
{
    if (m_refresh)
        Clock::current().cancel(m_refresh);
}

bool RootState::setupVisible() const
{
    return m_hasOpenedStorybook && m_time->isShowingSetup() && !m_time->isLocked();
}

bool RootState::lockVisible() const
{
    return m_time->isLocked();
}

void RootState::openStorybook()
{
    if (!m_hasOpenedStorybook) {
        m_hasOpenedStorybook = true;
        emit hasOpenedStorybookChanged();
        emit overlaysChanged();
        // The cover fades and goes.
        PipwhistleApp::current().screenLeft();
    }
    m_time->setSetupCanBeCancelled(false);
    m_time->setShowingSetup(true);
}

void RootState::componentComplete()
{
    // Background music stays off from here on.
    StoryMusicPlayer::shared().disable();
    m_time->refresh();
    m_refresh = Clock::current().every(refreshIntervalMs, this, [this] { m_time->refresh(); });
}
