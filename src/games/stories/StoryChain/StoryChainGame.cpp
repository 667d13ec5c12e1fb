#include "StoryChainGame.h"

using namespace Qt::StringLiterals;

StoryChainGame::StoryChainGame(QObject *parent)
    : StorybookReader({.gameID = QString::fromLatin1(gameID),
                       .title = u"中文绘本"_s,
                       .subtitle = u"轻轻向左或向右翻页，听小伙伴讲故事"_s,
                       .books = ChineseStoryLibrary::books(),
                       .language = u"zh-CN"_s},
                      parent)
{
}
