#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include "EntertainmentTimeController.h"

// What the parent is typing into one of the play-time overlays. Each overlay creates
// its own form when it appears, so every appearance starts afresh.

// What both overlays share: the controller, the PIN field and the error line. A PIN
// field keeps only digits, at most four; every edit clears the message.
class PinForm : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The setup and lock overlays make their own forms")
    Q_PROPERTY(EntertainmentTimeController *controller READ controller WRITE setController NOTIFY controllerChanged)
    Q_PROPERTY(QString pin READ pin NOTIFY pinChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    using QObject::QObject;

    EntertainmentTimeController *controller() const { return m_controller; }
    void setController(EntertainmentTimeController *controller);
    QString pin() const { return m_pin; }
    QString error() const { return m_error; }

    Q_INVOKABLE void editPin(const QString &text);

signals:
    void controllerChanged();
    void pinChanged();
    void errorChanged();

protected:
    void setError(const QString &error);

    QPointer<EntertainmentTimeController> m_controller;
    QString m_pin;
    QString m_error;
};

// The setup overlay: minutes (quick choices or slider), no limit, PIN, error.
class TimeSetupForm : public PinForm
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double minutes READ minutes WRITE setMinutes NOTIFY minutesChanged)
    Q_PROPERTY(bool isUnlimited READ isUnlimited NOTIFY isUnlimitedChanged)
    Q_PROPERTY(int selectedChoice READ selectedChoice NOTIFY selectionChanged)
    Q_PROPERTY(QString caption READ caption NOTIFY selectionChanged)
    Q_PROPERTY(QString pinHint READ pinHint NOTIFY pinHintChanged)

public:
    static constexpr double defaultMinutes = 30;
    static constexpr double sliderStep = 5;

    explicit TimeSetupForm(QObject *parent = nullptr);

    double minutes() const { return m_minutes; }
    // The slider's value: snapped to a step of 5 within 10..120.
    void setMinutes(double minutes);
    bool isUnlimited() const { return m_isUnlimited; }
    // The quick choice shown as chosen (15, 30 or 60), 0 for none.
    int selectedChoice() const;
    QString caption() const;
    QString pinHint() const;

    Q_INVOKABLE void chooseMinutes(int minutes);
    Q_INVOKABLE void chooseUnlimited();
    // A parent starts dragging the slider.
    Q_INVOKABLE void beginSliding();
    // Starts the session; on failure the message shows in `error`.
    Q_INVOKABLE bool confirm();
    Q_INVOKABLE void close();

signals:
    void minutesChanged();
    void isUnlimitedChanged();
    void selectionChanged();
    void pinHintChanged();

private:
    void setUnlimited(bool unlimited);

    double m_minutes = defaultMinutes;
    bool m_isUnlimited = false;
};

// The lock overlay: PIN and error.
class UnlockForm : public PinForm
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit UnlockForm(QObject *parent = nullptr);

    // On a wrong PIN the message shows in `error` and the PIN stays as typed.
    Q_INVOKABLE bool unlock();
};
