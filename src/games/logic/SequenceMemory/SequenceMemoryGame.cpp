#include "SequenceMemoryGame.h"

#include "Clock.h"
#include "GameAudio.h"

using namespace Qt::StringLiterals;

namespace {
const QString zh = u"zh-CN"_s;
const QString watchLine = u"看小灯依次亮起"_s;
const QString memoriseRead = u"请记住小灯亮起的顺序"_s;
const QString turnRead = u"轮到你，请按刚才的顺序点"_s;
} // namespace

const QStringList &SequenceMemoryGame::lights()
{
    static const QStringList list{u"🔴"_s, u"🔵"_s, u"🟢"_s, u"🟡"_s};
    return list;
}

const QList<QStringList> &SequenceMemoryGame::sequences()
{
    static const QList<QStringList> table{
        {u"🔴"_s, u"🔵"_s},
        {u"🟢"_s, u"🟡"_s, u"🔴"_s},
        {u"🔵"_s, u"🔴"_s, u"🟡"_s, u"🟢"_s},
        {u"🟡"_s, u"🟢"_s, u"🔵"_s, u"🔴"_s, u"🟡"_s},
    };
    return table;
}

SequenceMemoryGame::SequenceMemoryGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 4,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = watchLine,
                     .startFeedbackGood = true},
                    parent)
{
    // The four sequences in table order, every play: no rotation.
    setInitialSession({0, 1, 2, 3});
    connect(&m_playback, &KeyedPlayback::phaseChanged, this, &SequenceMemoryGame::inputChanged);
}

QString SequenceMemoryGame::counter() const
{
    return u"第 "_s + QString::number(round() + 1) + u" 关"_s;
}

QString SequenceMemoryGame::instruction() const
{
    return acceptingInput() ? u"轮到你：按刚才的顺序点"_s : watchLine;
}

QString SequenceMemoryGame::readerText() const
{
    return acceptingInput() ? turnRead : memoriseRead;
}

void SequenceMemoryGame::appear()
{
    RoundQuizGame::appear();
    showSequence();
}

void SequenceMemoryGame::setHighlighted(const QString &symbol)
{
    m_highlighted = symbol;
    emit highlightedChanged();
}

void SequenceMemoryGame::showSequence()
{
    KeyedPlayback::Script script;
    script.then([this] {
              m_inputIndex = 0;
              setFeedback(watchLine, true);
              GameAudio::readQuestion(memoriseRead, zh);
          })
        .wait(leadMs);
    for (const QString &light : current()) {
        // A cancelled playback turns its lit light off and stops before the next one.
        script.checked([this, light] { setHighlighted(light); })
            .wait(litMs)
            .then([this] { setHighlighted({}); })
            .wait(gapMs);
    }
    // Nor does a playback cancelled during its last light hand the turn over or speak.
    script.stopIfCancelled().then([this] {
        setFeedback(u"轮到你啦"_s, true);
        GameAudio::readQuestion(turnRead, zh);
    });
    m_playback.run(QString::number(round()) + u'-' + QString::number(m_replayToken), std::move(script));
}

void SequenceMemoryGame::tap(const QString &symbol)
{
    if (!acceptingInput() || answersClosed() || !lights().contains(symbol))
        return;
    // The tapped light flashes; the first flash to end puts out whatever is lit.
    setHighlighted(symbol);
    Clock::current().after(flashMs, this, [this] { setHighlighted({}); });

    if (symbol != current().value(m_inputIndex)) {
        m_playback.setPhase(KeyedPlayback::Phase::Watching);
        answerWrong(u"差一点，再看一次顺序"_s);
        Clock::current().after(replayMs, this, [this] {
            ++m_replayToken;
            showSequence();
        });
        return;
    }
    ++m_inputIndex;
    if (m_inputIndex < current().size()) {
        setFeedback(u"对了，继续"_s, true);
        return;
    }
    m_playback.setPhase(KeyedPlayback::Phase::Watching);
    answerRight(u"顺序全记住了！"_s);
}
