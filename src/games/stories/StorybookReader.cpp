#include "StorybookReader.h"

#include "LevelRotation.h"
#include "SpeechService.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
const QString picturePrefix = u"storybook_"_s;
} // namespace

StorybookReader::StorybookReader(Setup setup, QObject *parent)
    : GameBase(parent)
    , m_setup(std::move(setup))
{
    m_drag.setThreshold(8);
    connect(&m_drag, &DragTracker::released, this, [this](QPointF translation, QPointF) {
        if (translation.x() <= -swipeDistance)
            turn(m_page + 1);
        else if (translation.x() >= swipeDistance)
            turn(m_page - 1);
    });
}

const BookPages &StorybookReader::pages() const
{
    static const BookPages none;
    return (m_bookIndex >= 0 && m_bookIndex < m_setup.books.size()) ? m_setup.books[m_bookIndex] : none;
}

QString StorybookReader::coverPicture() const
{
    return pages().isEmpty() ? QString() : picturePrefix + pages().first().prompt;
}

QString StorybookReader::coverLabel() const
{
    return coverTitle() + u"，"_s + (english() ? u"book cover"_s : u"绘本封面"_s);
}

QString StorybookReader::header() const
{
    if (m_page == 0)
        return english() ? u"BOOK COVER"_s : u"绘本封面"_s;
    return english() ? u"PAGE "_s + QString::number(m_page) : u"第 "_s + QString::number(m_page) + u" 页"_s;
}

QString StorybookReader::listenText() const
{
    if (m_page == 0)
        return english() ? u"Hear title"_s : u"听书名"_s;
    return english() ? u"Listen again"_s : u"再听一次"_s;
}

QString StorybookReader::nextText() const
{
    if (m_page == pageCount())
        return english() ? u"The End"_s : u"读完了"_s;
    return english() ? u"Next page"_s : u"下一页"_s;
}

QString StorybookReader::previousText() const
{
    return english() ? u"Previous"_s : u"上一页"_s;
}

QString StorybookReader::coverHint() const
{
    return english() ? u"Swipe to open the story"_s : u"向左滑动，翻开故事"_s;
}

QString StorybookReader::swipeHint() const
{
    return u"在书页上左右滑动翻页"_s;
}

QString StorybookReader::spokenText() const
{
    if (m_page >= 1 && m_page <= pageCount())
        return pageText(m_page);
    return coverTitle();
}

QString StorybookReader::pageText(int k) const
{
    if (k < 1 || k > pageCount())
        return {};
    return StorybookText::storyText(pages()[k - 1].caption, language());
}

QString StorybookReader::pagePicture(int k) const
{
    if (k < 1 || k > pageCount() || !pages()[k - 1].artKey)
        return {};
    return picturePrefix + *pages()[k - 1].artKey;
}

QString StorybookReader::pageBadge(int k) const
{
    return QString::number(k) + u" / "_s + QString::number(pageCount());
}

QString StorybookReader::pageLabel(int k) const
{
    return (english() ? u"Story page"_s : u"故事第"_s) + u' ' + QString::number(k) + u"，"_s + pageText(k);
}

void StorybookReader::appear()
{
    if (!m_didChooseBook && !m_setup.books.isEmpty()) {
        m_bookIndex = LevelRotation::nextIndex(m_setup.gameID, int(m_setup.books.size()));
        m_didChooseBook = true;
        emit bookChanged();
        emit pageChanged();
    }
    readAfterPause();
}

void StorybookReader::turn(int target)
{
    if (target < 0 || target > pageCount() || target == m_page)
        return;
    m_page = target;
    emit pageChanged();
    readAfterPause();
}

void StorybookReader::advance()
{
    if (m_page >= pageCount())
        complete(100, 3);
    else
        turn(m_page + 1);
}

void StorybookReader::listen()
{
    speak();
}

void StorybookReader::readAfterPause()
{
    KeyedPlayback::Script script;
    script.wait(readDelayMs).checked([this] { speak(); });
    m_reading.run(QString::number(m_bookIndex) + u'-' + QString::number(m_page), std::move(script));
}

void StorybookReader::speak() const
{
    SpeechService &speech = SpeechService::shared();
    speech.stopRemotePronunciation();
    speech.speak(spokenText(), language(), speechRate);
}
