#pragma once

#include "DragTracker.h"
#include "GameBase.h"
#include "KeyedPlayback.h"
#include "StorybookLibrary.h"

#include <QString>

// The picture-book reader shared by the Chinese stories and the English picture books:
// one book chosen per play, its cover (page 0) and story pages (1 … N) turned by a swipe,
// the arrow keys or the Previous / Next buttons, each page read aloud a moment after it
// shows, and the last page's button reporting a finished book (100, 3) on every press;
// the host keeps the first report.
//
// Reading aloud is a playback keyed "<book>-<page>": turning away within the wait
// cancels it, so a page left at once is never read; Listen reads at once.
class StorybookReader : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The book games configure their reader")
    Q_PROPERTY(QString gameID READ gameID CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString subtitle READ subtitle CONSTANT)
    Q_PROPERTY(QString language READ language CONSTANT)
    Q_PROPERTY(bool english READ english CONSTANT)
    Q_PROPERTY(int bookIndex READ bookIndex NOTIFY bookChanged)
    Q_PROPERTY(int pageCount READ pageCount NOTIFY bookChanged)
    Q_PROPERTY(QString coverTitle READ coverTitle NOTIFY bookChanged)
    Q_PROPERTY(QString coverPicture READ coverPicture NOTIFY bookChanged)
    Q_PROPERTY(QString coverLabel READ coverLabel NOTIFY bookChanged)
    Q_PROPERTY(int page READ page NOTIFY pageChanged)
    Q_PROPERTY(QString header READ header NOTIFY pageChanged)
    Q_PROPERTY(QString listenText READ listenText NOTIFY pageChanged)
    Q_PROPERTY(QString nextText READ nextText NOTIFY pageChanged)
    Q_PROPERTY(QString previousText READ previousText CONSTANT)
    Q_PROPERTY(bool previousEnabled READ previousEnabled NOTIFY pageChanged)
    Q_PROPERTY(QString coverHint READ coverHint CONSTANT)
    Q_PROPERTY(QString swipeHint READ swipeHint CONSTANT)
    Q_PROPERTY(int coverTitleSize READ coverTitleSize CONSTANT)
    Q_PROPERTY(int pageTextSize READ pageTextSize CONSTANT)
    Q_PROPERTY(DragTracker *pageDrag READ pageDrag CONSTANT)
public:
    struct Setup
    {
        QString gameID;
        QString title;
        QString subtitle;
        QList<BookPages> books;
        QString language;
    };

    static constexpr int readDelayMs = 170;
    static constexpr float speechRate = 0.36f;
    // A drag turns the page once it has moved this far sideways.
    static constexpr qreal swipeDistance = 60;

    explicit StorybookReader(Setup setup, QObject *parent = nullptr);

    QString gameID() const { return m_setup.gameID; }
    QString title() const { return m_setup.title; }
    QString subtitle() const { return m_setup.subtitle; }
    QString language() const { return m_setup.language; }
    bool english() const { return StorybookText::isEnglish(m_setup.language); }
    int bookIndex() const { return m_bookIndex; }
    bool didChooseBook() const { return m_didChooseBook; }
    const BookPages &pages() const;
    int pageCount() const { return int(pages().size()); }
    int page() const { return m_page; }

    QString coverTitle() const { return StorybookText::coverTitle(pages(), language(), title()); }
    // "storybook_<animal>" of the first page, or empty for a book without pages.
    QString coverPicture() const;
    QString coverLabel() const;
    QString header() const;
    QString listenText() const;
    QString nextText() const;
    QString previousText() const;
    bool previousEnabled() const { return m_page != 0; }
    QString coverHint() const;
    QString swipeHint() const;
    int coverTitleSize() const { return english() ? 34 : 39; }
    int pageTextSize() const { return english() ? 25 : 29; }
    // What Listen says: the page text on a story page, the cover title elsewhere.
    QString spokenText() const;

    // Story page k (1 … pageCount): its text, picture name ("storybook_<key>" or empty),
    // badge ("k / N") and spoken label.
    Q_INVOKABLE QString pageText(int k) const;
    Q_INVOKABLE QString pagePicture(int k) const;
    Q_INVOKABLE QString pageBadge(int k) const;
    Q_INVOKABLE QString pageLabel(int k) const;

    DragTracker *pageDrag() { return &m_drag; }

    // The page came on screen: the book is chosen once, and the cover is read.
    Q_INVOKABLE void appear() override;
    // Shows page `target` when it lies in 0 … pageCount; anything else is ignored.
    Q_INVOKABLE void turn(int target);
    // The third button: the next page, or on the last page (and without pages) the
    // report of a finished book, again on every press.
    Q_INVOKABLE void advance();
    // The middle button: reads the spoken text now.
    Q_INVOKABLE void listen();

signals:
    void bookChanged();
    void pageChanged();

private:
    void readAfterPause();
    void speak() const;

    Setup m_setup;
    int m_bookIndex = 0;
    int m_page = 0;
    bool m_didChooseBook = false;
    KeyedPlayback m_reading{this};
    DragTracker m_drag{this};
};
