// Quitting while speech is being made: the program is started as main() starts it, a
// game's prompt is asked for and the program quits at once, while the speech worker is
// still starting the engine or rendering, or once the prompt sounds on a private sound
// server (its output stream open on the sound output's thread). Each quit runs in a process of its own (this
// executable started again with --quit-while-speaking), so the exit handlers and the
// statics really go; the process must end cleanly, promptly and with nothing on its
// error output from a sanitizer.

#include "PipwhistleApp.h"
#include "SettingsStore.h"
#include "SpeechService.h"
#include "UiSetup.h"
#include "audio/PrivateSoundServer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

const char quitOption[] = "--quit-while-speaking";

// The child: the application on a throwaway settings store, speech asked for, then
// quit after `delayMs` (0: in the first turn of the event loop; -1: 300 ms after the
// first clip went to the sound output, which then plays it). With `orderly` the
// application is shut down as main() does it; without, only the exit handlers stop the
// speech worker.
int quitWhileSpeaking(int argc, char *argv[], int delayMs, bool orderly)
{
    QGuiApplication application(argc, argv);
    MemorySettingsStore settings;
    SettingsStore::setStandard(&settings);
    SpeechService::setRemoteEndpoint(QUrl());
    PipwhistleApp app;
    app.prepareCover();
    Ui::installFonts();
    Ui::prepareEngine(app.engine());
    if (!app.start())
        return 2;
    SpeechService &speech = SpeechService::shared();
    if (delayMs < 0) {
        QObject::connect(&speech.channel(), &SoundChannel::started, &application,
                         [&application] { QTimer::singleShot(300, &application, &QCoreApplication::quit); });
        QTimer::singleShot(20000, &application, [] { QCoreApplication::exit(3); }); // never sounded
    }
    QTimer::singleShot(std::max(delayMs, 0), &application, [&speech, delayMs] {
        speech.speak(QStringLiteral("Listen carefully and find the picture of the word you hear."),
                     QStringLiteral("en-US"), 0.36f);
        if (delayMs < 0)
            return;
        speech.speakChinesePronunciation(QStringLiteral("小猫"));
        speech.speak(QStringLiteral("小朋友，请选出正确的汉字"), QStringLiteral("zh-CN"), 0.36f);
        QCoreApplication::quit();
    });
    const int status = application.exec();
    if (orderly)
        app.shutDown();
    return status;
}

} // namespace

class QuitWhileSpeakingTest : public QObject
{
    Q_OBJECT
    PrivateSound::PrivateSoundServer m_sound;
    QString m_noSound;

private slots:
    void initTestCase()
    {
        // The children inherit the environment that points their sound at it.
        if (!m_sound.start(&m_noSound))
            qInfo("no private sound server (%s): the quits while a prompt sounds are skipped", qPrintable(m_noSound));
        else
            m_noSound.clear();
    }

    void quitsCleanly_data()
    {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("orderly");
        for (const bool orderly : {true, false}) {
            const char *how = orderly ? "shut down" : "exit handlers only";
            QTest::addRow("at once, %s", how) << 0 << orderly;          // the engine is still starting
            QTest::addRow("after a moment, %s", how) << 150 << orderly; // the worker renders
            QTest::addRow("while a prompt sounds, %s", how) << -1 << orderly;
        }
    }
    void quitsCleanly()
    {
        QFETCH(int, delayMs);
        QFETCH(bool, orderly);
        if (delayMs < 0 && !m_noSound.isEmpty())
            QSKIP("no private sound server");
        for (int run = 0; run < 3; ++run) {
            QProcess child;
            child.setProgram(QCoreApplication::applicationFilePath());
            child.setArguments({QString::fromLatin1(quitOption), QString::number(delayMs), QString::number(orderly)});
            QElapsedTimer took;
            took.start();
            child.start();
            QVERIFY(child.waitForFinished(60000));
            const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
            QVERIFY2(child.exitStatus() == QProcess::NormalExit, qPrintable(errors));
            QVERIFY2(child.exitCode() == 0, qPrintable(errors));
            QVERIFY2(!errors.contains(QLatin1String("Sanitizer")) && !errors.contains(QLatin1String("runtime error")),
                     qPrintable(errors));
            // The utterance is abandoned, not finished, on the way out.
            QVERIFY2(took.elapsed() < 20000, qPrintable(QString::number(took.elapsed())));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], quitOption) == 0)
        return quitWhileSpeaking(1, argv, QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt() != 0);
    QCoreApplication application(argc, argv);
    QuitWhileSpeakingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quit_while_speaking.moc"
