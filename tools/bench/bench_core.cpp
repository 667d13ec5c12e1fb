// Times the data core: the first (cold) load of the catalogue and the vocabulary, the
// strict decoders on the shipped files, pinyin lookups, and ProgressStore::finish with a
// full history of 300 records.
#include "Clock.h"
#include "GameCatalog.h"
#include "LearningContent.h"
#include "ProgressStore.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

template<typename Fn>
double microsecondsPerRun(int runs, Fn fn)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        fn();
    return double(timer.nsecsElapsed()) / 1000.0 / runs;
}

QByteArray resource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    QElapsedTimer cold;
    cold.start();
    const qsizetype games = GameCatalog::all().size();
    const double catalogueMs = cold.nsecsElapsed() / 1e6;
    cold.restart();
    const qsizetype words = LearningContent::basicEnglish().size();
    const qsizetype characters = LearningContent::chineseLiteracy().size();
    const double vocabularyMs = cold.nsecsElapsed() / 1e6;
    std::printf("first GameCatalog::all() (%lld games):            %8.3f ms\n", (long long)games, catalogueMs);
    std::printf("first LearningContent tables (%lld words, %lld chars): %8.3f ms\n", (long long)words,
                (long long)characters, vocabularyMs);

    const QByteArray catalogue = resource(":/data/game_catalog.json");
    const QByteArray vocabulary = resource(":/data/learning_content.json");
    std::printf("GameCatalog::decode (shipped file):              %8.1f us\n",
                microsecondsPerRun(200, [&] { GameCatalog::decode(catalogue); }));
    std::printf("LearningContentPayload::decode (shipped file):   %8.1f us\n",
                microsecondsPerRun(50, [&] { LearningContentPayload::decode(vocabulary); }));
    std::printf("Vocabulary build from payload:                   %8.1f us\n",
                microsecondsPerRun(50, [&] { Vocabulary v(*LearningContentPayload::decode(vocabulary)); }));

    cold.restart();
    LearningContent::pinyin(QStringLiteral("龘")); // builds the transliterator
    std::printf("first pinyin of an unlisted character (ICU):     %8.3f ms\n", cold.nsecsElapsed() / 1e6);
    std::printf("pinyin of a 4-character listed text:             %8.1f us\n",
                microsecondsPerRun(2000, [] { LearningContent::pinyin(QStringLiteral("的一了是")); }));
    std::printf("pinyin of an unlisted character:                 %8.1f us\n",
                microsecondsPerRun(2000, [] { LearningContent::pinyin(QStringLiteral("龘")); }));

    ManualClock clock;
    Clock::setCurrent(&clock);
    MemorySettingsStore store;
    ProgressStore progress(store);
    const GameDefinition &game = GameCatalog::all().first();
    for (int i = 0; i < ProgressStore::maxRecords; ++i)
        progress.finish(game, 80, 2, 30);
    std::printf("ProgressStore::finish with 300 records:          %8.1f us\n",
                microsecondsPerRun(500, [&] { progress.finish(game, 90, 3, 45); }));
    std::printf("  saved records: %lld bytes\n", (long long)store.data(ProgressStore::recordsKey)->size());
    std::printf("ProgressStore load of 300 records:               %8.1f us\n",
                microsecondsPerRun(200, [&] { ProgressStore loaded(store); }));
    Clock::setCurrent(nullptr);
    return 0;
}
