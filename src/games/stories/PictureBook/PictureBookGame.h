#pragma once

#include "StorybookReader.h"

// "picture-book": the English picture books, read in the shared picture-book reader.
class PictureBookGame : public StorybookReader
{
    Q_OBJECT
    QML_ELEMENT
public:
    explicit PictureBookGame(QObject *parent = nullptr);
    static constexpr auto gameID = "picture-book";
};
