// The GameAudio singleton as the QML views use it.
#include "Clock.h"
#include "GameAudio.h"
#include "SettingsStore.h"
#include "SpeechService.h"
#include "TonePlayer.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)

class AudioQmlTest : public QObject
{
    Q_OBJECT

private slots:
    void singletonForwardsToGameAudio()
    {
        MemorySettingsStore settings;
        SettingsStore::setStandard(&settings);
        ManualClock clock;
        Clock::setCurrent(&clock);

        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QList<QQmlError> warnings;
        connect(&engine, &QQmlEngine::warnings, this, [&](const QList<QQmlError> &w) { warnings << w; });
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick
            import Pipwhistle.Audio
            Item {
                property bool sound: GameAudio.feedbackSoundEnabled
                function play() {
                    GameAudio.tap()
                    GameAudio.correct()
                    GameAudio.wrong()
                    GameAudio.readQuestion("小猫在哪里？", "zh-CN")
                    GameAudio.playInstrument([523.25, 659.25])
                }
            }
        )", QUrl(QStringLiteral("qrc:/test.qml")));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("sound").toBool(), true);

        QSignalSpy tones(&TonePlayer::shared().channel(), &SoundChannel::started);
        QSignalSpy words(&SpeechService::shared(), &SpeechService::localUtterance);
        QMetaObject::invokeMethod(object.get(), "play");
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        clock.runUntilIdle();
        QCOMPARE(tones.size(), 5);
        QCOMPARE(words.size(), 3);
        QCOMPARE(words.last().first().toString(), QStringLiteral("请听题，小猫在哪里？"));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.value(0).toString()));

        Clock::setCurrent(nullptr);
        SettingsStore::setStandard(nullptr);
    }
};

QTEST_MAIN(AudioQmlTest)
#include "tst_audio_qml.moc"
