#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

class SettingsStore;

// The parental play-time limit of one run.
//
// A parent starts a timed session (10 to 120 minutes) or a session without limit with
// the four-digit parent PIN; the first PIN confirmed on a machine becomes the PIN. A
// timed session counts down against a wall-clock deadline; refresh() locks the
// playground when it is reached, and only the PIN unlocks it, after which a new session
// has to be set up. Only the PIN is stored; a new run starts with no session.
class EntertainmentTimeController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The root view owns the one controller")
    Q_PROPERTY(qint64 remainingSeconds READ remainingSeconds NOTIFY remainingSecondsChanged)
    Q_PROPERTY(bool isUnlimited READ isUnlimited NOTIFY isUnlimitedChanged)
    Q_PROPERTY(bool isLocked READ isLocked NOTIFY isLockedChanged)
    Q_PROPERTY(bool isShowingSetup READ isShowingSetup WRITE setShowingSetup NOTIFY isShowingSetupChanged)
    Q_PROPERTY(bool setupCanBeCancelled READ setupCanBeCancelled WRITE setSetupCanBeCancelled NOTIFY setupCanBeCancelledChanged)
    Q_PROPERTY(bool coversPlay READ coversPlay NOTIFY coversPlayChanged)
    Q_PROPERTY(QString timeLabel READ timeLabel NOTIFY timeLabelChanged)
    Q_PROPERTY(QString accessibleTimeLabel READ accessibleTimeLabel NOTIFY timeLabelChanged)
    Q_PROPERTY(bool hasStoredPin READ hasStoredPin NOTIFY hasStoredPinChanged)

public:
    static inline const QString pinKey = QStringLiteral("pipwhistle.parentTimePIN.v1");
    static inline const QString wrongPinMessage = QStringLiteral("家长密码不正确");
    static inline const QString shortPinMessage = QStringLiteral("请输入四位数字家长密码");
    static constexpr int minMinutes = 10;
    static constexpr int maxMinutes = 120;

    explicit EntertainmentTimeController(SettingsStore &defaults, QObject *parent = nullptr);

    qint64 remainingSeconds() const { return m_remainingSeconds; }
    bool isUnlimited() const { return m_isUnlimited; }
    bool isLocked() const { return m_isLocked; }
    bool isShowingSetup() const { return m_isShowingSetup; }
    bool setupCanBeCancelled() const { return m_setupCanBeCancelled; }
    // The lock, or the setup that cannot be cancelled (which the lock and the cover lead
    // to), lies over the playground: nothing beneath plays on. A setup a parent opens
    // from the time chip covers nothing. Unlocking hands the cover from the lock to its
    // setup without a gap.
    bool coversPlay() const { return m_coversPlay; }
    std::optional<QDateTime> deadline() const { return m_deadline; }
    SettingsStore &defaults() const { return m_defaults; }

    void setShowingSetup(bool showing);
    void setSetupCanBeCancelled(bool cancellable);

    // "无限制", "MM:SS" below an hour, "HH:MM:SS" from an hour on.
    QString timeLabel() const;
    // What a screen reader says for the time chip.
    QString accessibleTimeLabel() const;
    // The stored PIN, when it is one (exactly four ASCII digits); anything else stored
    // counts as no PIN.
    std::optional<QString> storedPin() const;
    bool hasStoredPin() const { return storedPin().has_value(); }

    // Checks the PIN (storing it on first use) and starts a session: timed for the given
    // minutes (clamped to 10..120), unlimited for none. Returns the message to show, or
    // none on success.
    std::optional<QString> beginSession(std::optional<int> minutes, const QString &parentPIN);
    // Recomputes the remaining time from the deadline and locks when it is reached.
    Q_INVOKABLE void refresh();
    // While locked: true and unlocked (asking for a new, non-cancellable setup) when the
    // PIN matches the stored one.
    Q_INVOKABLE bool verifyUnlock(const QString &parentPIN);

    // The time chip's action: the setup with a close button.
    Q_INVOKABLE void requestCancellableSetup();
    // The setup's close button: closes it when it may be cancelled.
    Q_INVOKABLE void cancelSetup();

signals:
    void remainingSecondsChanged();
    void isUnlimitedChanged();
    void isLockedChanged();
    void isShowingSetupChanged();
    void setupCanBeCancelledChanged();
    void timeLabelChanged();
    void hasStoredPinChanged();
    void coversPlayChanged();

private:
    void setRemainingSeconds(qint64 seconds);
    void setUnlimited(bool unlimited);
    void setLocked(bool locked);
    void updateCover();

    SettingsStore &m_defaults;
    qint64 m_remainingSeconds = 0;
    bool m_isUnlimited = false;
    bool m_isLocked = false;
    bool m_isShowingSetup = false;
    bool m_setupCanBeCancelled = false;
    bool m_coversPlay = false;
    bool m_coverDeferred = false; // the flags are being changed together
    std::optional<QDateTime> m_deadline;
};
