#include "QuestionReading.h"

#include "Assign.h"

#include "GameAudio.h"

namespace {

QuestionReading::Reader &reader()
{
    static QuestionReading::Reader current;
    return current;
}

} // namespace

QuestionReading::QuestionReading(QObject *parent)
    : QObject(parent)
{
}

QuestionReading::~QuestionReading()
{
    // A pending wait is bound to this object and dies with it.
}

QString QuestionReading::key() const
{
    return m_language + QLatin1Char('|') + m_text + QLatin1Char('|') + m_speechID;
}

void QuestionReading::setReader(Reader r)
{
    reader() = std::move(r);
}

void QuestionReading::read(const QString &text, const QString &language)
{
    if (reader())
        reader()(text, language);
    else
        GameAudio::readQuestion(text, language);
}

void QuestionReading::setText(const QString &text)
{
    const QString old = key();
    if (assignChanged(m_text, text))
        keyMayHaveChanged(old);
}

void QuestionReading::setLanguage(const QString &language)
{
    const QString old = key();
    if (assignChanged(m_language, language))
        keyMayHaveChanged(old);
}

void QuestionReading::setSpeechID(const QString &speechID)
{
    const QString old = key();
    if (assignChanged(m_speechID, speechID))
        keyMayHaveChanged(old);
}

void QuestionReading::keyMayHaveChanged(const QString &oldKey)
{
    if (key() == oldKey)
        return;
    emit keyChanged();
    if (m_complete)
        schedule();
}

void QuestionReading::setAutomatic(bool automatic)
{
    if (m_automatic == automatic)
        return;
    m_automatic = automatic;
    emit automaticChanged();
    if (!m_automatic && m_wait && m_clock) {
        m_clock->cancel(m_wait);
        m_wait = 0;
    }
}

void QuestionReading::componentComplete()
{
    m_complete = true;
    schedule();
}

void QuestionReading::schedule()
{
    if (!m_automatic)
        return;
    if (m_wait && m_clock)
        m_clock->cancel(m_wait);
    m_clock = &Clock::current();
    m_wait = m_clock->after(delayMs, this, [this] {
        m_wait = 0;
        read(m_text, m_language);
    });
}
