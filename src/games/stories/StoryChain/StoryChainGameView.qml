import Pipwhistle.Games.Stories

// 中文绘本: the Chinese stories in the picture-book reader.
StorybookReaderView {
    game: StoryChainGame {}
}
