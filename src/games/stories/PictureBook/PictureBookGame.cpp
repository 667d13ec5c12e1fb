#include "PictureBookGame.h"

using namespace Qt::StringLiterals;

PictureBookGame::PictureBookGame(QObject *parent)
    : StorybookReader({.gameID = QString::fromLatin1(gameID),
                       .title = u"英语绘本"_s,
                       .subtitle = u"Swipe left or right to turn each story page"_s,
                       .books = EnglishPictureBookLibrary::books(),
                       .language = u"en-US"_s},
                      parent)
{
}
