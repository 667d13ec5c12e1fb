#include "StorybookLibrary.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// The emoji pairs and picture keys of the ten moments, shared by both libraries.
struct MomentLook
{
    QString scene;
    QString artKey;
};
const QList<MomentLook> &momentLooks()
{
    static const QList<MomentLook> looks{
        {u"🌱🌤️"_s, u"scene_seed"_s},
        {u"🌧️☂️"_s, u"scene_rain"_s},
        {u"🍪🧺"_s, u"scene_share"_s},
        {u"🧸🪑"_s, u"scene_help"_s},
        {u"🧩🔎"_s, u"scene_puzzle"_s},
        {u"🖍️🖐️"_s, u"scene_wash"_s},
        {u"🧭👫"_s, u"scene_lost"_s},
        {u"🎂🎈"_s, u"scene_birthday"_s},
        {u"🐦🪽"_s, u"scene_birdcare"_s},
        {u"📚🌙"_s, u"scene_library"_s},
    };
    return looks;
}

// Every hero through every moment, hero by hero, each page captioned by `caption`.
template<typename Moment, typename Caption>
QList<FinalChoiceRound> crossHeroesAndMoments(const QList<StoryHero> &heroes, const QList<Moment> &moments,
                                              Caption caption)
{
    QList<FinalChoiceRound> all;
    for (const StoryHero &hero : heroes) {
        for (const Moment &moment : moments)
            all.append(FinalChoiceRound{hero.emoji + u"  "_s + moment.scene, caption(hero, moment), hero.animal,
                                        moment.answer, moment.choices, moment.artKey});
    }
    return all;
}
} // namespace

QList<BookPages> sliceIntoBooks(const QList<FinalChoiceRound> &pages, qsizetype pagesPerBook)
{
    QList<BookPages> books;
    if (pagesPerBook < 1)
        return books;
    for (qsizetype start = 0; start < pages.size(); start += pagesPerBook)
        books.append(pages.mid(start, std::min(pagesPerBook, pages.size() - start)));
    return books;
}

namespace ChineseStoryLibrary {

const QList<Moment> &moments()
{
    static const QList<Moment> table = [] {
        const QList<MomentLook> &look = momentLooks();
        return QList<Moment>{
            {look[0].scene, u"在花坛边发现一粒小种子，想让它发芽。"_s, u"浇水晒太阳"_s,
             {u"浇水晒太阳"_s, u"放进冰箱"_s, u"踩一踩"_s}, look[0].artKey},
            {look[1].scene, u"听见雨点落下来，和好朋友共撑一把蓝雨伞。"_s, u"撑伞避雨"_s,
             {u"撑伞避雨"_s, u"把伞当风筝"_s, u"躲到水坑里"_s}, look[1].artKey},
            {look[2].scene, u"发现朋友没有点心，就把篮子里的饼干分给大家。"_s, u"分享点心"_s,
             {u"分享点心"_s, u"全都藏起来"_s, u"把饼干扔掉"_s}, look[2].artKey},
            {look[3].scene, u"玩具卡在长椅后面够不着，猫头鹰老师温柔地来帮忙。"_s, u"请大人帮忙"_s,
             {u"请大人帮忙"_s, u"爬高高去拿"_s, u"用力踢长椅"_s}, look[3].artKey},
            {look[4].scene, u"拼图只差最后一块，仔细一看，它正在桌子下面闪光。"_s, u"仔细找一找"_s,
             {u"仔细找一找"_s, u"把拼图撕掉"_s, u"闭眼乱猜"_s}, look[4].artKey},
            {look[5].scene, u"画完花朵，手上沾满颜料，一起用香香的泡泡洗干净。"_s, u"先洗干净"_s,
             {u"先洗干净"_s, u"擦在墙上"_s, u"揉揉眼睛"_s}, look[5].artKey},
            {look[6].scene, u"小羊找不到家人，小伙伴陪它去找猫头鹰老师。"_s, u"陪朋友找老师"_s,
             {u"陪朋友找老师"_s, u"自己跑很远"_s, u"假装没看见"_s}, look[6].artKey},
            {look[7].scene, u"朋友的生日快到了，大家一起挂彩旗、摆鲜花和气球。"_s, u"一起布置生日桌"_s,
             {u"一起布置生日桌"_s, u"把气球踩破"_s, u"躲到门后"_s}, look[7].artKey},
            {look[8].scene, u"树下的小鸟翅膀受伤了，老师把它轻轻放进软篮子里休息。"_s, u"告诉老师照顾它"_s,
             {u"告诉老师照顾它"_s, u"把它抛上天空"_s, u"拿它开玩笑"_s}, look[8].artKey},
            {look[9].scene, u"夜深了，读完的故事书被轻轻放回星光书架。"_s, u"轻轻放回书架"_s,
             {u"轻轻放回书架"_s, u"把书塞进水里"_s, u"撕下书页"_s}, look[9].artKey},
        };
    }();
    return table;
}

const QList<StoryHero> &friends()
{
    static const QList<StoryHero> table{
        {u"乐乐"_s, u"🐻"_s, u"雨衣小熊"_s, u"bear"_s},
        {u"朵朵"_s, u"🐰"_s, u"月光胡萝卜"_s, u"rabbit"_s},
        {u"圆圆"_s, u"🐱"_s, u"会唱歌的风铃"_s, u"cat"_s},
        {u"豆豆"_s, u"🐶"_s, u"公园里的红球"_s, u"dog"_s},
        {u"果果"_s, u"🦊"_s, u"小狐狸的种子"_s, u"fox"_s},
        {u"松松"_s, u"🐿️"_s, u"松果邮局"_s, u"squirrel"_s},
        {u"安安"_s, u"🐼"_s, u"竹林生日会"_s, u"panda"_s},
        {u"芽芽"_s, u"🦌"_s, u"森林的彩虹"_s, u"deer"_s},
        {u"星星"_s, u"🐘"_s, u"大耳朵的礼物"_s, u"elephant"_s},
        {u"泡泡"_s, u"🦆"_s, u"池塘小船"_s, u"duck"_s},
        {u"天天"_s, u"🐦"_s, u"屋檐下的鸟窝"_s, u"bird"_s},
        {u"蓝蓝"_s, u"🐬"_s, u"海里的泡泡灯"_s, u"dolphin"_s},
        {u"跳跳"_s, u"🐸"_s, u"荷叶音乐会"_s, u"frog"_s},
        {u"甜甜"_s, u"🐝"_s, u"花园蜂蜜罐"_s, u"bee"_s},
        {u"慢慢"_s, u"🐢"_s, u"慢慢的远足"_s, u"turtle"_s},
        {u"绵绵"_s, u"🐑"_s, u"云朵毛衣"_s, u"sheep"_s},
        {u"奔奔"_s, u"🐴"_s, u"风车山坡"_s, u"horse"_s},
        {u"阳阳"_s, u"🦁"_s, u"勇敢的小狮子"_s, u"lion"_s},
        {u"冰冰"_s, u"🐧"_s, u"雪地里的围巾"_s, u"penguin"_s},
        {u"海海"_s, u"🐳"_s, u"鲸鱼的星星"_s, u"whale"_s},
    };
    return table;
}

const QList<FinalChoiceRound> &rounds()
{
    static const QList<FinalChoiceRound> pages =
        crossHeroesAndMoments(friends(), moments(), [](const StoryHero &hero, const Moment &moment) {
            return u"《"_s + hero.title + u"》："_s + hero.name + moment.caption;
        });
    return pages;
}

const QList<BookPages> &books()
{
    static const QList<BookPages> all = sliceIntoBooks(rounds(), moments().size());
    return all;
}

} // namespace ChineseStoryLibrary

namespace EnglishPictureBookLibrary {

const QList<Moment> &moments()
{
    static const QList<Moment> table = [] {
        const QList<MomentLook> &look = momentLooks();
        return QList<Moment>{
            {look[0].scene, u"finds a tiny seed. With water and sunshine, a new adventure begins."_s,
             u"What can help the seed grow?"_s, u"water and sun"_s,
             {u"water and sun"_s, u"ice cream"_s, u"a shoe"_s}, look[0].artKey},
            {look[1].scene, u"shares a big blue umbrella with a friend while silver raindrops dance."_s,
             u"What should the friend take?"_s, u"an umbrella"_s,
             {u"an umbrella"_s, u"a pillow"_s, u"a spoon"_s}, look[1].artKey},
            {look[2].scene, u"shares cookies from the picnic basket. Kindness makes every snack sweeter."_s,
             u"What is a kind thing to do?"_s, u"share the snack"_s,
             {u"share the snack"_s, u"hide the snack"_s, u"throw the snack"_s}, look[2].artKey},
            {look[3].scene, u"spots a toy behind the bench. The kind owl teacher helps everyone stay safe."_s,
             u"What is the safe choice?"_s, u"ask an adult"_s,
             {u"ask an adult"_s, u"climb too high"_s, u"kick the bench"_s}, look[3].artKey},
            {look[4].scene, u"looks carefully under the table and finds the last sparkling puzzle piece."_s,
             u"What can the friend do?"_s, u"look carefully"_s,
             {u"look carefully"_s, u"tear the puzzle"_s, u"close both eyes"_s}, look[4].artKey},
            {look[5].scene, u"washes colorful paint away with soap, water, and a cloud of shiny bubbles."_s,
             u"What should happen next?"_s, u"wash hands"_s,
             {u"wash hands"_s, u"touch the wall"_s, u"rub the eyes"_s}, look[5].artKey},
            {look[6].scene, u"meets a lost little lamb and walks with it to the caring owl teacher."_s,
             u"Who can help?"_s, u"the teacher"_s,
             {u"the teacher"_s, u"a faraway cloud"_s, u"a toy car"_s}, look[6].artKey},
            {look[7].scene, u"hangs flags, arranges flowers, and gets the birthday table ready with friends."_s,
             u"What can friends do together?"_s, u"decorate the table"_s,
             {u"decorate the table"_s, u"pop every balloon"_s, u"hide the cake"_s}, look[7].artKey},
            {look[8].scene, u"finds a little bird that needs care. The owl teacher makes it a soft, safe nest."_s,
             u"What is the caring choice?"_s, u"tell an adult"_s,
             {u"tell an adult"_s, u"throw the bird"_s, u"laugh at the bird"_s}, look[8].artKey},
            {look[9].scene, u"finishes a glowing story and gently returns the book to its moonlit shelf."_s,
             u"Where should the book go?"_s, u"back on the shelf"_s,
             {u"back on the shelf"_s, u"in a puddle"_s, u"under a chair"_s}, look[9].artKey},
        };
    }();
    return table;
}

const QList<StoryHero> &friends()
{
    static const QList<StoryHero> table{
        {u"Ben"_s, u"🐻"_s, u"The Blue Umbrella"_s, u"bear"_s},
        {u"Mia"_s, u"🐱"_s, u"The Singing Bell"_s, u"cat"_s},
        {u"Tom"_s, u"🐶"_s, u"The Red Ball"_s, u"dog"_s},
        {u"Lulu"_s, u"🐰"_s, u"Moon Carrots"_s, u"rabbit"_s},
        {u"Finn"_s, u"🦊"_s, u"A Seed for Finn"_s, u"fox"_s},
        {u"Nora"_s, u"🐿️"_s, u"The Acorn Mail"_s, u"squirrel"_s},
        {u"Pia"_s, u"🐼"_s, u"Bamboo Birthday"_s, u"panda"_s},
        {u"Leo"_s, u"🦁"_s, u"Little Brave Leo"_s, u"lion"_s},
        {u"Ivy"_s, u"🦌"_s, u"The Forest Rainbow"_s, u"deer"_s},
        {u"Max"_s, u"🐴"_s, u"Windmill Hill"_s, u"horse"_s},
        {u"Ruby"_s, u"🐦"_s, u"Nest by the Roof"_s, u"bird"_s},
        {u"Ollie"_s, u"🐢"_s, u"Ollie's Slow Walk"_s, u"turtle"_s},
        {u"Sunny"_s, u"🐝"_s, u"The Honey Jar"_s, u"bee"_s},
        {u"River"_s, u"🐬"_s, u"The Bubble Light"_s, u"dolphin"_s},
        {u"Pepper"_s, u"🐸"_s, u"Lily Pad Music"_s, u"frog"_s},
        {u"Sky"_s, u"🐧"_s, u"A Scarf in Snow"_s, u"penguin"_s},
        {u"Coco"_s, u"🐘"_s, u"A Gift for Coco"_s, u"elephant"_s},
        {u"Wren"_s, u"🦆"_s, u"The Pond Boat"_s, u"duck"_s},
        {u"Poppy"_s, u"🐑"_s, u"Cloud Sweater"_s, u"sheep"_s},
        {u"Kai"_s, u"🐳"_s, u"Whale and Stars"_s, u"whale"_s},
    };
    return table;
}

const QList<FinalChoiceRound> &rounds()
{
    static const QList<FinalChoiceRound> pages =
        crossHeroesAndMoments(friends(), moments(), [](const StoryHero &hero, const Moment &moment) {
            return hero.title + u": "_s + hero.name + u' ' + moment.caption;
        });
    return pages;
}

const QList<BookPages> &books()
{
    static const QList<BookPages> all = sliceIntoBooks(rounds(), moments().size());
    return all;
}

} // namespace EnglishPictureBookLibrary

namespace StorybookText {

bool isEnglish(const QString &language)
{
    return language.startsWith(u"en"_s);
}

QString storyText(const QString &caption, const QString &language)
{
    const QString colon = u": "_s;
    if (isEnglish(language)) {
        const qsizetype at = caption.indexOf(colon);
        if (at >= 0)
            return caption.mid(at + colon.size());
    }
    const qsizetype wide = caption.indexOf(u'：');
    return wide >= 0 ? caption.mid(wide + 1) : caption;
}

QString coverTitle(const BookPages &pages, const QString &language, const QString &fallback)
{
    if (pages.isEmpty())
        return fallback;
    const QString &caption = pages.first().caption;
    if (isEnglish(language)) {
        const qsizetype at = caption.indexOf(u": "_s);
        if (at >= 0)
            return caption.left(at);
    }
    const qsizetype close = caption.indexOf(u'》');
    return close >= 0 ? caption.left(close + 1) : fallback;
}

} // namespace StorybookText
