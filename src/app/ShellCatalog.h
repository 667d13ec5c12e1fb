#pragma once

#include <QObject>
#include <QQuickWindow>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "GameCatalog.h"

// Sizes of a horizontal card rail: card height from the offered height, width the
// smaller of 0.78 × height and a share of the offered width, and a side inset that
// rests the first and last card in the middle.
struct RailSize
{
    double width = 0;
    double height = 0;
    double inset = 0;
};

namespace RailSizing {
// The playground's category portals.
RailSize portals(double width, double height);
// A shelf's game cards.
RailSize games(double width, double height);
} // namespace RailSizing

// The playground's view of the catalogue: which shelves exist, their names, emoji and
// covers, and the games of each. Categories are named by their stored strings
// ("english", "dress-up", …).
class ShellCatalog : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ShellCatalog(QObject *parent = nullptr);

    // Categories with at least one catalogue game, in portal order.
    Q_INVOKABLE static QStringList categories();
    Q_INVOKABLE static QString shelfName(const QString &category);
    Q_INVOKABLE static QString emoji(const QString &category);
    // "🔢 数学游戏书架"
    Q_INVOKABLE static QString shelfTitle(const QString &category);
    // The cover of a portal: named after the category's first game in catalogue order.
    Q_INVOKABLE static QString coverName(const QString &category);
    // The category's games in catalogue order, coming-soon ones included, each as a map
    // of the definition's fields.
    Q_INVOKABLE static QVariantList games(const QString &category);
    // The definition of a catalogue game as such a map; empty when it is not listed.
    Q_INVOKABLE static QVariantMap game(const QString &gameId);
    Q_INVOKABLE static QVariantMap portalRail(double width, double height);
    Q_INVOKABLE static QVariantMap gameRail(double width, double height);
    // A shelf's page has been built: its games are a tap away (see
    // PipwhistleApp::shelfOpened).
    Q_INVOKABLE static void shelfOpened();
    // The shelf's page of `category` has gone, its cards' pictures with it (see
    // PipwhistleApp::screenLeft), and what prepareShelfPictures decoded for it: its games'
    // backdrops, and the game page's once no shelf is open.
    Q_INVOKABLE static void shelfClosed(const QString &category);

    static QVariantMap toMap(const GameDefinition &game);

    // Decodes ahead, when the shelf of `category` opens in `window`, what the tap on a
    // card shows: the game page's backdrop and the backdrops of its games' views
    // (GameDispatch::backdropFor). The playground holds none of them: a shelf's own
    // pictures decode while its page is being built.
    Q_INVOKABLE static void prepareShelfPictures(const QString &category, QQuickWindow *window);
    // Loads ahead, once the shelf of `category` rests on screen, the view types of its
    // games (TypesAhead, one an event turn), so that a card's tap builds its game's view
    // from a type already loaded: the first opening of a game otherwise loaded its
    // view's types inside the tap. The types are held by `shelfPage` and go with it.
    // A view that holds a web view is left out (its engine loads when its room opens).
    Q_INVOKABLE static void prepareShelfViews(const QString &category, QObject *shelfPage);
    // The size of a game's view on the game page filling a window of `window` points:
    // the page less its top bar and margins.
    static QSizeF gameViewSize(QSizeF window);
};
