#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <optional>

// Which game view the host builds for a game identifier.
//
// Every identifier the playground knows has one row. A row names the game's view type
// and, once the game is built, the URL of its QML view; the view's root item holds its
// C++ game object in a property named `game`. A row without a URL (or whose view is not
// in the application's resources) and any identifier without a row show the
// "正在建造" card instead.
namespace GameDispatch {

struct Row
{
    QString id;          // exact identifier, compared case-sensitively, untrimmed
    QString viewType;    // the game's class; each row builds its own
    QString url;         // the view; empty until the game is built
    QVariantMap properties = {}; // set on the view's root item when it is created
    bool webView = false;        // the view holds a web view
    // The picture the view lays over its whole area, 8 points inside its edges with
    // corners of 28 points (decoded ahead when the game's shelf opens); empty for none.
    QString backdrop = {};
};

// The 48 rows, in table order.
const QList<Row> &rows();

struct View
{
    QUrl url;
    QVariantMap properties;
    bool webView = false;
};

// The view to build for `gameId`; none when the host shows the "正在建造" card.
std::optional<View> viewFor(const QString &gameId);
// The backdrop of the view of `gameId` (see Row); empty for none.
QString backdropFor(const QString &gameId);

// Rows a tool or a test lays over the table (checked first); an empty list removes them.
void setExtraRows(const QList<Row> &rows);

} // namespace GameDispatch
