#pragma once

#include "RoundQuizGame.h"

#include <QVariantList>

class Vocabulary;
struct ChineseLiteracyItem;

// "chinese-match": hear a character, see its picture and pinyin, tap the character
// among four. Eight rounds drawn from the whole Chinese vocabulary.
class ChineseMatchGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString emoji READ emoji NOTIFY questionChanged)
    Q_PROPERTY(QString question READ question NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    // One entry a tile: {text, pinyin}.
    Q_PROPERTY(QVariantList tiles READ tiles NOTIFY questionChanged)
public:
    explicit ChineseMatchGame(QObject *parent = nullptr);

    static constexpr auto gameID = "chinese-match";

    // The vocabulary whose characters are the bank and the choices (the shared one
    // unless a test sets another before the page appears; not owned).
    void setVocabulary(const Vocabulary *vocabulary);
    const ChineseLiteracyItem &item() const;
    QStringList choices() const;

    QString emoji() const;
    QString question() const;
    QString counter() const;
    QVariantList tiles() const;

    // The question read aloud: the instruction, then the character.
    QString spokenQuestion() const;

    Q_INVOKABLE void speak() const;
    Q_INVOKABLE void choose(int tile);
    // The small speaker on a tile; works during the pause too.
    Q_INVOKABLE void speakChoice(int tile) const;

protected:
    int bankCount() const override;
    void sessionChosen() override { speak(); }
    void roundStarted() override { speak(); }

private:
    const Vocabulary *m_vocabulary;
};
