// The parental play-time limit: the controller's rules and the two PIN forms.
#include "Clock.h"
#include "EntertainmentTimeController.h"
#include "PinDigits.h"
#include "RootState.h"
#include "SettingsStore.h"
#include "StoryMusicPlayer.h"
#include "TimeForms.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TimeLimitTest : public QObject
{
    Q_OBJECT

private:
    MemorySettingsStore store;
    std::unique_ptr<ManualClock> clock;
    std::unique_ptr<EntertainmentTimeController> time;

    QString storedPin() const { return store.string(EntertainmentTimeController::pinKey).value_or(QString()); }
    void lockWithPin(const QString &pin)
    {
        QVERIFY(!time->beginSession(10, pin));
        clock->advance(600 * 1000);
        time->refresh();
        QVERIFY(time->isLocked());
    }

private slots:
    void init()
    {
        store.clear();
        clock = std::make_unique<ManualClock>();
        Clock::setCurrent(clock.get());
        time = std::make_unique<EntertainmentTimeController>(store);
    }
    void cleanup()
    {
        time.reset();
        Clock::setCurrent(nullptr);
        clock.reset();
    }

    void firstSessionStoresThePin()
    {
        QCOMPARE(time->timeLabel(), u"00:00"_s);
        QVERIFY(!time->hasStoredPin());
        QCOMPARE(time->beginSession(30, u"2468"_s), std::nullopt);
        QCOMPARE(storedPin(), u"2468"_s);
        QCOMPARE(time->remainingSeconds(), 1800);
        QVERIFY(!time->isUnlimited());
        QVERIFY(!time->isLocked());
        QVERIFY(!time->isShowingSetup());
        QCOMPARE(time->timeLabel(), u"30:00"_s);
        QCOMPARE(time->accessibleTimeLabel(), u"剩余娱乐时间 30:00"_s);
        QVERIFY(time->hasStoredPin());
    }

    void pinChecks_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong") << "1234" << "4321" << "家长密码不正确";
        QTest::newRow("three digits") << "1234" << "123" << "请输入四位数字家长密码";
        QTest::newRow("five digits") << "1234" << "12345" << "请输入四位数字家长密码";
        QTest::newRow("three digits, no pin") << "" << "123" << "请输入四位数字家长密码";
        QTest::newRow("letters only") << "" << "abcd" << "请输入四位数字家长密码";
        QTest::newRow("separators") << "1234" << "1-2 3.4" << "";
        QTest::newRow("full-width") << "1234" << "１２３４" << "";
        QTest::newRow("arabic-indic") << "1234" << "١٢٣٤" << "";
        // Number characters that are not decimal digits are not digits of a PIN.
        QTest::newRow("roman numeral") << "1234" << "123Ⅳ" << "请输入四位数字家长密码";
    }
    void pinChecks()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        if (!stored.isEmpty())
            store.setString(EntertainmentTimeController::pinKey, stored);
        time->setShowingSetup(true);
        const auto result = time->beginSession(30, typed);
        QCOMPARE(result.value_or(QString()), message);
        QCOMPARE(time->isShowingSetup(), !message.isEmpty());
        QCOMPARE(time->remainingSeconds(), message.isEmpty() ? 1800 : 0);
        QCOMPARE(storedPin(), stored.isEmpty() && message.isEmpty() ? u"1234"_s : stored);
    }

    void fullWidthPinStoredAsAscii()
    {
        QVERIFY(!time->beginSession(30, u"１２３４"_s));
        QCOMPARE(storedPin(), u"1234"_s);
        lockWithPin(u"1234"_s);
        QVERIFY(time->verifyUnlock(u"1234"_s));
    }

    void unusableStoredPinCountsAsNone()
    {
        // Something other than four ASCII digits under the key: no PIN, so the next
        // confirmation sets one instead of locking the parent out.
        for (const QVariant &bad : {QVariant(u"１２３４"_s), QVariant(u"12"_s), QVariant(u"abcd"_s), QVariant(12)}) {
            init();
            store.setValue(EntertainmentTimeController::pinKey, bad);
            QVERIFY(!time->hasStoredPin());
            QVERIFY(!time->verifyUnlock(u"1234"_s));
            QCOMPARE(time->beginSession(30, u"5678"_s), std::nullopt);
            QCOMPARE(storedPin(), u"5678"_s);
        }
    }

    void minutesAreClamped_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("label");
        QTest::newRow("5") << 5 << qint64(600) << "10:00";
        QTest::newRow("500") << 500 << qint64(7200) << "02:00:00";
        QTest::newRow("45") << 45 << qint64(2700) << "45:00";
        QTest::newRow("negative") << -3 << qint64(600) << "10:00";
    }
    void minutesAreClamped()
    {
        QFETCH(int, minutes);
        QFETCH(qint64, seconds);
        QFETCH(QString, label);
        QVERIFY(!time->beginSession(minutes, u"1111"_s));
        QCOMPARE(time->remainingSeconds(), seconds);
        QCOMPARE(time->timeLabel(), label);
        QCOMPARE(*time->deadline(), clock->now().addSecs(seconds));
    }

    void unlimitedSessionNeverLocks()
    {
        QVERIFY(!time->beginSession(std::nullopt, u"1111"_s));
        QVERIFY(time->isUnlimited());
        QCOMPARE(time->remainingSeconds(), 0);
        QCOMPARE(time->timeLabel(), u"无限制"_s);
        QCOMPARE(time->accessibleTimeLabel(), u"娱乐时间无限制"_s);
        clock->advance(10LL * 3600 * 1000);
        time->refresh();
        QVERIFY(!time->isLocked());
        QVERIFY(!time->deadline());
    }

    void countdownRoundsUpAndLocks()
    {
        QVERIFY(!time->beginSession(10, u"1111"_s));
        clock->advance(1000);
        time->refresh();
        QCOMPARE(time->timeLabel(), u"09:59"_s);
        clock->advance(598 * 1000 + 800); // 0.2 s left
        time->refresh();
        QCOMPARE(time->remainingSeconds(), 1);
        time->requestCancellableSetup();
        clock->advance(200);
        time->refresh();
        QCOMPARE(time->remainingSeconds(), 0);
        QVERIFY(time->isLocked());
        QVERIFY(!time->isShowingSetup()); // the lock closes an open setup
        QVERIFY(!time->deadline());
        // Locked: refresh changes nothing however much time passes.
        clock->advance(3600 * 1000);
        time->refresh();
        QVERIFY(time->isLocked());
    }

    void clockJumpPastDeadlineLocksAtOnce()
    {
        QVERIFY(!time->beginSession(30, u"1111"_s));
        clock->setNow(clock->now().addSecs(2 * 3600));
        time->refresh();
        QVERIFY(time->isLocked());
    }

    void labels_data()
    {
        QTest::addColumn<int>("minutesPassed");
        QTest::addColumn<int>("secondsPassed");
        QTest::addColumn<QString>("label");
        // From a 120-minute session.
        QTest::newRow("3661") << 58 << 59 * 60 - 1 - 58 * 60 << "01:01:01"; // 7200 - 3539
        QTest::newRow("3600") << 60 << 0 << "01:00:00";
        QTest::newRow("3599") << 60 << 1 << "59:59";
    }
    void labels()
    {
        QFETCH(int, minutesPassed);
        QFETCH(int, secondsPassed);
        QFETCH(QString, label);
        QVERIFY(!time->beginSession(120, u"1111"_s));
        clock->advance((minutesPassed * 60LL + secondsPassed) * 1000);
        time->refresh();
        QCOMPARE(time->timeLabel(), label);
    }

    void unlockAsksForANewSetup()
    {
        lockWithPin(u"2580"_s);
        QVERIFY(!time->verifyUnlock(u"0000"_s));
        QVERIFY(!time->verifyUnlock(QString()));
        QVERIFY(time->isLocked());
        QVERIFY(time->verifyUnlock(u"2 5 8 0"_s));
        QVERIFY(!time->isLocked());
        QVERIFY(!time->setupCanBeCancelled());
        QVERIFY(time->isShowingSetup());
        QCOMPARE(time->remainingSeconds(), 0);
        QCOMPARE(time->timeLabel(), u"00:00"_s);
        // Unlocking grants no time: the next tick does not lock again, nor count.
        clock->advance(5000);
        time->refresh();
        QVERIFY(!time->isLocked());
        time->cancelSetup();
        QVERIFY(time->isShowingSetup());
    }

    // What stops play beneath the overlays: the lock, then the setup the unlock asks for,
    // with no gap between them (the video room would load its programme in one), and
    // the setup of the opened book; never the setup a parent opens from the time chip.
    void coverFollowsTheLockAndItsSetup()
    {
        QVERIFY(!time->coversPlay());
        QVERIFY(!time->beginSession(10, u"2580"_s));
        time->requestCancellableSetup();
        QVERIFY(!time->coversPlay());
        QSignalSpy changes(time.get(), &EntertainmentTimeController::coversPlayChanged);
        clock->advance(600 * 1000);
        time->refresh();
        QVERIFY(time->isLocked() && time->coversPlay());
        QCOMPARE(changes.size(), 1);

        QList<bool> seenOnEachFlag;
        for (auto signal : {&EntertainmentTimeController::isLockedChanged,
                            &EntertainmentTimeController::setupCanBeCancelledChanged,
                            &EntertainmentTimeController::isShowingSetupChanged})
            connect(time.get(), signal, this, [&] { seenOnEachFlag.append(time->coversPlay()); });
        QVERIFY(time->verifyUnlock(u"2580"_s));
        QVERIFY(time->coversPlay());
        QCOMPARE(changes.size(), 1);
        QVERIFY(!seenOnEachFlag.contains(false));

        QVERIFY(!time->beginSession(10, u"2580"_s));
        QVERIFY(!time->coversPlay());
        QCOMPARE(changes.size(), 2);

        time->setSetupCanBeCancelled(false); // the cover's setup
        time->setShowingSetup(true);
        QVERIFY(time->coversPlay());
    }

    void newSessionReplacesTheRunningOne()
    {
        QVERIFY(!time->beginSession(30, u"1111"_s));
        clock->advance(20 * 60 * 1000);
        time->refresh();
        QCOMPARE(time->timeLabel(), u"10:00"_s);
        time->requestCancellableSetup();
        QVERIFY(time->setupCanBeCancelled());
        QVERIFY(!time->beginSession(15, u"1111"_s));
        QCOMPARE(time->timeLabel(), u"15:00"_s);
        QVERIFY(!time->isShowingSetup());
    }

    void cancelOnlyWhenAllowed()
    {
        time->setSetupCanBeCancelled(false);
        time->setShowingSetup(true);
        time->cancelSetup();
        QVERIFY(time->isShowingSetup());
        time->requestCancellableSetup();
        time->cancelSetup();
        QVERIFY(!time->isShowingSetup());
    }

    void setupFormDefaultsAndChoices()
    {
        TimeSetupForm form;
        form.setController(time.get());
        QCOMPARE(form.minutes(), 30.0);
        QCOMPARE(form.selectedChoice(), 30);
        QCOMPARE(form.caption(), u"滑动选择：30 分钟"_s);
        QCOMPARE(form.pinHint(), u"首次使用，请设置四位家长密码"_s);

        form.setMinutes(44); // the slider snaps to its step
        QCOMPARE(form.minutes(), 45.0);
        QCOMPARE(form.selectedChoice(), 0);
        form.chooseMinutes(60);
        QCOMPARE(form.minutes(), 60.0);
        QCOMPARE(form.selectedChoice(), 60);

        form.chooseUnlimited();
        QVERIFY(form.isUnlimited());
        QCOMPARE(form.selectedChoice(), 0);
        QCOMPARE(form.caption(), u"本次不限制娱乐时间"_s);
        QCOMPARE(form.minutes(), 60.0);
        form.beginSliding();
        QVERIFY(!form.isUnlimited());
        form.setMinutes(500);
        QCOMPARE(form.minutes(), 120.0);
    }

    void setupFormPinAndConfirm()
    {
        TimeSetupForm form;
        form.setController(time.get());
        time->setShowingSetup(true);
        QVERIFY(!form.confirm());
        QCOMPARE(form.error(), u"请输入四位数字家长密码"_s);
        form.editPin(u"a"_s);
        QCOMPARE(form.pin(), QString());
        QCOMPARE(form.error(), QString());
        form.editPin(u"12a345"_s);
        QCOMPARE(form.pin(), u"1234"_s);
        form.chooseUnlimited();
        QVERIFY(form.confirm());
        QVERIFY(time->isUnlimited());
        QVERIFY(!time->isShowingSetup());
        QCOMPARE(form.pinHint(), u"输入四位家长密码"_s);

        TimeSetupForm again;
        again.setController(time.get());
        again.editPin(u"9999"_s);
        QVERIFY(!again.confirm());
        QCOMPARE(again.error(), u"家长密码不正确"_s);
        again.chooseMinutes(15); // a choice clears the message
        QCOMPARE(again.error(), QString());
    }

    void unlockForm()
    {
        lockWithPin(u"1357"_s);
        UnlockForm form;
        form.setController(time.get());
        form.editPin(u"1358"_s);
        QVERIFY(!form.unlock());
        QCOMPARE(form.error(), u"家长密码不正确"_s);
        QCOMPARE(form.pin(), u"1358"_s);
        form.editPin(u"135"_s);
        QCOMPARE(form.error(), QString());
        form.editPin(u"１３５７"_s);
        QCOMPARE(form.pin(), u"1357"_s);
        QVERIFY(form.unlock());
        QVERIFY(!time->isLocked());
    }

    void rootShowsOverlaysByTheRules()
    {
        SettingsStore::setStandard(&store);
        RootState root;
        EntertainmentTimeController &c = *root.timeController();
        // Before the book is open the setup never shows.
        c.setShowingSetup(true);
        QVERIFY(!root.setupVisible());
        root.openStorybook();
        QVERIFY(root.hasOpenedStorybook());
        QVERIFY(root.setupVisible());
        QVERIFY(!c.setupCanBeCancelled());
        QVERIFY(!c.beginSession(10, u"1234"_s));
        QVERIFY(!root.setupVisible());

        // Locked: only the lock shows, even when the setup is asked for.
        c.requestCancellableSetup();
        clock->advance(600'000);
        c.refresh();
        QVERIFY(root.lockVisible());
        c.setShowingSetup(true);
        QVERIFY(!root.setupVisible());
        QVERIFY(c.verifyUnlock(u"1234"_s));
        QVERIFY(!root.lockVisible());
        QVERIFY(root.setupVisible());
        SettingsStore::setStandard(nullptr);
    }

    void rootRefreshesAtOnceThenEverySecond()
    {
        SettingsStore::setStandard(&store);
        RootState root;
        EntertainmentTimeController &c = *root.timeController();
        QVERIFY(!c.beginSession(10, u"1234"_s));
        clock->setNow(clock->now().addSecs(30)); // no tick has run
        root.componentComplete();
        QCOMPARE(c.remainingSeconds(), 570); // the first refresh does not wait
        clock->advance(999);
        QCOMPARE(c.remainingSeconds(), 570);
        clock->advance(1);
        QCOMPARE(c.remainingSeconds(), 569);
        clock->advance(569'000);
        QVERIFY(c.isLocked());
        // Background music stays off once the root view is there.
        QVERIFY(!StoryMusicPlayer::shared().isEnabled());
        SettingsStore::setStandard(nullptr);
    }

    void digitExtraction()
    {
        QCOMPARE(PinDigits::extract(u"a1b2c3d4e5"_s), u"12345"_s);
        QCOMPARE(PinDigits::fieldText(u"a1b2c3d4e5"_s), u"1234"_s);
        QCOMPARE(PinDigits::extract(u"𝟏𝟐"_s), u"12"_s); // mathematical digits, outside the BMP
        QCOMPARE(PinDigits::extract(u"½⑤"_s), QString());
        QVERIFY(PinDigits::isValidStored(u"0007"_s));
        QVERIFY(!PinDigits::isValidStored(u"０００７"_s));
    }
};

QTEST_GUILESS_MAIN(TimeLimitTest)
#include "tst_time_limit.moc"
