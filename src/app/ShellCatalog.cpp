#include "ShellCatalog.h"

#include "AppTheme.h"
#include "GameDispatch.h"
#include "PipwhistleApp.h"
#include "StorybookPicture.h"
#include "TypesAhead.h"

#include <QFontMetricsF>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>

namespace {
struct Shelf
{
    GameCategory category;
    const char16_t *name;
    const char16_t *emoji;
};

// Shelf name and emoji of each category, shared by the portals and the shelf header.
constexpr Shelf shelves[] = {
    {GameCategory::english, u"英文", u"🇬🇧"},
    {GameCategory::chinese, u"中文", u"🀄\uFE0F"},
    {GameCategory::math, u"数学", u"🔢"},
    {GameCategory::dressUp, u"装扮", u"👗"},
    {GameCategory::logicThinking, u"逻辑思维", u"🧩"},
    {GameCategory::coordinationMemory, u"协调记忆", u"🧠"},
    {GameCategory::videoScience, u"视频科普", u"🎬"},
};

const Shelf *shelfOf(const QString &stored)
{
    GameCategory category;
    if (!categoryFromStored(stored, &category))
        return nullptr;
    for (const Shelf &shelf : shelves) {
        if (shelf.category == category)
            return &shelf;
    }
    return nullptr;
}

RailSize rail(double width, double height, double heightShare, double minHeight, double maxHeight,
              double widthShare, double minWidth, double maxWidth)
{
    RailSize size;
    size.height = std::min(std::max(height * heightShare, minHeight), maxHeight);
    const double cap = std::min(std::max(width * widthShare, minWidth), maxWidth);
    size.width = std::min(size.height * 0.78, cap);
    size.inset = std::max((width - size.width) * 0.5, 14.0);
    return size;
}

QVariantMap toMap(const RailSize &size)
{
    return {{QStringLiteral("width"), size.width},
            {QStringLiteral("height"), size.height},
            {QStringLiteral("inset"), size.inset}};
}
} // namespace

namespace RailSizing {
RailSize portals(double width, double height)
{
    return rail(width, height, 0.56, 210, 390, 0.23, 180, 290);
}

RailSize games(double width, double height)
{
    return rail(width, height, 0.6, 250, 420, 0.235, 205, 310);
}
} // namespace RailSizing

ShellCatalog::ShellCatalog(QObject *parent)
    : QObject(parent)
{
}

QStringList ShellCatalog::categories()
{
    QStringList result;
    const QList<GameDefinition> &all = GameCatalog::all();
    for (GameCategory category : allCategories()) {
        const bool used = std::any_of(all.begin(), all.end(),
                                      [category](const GameDefinition &g) { return g.category == category; });
        if (used)
            result.append(storedString(category));
    }
    return result;
}

QString ShellCatalog::shelfName(const QString &category)
{
    const Shelf *shelf = shelfOf(category);
    return shelf ? QString::fromUtf16(shelf->name) : QString();
}

QString ShellCatalog::emoji(const QString &category)
{
    const Shelf *shelf = shelfOf(category);
    return shelf ? QString::fromUtf16(shelf->emoji) : QString();
}

QString ShellCatalog::shelfTitle(const QString &category)
{
    return emoji(category) + QLatin1Char(' ') + shelfName(category) + QStringLiteral("游戏书架");
}

QString ShellCatalog::coverName(const QString &category)
{
    QString name = category;
    for (const GameDefinition &game : GameCatalog::all()) {
        if (game.categoryName() == category) {
            name = game.id;
            break;
        }
    }
    return QStringLiteral("game_cover_") + name.replace(QLatin1Char('-'), QLatin1Char('_'));
}

QVariantList ShellCatalog::games(const QString &category)
{
    QVariantList result;
    for (const GameDefinition &game : GameCatalog::all()) {
        if (game.categoryName() == category)
            result.append(toMap(game));
    }
    return result;
}

QVariantMap ShellCatalog::game(const QString &gameId)
{
    const GameDefinition *game = GameCatalog::find(gameId);
    return game ? toMap(*game) : QVariantMap();
}

QVariantMap ShellCatalog::portalRail(double width, double height)
{
    return ::toMap(RailSizing::portals(width, height));
}

QVariantMap ShellCatalog::gameRail(double width, double height)
{
    return ::toMap(RailSizing::games(width, height));
}

namespace {
QString gamePageBackdrop()
{
    return QStringLiteral("storybook_game_stage");
}

// The shelves' pages that exist (one, but for a moment as one goes and the next comes).
int openShelves = 0;

// The backdrops of the views of the games of `category`.
QStringList backdropsOf(const QString &category)
{
    QStringList names;
    for (const GameDefinition &game : GameCatalog::all()) {
        const QString name = game.categoryName() == category ? GameDispatch::backdropFor(game.id) : QString();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}
} // namespace

void ShellCatalog::shelfOpened()
{
    ++openShelves;
    PipwhistleApp::current().shelfOpened();
}

void ShellCatalog::shelfClosed(const QString &category)
{
    openShelves = std::max(0, openShelves - 1);
    // The game page's backdrop (a game's view may show it too) stays for a shelf still open.
    QStringList names = backdropsOf(category);
    names.removeAll(gamePageBackdrop());
    if (openShelves == 0)
        names.append(gamePageBackdrop());
    for (const QString &name : std::as_const(names))
        StorybookPicture::forgetPrepared(name);
    PipwhistleApp::current().screenLeft();
}

QSizeF ShellCatalog::gameViewSize(QSizeF window)
{
    // The page's top bar, 10 points under the top and 8 over the game, is as tall as the
    // taller of its back button (a line of its label with 15 points over and under it)
    // and its title (a caption, 2 points, a line of the title); the game keeps 42 points
    // from either side and 24 from the bottom.
    const auto lineOf = [](AppTheme::TextStyle style) {
        return std::ceil(QFontMetricsF(AppTheme::styleFont(style, QFont::Bold)).height());
    };
    const qreal line = lineOf(AppTheme::Title3);
    const qreal bar = std::max(line + 2 * 15, lineOf(AppTheme::Caption) + 2 + line);
    return QSizeF(std::max(0.0, window.width() - 2 * 42), std::max(0.0, window.height() - 10 - bar - 8 - 24));
}

void ShellCatalog::prepareShelfPictures(const QString &category, QQuickWindow *window)
{
    if (!window)
        return;
    // The game page's backdrop first: every card's tap shows it.
    StorybookPicture::prepare(gamePageBackdrop(), window->size(), 0, false,
                              window->effectiveDevicePixelRatio());
    const QSizeF view = gameViewSize(window->size());
    const QSizeF backdrop(view.width() - 2 * 8, view.height() - 2 * 8);
    if (backdrop.isEmpty())
        return;
    for (const QString &name : backdropsOf(category))
        StorybookPicture::prepare(name, backdrop, 28, false, window->effectiveDevicePixelRatio());
}

void ShellCatalog::prepareShelfViews(const QString &category, QObject *shelfPage)
{
    const char *prepared = "pw_preparedViews";
    if (!shelfPage || shelfPage->property(prepared).toBool())
        return;
    shelfPage->setProperty(prepared, true);
    QList<QUrl> views;
    for (const GameDefinition &game : GameCatalog::all()) {
        if (game.categoryName() != category || !game.isAvailable())
            continue;
        const std::optional<GameDispatch::View> view = GameDispatch::viewFor(game.id);
        if (view && !view->webView)
            views << view->url;
    }
    TypesAhead::load(shelfPage, views);
}

QVariantMap ShellCatalog::toMap(const GameDefinition &game)
{
    return {{QStringLiteral("id"), game.id},
            {QStringLiteral("title"), game.title},
            {QStringLiteral("subtitle"), game.subtitle},
            {QStringLiteral("category"), game.categoryName()},
            {QStringLiteral("icon"), game.icon},
            {QStringLiteral("minutes"), game.minutes},
            {QStringLiteral("status"), game.statusName()},
            {QStringLiteral("available"), game.isAvailable()},
            {QStringLiteral("skills"), game.skills}};
}
