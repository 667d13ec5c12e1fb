#include "FeedbackLine.h"

#include "GameAudio.h"

FeedbackLine::FeedbackLine(QObject *owner)
    : QObject(owner)
{
}

void FeedbackLine::setGoodWords(QStringList words)
{
    m_goodWords = std::move(words);
}

bool FeedbackLine::looksGood(const QString &text) const
{
    for (const QString &word : m_goodWords) {
        if (text.contains(word))
            return true;
    }
    return false;
}

void FeedbackLine::show(const QString &text, bool good)
{
    m_text = text;
    m_good = good;
    emit changed();
}

void FeedbackLine::praise(const QString &text)
{
    show(text, m_goodWords.isEmpty() || looksGood(text));
    GameAudio::correct();
}

void FeedbackLine::hint(const QString &text)
{
    show(text, !m_goodWords.isEmpty() && looksGood(text));
    shake();
    GameAudio::wrong();
}

void FeedbackLine::shake()
{
    ++m_shakes;
    emit shaken();
}
