#include "TimeForms.h"

#include "PinDigits.h"

#include <cmath>

void PinForm::setController(EntertainmentTimeController *controller)
{
    if (m_controller == controller)
        return;
    m_controller = controller;
    emit controllerChanged();
}

void PinForm::editPin(const QString &text)
{
    m_pin = PinDigits::fieldText(text);
    // The field shows what was kept, even when that is what it showed before.
    emit pinChanged();
    setError({});
}

void PinForm::setError(const QString &error)
{
    if (m_error == error)
        return;
    m_error = error;
    emit errorChanged();
}

TimeSetupForm::TimeSetupForm(QObject *parent)
    : PinForm(parent)
{
    // The hint follows whether a PIN is stored.
    connect(this, &PinForm::controllerChanged, this, [this] {
        if (m_controller)
            connect(m_controller, &EntertainmentTimeController::hasStoredPinChanged, this,
                    &TimeSetupForm::pinHintChanged, Qt::UniqueConnection);
        emit pinHintChanged();
    });
}

void TimeSetupForm::setMinutes(double minutes)
{
    if (!std::isfinite(minutes))
        return;
    const double snapped = std::clamp(std::round(minutes / sliderStep) * sliderStep,
                                      double(EntertainmentTimeController::minMinutes),
                                      double(EntertainmentTimeController::maxMinutes));
    if (snapped == m_minutes)
        return;
    m_minutes = snapped;
    emit minutesChanged();
    emit selectionChanged();
}

void TimeSetupForm::setUnlimited(bool unlimited)
{
    if (m_isUnlimited == unlimited)
        return;
    m_isUnlimited = unlimited;
    emit isUnlimitedChanged();
    emit selectionChanged();
}

int TimeSetupForm::selectedChoice() const
{
    if (m_isUnlimited)
        return 0;
    for (int choice : {15, 30, 60}) {
        if (m_minutes == choice)
            return choice;
    }
    return 0;
}

QString TimeSetupForm::caption() const
{
    if (m_isUnlimited)
        return QStringLiteral("本次不限制娱乐时间");
    return QStringLiteral("滑动选择：%1 分钟").arg(qint64(m_minutes));
}

QString TimeSetupForm::pinHint() const
{
    if (m_controller && m_controller->hasStoredPin())
        return QStringLiteral("输入四位家长密码");
    return QStringLiteral("首次使用，请设置四位家长密码");
}

void TimeSetupForm::chooseMinutes(int minutes)
{
    setMinutes(minutes);
    setUnlimited(false);
    setError({});
}

void TimeSetupForm::chooseUnlimited()
{
    setUnlimited(true);
    setError({});
}

void TimeSetupForm::beginSliding()
{
    setUnlimited(false);
}

bool TimeSetupForm::confirm()
{
    if (!m_controller)
        return false;
    std::optional<int> minutes;
    if (!m_isUnlimited)
        minutes = int(m_minutes);
    const std::optional<QString> message = m_controller->beginSession(minutes, m_pin);
    setError(message.value_or(QString()));
    return !message;
}

void TimeSetupForm::close()
{
    if (m_controller)
        m_controller->cancelSetup();
}

UnlockForm::UnlockForm(QObject *parent)
    : PinForm(parent)
{
}

bool UnlockForm::unlock()
{
    if (m_controller && m_controller->verifyUnlock(m_pin))
        return true;
    setError(EntertainmentTimeController::wrongPinMessage);
    return false;
}
