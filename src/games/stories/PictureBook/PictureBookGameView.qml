import Pipwhistle.Games.Stories

// 英语绘本: the English picture books in the picture-book reader.
StorybookReaderView {
    game: PictureBookGame {}
}
