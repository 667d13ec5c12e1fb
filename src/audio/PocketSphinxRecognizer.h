#pragma once

#include "SpeechRecognition.h"

#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>

// English words recognised offline by PocketSphinx, on a thread of its own.
//
// The acoustic model and the pronunciations load once, on that thread, at the first
// listening (never before). The dictionary the decoder loads is cut down to the
// playground's vocabulary: a few hundred kilobytes instead of the whole pronouncing
// dictionary, so the load takes milliseconds. A vocabulary word the dictionary lacks is
// given the pronunciation of its two halves when both halves are words it has
// ("schoolbag" = "school" + "bag").
//
// Each listening searches a small grammar: the target and twenty other vocabulary words
// spread over the whole vocabulary, the target weighted far above them. The general
// language model mishears isolated words, and a grammar of the target alone hears every
// sound as the target; the other words give whatever else the child says somewhere
// better to go. More of them catch more of the other words but miss the target more
// often; the weight wins back most of those misses (measured on espeak-ng voices:
// about 19 in 20 targets heard, about 1 in 14 other words taken for the target).
//
// A listening ends with a final result when speech falls silent after speech; partial
// results report each new best word before that.
class PocketSphinxRecognizer : public WordRecognizer
{
    Q_OBJECT
public:
    struct Model
    {
        QString acousticModel; // the folder with mdef, means, variances ...
        QString dictionary;    // the pronouncing dictionary
        // Debian's pocketsphinx-en-us.
        static Model installed();
    };

    explicit PocketSphinxRecognizer(QStringList vocabulary, Model model = Model::installed(), QObject *parent = nullptr);
    ~PocketSphinxRecognizer() override;

    bool isAvailable() const override;
    void feed(quint64 listening, const QByteArray &pcm) override;
    void cancel(quint64 listening) override;

    // How many other words each grammar holds, and the target's weight against each.
    static constexpr int companionCount = 20;
    static constexpr int targetWeight = 30000;

signals:
    // The model finished loading (on the recogniser's thread) in this many milliseconds;
    // `loaded` is false when it could not be loaded.
    void modelLoaded(bool loaded, double milliseconds);

protected:
    void startListening(quint64 listening, const QString &target) override;

private:
    class Decoder;

    QStringList m_vocabulary;
    Model m_model;
    QThread m_thread;
    QObject *m_context = nullptr; // lives on m_thread; the decoder's work runs in its events
    std::unique_ptr<Decoder> m_decoder;
};
