#pragma once

#include "SpeechRecognition.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>

// Words of the vocabulary spoken by espeak-ng and converted by sox to 16 kHz mono 16-bit
// samples, as a microphone would hear them: a quarter second of quiet room noise before
// the word, three quarters after it, and the same noise under the word (the same noise
// every time). Made once per word, on first use.
class SpokenWords
{
public:
    // Twenty words to say, and twenty other vocabulary words said instead.
    static QStringList targets()
    {
        return QStringLiteral("cat apple red mom shirt school car house sun run big shop morning dog banana blue "
                              "dad dress book bus")
            .split(u' ');
    }
    static QStringList others()
    {
        return QStringLiteral("home moon walk small store night fish grape yellow mother hat pen train room star "
                              "jump tall market day bird")
            .split(u' ');
    }

    // The samples of `word`; empty (and error() says why) when the tools failed.
    QByteArray pcm(const QString &word)
    {
        if (m_made.contains(word))
            return m_made.value(word);
        const QString wav = m_folder.filePath(word + QStringLiteral(".wav"));
        const QString raw = m_folder.filePath(word + QStringLiteral(".raw"));
        if (!run(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), QStringLiteral("en-us"), QStringLiteral("-w"), wav, word})
            || !run(QStringLiteral("sox"), {QStringLiteral("-q"), wav, QStringLiteral("-r"), QStringLiteral("16000"),
                                            QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"), QStringLiteral("16"),
                                            QStringLiteral("-e"), QStringLiteral("signed-integer"), QStringLiteral("-t"),
                                            QStringLiteral("raw"), raw}))
            return {};
        QFile file(raw);
        if (!file.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("cannot read ") + raw;
            return {};
        }
        // Room noise under the whole recording, as a microphone hears it.
        QByteArray samples = QByteArray(4000 * 2, 0) + file.readAll() + QByteArray(12000 * 2, 0);
        const QByteArray room = noise(int(samples.size() / 2));
        auto *out = reinterpret_cast<qint16 *>(samples.data());
        const auto *under = reinterpret_cast<const qint16 *>(room.constData());
        for (qsizetype i = 0; i < samples.size() / 2; ++i)
            out[i] = qint16(std::clamp(int(out[i]) + int(under[i]), -32768, 32767));
        m_made.insert(word, samples);
        return samples;
    }

    QString error() const { return m_error; }

    // `frames` of quiet noise (about -64 dBFS), the same each time.
    static QByteArray noise(int frames)
    {
        QByteArray out(frames * 2, Qt::Uninitialized);
        quint32 state = 1;
        auto *samples = reinterpret_cast<qint16 *>(out.data());
        for (int i = 0; i < frames; ++i) {
            state = state * 1103515245u + 12345u;
            samples[i] = qint16(int((state >> 16) % 41) - 20);
        }
        return out;
    }

private:
    bool run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            m_error = program + QStringLiteral(" failed (a test package: scripts/test-packages.txt): ")
                      + QString::fromLocal8Bit(process.readAllStandardError()) + process.errorString();
            process.kill();
            process.waitForFinished(1000);
            return false;
        }
        return true;
    }

    QTemporaryDir m_folder;
    QHash<QString, QByteArray> m_made;
    QString m_error;
};

// A capture that plays recorded samples: once opened, the next turn of the event loop
// sends all of `samples` in 1024-frame blocks.
class RecordedCapture : public SpeechCapture
{
public:
    QByteArray samples;
    int starts = 0;

    bool start() override
    {
        ++starts;
        m_open = true;
        const quint64 run = ++m_run;
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                for (qsizetype at = 0; at < samples.size() && m_open && run == m_run; at += SpeechAudio::blockBytes)
                    emit block(samples.mid(at, SpeechAudio::blockBytes));
            },
            Qt::QueuedConnection);
        return true;
    }
    void stop() override { m_open = false; }

private:
    bool m_open = false;
    quint64 m_run = 0;
};
