// Quitting while speech is being made: the program is started as main() starts it, a
// game's prompt is asked for and the program quits at once, while the speech worker is
// still starting the engine or rendering. Each quit runs in a process of its own (this
// executable started again with --quit-while-speaking), so the exit handlers and the
// statics really go; the process must end cleanly, promptly and with nothing on its
// error output from a sanitizer.

#include "PipwhistleApp.h"
#include "SettingsStore.h"
#include "SpeechService.h"
#include "UiSetup.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <QtTest>

namespace {

const char quitOption[] = "--quit-while-speaking";

// The child: the application on a throwaway settings store, speech asked for, then
// quit after `delayMs` (0: in the first turn of the event loop). With `orderly` the
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
    QTimer::singleShot(delayMs, &application, [&speech] {
        speech.speak(QStringLiteral("Listen carefully and find the picture of the word you hear."),
                     QStringLiteral("en-US"), 0.36f);
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
private slots:
    void quitsCleanly_data()
    {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("orderly");
        for (const bool orderly : {true, false}) {
            const char *how = orderly ? "shut down" : "exit handlers only";
            QTest::addRow("at once, %s", how) << 0 << orderly;          // the engine is still starting
            QTest::addRow("after a moment, %s", how) << 150 << orderly; // the worker renders
        }
    }
    void quitsCleanly()
    {
        QFETCH(int, delayMs);
        QFETCH(bool, orderly);
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
