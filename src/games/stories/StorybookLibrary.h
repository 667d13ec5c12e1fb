#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One page of a picture book. The reader reads the caption (the book title in front of
// the page text), the prompt (the hero's animal key, the cover picture of the book) and
// the picture key; the scene line and the question fields travel with the page.
struct FinalChoiceRound
{
    QString scene;
    QString caption;
    QString prompt;
    QString answer;
    QStringList choices;
    std::optional<QString> artKey;
};

using BookPages = QList<FinalChoiceRound>;

// A hero of a library: name, emoji, book title, animal key.
struct StoryHero
{
    QString name;
    QString emoji;
    QString title;
    QString animal;
};

// The Chinese stories: 20 heroes living through the same 10 moments, one book each.
// Built on first use, once, and never changed.
namespace ChineseStoryLibrary {
struct Moment
{
    QString scene;
    QString caption;
    QString answer;
    QStringList choices;
    QString artKey;
};
const QList<Moment> &moments();
const QList<StoryHero> &friends();
const QList<FinalChoiceRound> &rounds();
const QList<BookPages> &books();
} // namespace ChineseStoryLibrary

// The English picture books, built the same way from their own tables.
namespace EnglishPictureBookLibrary {
struct Moment
{
    QString scene;
    QString caption;
    QString prompt;
    QString answer;
    QStringList choices;
    QString artKey;
};
const QList<Moment> &moments();
const QList<StoryHero> &friends();
const QList<FinalChoiceRound> &rounds();
const QList<BookPages> &books();
} // namespace EnglishPictureBookLibrary

// Cuts pages into books of `pagesPerBook` pages from the start; a shorter last book is
// kept. `pagesPerBook` must be at least 1.
QList<BookPages> sliceIntoBooks(const QList<FinalChoiceRound> &pages, qsizetype pagesPerBook);

// The texts a book's captions are split into, by the book's language tag: a tag that
// begins with "en" is English (case-sensitive), every other tag Chinese.
namespace StorybookText {
bool isEnglish(const QString &language);
// The page text: after the first ": " of an English caption, else after the first "：",
// else the whole caption. Nothing is trimmed.
QString storyText(const QString &caption, const QString &language);
// The cover title of a book: before the first ": " of an English first caption, else up
// to and including the first "》", else `fallback` (also for a book without pages).
QString coverTitle(const BookPages &pages, const QString &language, const QString &fallback);
} // namespace StorybookText
