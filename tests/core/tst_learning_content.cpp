#include "LearningContent.h"
#include "TestFiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A vocabulary of `words` English words "w0", "w1", … and `characters` Chinese entries
// taken from the CJK block in order.
LearningContentPayload generated(int words, int characters)
{
    LearningContentPayload payload;
    for (int i = 0; i < words; ++i)
        payload.english.append(QStringLiteral("w%1").arg(i));
    for (int i = 0; i < characters; ++i)
        payload.chinese.append({QString(QChar(0x4E00 + i)), QStringLiteral("p%1").arg(i)});
    return payload;
}

QByteArray toJson(const LearningContentPayload &payload)
{
    QJsonArray chinese;
    for (const auto &entry : payload.chinese)
        chinese.append(QJsonObject{{"character", entry.character}, {"pinyin", entry.pinyin}});
    return QJsonDocument(QJsonObject{{"english", QJsonArray::fromStringList(payload.english)}, {"chinese", chinese}})
        .toJson(QJsonDocument::Compact);
}

QStringList characters(const Vocabulary &vocabulary, std::initializer_list<int> indices)
{
    QStringList result;
    for (int i : indices)
        result.append(vocabulary.chineseLiteracy().at(i).character);
    return result;
}

// The characters that begin the lines of a table of the vocabulary's maker
// (tools/data/early_characters.py), e.g. BOUND_SYLLABLES.
QStringList makerTable(const QString &name)
{
    QFile file(QStringLiteral(PW_SOURCE_DIR "/tools/data/early_characters.py"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const QString opening = name + u" = \"\"\"\n"_s;
    const qsizetype start = text.indexOf(opening);
    if (start < 0)
        return {};
    const qsizetype from = start + opening.size();
    QStringList result;
    for (const QString &line : text.mid(from, text.indexOf(u"\"\"\""_s, from) - from).split(u'\n', Qt::SkipEmptyParts))
        result.append(line.left(1));
    return result;
}

} // namespace

class TestLearningContent : public QObject
{
    Q_OBJECT
private slots:
    void rejectsMalformedDocuments_data();
    void rejectsMalformedDocuments();
    void rejectsEveryTruncation();
    void sizeThresholds();
    void rejectedCandidateLetsTheNextOneIn();
    void fallbackVocabulary();
    void emojiCycleByPosition();
    void choiceRows();
    void pinyinOfTexts();
    void presetReadingsAreTheRules();
    void pronunciationPhrases();
    void shippedVocabularyLoads();
    void shippedVocabularyPicturesAndSounds();
    void shippedCharactersForYoungChildren();
    void shippedCharactersStandAlone();
};

void TestLearningContent::rejectsMalformedDocuments_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("missing english") << QByteArray(R"({"chinese":[]})");
    QTest::newRow("missing chinese") << QByteArray(R"({"english":[]})");
    QTest::newRow("null english") << QByteArray(R"({"english":null,"chinese":[]})");
    QTest::newRow("english as one string") << QByteArray(R"({"english":"cat","chinese":[]})");
    QTest::newRow("english holding a number") << QByteArray(R"({"english":["cat",1],"chinese":[]})");
    QTest::newRow("english holding an object") << QByteArray(R"({"english":[{"word":"cat"}],"chinese":[]})");
    QTest::newRow("chinese as object") << QByteArray(R"({"english":[],"chinese":{"character":"猫","pinyin":"māo"}})");
    QTest::newRow("entry missing pinyin") << QByteArray(R"({"english":[],"chinese":[{"character":"猫"}]})");
    QTest::newRow("entry missing character") << QByteArray(R"({"english":[],"chinese":[{"pinyin":"māo"}]})");
    QTest::newRow("null character") << QByteArray(R"({"english":[],"chinese":[{"character":null,"pinyin":"māo"}]})");
    QTest::newRow("pinyin as number") << QByteArray(R"({"english":[],"chinese":[{"character":"猫","pinyin":1}]})");
    QTest::newRow("entry as string") << QByteArray(R"({"english":[],"chinese":["猫"]})");
    QTest::newRow("top-level array") << QByteArray(R"([{"english":[],"chinese":[]}])");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("trailing comma") << QByteArray(R"({"english":[],"chinese":[],})");
}

void TestLearningContent::rejectsMalformedDocuments()
{
    QFETCH(QByteArray, json);
    QVERIFY(!LearningContentPayload::decode(json));
}

void TestLearningContent::rejectsEveryTruncation()
{
    const QByteArray json = R"({"english":["cat","dog"],"chinese":[{"character":"猫","pinyin":"māo","extra":1}]})";
    const auto decoded = LearningContentPayload::decode(json);
    QVERIFY(decoded);
    QCOMPARE(decoded->english, (QStringList{"cat", "dog"}));
    QCOMPARE(decoded->chinese.size(), 1);
    QCOMPARE(decoded->chinese.first().pinyin, QStringLiteral("māo"));
    for (int length = 0; length < json.size(); ++length)
        QVERIFY2(!LearningContentPayload::decode(json.left(length)), qPrintable(QString::number(length)));
}

void TestLearningContent::sizeThresholds()
{
    QTemporaryDir dir;
    const QString fewWords = writeTestFile(dir, "999.json", toJson(generated(999, 800)));
    const QString fewCharacters = writeTestFile(dir, "499.json", toJson(generated(1000, 499)));
    const QString justEnough = writeTestFile(dir, "ok.json", toJson(generated(1000, 500)));
    QCOMPARE(LearningContentPayload::loadFrom({fewWords}), LearningContentPayload::fallback());
    QCOMPARE(LearningContentPayload::loadFrom({fewCharacters}), LearningContentPayload::fallback());
    QCOMPARE(LearningContentPayload::loadFrom({justEnough}), generated(1000, 500));
}

void TestLearningContent::rejectedCandidateLetsTheNextOneIn()
{
    QTemporaryDir dir;
    const QString tooSmall = writeTestFile(dir, "small.json", toJson(generated(1000, 499)));
    const QString broken = writeTestFile(dir, "broken.json", toJson(generated(1200, 600)).chopped(1));
    const QString good = writeTestFile(dir, "good.json", toJson(generated(1001, 501)));
    const QString other = writeTestFile(dir, "other.json", toJson(generated(2000, 900)));
    QCOMPARE(LearningContentPayload::loadFrom({dir.filePath("none.json"), tooSmall, broken, dir.path(), good, other}),
             generated(1001, 501));
    QCOMPARE(LearningContentPayload::loadFrom({}), LearningContentPayload::fallback());
}

void TestLearningContent::fallbackVocabulary()
{
    const Vocabulary vocabulary(LearningContentPayload::fallback());
    QCOMPARE(vocabulary.basicEnglish(), (QList<BasicEnglishWord>{{"cat", QString::fromUtf8("\U0001F43E"), ""}}));
    QCOMPARE(vocabulary.chineseLiteracy(),
             (QList<ChineseLiteracyItem>{{"猫", "māo", QString::fromUtf8("\U0001F004\uFE0F")}}));
    for (int index : {0, 1, 2, 3, 7, 1000})
        QCOMPARE(vocabulary.literacyChoices(index), (QStringList{"猫", "猫", "猫", "猫"}));
    QCOMPARE(vocabulary.pinyin("猫"), QStringLiteral("māo"));
    QCOMPARE(vocabulary.pinyin("猫 猫"), QStringLiteral("māo māo"));
    QVERIFY(Vocabulary(LearningContentPayload{}).literacyChoices(3).isEmpty());
}

void TestLearningContent::emojiCycleByPosition()
{
    const Vocabulary vocabulary(generated(27, 13));
    const auto &english = vocabulary.basicEnglish();
    QCOMPARE(english.at(0).emoji, QString::fromUtf8("\U0001F43E"));
    QCOMPARE(english.at(11).emoji, QString::fromUtf8("\U0001F3D9\uFE0F"));
    QCOMPARE(english.at(12).emoji, QString::fromUtf8("\U0001F4C5"));
    QCOMPARE(english.at(13).emoji, english.at(0).emoji);
    QCOMPARE(english.at(26).emoji, english.at(0).emoji);
    QCOMPARE(english.at(14).word, QStringLiteral("w14"));
    QVERIFY(english.at(14).chinese.isEmpty());
    const auto &chinese = vocabulary.chineseLiteracy();
    QCOMPARE(chinese.at(5).emoji, QString::fromUtf8("\U0001F524"));
    QCOMPARE(chinese.at(6).emoji, chinese.at(0).emoji);
    QCOMPARE(chinese.at(12).emoji, QString::fromUtf8("\U0001F004\uFE0F"));
}

void TestLearningContent::choiceRows()
{
    const Vocabulary vocabulary(generated(1000, 1000));
    QCOMPARE(vocabulary.literacyChoices(0), characters(vocabulary, {0, 37, 113, 211}));
    QCOMPARE(vocabulary.literacyChoices(1), characters(vocabulary, {38, 114, 212, 1}));
    QCOMPARE(vocabulary.literacyChoices(2), characters(vocabulary, {115, 213, 2, 39}));
    QCOMPARE(vocabulary.literacyChoices(4), characters(vocabulary, {4, 41, 117, 215}));
    QCOMPARE(vocabulary.literacyChoices(999), characters(vocabulary, {210, 999, 36, 112}));
    QCOMPARE(vocabulary.literacyChoices(1003), vocabulary.literacyChoices(3)); // question numbers wrap

    // Small lists repeat characters rather than fail.
    const Vocabulary small(generated(1, 3));
    QCOMPARE(small.literacyChoices(0), characters(small, {0, 1, 2, 1}));

    // Out-of-range question numbers never index outside the list.
    QCOMPARE(vocabulary.literacyChoices(-1), vocabulary.literacyChoices(999));
    QCOMPARE(vocabulary.literacyChoices(std::numeric_limits<qint64>::max()).size(), 4);
    QCOMPARE(vocabulary.literacyChoices(std::numeric_limits<qint64>::min()).size(), 4);
}

void TestLearningContent::pinyinOfTexts()
{
    LearningContentPayload payload;
    payload.english = {"cat"};
    payload.chinese = {{"猫", "māo"}, {"狗", "gǒu"}, {"猫", "mao1"}, {"小鸟", "xiǎo niǎo"}};
    const Vocabulary vocabulary(payload);
    QCOMPARE(vocabulary.pinyin("猫狗"), QStringLiteral("māo gǒu"));
    QCOMPARE(vocabulary.pinyin(" 猫\t狗\n"), QStringLiteral("māo gǒu"));
    QCOMPARE(vocabulary.pinyin(""), QString());
    QCOMPARE(vocabulary.pinyin("   "), QString());
    QCOMPARE(vocabulary.pinyin("Cat"), QStringLiteral("c a t"));
    // A two-character entry is never found; its characters are looked up one by one.
    QCOMPARE(vocabulary.pinyin("小鸟"), QStringLiteral("xiǎo niǎo"));
    QCOMPARE(vocabulary.pinyin("小"), QStringLiteral("xiǎo"));
    // Characters the vocabulary lacks are transliterated, tone marks kept.
    QCOMPARE(vocabulary.pinyin("你好"), QStringLiteral("nǐ hǎo"));
    QCOMPARE(vocabulary.pinyin("猫A"), QStringLiteral("māo a"));
    // A user-perceived character built of several code points stays one part.
    const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    QCOMPARE(vocabulary.pinyin(family + "猫").split(' ').size(), 2);
}

void TestLearningContent::presetReadingsAreTheRules()
{
    // Each reading is what the rules give its character alone, and the look-up finds it.
    const auto readings = LearningContent::presetReadings();
    QVERIFY(readings.size() > 100);
    for (const LearningContent::PresetReading &entry : readings) {
        const QString character = QString::fromUcs4(&entry.character, 1);
        const QString reading = QString::fromUtf16(entry.reading);
        QCOMPARE(LearningContent::transliterateByRules(character).value_or(u"(none)"_s), reading);
        QCOMPARE(LearningContent::presetReading(character).value_or(u"(none)"_s), reading);
    }
    QVERIFY(!LearningContent::presetReading(u"林林"_s));
}

void TestLearningContent::pronunciationPhrases()
{
    QCOMPARE(LearningContent::pronunciationText("只"), QStringLiteral("一只小鸟的只"));
    QCOMPARE(LearningContent::pronunciationText("长"), QStringLiteral("长短的长"));
    QCOMPARE(LearningContent::pronunciationText("椰"), QStringLiteral("椰子的椰"));
    QCOMPARE(LearningContent::pronunciationText("猫"), QStringLiteral("猫"));
    QCOMPARE(LearningContent::pronunciationText("长大"), QStringLiteral("长大"));
    QCOMPARE(LearningContent::pronunciationText(""), QString());
}

void TestLearningContent::shippedVocabularyLoads()
{
    QFile file(":/data/learning_content.json");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto payload = LearningContentPayload::decode(file.readAll());
    QVERIFY(payload);
    QVERIFY(payload->english.size() >= LearningContentPayload::minimumEnglish);
    QVERIFY(payload->chinese.size() >= LearningContentPayload::minimumChinese);
    for (const auto &entry : payload->chinese)
        QVERIFY2(!entry.character.isEmpty() && !entry.pinyin.isEmpty(), qPrintable(entry.character));

    // The program's own tables come from the file, not the one-word fallback.
    const Vocabulary expected(*payload);
    QCOMPARE(LearningContent::basicEnglish(), expected.basicEnglish());
    QCOMPARE(LearningContent::chineseLiteracy(), expected.chineseLiteracy());
    QCOMPARE(&LearningContent::shared(), &LearningContent::shared());
    const QString first = LearningContent::chineseLiteracy().first().character;
    QCOMPARE(LearningContent::pinyin(first), LearningContent::chineseLiteracy().first().pinyin);
    QCOMPARE(LearningContent::literacyChoices(0).first(), first);
}

void TestLearningContent::shippedVocabularyPicturesAndSounds()
{
    // The English words are ordered so that the picture the cycle gives each word is its
    // theme's: one word of every theme, found wherever it stands.
    const QList<std::pair<QString, QString>> themed{
        {u"cat"_s, u"🐾"_s},   {u"apple"_s, u"🍎"_s},  {u"red"_s, u"🎨"_s},    {u"mom"_s, u"🧑"_s},
        {u"shirt"_s, u"👕"_s}, {u"pencil"_s, u"📚"_s}, {u"bus"_s, u"🚌"_s},    {u"bed"_s, u"🏠"_s},
        {u"tree"_s, u"🌳"_s},  {u"jump"_s, u"🏃"_s},   {u"happy"_s, u"🌟"_s},  {u"park"_s, u"🏙\uFE0F"_s},
        {u"clock"_s, u"📅"_s},
    };
    const auto &english = LearningContent::basicEnglish();
    for (const auto &[word, emoji] : themed) {
        const QString &wanted = word;
        const auto found = std::find_if(english.begin(), english.end(), [&](const BasicEnglishWord &w) { return w.word == wanted; });
        QVERIFY2(found != english.end(), qPrintable(word));
        QCOMPARE(found->emoji, emoji);
    }
    for (const auto &w : english)
        QVERIFY2(!w.word.isEmpty() && std::all_of(w.word.begin(), w.word.end(), [](QChar c) { return c >= u'a' && c <= u'z'; }),
                 qPrintable(w.word));

    // No character question offers two characters that sound the same: the child hears
    // one reading and exactly one tile fits it.
    const qsizetype n = LearningContent::chineseLiteracy().size();
    for (int i = 0; i < n; ++i) {
        const QStringList choices = LearningContent::literacyChoices(i);
        QSet<QString> readings;
        for (const QString &c : choices)
            readings.insert(LearningContent::pinyin(c));
        QVERIFY2(readings.size() == choices.size(), qPrintable(QString::number(i) + u' ' + choices.join(u' ')));
    }
}

void TestLearningContent::shippedCharactersForYoungChildren()
{
    // Counting comes first, then what a child can point at; the small words of a
    // sentence wait until after them.
    const auto &chinese = LearningContent::chineseLiteracy();
    QString first;
    for (int i = 0; i < 10; ++i)
        first += chinese.at(i).character;
    QCOMPARE(first, u"一二三四五六七八九十"_s);
    const auto position = [&](const QString &c) {
        return std::find_if(chinese.begin(), chinese.end(), [&](const ChineseLiteracyItem &e) { return e.character == c; }) -
               chinese.begin();
    };
    const qsizetype pronoun = position(u"我"_s);
    QVERIFY(pronoun < chinese.size());
    for (const QString &c : {u"妈"_s, u"手"_s, u"水"_s, u"猫"_s, u"桃"_s, u"红"_s, u"门"_s, u"跑"_s, u"大"_s})
        QVERIFY2(position(c) < pronoun, qPrintable(c));

    // The game asks for a character by its reading: every one has a tone to hear.
    static const QRegularExpression toned(u"[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ]"_s);
    for (const ChineseLiteracyItem &e : chinese)
        QVERIFY2(toned.match(e.pinyin).hasMatch(), qPrintable(e.character + u' ' + e.pinyin));

    // Every character the radical and sentence games write is shown with a reading,
    // whether the vocabulary lists it or not.
    static const QRegularExpression pinyinOnly(u"^[a-zāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜü]+$"_s);
    for (const LearningContent::PresetReading &entry : LearningContent::presetReadings()) {
        const QString character = QString::fromUcs4(&entry.character, 1);
        QVERIFY2(pinyinOnly.match(LearningContent::pinyin(character)).hasMatch(), qPrintable(character));
    }
}

void TestLearningContent::shippedCharactersStandAlone()
{
    // The game shows and speaks one character: a syllable that is only half of a word
    // names nothing (蚂 alone is heard as mǎ, the horse), whether it is one of these or
    // any other of the maker's table.
    const QStringList halves{u"狸"_s, u"蝴"_s, u"蚂"_s, u"蜗"_s, u"鸦"_s, u"脖"_s, u"葡"_s, u"萄"_s, u"苹"_s,
                             u"萝"_s, u"馒"_s, u"朋"_s, u"蜻"_s, u"蜓"_s, u"蝌"_s, u"蚪"_s, u"蚯"_s, u"蚓"_s,
                             u"蜘"_s, u"蛛"_s, u"玻"_s, u"璃"_s, u"蝙"_s, u"蝠"_s, u"葫"_s, u"骆"_s};
    const QStringList bound = makerTable(u"BOUND_SYLLABLES"_s);
    for (const QString &c : halves)
        QVERIFY2(bound.contains(c), qPrintable(c + u" is missing from the maker's bound syllables"_s));
    QStringList listed;
    for (const ChineseLiteracyItem &e : LearningContent::chineseLiteracy())
        listed.append(e.character);
    for (const QString &c : bound)
        QVERIFY2(!listed.contains(c), qPrintable(c + u" at "_s + QString::number(listed.indexOf(c))));

    // The later school years' characters wait until after the first two hundred.
    const QStringList later{u"兵"_s, u"农"_s, u"血"_s, u"臂"_s, u"掌"_s, u"霜"_s, u"岩"_s, u"溪"_s};
    const QStringList laterTable = makerTable(u"LATER_GRADES"_s);
    for (const QString &c : later)
        QVERIFY2(laterTable.contains(c), qPrintable(c + u" is missing from the maker's later grades"_s));
    const QStringList first = listed.first(200);
    for (const QString &c : laterTable)
        QVERIFY2(!first.contains(c), qPrintable(c + u" at "_s + QString::number(first.indexOf(c))));
}

QTEST_GUILESS_MAIN(TestLearningContent)
#include "tst_learning_content.moc"
