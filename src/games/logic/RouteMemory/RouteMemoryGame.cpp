#include "RouteMemoryGame.h"

#include "Clock.h"

using namespace Qt::StringLiterals;

namespace {
const QString watchLine = u"看小狐狸走过的路线"_s;

// The feedback line reads as good when it holds one of these words.
bool isGood(const QString &feedback)
{
    return feedback.contains(u"看"_s) || feedback.contains(u"对啦"_s) || feedback.contains(u"记住"_s);
}
} // namespace

const QList<RouteDirection> &RouteDirection::all()
{
    static const QList<RouteDirection> table{
        {u"↑"_s, u"上"_s, u"sky"_s},
        {u"→"_s, u"右"_s, u"coral"_s},
        {u"↓"_s, u"下"_s, u"mint"_s},
        {u"←"_s, u"左"_s, u"purple"_s},
    };
    return table;
}

const QList<RouteMemoryPattern> &RouteMemoryPattern::all()
{
    static const QList<RouteMemoryPattern> table{
        {u"花园小路"_s, {1, 2, 1}},
        {u"森林转弯"_s, {0, 1, 2, 1}},
        {u"彩虹桥"_s, {1, 1, 2, 3}},
        {u"星星山坡"_s, {0, 1, 0, 1, 2}},
        {u"海边散步"_s, {1, 2, 2, 3, 1}},
        {u"云朵迷宫"_s, {0, 1, 2, 1, 0, 3}},
        {u"月光小径"_s, {1, 0, 3, 2, 1, 2}},
        {u"火箭航线"_s, {0, 1, 1, 2, 3, 2, 1}},
    };
    return table;
}

RouteMemoryGame::RouteMemoryGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = watchLine,
                     .startFeedbackGood = isGood(watchLine)},
                    parent)
{
    connect(&m_playback, &KeyedPlayback::phaseChanged, this, &RouteMemoryGame::acceptingInputChanged);
}

QString RouteMemoryGame::prompt() const
{
    return acceptingInput() ? u"轮到你，带小狐狸走同一条路"_s : u"仔细看，小狐狸正在走路"_s;
}

void RouteMemoryGame::setHighlighted(int direction)
{
    m_highlighted = direction;
    emit highlightedChanged();
}

void RouteMemoryGame::setInput(QList<int> input)
{
    m_input = std::move(input);
    emit inputChanged();
}

void RouteMemoryGame::appear()
{
    RoundQuizGame::appear();
    showRoute();
}

void RouteMemoryGame::roundStarted()
{
    ++m_replayID;
    showRoute();
}

void RouteMemoryGame::showRoute()
{
    if (session().isEmpty())
        return;
    KeyedPlayback::Script script;
    script.then([this] {
              setInput({});
              setFeedback(watchLine, isGood(watchLine));
          })
        .wait(stepMs);
    for (int direction : current().steps) {
        script.checked([this, direction] { setHighlighted(direction); })
            .wait(stepMs)
            .then([this] { setHighlighted(-1); })
            .wait(gapMs);
    }
    // Checked only before each step: a walk cancelled in its last step still ends.
    const QString turn = u"轮到你啦！"_s;
    script.then([this, turn] { setFeedback(turn, isGood(turn)); });
    m_playback.run(QString::number(m_replayID), std::move(script));
}

void RouteMemoryGame::tap(int direction)
{
    const QList<int> route = current().steps;
    if (!acceptingInput() || answersClosed() || m_input.size() >= route.size() || direction < 0
        || direction >= RouteDirection::all().size())
        return;
    setHighlighted(direction);
    Clock::current().after(flashMs, this, [this, direction] {
        if (m_highlighted == direction)
            setHighlighted(-1);
    });

    if (direction != route[m_input.size()]) {
        m_playback.setPhase(KeyedPlayback::Phase::Watching);
        setInput({});
        answerWrong(u"这条路不对，小狐狸会再走一次"_s); // the wrong sound follows the sound setting
        Clock::current().after(replayMs, this, [this] {
            ++m_replayID;
            showRoute();
        });
        return;
    }
    setInput(m_input + QList<int>{direction});
    if (m_input.size() < route.size()) {
        const QString more = u"对啦，继续走"_s;
        setFeedback(more, isGood(more));
        return;
    }
    m_playback.setPhase(KeyedPlayback::Phase::Watching);
    answerRight(u"路线全记住啦！"_s);
}

void RouteMemoryGame::replay()
{
    if (!acceptingInput() || answersClosed())
        return;
    forfeitFirstTry();
    ++m_replayID;
    showRoute();
}
