// Fonts, the system-symbol table and the named-picture lookup.
#include "DataFiles.h"
#include "Fonts.h"
#include "GameCatalog.h"
#include "Resident.h"
#include "StorybookArtwork.h"
#include "SystemSymbols.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRawFont>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include <functional>
#include <thread>

class TestUiPlatform : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyCatalogueIconMaps();
    void everySymbolTheViewsNameMaps();
    void unknownNamesGetTheFallback();
    void everyGlyphIsInTheIconFont();
    void colourEmojiShowInsideChineseText();
    void emojiWithSelectorsDrawAsOneGlyph();
    void emojiAreDrawnAsThePainterDrawsThem();
    void weightsOfOneFaceAreAskedForAlike();
    void fontFilesAreMappedOnceForEveryThread();
    void releasedFontPagesAreReadAgain();
    void pictureNamesAreOnlyLookedUp();
    void picturesAreFoundBesideTheProgram();
    void undecodablePictureIsMissing();
    void coverNames();

private:
    QString m_resources;
    bool m_createdResources = false;
};

void TestUiPlatform::initTestCase()
{
    Fonts::install();
    m_resources = QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
    if (!QDir(m_resources).exists()) {
        QVERIFY(QDir().mkpath(m_resources + QStringLiteral("/images")));
        m_createdResources = true;
    }
    QDir().mkpath(m_resources + QStringLiteral("/images"));
}

void TestUiPlatform::cleanupTestCase()
{
    QFile::remove(m_resources + QStringLiteral("/tst_ui_picture.png"));
    QFile::remove(m_resources + QStringLiteral("/images/tst_ui_nested.png"));
    QFile::remove(m_resources + QStringLiteral("/tst_ui_broken.png"));
    if (m_createdResources)
        QDir(m_resources).removeRecursively();
}

void TestUiPlatform::everyCatalogueIconMaps()
{
    // The data file as shipped, and the catalogue as the program reads it (the file or
    // the built-in list).
    QFile file(QStringLiteral(PW_SOURCE_DIR "/resources/game_catalog.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray games = QJsonDocument::fromJson(file.readAll()).array();
    QVERIFY(!games.isEmpty());
    QStringList missing;
    for (const QJsonValue &game : games) {
        const QString icon = game.toObject().value(QStringLiteral("icon")).toString();
        if (!SystemSymbols::contains(icon))
            missing << icon;
    }
    for (const GameDefinition &game : GameCatalog::all()) {
        if (!SystemSymbols::contains(game.icon))
            missing << game.icon;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", ")));
}

void TestUiPlatform::everySymbolTheViewsNameMaps()
{
    const QStringList named{
        "speaker.wave.2.fill", "speaker.wave.3.fill", "checkmark.circle.fill", "checkmark",
        "lightbulb.fill", "play.fill", "lock.fill", "lock.open.fill", "star", "star.fill",
        "sparkles", "hammer.fill", "chevron.left", "chevron.right", "xmark", "infinity",
        "hourglass", "hourglass.circle.fill", "clock", "arrow.right", "arrow.left", "arrow.up",
        "arrow.down", "arrow.clockwise", "arrow.counterclockwise", "arrow.uturn.backward",
        "arrow.right.circle.fill", "heart.fill", "trash.fill", "hand.draw.fill", "hand.tap.fill",
        "wand.and.stars", "mic.fill", "house.fill", "camera.fill", "bookmark", "bookmark.fill",
        "book.pages.fill", "bolt.fill", "delete.left.fill", "plus", "scope", "scribble",
        "shuffle", "waveform", "shoeprints.fill", "play.rectangle.on.rectangle.fill",
        "location.fill", "globe.asia.australia.fill", "eye.fill", "ear.fill"};
    for (const QString &name : named)
        QVERIFY2(SystemSymbols::contains(name), qPrintable(name));
}

void TestUiPlatform::unknownNamesGetTheFallback()
{
    QVERIFY(!SystemSymbols::contains(QStringLiteral("no.such.symbol")));
    QCOMPARE(SystemSymbols::codePoint(QStringLiteral("no.such.symbol")), SystemSymbols::fallbackCodePoint());
    QCOMPARE(SystemSymbols::codePoint(QString()), SystemSymbols::fallbackCodePoint());
    // Known names never hand out the fallback, and the filled and outlined star differ.
    QVERIFY(SystemSymbols::codePoint(QStringLiteral("star")) != SystemSymbols::codePoint(QStringLiteral("star.fill")));
    QCOMPARE(SystemSymbols::glyph(QStringLiteral("star.fill")).size(), 1);
}

void TestUiPlatform::everyGlyphIsInTheIconFont()
{
    QVERIFY(Fonts::symbolFamilyAvailable());
    QFont font(SystemSymbols::fontFamily());
    font.setPixelSize(24);
    const QRawFont raw = QRawFont::fromFont(font);
    QVERIFY(raw.isValid());
    QCOMPARE(raw.familyName(), SystemSymbols::fontFamily());
    QVERIFY(raw.supportsCharacter(SystemSymbols::fallbackCodePoint()));
    for (const QString &name : SystemSymbols::names()) {
        QVERIFY2(raw.supportsCharacter(SystemSymbols::codePoint(name)), qPrintable(name));
        // A glyph cut into another is only for filled circles.
        if (const char32_t inner = SystemSymbols::innerCodePoint(name)) {
            QVERIFY2(raw.supportsCharacter(inner), qPrintable(name));
            QVERIFY2(name.endsWith(QLatin1String(".circle.fill")), qPrintable(name));
        }
    }
    QVERIFY(!SystemSymbols::innerGlyph(QStringLiteral("hourglass.circle.fill")).isEmpty());
    QVERIFY(SystemSymbols::innerGlyph(QStringLiteral("no.such.symbol")).isEmpty());
}

namespace {

// The families that draw each part of `html` laid out as rich text.
QList<std::pair<QString, QString>> familiesOf(const QString &html)
{
    QTextDocument document;
    document.setDefaultFont(Fonts::text(20));
    document.setHtml(html);
    document.setTextWidth(2000);
    document.documentLayout()->documentSize(); // lays the document out
    QList<std::pair<QString, QString>> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            for (const QGlyphRun &run : block.layout()->lineAt(i).glyphRuns())
                result.append({run.rawFont().familyName(), QString::number(run.glyphIndexes().size())});
        }
    }
    return result;
}

} // namespace

void TestUiPlatform::colourEmojiShowInsideChineseText()
{
    QVERIFY(Fonts::textFamilyAvailable());
    QVERIFY(Fonts::emojiFamilyAvailable());
    // Emoji that only the emoji font has fall back to it from the text font.
    for (const QString &emoji : {QStringLiteral("🐱"), QStringLiteral("✨"), QStringLiteral("🎉"), QStringLiteral("👨‍👩‍👧")}) {
        QTextLayout single(emoji, Fonts::text(20));
        single.beginLayout();
        single.createLine();
        single.endLayout();
        const QList<QGlyphRun> runs = single.glyphRuns();
        QVERIFY(!runs.isEmpty());
        QVERIFY2(runs.first().rawFont().familyName() == Fonts::emojiFamily(), qPrintable(emoji));
    }
    // Emoji the CJK font also draws (in black) are marked for the emoji font, and the
    // Chinese around them stays in the CJK font.
    const QString line = QStringLiteral("小猫❤️答对啦☀️ 12 <b> & 🐱");
    const QString markup = Fonts::emojiMarkup(line);
    QVERIFY(markup.contains(QStringLiteral("&lt;b&gt; &amp;")));
    const auto runs = familiesOf(markup);
    QStringList families;
    for (const auto &run : runs)
        families << run.first;
    QVERIFY2(families.contains(Fonts::textFamily()) && families.contains(Fonts::emojiFamily()), qPrintable(families.join(u", ")));
    for (const QString &emoji : {QStringLiteral("❤️"), QStringLiteral("☀️"), QStringLiteral("✔️")}) {
        const auto alone = familiesOf(Fonts::emojiMarkup(emoji));
        QVERIFY2(!alone.isEmpty() && alone.first().first == Fonts::emojiFamily(), qPrintable(emoji));
    }
    QTextDocument plain;
    plain.setDefaultFont(Fonts::text(20));
    plain.setHtml(markup);
    QCOMPARE(plain.toPlainText(), Fonts::emojiGlyphs(line)); // all but the selectors

    QVERIFY(Fonts::isEmojiCluster(u"❤️"));
    QVERIFY(Fonts::isEmojiCluster(u"⭐"));
    QVERIFY(Fonts::isEmojiCluster(u"1️⃣"));
    QVERIFY(!Fonts::isEmojiCluster(u"❤"));
    QVERIFY(!Fonts::isEmojiCluster(u"猫"));
    QVERIFY(!Fonts::isEmojiCluster(u"7"));
    QCOMPARE(Fonts::emojiMarkup(QStringLiteral("一\n二")), QStringLiteral("一<br>二"));
}

void TestUiPlatform::emojiWithSelectorsDrawAsOneGlyph()
{
    QCOMPARE(Fonts::emojiGlyphs(QStringLiteral("🏙️")), QStringLiteral("🏙"));
    QCOMPARE(Fonts::emojiGlyphs(QStringLiteral("👨‍👩‍👧")), QStringLiteral("👨‍👩‍👧")); // joiners stay
    const auto laidOut = [](const QString &text) {
        auto *layout = new QTextLayout(Fonts::emojiGlyphs(text), Fonts::emoji(43));
        layout->beginLayout();
        layout->createLine();
        layout->endLayout();
        return std::unique_ptr<QTextLayout>(layout);
    };
    const qreal height = laidOut(QStringLiteral("🐱"))->boundingRect().height();
    // The tables hold these with their selectors: each is still one colour glyph, no
    // taller than an emoji without one (a keycap or a flag does not fall apart).
    for (const QString &emoji : {QStringLiteral("🏙️"), QStringLiteral("☀️"), QStringLiteral("⭐️"),
                                 QStringLiteral("🀄️"), QStringLiteral("1️⃣"), QStringLiteral("🏳️‍🌈")}) {
        const auto layout = laidOut(emoji);
        QCOMPARE(layout->boundingRect().height(), height);
        const QList<QGlyphRun> runs = layout->glyphRuns();
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs.first().rawFont().familyName(), Fonts::emojiFamily());
        QVERIFY2(runs.first().glyphIndexes().size() == 1, qPrintable(emoji));
    }
    // In mixed text the emoji runs are drawn without selectors too.
    QVERIFY(!Fonts::emojiMarkup(QStringLiteral("答对啦❤️")).contains(QChar(0xFE0F)));
}

void TestUiPlatform::emojiAreDrawnAsThePainterDrawsThem()
{
    const auto drawn = [](const QString &emoji, int pixelSize, bool own) {
        QImage image(200, 140, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QRectF box(7.3, 5.6, 180, 120);
        if (own) {
            Fonts::drawEmoji(&painter, box, Qt::AlignCenter, Fonts::emojiGlyphs(emoji), pixelSize);
        } else {
            painter.setFont(Fonts::emoji(pixelSize));
            painter.drawText(box, Qt::AlignCenter, Fonts::emojiGlyphs(emoji));
        }
        return image;
    };
    const auto opaque = [](const QImage &image) {
        QRect found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0)
                    found |= QRect(x, y, 1, 1);
            }
        }
        return found;
    };
    for (const QString &emoji : {QStringLiteral("🦊"), QStringLiteral("👨‍👩‍👧"), QStringLiteral("1️⃣"),
                                 QStringLiteral("🇨🇳"), QStringLiteral("🍎🍌")}) {
        // In colour, in the same place and at the same size; one picture pixel for pixel
        // where the painter scales the font's pictures alike (a painter spaces several
        // without the design metrics a Text item and drawEmoji() lay them out with).
        const bool onePicture = emoji != u"🍎🍌"_qs;
        for (const int size : {30, 58}) {
            const QImage own = drawn(emoji, size, true);
            QVERIFY2(!onePicture || own == drawn(emoji, size, false), qPrintable(emoji + u" at "_qs + QString::number(size)));
        }
        for (const int size : {58, 95}) {
            if (!onePicture)
                break;
            const QRect own = opaque(drawn(emoji, size, true)), painted = opaque(drawn(emoji, size, false));
            QVERIFY2(!own.isEmpty() && qAbs(own.left() - painted.left()) <= 1 && qAbs(own.top() - painted.top()) <= 1
                         && qAbs(own.right() - painted.right()) <= 1 && qAbs(own.bottom() - painted.bottom()) <= 1,
                     qPrintable(emoji + u" at "_qs + QString::number(size)));
        }
        // A painter scaled to the device draws the emoji at its size there (placed to the
        // pixel), not a smaller picture stretched.
        const auto scaledBy = [&](int size, qreal painterScale, qreal boxScale) {
            QImage image(400, 280, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.scale(painterScale, painterScale);
            const QRectF box(7.3 * boxScale, 5.6 * boxScale, 180 * boxScale, 120 * boxScale);
            Fonts::drawEmoji(&painter, box, Qt::AlignCenter, Fonts::emojiGlyphs(emoji), size);
            return image;
        };
        const QImage scaled = scaledBy(30, 2, 1), large = scaledBy(60, 1, 2);
        const QRect at = opaque(scaled), atLarge = opaque(large);
        QVERIFY2(at.size() == atLarge.size() && (at.topLeft() - atLarge.topLeft()).manhattanLength() <= 2
                     && scaled.copy(at) == large.copy(atLarge),
                 qPrintable(emoji));
    }
    const QImage fox = drawn(QStringLiteral("🦊"), 58, true);
    const QRgb middle = fox.pixel(opaque(fox).center());
    QVERIFY(qRed(middle) > qBlue(middle) + 60); // an orange fox, not a black silhouette
    // Drawn again (a game's next play shows the same pet), the fox is not unpacked from the
    // font again, and looks the same; at another size it is. What is kept has a bound:
    // after some hundred large pictures, the fox is unpacked anew.
    const int unpacked = Fonts::emojiPicturesUnpacked();
    QCOMPARE(drawn(QStringLiteral("🦊"), 58, true), fox);
    QCOMPARE(Fonts::emojiPicturesUnpacked(), unpacked);
    drawn(QStringLiteral("🦊"), 59, true);
    QCOMPARE(Fonts::emojiPicturesUnpacked(), unpacked + 1);
    for (int size = 100; size < 400; ++size) {
        QImage large(500, 500, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&large);
        Fonts::drawEmoji(&painter, large.rect(), Qt::AlignCenter, QStringLiteral("🐻"), size);
    }
    QCOMPARE(Fonts::emojiPicturesUnpacked(), unpacked + 1 + 300);
    QCOMPARE(drawn(QStringLiteral("🦊"), 58, true), fox);
    QCOMPARE(Fonts::emojiPicturesUnpacked(), unpacked + 1 + 300 + 1);
}

void TestUiPlatform::weightsOfOneFaceAreAskedForAlike()
{
    // Every weight draws what the family asked for at that weight draws, and the weights
    // one face draws come as one weight, so they share a glyph cache.
    const auto drawn = [](const QFont &font) {
        QImage image(420, 80, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(QPointF(4, 58), QStringLiteral("永远答对9aQ🐱"));
        return image;
    };
    QHash<QString, QSet<int>> given;
    for (const QFont::Weight weight : {QFont::Normal, QFont::Medium, QFont::DemiBold, QFont::Bold, QFont::ExtraBold,
                                       QFont::Black}) {
        const QFont font = Fonts::text(44, weight);
        QFont asked = font;
        asked.setWeight(weight);
        QVERIFY2(drawn(font) == drawn(asked), qPrintable(QString::number(weight)));
        // A regular face asked for from bold on is drawn emboldened: a face of its own.
        const QString face = QFontInfo(asked).styleName();
        const bool emboldened = weight >= QFont::Bold && QFontDatabase::weight(Fonts::textFamily(), face) < QFont::Bold;
        given[face + (emboldened ? QStringLiteral(" emboldened") : QString())].insert(font.weight());
    }
    for (auto face = given.cbegin(); face != given.cend(); ++face)
        QVERIFY2(face.value().size() == 1, qPrintable(face.key()));
}

void TestUiPlatform::fontFilesAreMappedOnceForEveryThread()
{
    // A glyph drawn here and, as the render thread draws a text's glyphs, with the font
    // looked up again on another thread: both read the one mapping of the file (for the
    // symbols, the plain TrueType file, not a compressed web font unpacked on loading).
    const auto mappingsOf = [](const QString &path) {
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            return -1;
        return int(maps.readAll().count(QFile::encodeName(path) + '\n'));
    };
    const auto symbols = [](int pixelSize) {
        QFont font(SystemSymbols::fontFamily());
        font.setPixelSize(pixelSize);
        return font;
    };
    struct Face
    {
        QString path;
        std::function<QFont(int)> font;
        QString text;
    };
    const QList<Face> faces = {
        {QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"),
         [](int size) { return Fonts::text(size, QFont::Normal); }, QStringLiteral("字")},
        {QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"),
         [](int size) { return Fonts::text(size, QFont::Bold); }, QStringLiteral("字")},
        {QStringLiteral("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf"), symbols,
         SystemSymbols::glyph(QStringLiteral("sparkles"))}};
    for (const Face &face : faces) {
        if (!QFile::exists(face.path) || mappingsOf(face.path) < 0)
            QSKIP("the Debian fonts or /proc are not there");
        const QRawFont font = QRawFont::fromFont(face.font(24));
        const quint32 glyph = font.glyphIndexesForString(face.text).value(0);
        QVERIFY2(glyph != 0, qPrintable(face.path));
        QVERIFY(!font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing).isNull());
        // Counted while the other thread still has its face: its faces go when it ends.
        bool drawnThere = false;
        int mappings = 0;
        std::thread([&] {
            const QRawFont there = QRawFont::fromFont(face.font(48));
            drawnThere = !there.pathForGlyph(glyph).isEmpty();
            mappings = mappingsOf(face.path);
        }).join();
        QVERIFY(drawnThere);
        QCOMPARE(mappings, 1);
    }
}

void TestUiPlatform::releasedFontPagesAreReadAgain()
{
    const QByteArray path = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
    if (!QFile::exists(QString::fromLatin1(path)) || residentKiB(path) < 0)
        QSKIP("the Debian fonts or /proc are not there");
    const QRawFont font = QRawFont::fromFont(Fonts::text(40));
    const auto drawn = [&](const QString &character) {
        return font.alphaMapForGlyph(font.glyphIndexesForString(character).value(0), QRawFont::PixelAntialiasing);
    };
    const QImage before = drawn(QStringLiteral("森"));
    QVERIFY(!before.isNull());
    QVERIFY(residentKiB(path) > 0);

    Fonts::releasePages();
    QCOMPARE(residentKiB(path), 0);
    // Another glyph reads the file again, and draws as it would have.
    QVERIFY(!drawn(QStringLiteral("林")).isNull());
    QVERIFY(residentKiB(path) > 0);
    QCOMPARE(QRawFont::fromFont(Fonts::text(40)).alphaMapForGlyph(font.glyphIndexesForString(QStringLiteral("森")).value(0),
                                                                  QRawFont::PixelAntialiasing),
             before);
    // A thread that opens the faces afresh after the release finds the same faces.
    QImage elsewhere;
    QString family;
    std::thread([&] {
        const QRawFont fresh = QRawFont::fromFont(Fonts::text(40, QFont::Bold));
        family = fresh.familyName();
        elsewhere = fresh.alphaMapForGlyph(fresh.glyphIndexesForString(QStringLiteral("森")).value(0),
                                           QRawFont::PixelAntialiasing);
    }).join();
    QCOMPARE(family, Fonts::textFamily());
    QVERIFY(!elsewhere.isNull());
}

void TestUiPlatform::pictureNamesAreOnlyLookedUp()
{
    QVERIFY(StorybookArtwork::isValidName(QStringLiteral("storybook_welcome_cover")));
    QVERIFY(StorybookArtwork::isValidName(QStringLiteral("game-cover-2")));
    for (const QString &bad : {QString(), QStringLiteral("../secret"), QStringLiteral("a/b"),
                               QStringLiteral("a\\b"), QStringLiteral(".."), QStringLiteral("a.png"),
                               QStringLiteral("a b"), QStringLiteral("封面"), QStringLiteral("/etc/passwd"),
                               QStringLiteral(":/data/x")}) {
        QVERIFY2(!StorybookArtwork::isValidName(bad), qPrintable(bad));
        QVERIFY(StorybookArtwork::filePath(bad).isEmpty());
        QVERIFY(StorybookArtwork::image(bad).isNull());
    }
    QVERIFY(!StorybookArtwork::exists(QStringLiteral("storybook_nowhere_at_all")));
    QVERIFY(StorybookArtwork::image(QStringLiteral("storybook_nowhere_at_all")).isNull());
}

void TestUiPlatform::picturesAreFoundBesideTheProgram()
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(m_resources + QStringLiteral("/tst_ui_picture.png")));
    QVERIFY(picture.save(m_resources + QStringLiteral("/images/tst_ui_nested.png")));

    QVERIFY(StorybookArtwork::exists(QStringLiteral("tst_ui_picture")));
    QCOMPARE(StorybookArtwork::filePath(QStringLiteral("tst_ui_picture")), m_resources + QStringLiteral("/tst_ui_picture.png"));
    QCOMPARE(StorybookArtwork::image(QStringLiteral("tst_ui_picture")).size(), QSize(8, 6));
    QVERIFY(StorybookArtwork::exists(QStringLiteral("tst_ui_nested")));
    // Only the extension "png" is looked for.
    QVERIFY(!StorybookArtwork::exists(QStringLiteral("tst_ui_picture.png")));
}

void TestUiPlatform::undecodablePictureIsMissing()
{
    QFile broken(m_resources + QStringLiteral("/tst_ui_broken.png"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QVERIFY(!StorybookArtwork::filePath(QStringLiteral("tst_ui_broken")).isEmpty());
    QVERIFY(!StorybookArtwork::exists(QStringLiteral("tst_ui_broken")));
    QVERIFY(StorybookArtwork::image(QStringLiteral("tst_ui_broken")).isNull());
}

void TestUiPlatform::coverNames()
{
    QCOMPARE(StorybookArtwork::coverName(QStringLiteral("maze")), QStringLiteral("game_cover_maze"));
    QCOMPARE(StorybookArtwork::coverName(QStringLiteral("chinese-match")), QStringLiteral("game_cover_chinese_match"));
    QCOMPARE(StorybookArtwork::coverName(QStringLiteral("a-b-c")), QStringLiteral("game_cover_a_b_c"));
}

QTEST_MAIN(TestUiPlatform)
#include "tst_ui_platform.moc"
