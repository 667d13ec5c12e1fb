#pragma once

#include "StorybookReader.h"

// "story-chain": the Chinese stories, read in the shared picture-book reader.
class StoryChainGame : public StorybookReader
{
    Q_OBJECT
    QML_ELEMENT
public:
    explicit StoryChainGame(QObject *parent = nullptr);
    static constexpr auto gameID = "story-chain";
};
