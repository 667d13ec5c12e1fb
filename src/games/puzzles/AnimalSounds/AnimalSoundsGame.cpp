#include "AnimalSoundsGame.h"

#include "Clock.h"
#include "SpeechService.h"

using namespace Qt::StringLiterals;

namespace {
const QString listenLine = u"点喇叭，听听是谁在说话"_s;
} // namespace

const QList<AnimalSoundQuestion> &AnimalSoundQuestion::all()
{
    static const QList<AnimalSoundQuestion> questions{
        {u"小猫"_s, u"Meow, meow"_s, u"小猫开心时还会发出呼噜声。"_s,
         {{u"🐱"_s, u"小猫"_s}, {u"🐶"_s, u"小狗"_s}, {u"🐮"_s, u"奶牛"_s}}},
        {u"小狗"_s, u"Woof, woof"_s, u"小狗会用叫声提醒伙伴。"_s,
         {{u"🐷"_s, u"小猪"_s}, {u"🐶"_s, u"小狗"_s}, {u"🦆"_s, u"鸭子"_s}}},
        {u"奶牛"_s, u"Moo, moo"_s, u"奶牛是吃草的动物。"_s,
         {{u"🐮"_s, u"奶牛"_s}, {u"🐑"_s, u"绵羊"_s}, {u"🐸"_s, u"青蛙"_s}}},
        {u"鸭子"_s, u"Quack, quack"_s, u"鸭子的脚掌像小船桨。"_s,
         {{u"🐔"_s, u"母鸡"_s}, {u"🦆"_s, u"鸭子"_s}, {u"🐱"_s, u"小猫"_s}}},
        {u"青蛙"_s, u"Ribbit, ribbit"_s, u"青蛙既能在水里，也能在陆地生活。"_s,
         {{u"🐸"_s, u"青蛙"_s}, {u"🦁"_s, u"狮子"_s}, {u"🐷"_s, u"小猪"_s}}},
        {u"绵羊"_s, u"Baa, baa"_s, u"绵羊身上有保暖的羊毛。"_s,
         {{u"🐮"_s, u"奶牛"_s}, {u"🐑"_s, u"绵羊"_s}, {u"🐶"_s, u"小狗"_s}}},
        {u"小猪"_s, u"Oink, oink"_s, u"小猪的鼻子很灵敏。"_s,
         {{u"🐷"_s, u"小猪"_s}, {u"🦆"_s, u"鸭子"_s}, {u"🐔"_s, u"母鸡"_s}}},
        {u"狮子"_s, u"Roar! Roar!"_s, u"狮子的吼声可以传得很远。"_s,
         {{u"🐯"_s, u"老虎"_s}, {u"🐱"_s, u"小猫"_s}, {u"🦁"_s, u"狮子"_s}}},
        {u"母鸡"_s, u"Cluck, cluck"_s, u"母鸡会用不同叫声呼唤小鸡。"_s,
         {{u"🐔"_s, u"母鸡"_s}, {u"🐸"_s, u"青蛙"_s}, {u"🐑"_s, u"绵羊"_s}}},
        {u"小鸟"_s, u"Tweet, tweet"_s, u"许多鸟会用歌声交流。"_s,
         {{u"🐦"_s, u"小鸟"_s}, {u"🐶"_s, u"小狗"_s}, {u"🐮"_s, u"奶牛"_s}}},
    };
    return questions;
}

AnimalSoundsGame::AnimalSoundsGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = listenLine,
                     .goodWords = {u"听听"_s, u"就是"_s}},
                    parent)
{
}

const AnimalSoundQuestion &AnimalSoundsGame::current() const
{
    return AnimalSoundQuestion::all().at(questionIndex());
}

QStringList AnimalSoundsGame::emojis() const
{
    QStringList list;
    for (const SoundAnimal &animal : current().choices)
        list.append(animal.emoji);
    return list;
}

QStringList AnimalSoundsGame::names() const
{
    QStringList list;
    for (const SoundAnimal &animal : current().choices)
        list.append(animal.name);
    return list;
}

QList<int> AnimalSoundsGame::tileStates() const
{
    return choiceStates(names(), current().answer);
}

void AnimalSoundsGame::speakSound()
{
    // Speech, not a feedback sound: said whatever the sound switch says.
    SpeechService::shared().speak(current().sound, u"en-US"_s, soundRate);
}

void AnimalSoundsGame::sessionChosen()
{
    Clock::current().after(firstSoundMs, this, [this] { speakSound(); });
}

void AnimalSoundsGame::roundStarted()
{
    Clock::current().after(nextSoundMs, this, [this] { speakSound(); });
}

void AnimalSoundsGame::choose(int index)
{
    if (answersClosed() || index < 0 || index >= current().choices.size())
        return;
    const QString name = current().choices[index].name;
    pick(name);
    if (name == current().answer)
        answerRight(u"就是"_s + name + u"！"_s);
    else
        answerWrong(u"声音不太像，再听一次"_s);
}
