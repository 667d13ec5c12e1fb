#pragma once

#include "SpeechRecognition.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>

// Permissions that wait for the test to answer: each ask is kept until answered.
struct HeldPermissions : SpeechPermissions
{
    QList<std::function<void(bool)>> speech;
    QList<std::function<void(bool)>> microphone;

    void askSpeech(QObject *, std::function<void(bool)> answer) override { speech.append(std::move(answer)); }
    void askMicrophone(QObject *, std::function<void(bool)> answer) override { microphone.append(std::move(answer)); }
};

// A capture that opens (or refuses to) and sends only what the test hands it.
struct ScriptedCapture : SpeechCapture
{
    bool opens = true;
    bool open = false;
    int starts = 0;

    bool start() override
    {
        ++starts;
        open = opens;
        return opens;
    }
    void stop() override { open = false; }
    void send(const QByteArray &pcm)
    {
        if (open)
            emit block(pcm);
    }
};

// A recogniser the test speaks for: it records what it is asked and reports what the
// test makes it report.
struct ScriptedRecognizer : WordRecognizer
{
    bool available = true;
    QList<QPair<quint64, QString>> begun;
    QList<quint64> cancelled;
    qsizetype fedBytes = 0;

    bool isAvailable() const override { return available; }
    void feed(quint64, const QByteArray &pcm) override { fedBytes += pcm.size(); }
    void cancel(quint64 listening) override { cancelled.append(listening); }

    quint64 lastListening() const { return begun.isEmpty() ? 0 : begun.last().first; }
    void say(const QString &text, bool final = false) { emit heard(lastListening(), text, final); }

protected:
    void startListening(quint64 listening, const QString &target) override { begun.append({listening, target}); }
};

// Permissions granted inside the ask, so a test can start listenings back to back without
// the event loop running in between.
struct ImmediatePermissions : SpeechPermissions
{
    void askSpeech(QObject *, std::function<void(bool)> answer) override { answer(true); }
    void askMicrophone(QObject *, std::function<void(bool)> answer) override { answer(true); }
};
