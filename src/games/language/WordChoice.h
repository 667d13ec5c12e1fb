#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <initializer_list>

struct BasicEnglishWord;

// One picture-and-word tile of the English games.
struct WordChoice
{
    QString emoji;
    QString word;

    friend bool operator==(const WordChoice &, const WordChoice &) = default;

    // {word, label (capitalised), emoji} for a view.
    QVariantMap toVariant() const;
};

// The tiles of the generated row for vocabulary entry i: the entries (i + d) mod n for
// each offset d, in offset order, rotated left by i mod (number of offsets). The first
// offset is 0, so entry i is always among them. Duplicates are kept.
QList<WordChoice> rotatedChoices(const QList<BasicEnglishWord> &words, qsizetype i, std::initializer_list<int> offsets);
