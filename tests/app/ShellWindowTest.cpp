#include "Patience.h"
#include "ShellWindowTest.h"

#include "Fonts.h"
#include "GameHostController.h"
#include "ShellCatalog.h"

#include <QQmlComponent>
#include <QtQuickTest/quicktest.h>
#include <QRegularExpression>
#include <QtQml/qqml.h>

namespace ShellTest {

QStringList &warnings()
{
    static QStringList list;
    return list;
}

namespace {
QtMessageHandler previousHandler = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform's notes about the runtime folder are not the program's.
    if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(QLatin1String("QStandardPaths:")))
        warnings().append(message);
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

void installWarningCollector()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(collect);
}

QStringList viewWarnings()
{
    // Not the views': the sound server being absent, and the web engine's note that the
    // machine has no graphics to share with it. The engine is started before the tests,
    // but it notes this from its own thread when it gets there, which on a busy machine
    // can be during the first test.
    static const QRegularExpression notTheViews(
        QStringLiteral("^(?!PulseAudioService:|No suitable graphics backend found$)"));
    return warnings().filter(notTheViews);
}

QQuickItem *findItem(QQuickItem *root, const std::function<bool(QQuickItem *)> &match)
{
    if (!root || !root->isVisible())
        return nullptr;
    if (match(root))
        return root;
    // A web view's own items come from Qt WebEngine's core, which is built without RTTI,
    // so the sanitizers' vptr check would take them for broken objects; what the page
    // shows is not made of items anyway.
    if (root->inherits("QQuickWebEngineView"))
        return nullptr;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = findItem(child, match))
            return found;
    }
    return nullptr;
}

QQuickItem *findText(QQuickItem *root, const QString &text)
{
    return findItem(root, [&](QQuickItem *item) {
        return item->inherits("QQuickText") && item->property("text").toString() == text;
    });
}

QQuickItem *findNamed(QQuickItem *root, const QString &objectName)
{
    return findItem(root, [&](QQuickItem *item) { return item->objectName() == objectName; });
}

QPoint centre(QQuickItem *item)
{
    return item ? item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint() : QPoint(-1, -1);
}

bool followsText(QQuickItem *text, QQuickItem *next, qreal gap)
{
    if (!text || !next || !text->parentItem())
        return false;
    const QRectF after = text->parentItem()->mapRectFromItem(next, next->boundingRect());
    return text->width() <= text->property("contentWidth").toReal() + 1
           && qAbs(after.left() - (text->x() + text->width()) - gap) < 1;
}

bool isShown(QQuickItem *item)
{
    // Inside the window (not sliding in or out of it).
    if (!item || !item->window() || !QRectF(QPointF(), item->window()->size()).contains(centre(item)))
        return false;
    for (QQuickItem *i = item; i; i = i->parentItem()) {
        if (!i->isVisible() || i->opacity() < 0.5)
            return false;
    }
    return item != nullptr;
}

QStringList styledTextsWithEmoji(QQuickItem *root)
{
    QStringList found;
    findItem(root, [&](QQuickItem *item) {
        // Text.Normal is 0. A text at opacity 0 gets its glyphs all the same. The
        // cluster test looks at every character, so it takes a whole text.
        const QString text = item->property("text").toString();
        if (item->inherits("QQuickText") && item->property("style").toInt() != 0 && Fonts::isEmojiCluster(text))
            found << text;
        return false;
    });
    return found;
}

void click(QQuickWindow *window, QQuickItem *item)
{
    QVERIFY(item);
    if (qEnvironmentVariableIsSet("PW_TEST_TRACE"))
        qDebug() << "click" << item << item->mapToScene(QPointF()) << item->size();
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void addGameRowsAtBothSizes(const QStringList &gameIds)
{
    QTest::addColumn<QString>("gameId");
    QTest::addColumn<QSize>("size");
    for (const QSize size : {QSize(1180, 820), QSize(800, 600)}) {
        const QString suffix = size.width() == 800 ? QStringLiteral(" small") : QString();
        for (const QString &id : gameIds)
            QTest::newRow(qPrintable(id + suffix)) << id << size;
    }
}

} // namespace ShellTest

OfflineCommandLine::OfflineCommandLine(int argc, char *argv[])
    : arguments(argv, argv + argc)
{
    static char offline[] = "--host-resolver-rules=MAP * ~NOTFOUND";
    arguments.append(offline);
    count = int(arguments.size());
}

bool ViewWindow::create(const QString &family, const QString &view)
{
    Ui::prepareEngine(engine);
    QQmlComponent component(&engine,
                            QUrl(QStringLiteral("qrc:/qt/qml/Pipwhistle/Games/%1/%2.qml").arg(family, view)));
    object.reset(component.create());
    item = qobject_cast<QQuickItem *>(object.get());
    if (!item)
        qWarning() << component.errorString();
    return item != nullptr;
}

bool ViewWindow::open(const QString &family, const QString &view, QSize size)
{
    if (!create(family, view))
        return false;
    window.resize(size);
    item->setParentItem(window.contentItem());
    item->setSize(QSizeF(size));
    window.show();
    return QTest::qWaitForWindowExposed(&window, Patience::waitMs);
}

ShellFixture::ShellFixture()
{
    static const bool registered = [] {
        qmlRegisterType<ReportingGame>("PipwhistleTest", 1, 0, "ReportingGame");
        Ui::installFonts();
        return true;
    }();
    Q_UNUSED(registered)
    ShellTest::installWarningCollector();
    ShellTest::warnings().clear();
    SettingsStore::setStandard(&settings);
    Clock::setCurrent(&clock);
    // The first two games of the Chinese shelf are played by the stand-in game.
    const QString view = QUrl::fromLocalFile(QStringLiteral(PW_SOURCE_DIR "/tests/app/ReportingGameView.qml")).toString();
    GameDispatch::setExtraRows({{QStringLiteral("chinese-match"), QStringLiteral("ReportingGame"), view}});
    app = std::make_unique<PipwhistleApp>();
    Ui::prepareEngine(app->engine());
    typeLoads = std::make_unique<TypeLoadWatch>(app->engine());
    if (app->start()) {
        window()->resize(1180, 820);
        QVERIFY(QTest::qWaitForWindowExposed(window(), Patience::waitMs));
        // Keys and shortcuts go to the active window: on a display without a window
        // manager nothing activates it but the program asking.
        window()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window(), Patience::waitMs));
    }
}

ShellFixture::~ShellFixture()
{
    const QStringList loadedBeside = typeLoads->loadedBeside();
    if (!loadedBeside.isEmpty()) {
        const QByteArray message = "QML loaded on the loader's thread while the interface thread ran: "
                                   + loadedBeside.join(QStringLiteral(", ")).toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
    typeLoads.reset();
    app.reset();
    GameDispatch::setExtraRows({});
    Clock::setCurrent(nullptr);
    SettingsStore::setStandard(nullptr);
}

RootState *ShellFixture::shell() const
{
    QQuickItem *rootView = root()->childItems().value(0);
    return rootView ? rootView->property("shell").value<RootState *>() : nullptr;
}

QQuickItem *ShellFixture::timeChip() const
{
    // The chip on top: the last one shown (the playground's lies under pushed pages).
    QQuickItem *shown = nullptr;
    ShellTest::findItem(root(), [&](QQuickItem *item) {
        if (item->objectName() == QLatin1String("timeChip") && ShellTest::isShown(item)
            && item->mapToScene(QPointF()).x() >= 0 && item->mapToScene(QPointF()).x() < window()->width())
            shown = item;
        return false;
    });
    return shown;
}

QString ShellFixture::chipLabel() const
{
    QString label;
    ShellTest::findItem(timeChip(), [&](QQuickItem *item) {
        // The label's texts (not the icon's, nor any text the chip keeps undrawn).
        if (item->inherits("QQuickText") && item->opacity() > 0
            && !item->property("font").value<QFont>().family().contains(QLatin1String("Material")))
            label += item->property("text").toString();
        return false;
    });
    return label;
}

bool ShellFixture::waitShown(const QString &label, int timeoutMs)
{
    return QTest::qWaitFor([&] { return ShellTest::isShown(text(label)); }, timeoutMs);
}

bool ShellFixture::waitGone(const QString &label, int timeoutMs)
{
    return QTest::qWaitFor([&] { return !ShellTest::isShown(text(label)); }, timeoutMs);
}

bool ShellFixture::clickText(const QString &label, int timeoutMs)
{
    if (!waitShown(label, timeoutMs))
        return false;
    ShellTest::click(window(), text(label));
    return true;
}

void ShellFixture::typeInto(const QString &fieldName, const QString &keys)
{
    QQuickItem *field = ShellTest::findNamed(root(), fieldName);
    QVERIFY2(field, qPrintable(fieldName));
    ShellTest::click(window(), field);
    // Each character as typed, full-width and other scripts' digits included.
    for (QChar c : keys) {
        const Qt::Key key = c.unicode() < 0x80 && c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, window(), key, QString(c), Qt::NoModifier);
    }
}

QQuickItem *ShellFixture::openGame(const QString &gameId, const QString &shelf, const QSize &playSize)
{
    const auto fail = [](const char *what) {
        QTest::qFail(what, __FILE__, __LINE__);
        return nullptr;
    };
    if (!clickText(QStringLiteral("进入豆铃乐园")) || !waitShown(QStringLiteral("首次使用，请设置四位家长密码")))
        return fail("the setup did not open");
    typeInto(QStringLiteral("setupPin"), QStringLiteral("2468"));
    if (!clickText(QStringLiteral("确定，进入乐园")) || !waitGone(QStringLiteral("设置娱乐时间")) || !waitShown(shelf))
        return fail("the playground did not open");
    QTest::qWait(300);
    if (!clickText(shelf))
        return fail("the shelf's portal did not answer");
    QQuickItem *stack = ShellTest::findItem(root(), [](QQuickItem *i) { return i->inherits("QQuickStackView"); });
    const auto settledAt = [stack](int depth) {
        return Patience::waitFor([&] { return !stack->property("busy").toBool() && stack->property("depth").toInt() == depth; });
    };
    if (!stack || !settledAt(2))
        return fail("the shelf did not open");
    if (playSize.isValid())
        window()->resize(playSize);
    QMetaObject::invokeMethod(stack->property("currentItem").value<QQuickItem *>(), "openGame",
                              Q_ARG(QVariant, ShellCatalog::game(gameId)));
    if (!settledAt(3))
        return fail("the game page did not open");
    QQuickItem *view = nullptr;
    const bool came = Patience::waitFor([&] {
        QQuickItem *page = ShellTest::findItem(root(), [](QQuickItem *i) { return i->property("host").value<GameHostController *>(); });
        view = page ? page->property("gameView").value<QQuickItem *>() : nullptr;
        return view != nullptr;
    });
    if (!came || !host() || host()->gameId() != gameId)
        return fail("the game did not come on its page");
    return view;
}

GameHostController *ShellFixture::host() const
{
    QQuickItem *page = ShellTest::findItem(root(), [](QQuickItem *i) { return i->property("host").value<GameHostController *>(); });
    return page ? page->property("host").value<GameHostController *>() : nullptr;
}

bool ShellFixture::clickInWindow(QQuickItem *view, const QString &name)
{
    QQuickItem *item = nullptr;
    if (!Patience::waitFor([&] {
            item = ShellTest::findNamed(view, name);
            // Laid out, as a finger finds it: a control just made (a new round's
            // tiles) stands at its layout's corner until the layout's next polish.
            return item && item->width() > 0 && item->isEnabled() && !QQuickTest::qIsPolishScheduled(window());
        })) {
        QTest::qFail(qPrintable(name + QStringLiteral(" did not come")), __FILE__, __LINE__);
        return false;
    }
    // The whole item is inside the window, however short the window is.
    const QRectF onScreen = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    if (!QRectF(0, 0, window()->width(), window()->height()).contains(onScreen)) {
        QTest::qFail(qPrintable(name + QStringLiteral(" lies outside the window")), __FILE__, __LINE__);
        return false;
    }
    ShellTest::click(window(), item);
    return true;
}

bool ShellFixture::bubbleShows(QQuickItem *view, const QString &text)
{
    return Patience::waitFor([&] {
        return ShellTest::isShown(ShellTest::findItem(view, [&](QQuickItem *i) {
            return i->property("isGood").isValid() && i->property("text").toString() == text;
        }));
    });
}

QQuickItem *ShellFixture::openFromShelf(const QString &gameId, const QSize &playSize)
{
    GameDispatch::setExtraRows({}); // the real games, not the stand-in
    if (!window())
        return nullptr;
    window()->resize(4600, 820);
    const QString category = ShellCatalog::game(gameId).value(QStringLiteral("category")).toString();
    return openGame(gameId, ShellCatalog::shelfName(category), playSize);
}

bool ShellFixture::savedPlay(const QString &gameId, int score, int stars)
{
    const auto fail = [](const QString &what) {
        QTest::qFail(qPrintable(what), __FILE__, __LINE__);
        return false;
    };
    GameHostController *h = host();
    if (!h || !Patience::waitFor([&] { return h->hasResult(); }))
        return fail(QStringLiteral("no result came"));
    if (h->resultScore() != score || h->resultStars() != stars)
        return fail(QStringLiteral("result %1/%2").arg(h->resultScore()).arg(h->resultStars()));
    if (!waitShown(h->resultHeadline()) || !waitShown(QStringLiteral("下一关")))
        return fail(QStringLiteral("the completion card did not show"));
    const QList<ActivityRecord> &records = app->progress().records();
    if (records.size() != 1 || records.first().gameID != gameId || records.first().score != score
        || records.first().stars != stars)
        return fail(QStringLiteral("%1 records, not the one play").arg(records.size()));
    const QStringList left = ShellTest::viewWarnings();
    if (!left.isEmpty())
        return fail(left.join(QLatin1Char('\n')));
    return true;
}
