// The shared views in a real engine and window: every file of the module loads and
// draws without a QML warning, and the views behave as the games expect.
#include "Clock.h"
#include "Fonts.h"
#include "GameCatalog.h"
#include "PaintedPicture.h"
#include "Patience.h"
#include "QuestionReading.h"
#include "ShownLines.h"
#include "SoftShadow.h"
#include "StorybookPicture.h"
#include "SystemSymbols.h"
#include "UiSetup.h"

#include <QDir>
#include <QFontMetricsF>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)

namespace {

QStringList g_problems;
QtMessageHandler g_previous = nullptr;

void collectProblems(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool platformNoise = QByteArray(context.category ? context.category : "").startsWith("qt.qpa")
                               || message.contains(QLatin1String("XDG_RUNTIME_DIR"));
    if (type != QtDebugMsg && type != QtInfoMsg && !platformNoise)
        g_problems << message;
    if (g_previous)
        g_previous(type, context, message);
}

// The pixels of a row across a red outline on white, 90 pixels down, that are a blend
// of the two: a picture of them that was resampled.
int blendedOutline(const QImage &frame)
{
    int count = 0;
    for (int x = 30; x < 260; ++x) {
        const QColor colour = frame.pixelColor(x, 90);
        count += colour.red() > 200 && colour.green() > 40 && colour.green() < 215;
    }
    return count;
}

struct Reading {
    QString text;
    QString language;
};

} // namespace

class TestUiViews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void everyViewLoadsAndDrawsWithoutWarnings();
    void promptReadsOnceAfterItAppears();
    void promptReadsAgainForEachNewKey();
    void promptRemovedDuringTheWaitReadsNothing();
    void readerButtonReadsAtOnce();
    void pressSinksShrinksAndSpringsBack();
    void wrongAttemptShakesAndComesToRest();
    void gameCardShowsItsStatus();
    void starRowFillsTheFirstStars();
    void mascotThinksOnlyWhenThinking();
    void answerTileKeepsItsMinimumHeight();
    void emojiTextTakesTheRoomOfItsText();
    void emojiTextIsLaidOutOnce();
    void boxesThatLookAlikeArePaintedOnce();
    void promptHoldsItsReaderButton();
    void symbolWithACutInGlyph();
    void emojiInMixedTextAreInColour();
    void feedbackBubbleKeepsItsRoom();
    void cardTextsReadWell_data();
    void cardTextsReadWell();
    void rimsLieOnTheEdge();
    void welcomeButtonOpensTheBook();
    void missingPictureShowsTheWash();
    void pictureFillsItsFrame();
    void pictureIsDecodedAtTheSizeShown();
    void aCopiedPictureLandsWhereAWholeOneDoes();
    void equalShadowsArePaintedOnce();
    void shadowsNoneShowsAreLetGo();
    void aLargeShadowIsDrawnWhole();
    void aFrostedStillComesInOverASharpOne();
    void aSizeThatComesBackKeepsItsPicture();
    void aPictureScaledFromAboveIsFiltered();
    void aPictureDrawnSmallerIsPaintedAtTheSizeShown();
    void windowIsQuietBetweenRunsOfFrames();

private:
    QQuickItem *create(const QByteArray &qml);
    static QQuickItem *findText(QQuickItem *root, const QString &text);
    static QList<QQuickItem *> findAll(QQuickItem *root, const char *className);
    // How many pixels of the window's `area` differ from those `shift` to the right.
    int differingBeside(const QRect &area, int shift) const;

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<ManualClock> m_clock;
    QList<Reading> m_readings;
    QList<QObject *> m_created;
};

void TestUiViews::initTestCase()
{
    Ui::installFonts();
    g_previous = qInstallMessageHandler(collectProblems);
    QuestionReading::setReader([this](const QString &text, const QString &language) {
        m_readings.append({text, language});
    });
}

void TestUiViews::cleanupTestCase()
{
    QuestionReading::setReader({});
    qInstallMessageHandler(g_previous);
}

void TestUiViews::init()
{
    g_problems.clear();
    m_readings.clear();
    m_clock = std::make_unique<ManualClock>();
    Clock::setCurrent(m_clock.get());
    m_engine = std::make_unique<QQmlEngine>();
    Ui::prepareEngine(*m_engine);
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(900, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), Patience::waitMs));
}

void TestUiViews::cleanup()
{
    qDeleteAll(m_created);
    m_created.clear();
    m_window.reset();
    m_engine.reset();
    Clock::setCurrent(nullptr);
    m_clock.reset();
    QVERIFY2(g_problems.isEmpty(), qPrintable(g_problems.join(u'\n')));
}

QQuickItem *TestUiViews::create(const QByteArray &qml)
{
    QQmlComponent component(m_engine.get());
    component.setData("import QtQuick\nimport Pipwhistle.Ui\n" + qml, QUrl(QStringLiteral("file:///test.qml")));
    QObject *object = component.create();
    if (!object) {
        g_problems << component.errorString();
        return nullptr;
    }
    m_created << object;
    auto *item = qobject_cast<QQuickItem *>(object);
    if (item)
        item->setParentItem(m_window->contentItem());
    return item;
}

QQuickItem *TestUiViews::findText(QQuickItem *root, const QString &text)
{
    if (root->property("text").toString() == text && (root->inherits("QQuickText") || root->inherits("EmojiText")))
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = findText(child, text))
            return found;
    }
    return nullptr;
}

int TestUiViews::differingBeside(const QRect &area, int shift) const
{
    const QImage frame = m_window->grabWindow();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += frame.pixel(x, y) != frame.pixel(x + shift, y);
    return count;
}

QList<QQuickItem *> TestUiViews::findAll(QQuickItem *root, const char *className)
{
    QList<QQuickItem *> result;
    if (root->inherits(className) || QByteArray(root->metaObject()->className()).startsWith(className))
        result << root;
    for (QQuickItem *child : root->childItems())
        result << findAll(child, className);
    return result;
}

void TestUiViews::everyViewLoadsAndDrawsWithoutWarnings()
{
    const QStringList files = QDir(QStringLiteral(":/qt/qml/Pipwhistle/Ui")).entryList({QStringLiteral("*.qml")});
    QVERIFY(files.contains(QStringLiteral("AnswerTile.qml")) && files.contains(QStringLiteral("GameCard.qml")));
    for (const QString &file : files) {
        const QByteArray type = QFileInfo(file).completeBaseName().toUtf8();
        QQuickItem *item = create(type + " { width: 400; height: 320 }");
        QVERIFY2(item, type.constData());
        const QImage frame = m_window->grabWindow();
        QVERIFY(!frame.isNull());
        delete item;
        m_created.removeOne(item);
        QVERIFY2(g_problems.isEmpty(), qPrintable(type + ": " + g_problems.join(u'\n')));
    }
    // The gallery of all of them on one page draws cleanly too.
    QQuickItem *page = create(R"(Item {
        width: 900; height: 700
        FairytaleGamePageBackground { anchors.fill: parent }
        Column {
            QuestionPrompt { text: "哪一个是小猫 🐱？"; speechID: "1" }
            AnswerTile { width: 200; text: "小猫"; emoji: "🐱"; color: AppTheme.coral; selected: true }
            FeedbackBubble { text: "太棒了！"; isGood: true }
            StarRow { count: 2 }
            PrimaryKidButton { width: 300; title: "下一关"; icon: "arrow.right"; colors: [AppTheme.mint] }
            KidCard { padding: 0; Text { text: "卡片" } }
            GameCard { width: 260; game: ({ id: "maze", title: "迷宫", subtitle: "走出去", icon: "map.fill", available: true }) }
        }
    })");
    QVERIFY(page);
    QVERIFY(!m_window->grabWindow().isNull());
}

void TestUiViews::promptReadsOnceAfterItAppears()
{
    QQuickItem *prompt = create(R"(QuestionPrompt { text: "小猫在哪里？"; language: "zh-CN"; speechID: "a" })");
    QVERIFY(prompt);
    m_clock->advance(219);
    QCOMPARE(m_readings.size(), 0);
    m_clock->advance(1);
    QCOMPARE(m_readings.size(), 1);
    QCOMPARE(m_readings.first().text, QStringLiteral("小猫在哪里？"));
    QCOMPARE(m_readings.first().language, QStringLiteral("zh-CN"));
    // Redrawing with the same key reads nothing more.
    prompt->setProperty("text", QStringLiteral("小猫在哪里？"));
    prompt->setProperty("speechID", QStringLiteral("a"));
    m_clock->advance(1000);
    QCOMPARE(m_readings.size(), 1);
}

void TestUiViews::promptReadsAgainForEachNewKey()
{
    QQuickItem *prompt = create(R"(QuestionPrompt { text: "one"; language: "en-US"; speechID: "1" })");
    QVERIFY(prompt);
    m_clock->advance(220);
    QCOMPARE(m_readings.size(), 1);

    // Same text, new speechID: the question is asked again.
    prompt->setProperty("speechID", QStringLiteral("2"));
    m_clock->advance(220);
    QCOMPARE(m_readings.size(), 2);
    QCOMPARE(m_readings.last().text, QStringLiteral("one"));

    // Only the language changes: read again in the new language.
    prompt->setProperty("language", QStringLiteral("zh-CN"));
    m_clock->advance(220);
    QCOMPARE(m_readings.size(), 3);
    QCOMPARE(m_readings.last().language, QStringLiteral("zh-CN"));

    // Two changes within the wait: only the last text is read.
    prompt->setProperty("text", QStringLiteral("two"));
    m_clock->advance(100);
    prompt->setProperty("text", QStringLiteral("three"));
    m_clock->advance(219);
    QCOMPARE(m_readings.size(), 3);
    m_clock->advance(1);
    QCOMPARE(m_readings.size(), 4);
    QCOMPARE(m_readings.last().text, QStringLiteral("three"));
}

void TestUiViews::promptRemovedDuringTheWaitReadsNothing()
{
    QQuickItem *prompt = create(R"(QuestionPrompt { text: "bye" })");
    QVERIFY(prompt);
    m_clock->advance(100);
    delete prompt;
    m_created.removeOne(prompt);
    m_clock->advance(1000);
    QCOMPARE(m_readings.size(), 0);
}

void TestUiViews::readerButtonReadsAtOnce()
{
    QQuickItem *button = create(R"(QuestionReaderButton { x: 50; y: 50; text: "Listen"; language: "en-US" })");
    QVERIFY(button);
    QVERIFY(button->width() > 30);
    m_clock->advance(1000);
    QCOMPARE(m_readings.size(), 0); // the button alone never reads by itself
    const QPoint centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint();
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centre);
    QCOMPARE(m_readings.size(), 1);
    QCOMPARE(m_readings.first().text, QStringLiteral("Listen"));
    QCOMPARE(m_readings.first().language, QStringLiteral("en-US"));
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centre);
    QCOMPARE(m_readings.size(), 2);
}

void TestUiViews::pressSinksShrinksAndSpringsBack()
{
    QQuickItem *button = create(R"(BouncyButton { x: 100; y: 100; width: 200; height: 80; faceRadius: 20
        Rectangle { anchors.fill: parent; color: "orange" } })");
    QVERIFY(button);
    const QPoint centre(200, 140);
    QTest::mousePress(m_window.get(), Qt::LeftButton, {}, centre);
    // The spring overshoots a little on its way in, then settles.
    qreal peak = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 500) {
        peak = qMax(peak, button->property("press").toReal());
        QTest::qWait(4);
    }
    QVERIFY2(peak > 1.0, qPrintable(QString::number(peak)));
    PW_TRY_COMPARE(button->property("press").toReal(), 1.0);
    QCOMPARE(button->scale(), 0.94);
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, centre);
    PW_TRY_COMPARE(button->property("press").toReal(), 0.0);
    QCOMPARE(button->scale(), 1.0);
}

void TestUiViews::wrongAttemptShakesAndComesToRest()
{
    // The shake's effect object inside an AnswerShake.
    const auto effectOf = [](QQuickItem *page) -> QObject * {
        for (QObject *child : page->findChildren<QObject *>()) {
            if (QByteArray(child->metaObject()->className()).startsWith("WrongAnswerShake"))
                return child;
        }
        return nullptr;
    };
    QQuickItem *page = create(R"(AnswerShake { width: 300; height: 200 })");
    QVERIFY(page);
    QObject *effect = effectOf(page);
    QVERIFY(effect);
    QCOMPARE(effect->property("offset").toReal(), 0.0);
    qreal widest = 0;
    page->setProperty("count", 1);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 600) {
        widest = qMax(widest, qAbs(effect->property("offset").toReal()));
        QTest::qWait(5);
    }
    QVERIFY2(widest > 5, qPrintable(QString::number(widest)));
    QVERIFY(widest <= 10.0);
    QCOMPARE(effect->property("amount").toReal(), 1.0);
    QCOMPARE(effect->property("offset").toReal(), 0.0);
    // An unchanged count never moves the page.
    page->setProperty("count", 1);
    QTest::qWait(50);
    QCOMPARE(effect->property("offset").toReal(), 0.0);

    // A page that comes on screen with wrong attempts already counted stands still.
    QQuickItem *later = create(R"(AnswerShake { width: 300; height: 200; count: 3 })");
    QVERIFY(later);
    QObject *laterEffect = effectOf(later);
    QVERIFY(laterEffect);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(laterEffect->property("offset").toReal(), 0.0);
        QTest::qWait(5);
    }
}

void TestUiViews::gameCardShowsItsStatus()
{
    QQuickItem *open = create(R"(GameCard { width: 260; height: 314
        game: ({ id: "chinese-match", title: "识字拼音岛", subtitle: "听音找到汉字", icon: "character.book.closed.fill.zh", available: true }) })");
    QVERIFY(open);
    QCOMPARE(open->opacity(), 1.0);
    QVERIFY(findText(open, QStringLiteral("听音找到汉字")));
    QVERIFY(findText(open, QStringLiteral("开始"))->isVisible());
    QVERIFY(!findText(open, QStringLiteral("正在建造中")));

    QQuickItem *soon = create(R"(GameCard { width: 260; height: 314; compact: true
        game: ({ id: "magic-builder", title: "魔法建造工坊", subtitle: "像积木一样", icon: "building.2.fill", available: false }) })");
    QVERIFY(soon);
    QCOMPARE(soon->opacity(), 0.72);
    QVERIFY(findText(soon, QStringLiteral("正在建造中")));
    QVERIFY(!findText(soon, QStringLiteral("像积木一样")));
    QVERIFY(!findText(soon, QStringLiteral("开始"))->isVisible());
    QCOMPARE(soon->implicitHeight(), 282.0);
    QCOMPARE(open->implicitHeight(), 314.0);

    // The shelf hands over the catalogue's own GameDefinition.
    GameDefinition game = GameCatalog::all().first();
    game.status = GameStatus::comingSoon;
    QQuickItem *fromCatalogue = create("GameCard { width: 260; height: 314 }");
    fromCatalogue->setProperty("game", QVariant::fromValue(game));
    QVERIFY(findText(fromCatalogue, game.title.toHtmlEscaped()));
    QVERIFY(findText(fromCatalogue, QStringLiteral("正在建造中")));
    QCOMPARE(fromCatalogue->opacity(), 0.72);
}

void TestUiViews::starRowFillsTheFirstStars()
{
    const auto filledStars = [this](int count) {
        QQuickItem *row = create("StarRow { count: " + QByteArray::number(count) + " }");
        int filled = 0;
        const QList<QQuickItem *> icons = findAll(row, "SymbolIcon");
        for (QQuickItem *icon : icons)
            filled += icon->property("name").toString() == QLatin1String("star.fill");
        return std::pair{int(icons.size()), filled};
    };
    QCOMPARE(filledStars(2), (std::pair{3, 2}));
    QCOMPARE(filledStars(0), (std::pair{3, 0}));
    QCOMPARE(filledStars(5), (std::pair{3, 3}));
    QCOMPARE(filledStars(-1), (std::pair{3, 0}));
}

void TestUiViews::mascotThinksOnlyWhenThinking()
{
    for (const char *mood : {"happy", "", "Thinking", "thinking"}) {
        QQuickItem *mascot = create(QByteArray("MascotView { size: 100; mood: \"") + mood + "\" }");
        QVERIFY(mascot);
        QQuickItem *bubble = findText(mascot, QStringLiteral("💭"));
        QVERIFY(bubble);
        QCOMPARE(bubble->isVisible(), QByteArray(mood) == "thinking");
        QCOMPARE(mascot->implicitWidth(), 100.0);
    }
}

void TestUiViews::emojiTextTakesTheRoomOfItsText()
{
    // An emoji picture lays out as the text in the emoji font would: the views around it
    // keep their places.
    for (const QByteArray emoji : {"", "🦊", "🏙️", "1️⃣", "👨‍👩‍👧", "🍎🍌", "★"}) {
        for (const QByteArray size : {"30", "46.6", "114"}) {
            QQuickItem *picture = create("EmojiText { emoji: \"" + emoji + "\"; pixelSize: " + size + " }");
            QQuickItem *text = create("Text { text: AppTheme.emojiGlyphs(\"" + emoji + "\"); font: AppTheme.emojiFont("
                                      + size + ") }");
            QVERIFY(picture && text);
            QVERIFY2(picture->implicitWidth() == text->implicitWidth()
                         && picture->implicitHeight() == text->implicitHeight(),
                     emoji + " at " + size);
            QCOMPARE(picture->property("text"), text->property("text"));
        }
    }
    // But for the spaces, which are as wide as the text font's: the emoji font's space is
    // as wide as an emoji. The line keeps its height.
    QQuickItem *spaced = create(R"(EmojiText { emoji: "👂  🎶"; pixelSize: 82 })");
    QQuickItem *close = create(R"(EmojiText { emoji: "👂🎶"; pixelSize: 82 })");
    const qreal space = QFontMetricsF(Fonts::text(82)).horizontalAdvance(u' ');
    QVERIFY2(qAbs(spaced->implicitWidth() - close->implicitWidth() - 2 * space) < 0.5,
             qPrintable(QString::number(spaced->implicitWidth() - close->implicitWidth())));
    QCOMPARE(spaced->implicitHeight(), close->implicitHeight());
}

// Laying emoji out unpacks every colour glyph's picture from the font: an emoji text is
// laid out once for its size and its drawing, and again only for a new text or size.
void TestUiViews::emojiTextIsLaidOutOnce()
{
    const int before = Fonts::emojiLayouts();
    QQuickItem *picture = create(R"(EmojiText { emoji: "🦊 🍎"; pixelSize: 60; horizontalAlignment: Text.AlignLeft })");
    QVERIFY(picture);
    const QSizeF foxAndApple(picture->implicitWidth(), picture->implicitHeight());
    picture->setSize(QSizeF(picture->implicitWidth() + 40, picture->implicitHeight()));
    // Drawn: the fox at the left differs from the empty room at the right.
    const QImage shot = m_window->grabWindow();
    const auto at = [&](qreal x) {
        return shot.pixelColor((picture->mapToScene(QPointF(x, picture->height() / 2)) * shot.devicePixelRatio()).toPoint());
    };
    QVERIFY(at(30) != at(picture->width() - 10));
    QCOMPARE(Fonts::emojiLayouts(), before + 1);
    picture->setProperty("horizontalAlignment", int(Qt::AlignRight));
    QVERIFY(m_window->grabWindow().width() > 0);
    QCOMPARE(Fonts::emojiLayouts(), before + 1);
    picture->setProperty("emoji", u"🐻"_s);
    picture->setProperty("pixelSize", 61);
    QVERIFY(m_window->grabWindow().width() > 0);
    QCOMPARE(Fonts::emojiLayouts(), before + 3);
    // The same text at the same size in another item (the same screen built again for the
    // next play) takes the lines laid out before, and is as large.
    QQuickItem *again = create(R"(EmojiText { emoji: "🦊 🍎"; pixelSize: 60 })");
    QVERIFY(again);
    QCOMPARE(QSizeF(again->implicitWidth(), again->implicitHeight()), foxAndApple);
    QCOMPARE(Fonts::emojiLayouts(), before + 3);
}

// A row of equal cards, and the same screen built again for the next play, paint their
// boxes once: a new play's first frame painted every box of its screen afresh.
void TestUiViews::boxesThatLookAlikeArePaintedOnce()
{
    const QByteArray card = R"(PaintedBox { width: 150; height: 112; radius: 24; color: "white";
                                            strokeWidth: 3; strokeColor: "#7a5cf0"; strokeCentered: %1 })";
    const auto row = [&](bool centered) {
        QList<QQuickItem *> cards;
        for (int i = 0; i < 3; ++i) {
            cards << create(QByteArray(card).replace("%1", centered ? "true" : "false"));
            if (!cards.last())
                return QList<QQuickItem *>();
            cards.last()->setPosition(QPointF(10 + 170 * i, 10 + (centered ? 140 : 0)));
        }
        return cards;
    };
    const int before = PaintedPicture::paintedCount();
    const QList<QQuickItem *> inside = row(false), centred = row(true);
    QVERIFY(inside.size() == 3 && centred.size() == 3);
    // Painted once each: the box, and the centred one's box and rim.
    const QImage shot = m_window->grabWindow();
    QCOMPARE(PaintedPicture::paintedCount(), before + 3);
    // Each card shows its picture: the outline at the left edge, white inside.
    for (QQuickItem *box : inside + centred) {
        const QPointF scene = box->mapToScene(QPointF(1, box->height() / 2));
        const QColor edge = shot.pixelColor((scene * shot.devicePixelRatio()).toPoint());
        const QColor middle = shot.pixelColor((box->mapToScene(QPointF(75, 56)) * shot.devicePixelRatio()).toPoint());
        QVERIFY2(edge.blue() > edge.green() + 60 && middle == QColor(Qt::white), qPrintable(edge.name()));
    }
    // Built again, the row paints nothing; another look is painted.
    for (QQuickItem *box : inside + centred) {
        m_created.removeOne(box);
        delete box;
    }
    QVERIFY(m_window->grabWindow().width() > 0);
    QVERIFY(row(false).size() == 3);
    QVERIFY(m_window->grabWindow().width() > 0);
    QCOMPARE(PaintedPicture::paintedCount(), before + 3);
    create(QByteArray(card).replace("%1", "false").replace("white", "pink"));
    QVERIFY(m_window->grabWindow().width() > 0);
    QCOMPARE(PaintedPicture::paintedCount(), before + 4);

    // Centred rims are shared by boxes filled apart; a thicker rim paints the rim alone.
    QList<QQuickItem *> filledApart;
    for (const char *fill : {"gold", "teal"}) {
        filledApart << create(QByteArray(card).replace("%1", "true").replace("white", fill));
        QVERIFY(filledApart.last());
        filledApart.last()->setPosition(QPointF(10 + 170 * filledApart.size(), 290));
    }
    QVERIFY(m_window->grabWindow().width() > 0);
    QCOMPARE(PaintedPicture::paintedCount(), before + 6); // their boxes: the white cards' rim serves
    filledApart.first()->setProperty("strokeWidth", 5);
    const QImage selected = m_window->grabWindow();
    QCOMPARE(PaintedPicture::paintedCount(), before + 7);
    const QPointF rimPoint = filledApart.first()->mapToScene(QPointF(1.5, 56));
    QCOMPARE(selected.pixelColor((rimPoint * selected.devicePixelRatio()).toPoint()).blue(), 0xf0);
    const QPointF inner = filledApart.first()->mapToScene(QPointF(75, 56));
    QCOMPARE(selected.pixelColor((inner * selected.devicePixelRatio()).toPoint()), QColor("gold"));
}

void TestUiViews::answerTileKeepsItsMinimumHeight()
{
    QQuickItem *plain = create(R"(AnswerTile { width: 180; text: "7" })");
    QVERIFY(plain);
    QCOMPARE(plain->implicitHeight(), 128.0);
    QVERIFY(!findText(plain, QString())->isVisible()); // no picture line
    QQuickItem *long_ = create(R"(AnswerTile { width: 140; text: "Supercalifragilistic" })");
    QQuickItem *word = findText(long_, QStringLiteral("Supercalifragilistic"));
    QVERIFY(word);
    // Drawn smaller, but not below 0.7 of 26 points, and then broken: it never spills
    // out of its tile.
    const auto pixelSize = [](QQuickItem *text) { return text->property("font").value<QFont>().pixelSize(); };
    QCOMPARE(pixelSize(word), 19);
    QVERIFY(word->property("lineCount").toInt() > 1);
    QVERIFY(word->property("contentWidth").toReal() <= word->width());
    // A word that fits keeps its full size.
    QQuickItem *shortTile = create(R"(AnswerTile { width: 140; text: "cat" })");
    QCOMPARE(pixelSize(findText(shortTile, QStringLiteral("cat"))), 26);
}

void TestUiViews::promptHoldsItsReaderButton()
{
    // The speaker button stands on the question's first baseline and is taller than the
    // line: the prompt's own box holds it, so nothing above is covered.
    QQuickItem *prompt = create(R"(QuestionPrompt { y: 100; text: "小猫在哪里？" })");
    QVERIFY(prompt);
    const QList<QQuickItem *> buttons = findAll(prompt, "QuestionReaderButton");
    QCOMPARE(buttons.size(), 1);
    QQuickItem *button = buttons.first();
    const QRectF box = button->mapRectToItem(prompt, QRectF(0, 0, button->width(), button->height()));
    QVERIFY2(box.top() >= 0 && box.bottom() <= prompt->implicitHeight() + 0.01,
             qPrintable(QStringLiteral("%1..%2 in %3").arg(box.top()).arg(box.bottom()).arg(prompt->implicitHeight())));
    QQuickItem *question = findText(prompt, QStringLiteral("小猫在哪里？"));
    QVERIFY(question);
    const qreal questionBaseline = question->mapToItem(prompt, QPointF(0, question->baselineOffset())).y();
    const qreal buttonBaseline = button->mapToItem(prompt, QPointF(0, button->baselineOffset())).y();
    QCOMPARE(buttonBaseline, questionBaseline);
}

void TestUiViews::emojiInMixedTextAreInColour()
{
    // ☀️ and ⬇️ are also in the CJK font, in black: inside a feedback line they must
    // still come out of the colour-emoji font.
    QQuickItem *bubble = create(R"(FeedbackBubble { x: 10; y: 10; text: "☀️⬇️☀️⬇️"; isGood: true })");
    QVERIFY(bubble);
    const QImage frame = m_window->grabWindow();
    int coloured = 0;
    for (int y = 10; y < 10 + int(bubble->height()); ++y) {
        for (int x = 10; x < 10 + int(bubble->width()); ++x) {
            const QColor c = frame.pixelColor(x, y);
            // The sun's yellow or the arrow tile's blue-grey; the bubble's own colours
            // are green on pale green.
            coloured += (c.red() > 200 && c.green() > 150 && c.blue() < 90) ? 1 : 0;
        }
    }
    QVERIFY2(coloured > 40, qPrintable(QString::number(coloured)));
}

// The line under a question keeps its height with or without a reply, so nothing
// below it moves when a reply appears; an empty bubble draws nothing.
void TestUiViews::feedbackBubbleKeepsItsRoom()
{
    QQuickItem *column = create(R"(Column {
        FeedbackBubble { objectName: "bubble" }
        Rectangle { objectName: "below"; width: 10; height: 10 }
    })");
    QVERIFY(column);
    auto *bubble = column->findChild<QQuickItem *>(QStringLiteral("bubble"));
    auto *below = column->findChild<QQuickItem *>(QStringLiteral("below"));
    const qreal emptyY = below->y();
    QVERIFY(emptyY > 30);
    for (const QString &reply : {QStringLiteral("太棒了！"), QStringLiteral("再想想 💡"), QStringLiteral("☀️⬇️"),
                                 QStringLiteral("Great!"), QString()}) {
        bubble->setProperty("text", reply);
        QCOMPARE(below->y(), emptyY);
    }
    bubble->setProperty("isGood", false);
    QCOMPARE(below->y(), emptyY);
}

// Every catalogue title and subtitle stands whole on a card and reads well, from the
// narrowest card of the smallest window (205 points, the shelf of 800 × 600) to the
// widest (310): no line starts with a punctuation mark, and no last line holds one
// character alone (with or without its punctuation). A title stands on one line wherever
// a short one fits (the shelf of 1180 × 820 gives 277.3).
void TestUiViews::cardTextsReadWell_data()
{
    QTest::addColumn<qreal>("width");
    for (const qreal width : {205.0, 240.0, 277.3, 310.0})
        QTest::addRow("%g", width) << width;
}

void TestUiViews::cardTextsReadWell()
{
    QFETCH(qreal, width);
    QCOMPARE(GameCatalog::all().size(), 48); // the shipped catalogue, not the built-in one
    QStringList wrong;
    for (const GameDefinition &game : GameCatalog::all()) {
        QQuickItem *card = create(QStringLiteral("GameCard { width: %1; height: %2; game: ({ id: \"%3\", title: "
                                                 "\"%4\", subtitle: \"%5\", icon: \"%6\", available: %7 }) }")
                                      .arg(width)
                                      .arg(qRound(width / 0.78))
                                      .arg(game.id, game.title, game.subtitle, game.icon,
                                           game.isAvailable() ? u"true"_s : u"false"_s)
                                      .toUtf8());
        QVERIFY(card);
        for (const char *name : {"cardTitle", "cardSubtitle"}) {
            auto *text = card->findChild<QQuickItem *>(QLatin1String(name));
            QVERIFY(text);
            const int lines = text->property("lineCount").toInt();
            QString faults = ShownLines::faultsOf(text, QLatin1String(name));
            if (faults.isEmpty() && (lines > 2 || text->property("truncated").toBool()))
                faults = u"%1 %2: %3 lines, cut"_s.arg(QLatin1String(name), game.title).arg(lines);
            if (faults.isEmpty() && qstrcmp(name, "cardTitle") == 0 && lines > 1
                && (width >= 277 || game.title.size() <= 4))
                faults = u"%1 %2 wraps at %3"_s.arg(QLatin1String(name), game.title).arg(width);
            if (!faults.isEmpty())
                wrong << faults;
        }
        delete card;
        m_created.removeOne(card);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(u"\n"_s + wrong.join(u'\n')));
}

void TestUiViews::rimsLieOnTheEdge()
{
    // A rim stroked over a card lies on the card's edge, half of it outside; an outline
    // that is not centred stays inside.
    QQuickItem *boxes = create(R"(Item {
        PaintedBox { x: 40; y: 40; width: 100; height: 60; strokeWidth: 4; strokeColor: "red"; strokeCentered: true }
        PaintedBox { x: 200; y: 40; width: 100; height: 60; strokeWidth: 4; strokeColor: "red" }
    })");
    QVERIFY(boxes);
    const QImage frame = m_window->grabWindow();
    const auto red = [&](int x, int y) { return frame.pixelColor(x, y).red() > 200 && frame.pixelColor(x, y).green() < 60; };
    QVERIFY(red(38, 70) && red(39, 70) && red(40, 70) && red(41, 70));
    QVERIFY(!red(37, 70) && !red(43, 70));
    QVERIFY(red(90, 38) && red(90, 101) && !red(90, 36));
    QVERIFY(!red(199, 70) && red(200, 70) && red(203, 70) && !red(205, 70));

    // A new look is painted again: the rim and the box both turn blue.
    for (QQuickItem *box : boxes->childItems())
        box->setProperty("strokeColor", QColor(Qt::blue));
    const QImage restyled = m_window->grabWindow();
    const auto blue = [&](int x, int y) { return restyled.pixelColor(x, y).blue() > 200 && restyled.pixelColor(x, y).red() < 60; };
    QVERIFY(blue(39, 70) && blue(41, 70) && blue(201, 70));

    // Restyled while hidden, and a rim never shown before, they are painted as they show.
    boxes->setVisible(false);
    for (QQuickItem *box : boxes->childItems())
        box->setProperty("strokeColor", QColor(Qt::green));
    boxes->childItems().at(1)->setProperty("strokeCentered", true);
    m_window->grabWindow(); // a frame while they are hidden
    boxes->setVisible(true);
    const QImage shown = m_window->grabWindow();
    const auto green = [&](int x, int y) { return shown.pixelColor(x, y).green() > 200 && shown.pixelColor(x, y).red() < 60; };
    QVERIFY(green(39, 70) && green(41, 70) && green(199, 70) && green(201, 70));
}

void TestUiViews::symbolWithACutInGlyph()
{
    QQuickItem *icon = create(R"(SymbolIcon { name: "hourglass.circle.fill"; size: 28 })");
    QVERIFY(icon);
    QCOMPARE(icon->childItems().size(), 1);
    QQuickItem *inner = icon->childItems().first();
    QVERIFY(inner->isVisible());
    QCOMPARE(inner->property("text").toString(), SystemSymbols::innerGlyph(QStringLiteral("hourglass.circle.fill")));
    QCOMPARE(inner->property("color").value<QColor>(), QColor(Qt::white));
    // One-glyph symbols draw nothing inside.
    icon->setProperty("name", QStringLiteral("star.fill"));
    QVERIFY(!inner->isVisible());
}

void TestUiViews::welcomeButtonOpensTheBook()
{
    QQuickItem *welcome = create(R"(FairytaleWelcomeView { width: 900; height: 700
        property int opened: 0
        onOpen: opened++ })");
    QVERIFY(welcome);
    QVERIFY(findText(welcome, QStringLiteral("豆铃乐园")));
    QVERIFY(findText(welcome, QStringLiteral("翻开魔法绘本，开始今天的小冒险")));
    QQuickItem *label = findText(welcome, QStringLiteral("进入豆铃乐园"));
    QVERIFY(label);
    const QPoint centre = label->mapToScene(QPointF(label->width() / 2, label->height() / 2)).toPoint();
    // The column's centre sits at 0.72 of the height.
    QVERIFY(qAbs(centre.y() - 0.72 * 700) < 80);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centre);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centre);
    QCOMPARE(welcome->property("opened").toInt(), 2);
}

void TestUiViews::missingPictureShowsTheWash()
{
    QQuickItem *art = create(R"(StorybookArtImage { width: 300; height: 200; name: "storybook_nowhere" })");
    QVERIFY(art);
    QCOMPARE(art->property("found").toBool(), false);
    // Sky at 0.78 over the white window in the top-left corner, cream in the bottom-right.
    const QImage frame = m_window->grabWindow();
    const QColor corner = frame.pixelColor(2, 2);
    QVERIFY2(qAbs(corner.red() - 124) < 10 && qAbs(corner.green() - 199) < 10 && qAbs(corner.blue() - 243) < 10,
             qPrintable(corner.name()));
    const QColor far = frame.pixelColor(297, 197);
    QVERIFY2(far.red() > 245 && far.blue() > 220 && far.blue() < 240, qPrintable(far.name()));
    // Unsafe names are never looked up, and show the wash too.
    art->setProperty("name", QStringLiteral("../storybook_nowhere"));
    QCOMPARE(art->property("found").toBool(), false);
}

void TestUiViews::pictureFillsItsFrame()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
    const bool made = !QDir(folder).exists();
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/tst_views_picture.png");
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            picture.setPixelColor(x, y, Qt::red); // a red left quarter, cropped away below
    QVERIFY(picture.save(file));

    QQuickItem *art = create(R"(StorybookArtImage { width: 200; height: 200; name: "tst_views_picture" })");
    QVERIFY(art);
    QCOMPARE(art->property("found").toBool(), true);
    const QImage frame = m_window->grabWindow();
    QCOMPARE(frame.pixelColor(3, 100), QColor(Qt::blue));
    QCOMPARE(frame.pixelColor(196, 100), QColor(Qt::blue));

    QFile::remove(file);
    if (made)
        QDir(folder).removeRecursively();
}

void TestUiViews::pictureIsDecodedAtTheSizeShown()
{
    // A large 4:3 picture in a 200×100 frame: only the middle band is taken, at 200×100
    // pixels; its corners are cut away when the frame is rounded.
    const QString file = QDir::temp().filePath(QStringLiteral("tst_views_large_picture.png"));
    QImage picture(1600, 1200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 200; y < 1000; ++y) // the band a 2:1 frame shows
        for (int x = 0; x < 1600; ++x)
            picture.setPixelColor(x, y, Qt::blue);
    QVERIFY(picture.save(file));
    const QImage shown = StorybookPicture::shownPicture(file, QSize(200, 100), 0, false);
    QCOMPARE(shown.size(), QSize(200, 100));
    QCOMPARE(shown.pixelColor(100, 2), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(100, 97), QColor(Qt::blue));
    // Square-cornered and opaque, it is drawn by copying (no alpha to blend).
    QVERIFY(!shown.hasAlphaChannel());
    const QImage rounded = StorybookPicture::shownPicture(file, QSize(200, 100), 30, false);
    QVERIFY(rounded.hasAlphaChannel());
    QCOMPARE(rounded.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(rounded.pixelColor(100, 50), QColor(Qt::blue));
    // Stretched, the whole picture is squeezed in: red bands above and below.
    const QImage stretched = StorybookPicture::shownPicture(file, QSize(200, 100), 0, true);
    QCOMPARE(stretched.pixelColor(100, 5), QColor(Qt::red));
    // A missing picture is the wash, at the same size.
    QCOMPARE(StorybookPicture::shownPicture(QString(), QSize(50, 40), 0, false).size(), QSize(50, 40));
    QFile::remove(file);
}

void TestUiViews::aCopiedPictureLandsWhereAWholeOneDoes()
{
    // A picture sampled at its nearest pixel is drawn in bands of rows: each row of the
    // picture lands where it does when the picture is drawn whole (an Image beside it),
    // at whole and half pixels and in between, over an opaque backdrop.
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
    const bool made = !QDir(folder).exists();
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/tst_views_rows.png");
    QImage picture(120, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor(y, (x * 2) % 256, (y * 7) % 256));
    QVERIFY(picture.save(file));

    QQuickItem *scene = create(QByteArray(R"(Rectangle {
        width: 400; height: 240; color: "white"
        StorybookArtImage { x: 20.5; y: 10.5; width: 120; height: 200; name: "tst_views_rows"; smooth: false }
        Image { x: 220.5; y: 10.5; width: 120; height: 200; smooth: false; source: ")")
                               + QUrl::fromLocalFile(file).toEncoded() + R"(" }
    })");
    QVERIFY(scene);
    for (const QPointF at : {QPointF(0, 0), QPointF(0.3, 0.7), QPointF(0.7, 0.2), QPointF(1, 0)}) {
        scene->setPosition(at);
        QCOMPARE(differingBeside(QRect(0, 0, 200, 230), 200), 0);
    }
    QFile::remove(file);
    if (made)
        QDir(folder).removeRecursively();
}

void TestUiViews::shadowsNoneShowsAreLetGo()
{
    const qreal dpr = m_window->effectiveDevicePixelRatio();
    const auto ask = [dpr] { return SoftShadow::shared(QSizeF(131, 71), 17, 7, QColor(0, 0, 0, 40), dpr); };
    const int before = SoftShadow::paintedCount();
    // Just asked for (a page being built), a picture stays through a release although
    // nothing shows it yet.
    ask();
    SoftShadow::releaseUnused();
    ask();
    QCOMPARE(SoftShadow::paintedCount(), before + 1);

    // Shown, it stays once that moment has passed.
    QQuickItem *tile = create(R"(Item { width: 131; height: 71; SoftShadow { anchors.fill: parent; cornerRadius: 17; blur: 7 } })");
    QVERIFY(tile);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), Patience::waitMs));
    m_window->grabWindow(); // the shadow is on screen
    QTest::qWait(1100);
    SoftShadow::releaseUnused();
    ask();
    QCOMPARE(SoftShadow::paintedCount(), before + 1);

    // Once its item has gone, the next release lets it go and the next ask paints it again.
    m_created.removeOne(tile);
    delete tile;
    m_window->grabWindow(); // a frame without it: its node and texture go
    QTest::qWait(1100);
    SoftShadow::releaseUnused();
    ask();
    QCOMPARE(SoftShadow::paintedCount(), before + 2);
}

void TestUiViews::equalShadowsArePaintedOnce()
{
    // A row of six equal tiles paints one shadow picture; another size paints one more.
    const int before = SoftShadow::paintedCount();
    QQuickItem *row = create(R"(Row {
        Repeater {
            model: 6
            Item { width: 123; height: 77; SoftShadow { anchors.fill: parent; cornerRadius: 19; blur: 9 } }
        }
        Item { width: 124; height: 77; SoftShadow { anchors.fill: parent; cornerRadius: 19; blur: 9 } }
    })");
    QVERIFY(row);
    QVERIFY(Patience::waitFor([&] { return SoftShadow::paintedCount() >= before + 2; }));
    QTest::qWait(50);
    QCOMPARE(SoftShadow::paintedCount(), before + 2);
    const QImage frame = m_window->grabWindow();
    QVERIFY(frame.pixelColor(123 * 5 + 60, 40).red() < 250); // the sixth tile's shadow is drawn
    QCOMPARE(SoftShadow::shared(QSizeF(123, 77), 19, 9, QColor(0, 0, 0, 40), m_window->effectiveDevicePixelRatio())
                 .cacheKey(),
             SoftShadow::shared(QSizeF(123, 77), 19, 9, QColor(0, 0, 0, 40), m_window->effectiveDevicePixelRatio())
                 .cacheKey());
}

void TestUiViews::aLargeShadowIsDrawnWhole()
{
    // A large card's shadow is held without its repeating middle and drawn in pieces,
    // the middle stretched from the column and row that repeat: on the screen it is the
    // whole picture, each pixel where it belongs, also when it grew from a shadow
    // small enough to have no middle.
    QQuickItem *page = create(R"(Rectangle {
        width: 700; height: 560; color: "white"
        SoftShadow { x: 40; y: 30; width: 60; height: 40; cornerRadius: 28; blur: 11; color: "black" }
    })");
    QVERIFY(page);
    m_window->grabWindow();
    page->childItems().first()->setSize(QSizeF(600, 480));
    const qreal dpr = m_window->effectiveDevicePixelRatio();
    const QSizeF card(600, 480);
    const QImage picture = SoftShadow::shared(card, 28, 11, Qt::black, dpr);
    const SoftShadow::Cut cut = SoftShadow::cut(card, 28, 11, dpr);
    QVERIFY(cut.removed.x() > 300 && cut.removed.y() > 200);
    const QImage frame = m_window->grabWindow();
    const auto from = [&](int at, int removed) {
        return at <= cut.repeated ? at : at <= cut.repeated + removed ? cut.repeated : at - removed;
    };
    const QPoint origin = ((QPointF(40, 30) - QPointF(1, 1) * SoftShadow::margin(11)) * dpr).toPoint();
    int differing = 0;
    for (int y = 0; y < picture.height() + cut.removed.y(); ++y) {
        for (int x = 0; x < picture.width() + cut.removed.x(); ++x) {
            const int shadow = qAlpha(picture.pixel(from(x, cut.removed.x()), from(y, cut.removed.y())));
            differing += std::abs(qRed(frame.pixel(origin + QPoint(x, y))) - (255 - shadow)) > 1;
        }
    }
    QCOMPARE(differing, 0);
}


void TestUiViews::aFrostedStillComesInOverASharpOne()
{
    // Beside its source here (over it on a page): once ready, it first shows a sharp
    // still of the source, pixel for pixel, and at the end of its fade the blurred one.
    QQuickItem *scene = create(R"(Rectangle {
        width: 600; height: 300; color: "white"
        Column {
            id: game
            x: 20; y: 20
            Repeater {
                model: 24
                Rectangle { width: 240; height: 10; color: Qt.rgba(index / 24, (index % 3) / 2, 0.5, 1) }
            }
        }
        FrostedSnapshot { x: 320; y: 20; width: 240; height: 240; source: game; radius: 6 }
    })");
    QVERIFY(scene);
    QQuickItem *frost = scene->childItems().at(1);
    // The still is taken in a frame of its own: not in the next frame, which shows what
    // the event that asked for it did, but in the one after.
    int framesBeforeTaken = 0;
    QObject guard;
    connect(m_window.get(), &QQuickWindow::frameSwapped, &guard, [&] {
        if (!frost->property("taken").toBool())
            ++framesBeforeTaken;
    });
    QMetaObject::invokeMethod(frost, "capture");
    PW_TRY_VERIFY(frost->property("taken").toBool());
    QCOMPARE(framesBeforeTaken, 2);
    PW_TRY_VERIFY(frost->property("ready").toBool());
    const QRect source(20, 20, 240, 240);
    QCOMPARE(differingBeside(source, 300), 0);
    frost->setProperty("progress", 1);
    QVERIFY(differingBeside(source, 300) > 240 * 20);
}

void TestUiViews::aSizeThatComesBackKeepsItsPicture()
{
    // A layout that tries another size and comes back before the next frame (a window
    // being placed) keeps the picture painted; a size that stays, or a new look, paints.
    struct Counted : PaintedPicture
    {
        int paints = 0;
        void paint(QPainter *) override { ++paints; }
    };
    auto *picture = new Counted;
    m_created << picture;
    picture->setParentItem(m_window->contentItem());
    picture->setSize(QSizeF(120, 80));
    m_window->grabWindow();
    QCOMPARE(picture->paints, 1);
    picture->setWidth(119);
    picture->setWidth(120);
    m_window->grabWindow();
    QCOMPARE(picture->paints, 1);
    picture->setWidth(119);
    m_window->grabWindow();
    QCOMPARE(picture->paints, 2);
    picture->repaint();
    m_window->grabWindow();
    QCOMPARE(picture->paints, 3);
}

void TestUiViews::aPictureScaledFromAboveIsFiltered()
{
    // A picture drawn pixel for pixel (moved by a fraction of a point too) is sampled at
    // its nearest pixel, crisp; once something above it scales it, the picture itself
    // unchanged, it is filtered, and back at its size it is crisp again.
    QQuickItem *holder = create(R"(Item {
        x: 40.3; y: 40
        transformOrigin: Item.TopLeft
        PaintedBox { width: 200; height: 120; color: "white"; strokeWidth: 3; strokeColor: "red" }
    })");
    QVERIFY(holder);
    const auto blended = [&] { return blendedOutline(m_window->grabWindow()); };
    QCOMPARE(blended(), 0);
    holder->setScale(0.7);
    QVERIFY(blended() > 0);
    holder->setScale(1);
    QCOMPARE(blended(), 0);
}

void TestUiViews::aPictureDrawnSmallerIsPaintedAtTheSizeShown()
{
    // Under a scale that lasts, a picture is painted at the size it is shown: as a box of
    // that size is. Drawn larger than it was painted once the scale above grows, it is
    // painted again at its own size, never shown blown up.
    QQuickItem *scene = create(R"(Item {
        Item {
            x: 40; y: 40
            scale: 0.75
            transformOrigin: Item.TopLeft
            PaintedBox { width: 200; height: 120; color: "white"; strokeWidth: 3; strokeColor: "red" }
        }
        PaintedBox { x: 40; y: 240; width: 150; height: 90; color: "white"; strokeWidth: 2.25; strokeColor: "red" }
        PaintedBox { x: 40; y: 440; width: 200; height: 120; color: "white"; strokeWidth: 3; strokeColor: "red" }
    })");
    QVERIFY(scene);
    // The pixels of a row across the outlines that differ from the same row of a box
    // `below` pixels lower.
    const auto differing = [&](int below) {
        const QImage frame = m_window->grabWindow();
        int count = 0;
        for (int x = 30; x < 260; ++x) {
            const QColor a = frame.pixelColor(x, 80), b = frame.pixelColor(x, 80 + below);
            count += std::abs(a.green() - b.green()) > 8 || std::abs(a.red() - b.red()) > 8;
        }
        return count;
    };
    QCOMPARE(differing(200), 0);

    QSignalSpy frames(m_window.get(), &QQuickWindow::frameSwapped);
    scene->childItems().at(0)->setScale(1);
    QVERIFY(frames.wait(Patience::waitMs));
    QCOMPARE(differing(400), 0);
}

// Quiet from the first frame after a pause, busy again once frames come in a run, and
// a lone frame in between (a tap's answer, a tick) changes nothing.
void TestUiViews::windowIsQuietBetweenRunsOfFrames()
{
    QQuickItem *watch = create(R"(QuietWatch {
        Rectangle { id: box; width: 50; height: 50; color: "orange"
            NumberAnimation on x { id: moving; objectName: "moving"; from: 0; to: 400; duration: 100000 } } })");
    QVERIFY(watch);
    QQuickItem *box = watch->childItems().value(0);
    QObject *moving = watch->findChild<QObject *>(QStringLiteral("moving"));
    QVERIFY(box && moving);
    QTest::qWait(600);
    QVERIFY(!watch->property("quiet").toBool());

    moving->setProperty("running", false);
    QTest::qWait(600);
    QVERIFY(!watch->property("quiet").toBool()); // no frame yet
    box->setProperty("color", QColor(Qt::blue));
    PW_TRY_VERIFY(watch->property("quiet").toBool());
    QTest::qWait(150);
    box->setProperty("color", QColor(Qt::green));
    QTest::qWait(150);
    QVERIFY(watch->property("quiet").toBool());

    moving->setProperty("running", true);
    PW_TRY_VERIFY(!watch->property("quiet").toBool());
}

QTEST_MAIN(TestUiViews)
#include "tst_ui_views.moc"
