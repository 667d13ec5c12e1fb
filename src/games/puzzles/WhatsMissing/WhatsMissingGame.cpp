#include "WhatsMissingGame.h"

#include "GameAudio.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {
const QString rememberLine = u"认真看，记住每一位朋友"_s;
const QString rememberSpoken = u"请记住每一位朋友"_s;
const QString askLine = u"谁不见了？"_s;
} // namespace

const QList<MissingRound> &MissingRound::all()
{
    static const QList<MissingRound> rounds{
        {{u"🐶"_s, u"🐱"_s, u"🐰"_s, u"🐼"_s, u"🦊"_s}, 2, {u"🐰"_s, u"🐸"_s, u"🐯"_s}},
        {{u"🍎"_s, u"🍌"_s, u"🍓"_s, u"🍇"_s, u"🍊"_s}, 3, {u"🍉"_s, u"🍇"_s, u"🍋"_s}},
        {{u"🚗"_s, u"🚌"_s, u"🚲"_s, u"🚂"_s, u"\u2708\uFE0F"_s}, 1, {u"🚤"_s, u"🚌"_s, u"🚕"_s}},
        {{u"\u2600\uFE0F"_s, u"🌙"_s, u"\u2B50\uFE0F"_s, u"\u2601\uFE0F"_s, u"🌈"_s}, 4,
         {u"🌈"_s, u"\u26A1\uFE0F"_s, u"\u2744\uFE0F"_s}},
    };
    return rounds;
}

WhatsMissingGame::WhatsMissingGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 4,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = rememberLine,
                     .goodWords = {u"记住"_s, u"对了"_s}},
                    parent)
{
    // Always the four rounds in order: no rotation, nothing drawn.
    QList<int> order(MissingRound::all().size());
    std::iota(order.begin(), order.end(), 0);
    setInitialSession(order);
}

const MissingRound &WhatsMissingGame::current() const
{
    const QList<MissingRound> &rounds = MissingRound::all();
    return rounds[std::clamp<qsizetype>(round(), 0, rounds.size() - 1)];
}

QStringList WhatsMissingGame::cells() const
{
    QStringList shown = current().items;
    if (!m_showingAll && current().missing >= 0 && current().missing < shown.size())
        shown[current().missing] = u"❓"_s;
    return shown;
}

QString WhatsMissingGame::prompt() const
{
    return m_showingAll ? u"看一看，马上会有一位朋友躲起来"_s : u"刚才这里是谁？"_s;
}

QString WhatsMissingGame::spokenQuestion() const
{
    return m_showingAll ? rememberSpoken : askLine;
}

void WhatsMissingGame::appear()
{
    RoundQuizGame::appear();
    startRememberPhase();
}

void WhatsMissingGame::startRememberPhase()
{
    // Each round shows its row once; the phase goes when the page goes, and a friend
    // never hides after that.
    KeyedPlayback::Script script;
    script.then([this] {
        m_showingAll = true;
        setFeedback(rememberLine);
        GameAudio::readQuestion(rememberSpoken, u"zh-CN"_s);
        emit changed();
    });
    script.wait(rememberMs).checked([this] { hideOne(); });
    m_remember.run(QString::number(round()), std::move(script));
}

void WhatsMissingGame::hideOne()
{
    m_showingAll = false;
    setFeedback(askLine);
    GameAudio::readQuestion(askLine, u"zh-CN"_s);
    emit changed();
}

void WhatsMissingGame::choose(const QString &friendEmoji)
{
    if (m_showingAll || answersClosed())
        return;
    if (friendEmoji == current().answer())
        answerRight(u"对了，你记得真清楚！"_s);
    else
        answerWrong(u"想一想刚才那排朋友"_s);
}
