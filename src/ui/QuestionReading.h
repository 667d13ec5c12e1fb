#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>

#include "Clock.h"

// The automatic reading of a question prompt. The reading key is
// language + "|" + text + "|" + speechID; 0.22 s after the prompt appears, and again
// 0.22 s after each change of the key, the question is handed to the reader once. A key
// change or the prompt's removal during the wait drops the pending reading.
class QuestionReading : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY keyChanged FINAL)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY keyChanged FINAL)
    Q_PROPERTY(QString speechID READ speechID WRITE setSpeechID NOTIFY keyChanged FINAL)
    Q_PROPERTY(QString key READ key NOTIFY keyChanged FINAL)
    // False for a reader that only reads when asked (the reader button).
    Q_PROPERTY(bool automatic READ automatic WRITE setAutomatic NOTIFY automaticChanged FINAL)

public:
    using Reader = std::function<void(const QString &text, const QString &language)>;
    static constexpr int delayMs = 220;

    explicit QuestionReading(QObject *parent = nullptr);
    ~QuestionReading() override;

    QString text() const { return m_text; }
    void setText(const QString &text);
    QString language() const { return m_language; }
    void setLanguage(const QString &language);
    QString speechID() const { return m_speechID; }
    void setSpeechID(const QString &speechID);
    QString key() const;

    bool automatic() const { return m_automatic; }
    void setAutomatic(bool automatic);

    // Reads this question at once (the reader button's tap).
    Q_INVOKABLE void readNow() const { read(m_text, m_language); }
    static void read(const QString &text, const QString &language);

    // Where readings go: GameAudio.readQuestion by default; tests install their own.
    static void setReader(Reader reader);

    void classBegin() override {}
    void componentComplete() override;

signals:
    void keyChanged();
    void automaticChanged();

private:
    void keyMayHaveChanged(const QString &oldKey);
    void schedule();

    QString m_text;
    QString m_language;
    QString m_speechID;
    bool m_complete = false;
    bool m_automatic = true;
    QPointer<Clock> m_clock;
    Clock::WaitId m_wait = 0;
};
