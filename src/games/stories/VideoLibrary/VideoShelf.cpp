#include "VideoShelf.h"

#include <QLocale>

using namespace Qt::StringLiterals;

const QList<VideoShelfItem> &VideoShelfItem::items()
{
    static const QList<VideoShelfItem> all = {
        {u"animals"_s, u"动物真奇妙"_s, u"动物 · 身体与习性"_s, u"看看小动物怎样移动、觅食和保护自己。"_s, u"🦊"_s,
         u"hG0-HS1cRT4"_s, u"BV1CazyYTEv2"_s, {u"mint"_s, u"sky"_s}},
        {u"planets"_s, u"星球小旅行"_s, u"太空 · 星球"_s, u"从太阳系出发，认识星星、月亮和行星。"_s, u"🪐"_s,
         u"K6dqHEoj-AU"_s, u"BV1Nq4y1579s"_s, {u"purple"_s, u"sky"_s}},
        {u"ocean"_s, u"海洋探险队"_s, u"海洋 · 波浪"_s, u"从海边的波浪开始，探索神秘的蓝色世界。"_s, u"🐳"_s,
         u"V2yO8biphSo"_s, u"BV1zF411o7Wb"_s, {u"sky"_s, u"mint"_s}},
        {u"buildings"_s, u"建筑小侦探"_s, u"建筑 · 桥梁"_s, u"发现桥、塔、房子怎样被设计与建造。"_s, u"🏰"_s,
         u"oVOnRPefcno"_s, u"BV1TxmXYXEHD"_s, {u"mango"_s, u"coral"_s}},
        {u"countries"_s, u"国家环游记"_s, u"世界 · 国家"_s, u"用地图、国旗和大陆认识世界上的朋友。"_s, u"🌍"_s,
         u"eWXZ7-_o_R4"_s, u"BV1jE1vYmEJ9"_s, {u"purple"_s, u"coral"_s}},
        {u"money"_s, u"钱币与生活"_s, u"生活 · 钱币"_s, u"认识硬币、买东西和生活里的简单规则。"_s, u"🪙"_s,
         u"13FUtlLK6p8"_s, u"BV1R7411J7dB"_s, {u"mango"_s, u"purple"_s}},
    };
    return all;
}

const VideoShelfItem &VideoShelfItem::find(const QString &id)
{
    for (const VideoShelfItem &item : items()) {
        if (item.id == id)
            return item;
    }
    return items().first();
}

namespace VideoRoutes {

QList<VideoNetworkRoute> all()
{
    return {VideoNetworkRoute::china, VideoNetworkRoute::overseas};
}

QString rawValue(VideoNetworkRoute route)
{
    return route == VideoNetworkRoute::china ? u"china"_s : u"overseas"_s;
}

std::optional<VideoNetworkRoute> fromRawValue(const QString &raw)
{
    for (VideoNetworkRoute route : all()) {
        if (rawValue(route) == raw)
            return route;
    }
    return std::nullopt;
}

QString label(VideoNetworkRoute route)
{
    return route == VideoNetworkRoute::china ? u"国内线路"_s : u"海外线路"_s;
}

QString symbol(VideoNetworkRoute route)
{
    return route == VideoNetworkRoute::china ? u"location.fill"_s : u"globe.asia.australia.fill"_s;
}

QString note(VideoNetworkRoute route)
{
    return route == VideoNetworkRoute::china
               ? u"国内线路使用国内播放器；若当前节目暂不可用，可切换海外线路或选择另一张卡片。"_s
               : u"海外线路使用无 Cookie 嵌入播放器；播放需要稳定的国际网络。"_s;
}

VideoNetworkRoute preferred(const QString &localeIdentifier)
{
    return localeIdentifier.toLower().contains(u"_cn"_s) ? VideoNetworkRoute::china : VideoNetworkRoute::overseas;
}

QString rawLocaleIdentifier()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QLocale::system().name();
}

} // namespace VideoRoutes
