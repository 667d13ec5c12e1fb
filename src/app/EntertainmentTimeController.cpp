#include "EntertainmentTimeController.h"

#include "Clock.h"
#include "PinDigits.h"
#include "SettingsStore.h"

#include <QScopedValueRollback>

#include <cmath>

EntertainmentTimeController::EntertainmentTimeController(SettingsStore &defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
{
}

void EntertainmentTimeController::setShowingSetup(bool showing)
{
    if (m_isShowingSetup == showing)
        return;
    m_isShowingSetup = showing;
    emit isShowingSetupChanged();
    // The overlay works out its hint each time it appears.
    if (showing)
        emit hasStoredPinChanged();
    updateCover();
}

void EntertainmentTimeController::setSetupCanBeCancelled(bool cancellable)
{
    if (m_setupCanBeCancelled == cancellable)
        return;
    m_setupCanBeCancelled = cancellable;
    emit setupCanBeCancelledChanged();
    updateCover();
}

void EntertainmentTimeController::setRemainingSeconds(qint64 seconds)
{
    if (m_remainingSeconds == seconds)
        return;
    m_remainingSeconds = seconds;
    emit remainingSecondsChanged();
    emit timeLabelChanged();
}

void EntertainmentTimeController::setUnlimited(bool unlimited)
{
    if (m_isUnlimited == unlimited)
        return;
    m_isUnlimited = unlimited;
    emit isUnlimitedChanged();
    emit timeLabelChanged();
}

void EntertainmentTimeController::setLocked(bool locked)
{
    if (m_isLocked == locked)
        return;
    m_isLocked = locked;
    emit isLockedChanged();
    updateCover();
}

void EntertainmentTimeController::updateCover()
{
    const bool covers = m_isLocked || (m_isShowingSetup && !m_setupCanBeCancelled);
    if (m_coverDeferred || m_coversPlay == covers)
        return;
    m_coversPlay = covers;
    emit coversPlayChanged();
}

QString EntertainmentTimeController::timeLabel() const
{
    if (m_isUnlimited)
        return QStringLiteral("无限制");
    const qint64 s = m_remainingSeconds;
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (s < 3600)
        return two((s % 3600) / 60) + QLatin1Char(':') + two(s % 60);
    return two(s / 3600) + QLatin1Char(':') + two((s % 3600) / 60) + QLatin1Char(':') + two(s % 60);
}

QString EntertainmentTimeController::accessibleTimeLabel() const
{
    if (m_isUnlimited)
        return QStringLiteral("娱乐时间无限制");
    return QStringLiteral("剩余娱乐时间 ") + timeLabel();
}

std::optional<QString> EntertainmentTimeController::storedPin() const
{
    const std::optional<QString> stored = m_defaults.string(pinKey);
    if (stored && PinDigits::isValidStored(*stored))
        return stored;
    return std::nullopt;
}

std::optional<QString> EntertainmentTimeController::beginSession(std::optional<int> minutes,
                                                                 const QString &parentPIN)
{
    const QString digits = PinDigits::extract(parentPIN);
    if (digits.size() != PinDigits::length)
        return shortPinMessage;

    if (const std::optional<QString> stored = storedPin()) {
        if (*stored != digits)
            return wrongPinMessage;
    } else {
        // First use (or nothing usable stored): these digits become the parent PIN.
        m_defaults.setString(pinKey, digits);
        emit hasStoredPinChanged();
    }

    setLocked(false);
    setShowingSetup(false);
    if (!minutes) {
        setUnlimited(true);
        setRemainingSeconds(0);
        m_deadline.reset();
    } else {
        setUnlimited(false);
        const int clamped = std::clamp(*minutes, minMinutes, maxMinutes);
        setRemainingSeconds(qint64(clamped) * 60);
        m_deadline = Clock::current().now().addSecs(m_remainingSeconds);
    }
    return std::nullopt;
}

void EntertainmentTimeController::refresh()
{
    if (m_isUnlimited || m_isLocked || !m_deadline)
        return;
    const qint64 ms = Clock::current().now().msecsTo(*m_deadline);
    const qint64 left = qint64(std::ceil(double(ms) / 1000.0));
    setRemainingSeconds(std::max<qint64>(left, 0));
    if (m_remainingSeconds == 0) {
        m_deadline.reset();
        setShowingSetup(false);
        setLocked(true);
    }
}

bool EntertainmentTimeController::verifyUnlock(const QString &parentPIN)
{
    const std::optional<QString> stored = storedPin();
    if (!stored || PinDigits::extract(parentPIN) != *stored)
        return false;
    {
        // The setup takes the lock's place: what the lock covered stays covered.
        const QScopedValueRollback deferred(m_coverDeferred, true);
        setLocked(false);
        setSetupCanBeCancelled(false);
        setShowingSetup(true);
    }
    updateCover();
    return true;
}

void EntertainmentTimeController::requestCancellableSetup()
{
    setSetupCanBeCancelled(true);
    setShowingSetup(true);
}

void EntertainmentTimeController::cancelSetup()
{
    if (m_setupCanBeCancelled)
        setShowingSetup(false);
}
