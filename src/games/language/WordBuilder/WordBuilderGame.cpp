#include "WordBuilderGame.h"

#include "GameAudio.h"
#include "LearningContent.h"
#include "Random.h"

#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

QList<SpellingWord> SpellingWord::fromVocabulary()
{
    QList<SpellingWord> words;
    for (const BasicEnglishWord &entry : LearningContent::basicEnglish())
        words.append({entry.word, entry.emoji, entry.chinese});
    return words;
}

WordBuilderGame::WordBuilderGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 8,
                     .pauseMs = 800,
                     .guard = Guard::Flag,
                     .startFeedback = u"先听，再跟读，最后拼出来"_s,
                     .goodWords = {u"真棒"_s, u"听清楚"_s}},
                    parent)
    , m_words(SpellingWord::fromVocabulary())
{
    connect(this, &RoundQuizGame::changed, this, &WordBuilderGame::boardChanged);
    connect(this, &RoundQuizGame::questionChanged, this, &WordBuilderGame::boardChanged);
    connect(&m_voice, &PronunciationCoach::transcriptChanged, this, &WordBuilderGame::transcriptChanged);
}

QStringList WordBuilderGame::letters(const QString &word)
{
    QStringList parts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        parts.append(word.mid(start, finder.position() - start));
        start = finder.position();
    }
    return parts;
}

QString WordBuilderGame::counter() const
{
    const qsizetype count = session().size();
    return u"第 "_s + QString::number(shownRound(count)) + u" / "_s + QString::number(count) + u" 关"_s;
}

QString WordBuilderGame::voiceCounter() const
{
    return u"读对 "_s + QString::number(m_voiceWins) + u" 次"_s;
}

QString WordBuilderGame::subtitle() const
{
    return current().chinese.isEmpty() ? u"听一听，拼一拼"_s : current().chinese;
}

bool WordBuilderGame::placed(const LetterPiece &piece) const
{
    return std::any_of(m_answer.cbegin(), m_answer.cend(), [&](const LetterPiece &p) { return p.id == piece.id; });
}

QStringList WordBuilderGame::slotLetters() const
{
    QStringList row;
    const qsizetype count = letters(current().word).size();
    for (qsizetype i = 0; i < count; ++i)
        row.append(i < m_answer.size() ? m_answer[i].character.toUpper() : QString());
    return row;
}

QStringList WordBuilderGame::tileLetters() const
{
    QStringList tiles;
    for (const LetterPiece &piece : m_letterPool)
        tiles.append(piece.character.toUpper());
    return tiles;
}

QList<bool> WordBuilderGame::tilePlaced() const
{
    QList<bool> marks;
    for (const LetterPiece &piece : m_letterPool)
        marks.append(placed(piece));
    return marks;
}

void WordBuilderGame::setUpRound()
{
    m_answer.clear();
    m_voice.stop();
    m_voice.setTranscript({});
    m_voice.setStatus({});
    m_voice.setDidMatch(false);
    m_letterPool.clear();
    for (const QString &letter : letters(current().word))
        m_letterPool.append({m_nextPieceId++, letter});
    Random::shared().shuffle(m_letterPool);
    emit boardChanged();
    GameAudio::readQuestion(current().word, u"en-US"_s);
}

void WordBuilderGame::select(int tile)
{
    if (answersClosed() || tile < 0 || tile >= m_letterPool.size() || placed(m_letterPool[tile]))
        return;
    m_answer.append(m_letterPool[tile]);
    emit boardChanged();
    if (m_answer.size() != letters(current().word).size())
        return;

    QString spelled;
    for (const LetterPiece &piece : std::as_const(m_answer))
        spelled += piece.character;
    if (spelled.toLower() == current().word.toLower()) {
        answerRight(u"拼对啦，真棒！"_s);
        return;
    }
    answerWrong(u"差一点，换个顺序试试"_s);
    // The full row stays a moment, then empties; the hint stays.
    Clock::current().after(wrongPauseMs, this, [this] {
        m_answer.clear();
        emit boardChanged();
    });
}

void WordBuilderGame::back()
{
    if (m_answer.isEmpty())
        return;
    m_answer.removeLast();
    emit boardChanged();
}

void WordBuilderGame::listen() const
{
    GameAudio::readQuestion(current().word, u"en-US"_s);
}

void WordBuilderGame::microphone()
{
    if (m_voice.isRecording())
        m_voice.stop();
    else
        m_voice.start(current().word);
}

void WordBuilderGame::transcriptChanged()
{
    const QString spoken = m_voice.transcript().toLower().trimmed();
    if (spoken.isEmpty() || !spoken.contains(current().word.toLower()) || m_voice.didMatch())
        return;
    m_voice.setDidMatch(true);
    ++m_voiceWins;
    emit voiceWinsChanged();
    setFeedback(u"听清楚了！读得真棒！"_s);
    m_voice.stop();
}
