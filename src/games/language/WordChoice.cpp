#include "WordChoice.h"

#include "GameText.h"
#include "LearningContent.h"
#include "Rotated.h"

using namespace Qt::StringLiterals;

QVariantMap WordChoice::toVariant() const
{
    return {{u"word"_s, word}, {u"label"_s, GameText::capitalized(word)}, {u"emoji"_s, emoji}};
}

QList<WordChoice> rotatedChoices(const QList<BasicEnglishWord> &words, qsizetype i, std::initializer_list<int> offsets)
{
    const qsizetype n = words.size();
    QList<WordChoice> picked;
    for (int d : offsets) {
        const BasicEnglishWord &entry = words.at((i + d) % n);
        picked.append({entry.emoji, entry.word});
    }
    return rotated(picked, i);
}
