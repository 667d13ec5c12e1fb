// The source folders depend one way: platform → core → audio → ui → games → app. Read
// from the sources themselves: every #include "…" of a header in src/ and every QML
// import of a Pipwhistle module must name a folder at the same floor or below. Inside
// games/, the families stand on common and never on each other, and a game's folder
// takes nothing from another game's folder (what two games share goes to the family
// folder). Headers are included by their bare names, so a header name may stand in
// only one place. Below the shell, no view reaches past the shell's full-window layer
// (the window's own content item, or the popups' overlay above it), where it would
// stand over the shell's overlays.

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kFloors{u"platform"_s, u"core"_s, u"audio"_s, u"ui"_s, u"games"_s, u"app"_s};

// Where a file stands below src/: its floor, and inside games/ its family and its game
// folder ("" for a family's own folder).
struct Place
{
    QString path; // relative to src/
    int floor = -1;
    QString family;
    QString game;
};

Place placeOf(const QString &relative)
{
    Place place;
    place.path = relative;
    const QStringList parts = relative.split(u'/');
    place.floor = int(kFloors.indexOf(parts.first()));
    if (parts.first() == u"games"_s && parts.size() > 2) {
        place.family = parts[1];
        if (parts.size() > 3)
            place.game = parts[2];
    }
    return place;
}

// Why `from` may not use `to`, or an empty text when it may.
QString fault(const Place &from, const Place &to)
{
    if (to.floor > from.floor)
        return u"uses a floor above its own"_s;
    const int games = int(kFloors.indexOf(u"games"_s));
    if (from.floor != games || to.floor != games)
        return {};
    if (from.family == to.family)
        return !to.game.isEmpty() && to.game != from.game ? u"uses another game's folder"_s : QString();
    if (from.family == u"common"_s)
        return u"the shared game pieces use a family"_s;
    if (to.family != u"common"_s)
        return u"one family uses another"_s;
    return {};
}

// The floor (and family) a QML module lives on.
Place placeOfModule(const QString &uri)
{
    static const QHash<QString, QString> folders{
        {u"Pipwhistle.Audio"_s, u"audio/"_s},
        {u"Pipwhistle.Ui"_s, u"ui/"_s},
        {u"Pipwhistle.App"_s, u"app/"_s},
    };
    if (uri.startsWith(u"Pipwhistle.Games."_s))
        return placeOf(u"games/"_s + uri.mid(17).toLower() + u"/"_s);
    return placeOf(folders.value(uri, u"?/"_s));
}

QStringList files(const QString &src, const QStringList &patterns)
{
    QStringList found;
    QDirIterator it(src, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(src).relativeFilePath(it.next()));
    found.sort();
    return found;
}

// Every use of one folder by another that breaks the order, and every header name that
// stands in two places, as "<file>: <what> (<why>)".
QStringList layoutFaults(const QString &src)
{
    QStringList faults;
    QHash<QString, QString> headers; // bare name → path below src/
    for (const QString &header : files(src, {u"*.h"_s})) {
        const QString name = header.section(u'/', -1);
        if (headers.contains(name))
            faults.append(header + u": "_s + name + u" (also "_s + headers[name] + u")"_s);
        else
            headers.insert(name, header);
    }

    static const QRegularExpression include(u"^\\s*#\\s*include\\s+\"([^\"]+)\""_s,
                                            QRegularExpression::MultilineOption);
    static const QRegularExpression import(u"^\\s*import\\s+(Pipwhistle(\\.\\w+)+)"_s,
                                           QRegularExpression::MultilineOption);
    for (const QString &path : files(src, {u"*.h"_s, u"*.cpp"_s, u"*.qml"_s})) {
        QFile file(src + u'/' + path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        const Place from = placeOf(path);
        const bool qml = path.endsWith(u".qml"_s);
        auto matches = (qml ? import : include).globalMatch(text);
        while (matches.hasNext()) {
            const QString used = matches.next().captured(1);
            Place to;
            if (qml) {
                to = placeOfModule(used);
            } else {
                const QString header = headers.value(used.section(u'/', -1));
                if (header.isEmpty())
                    continue; // a library's header, or a generated one
                to = placeOf(header);
            }
            const QString why = to.floor < 0 ? u"an unknown folder"_s : fault(from, to);
            if (!why.isEmpty())
                faults.append(path + u": "_s + used + u" ("_s + why + u")"_s);
        }
        static const QRegularExpression aboveTheShell(
            u"\\bWindow\\.contentItem\\b|\\bOverlay\\.overlay\\b|^\\s*(Popup|Dialog|Drawer|Menu|ToolTip)\\s*\\{"_s,
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch above = aboveTheShell.match(text);
        if (qml && from.floor != int(kFloors.indexOf(u"app"_s)) && above.hasMatch())
            faults.append(path + u": "_s + above.captured(0).trimmed() + u" (stands above the shell's overlays)"_s);
    }
    return faults;
}

void write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT
private slots:
    void sourcesDependOneWay()
    {
        const QString src = QStringLiteral(PW_SOURCE_DIR "/src");
        QVERIFY(files(src, {u"*.cpp"_s}).size() > 50);
        const QStringList faults = layoutFaults(src);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The check itself sees each kind of wrong turn in a small tree.
    void wrongTurnsAreSeen_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("core uses ui") << u"core/Bad.cpp"_s << QByteArray("#include \"Theme.h\"\n")
                                      << u"core/Bad.cpp: Theme.h (uses a floor above its own)"_s;
        QTest::newRow("ui uses a game") << u"ui/Bad.qml"_s << QByteArray("import QtQuick\nimport Pipwhistle.Games.Math\n")
                                        << u"ui/Bad.qml: Pipwhistle.Games.Math (uses a floor above its own)"_s;
        QTest::newRow("common uses a family") << u"games/common/Bad.h"_s << QByteArray("#include \"TenGame.h\"\n")
                                              << u"games/common/Bad.h: TenGame.h (the shared game pieces use a family)"_s;
        QTest::newRow("family uses family") << u"games/language/Bad.cpp"_s << QByteArray("#include \"TenGame.h\"\n")
                                            << u"games/language/Bad.cpp: TenGame.h (one family uses another)"_s;
        QTest::newRow("game uses game") << u"games/math/Clock/Bad.cpp"_s << QByteArray("#include \"TenGame.h\"\n")
                                        << u"games/math/Clock/Bad.cpp: TenGame.h (uses another game's folder)"_s;
        QTest::newRow("same name twice") << u"core/Clock.h"_s << QByteArray("#pragma once\n")
                                         << u"platform/Clock.h: Clock.h (also core/Clock.h)"_s;
        QTest::newRow("game over the shell") << u"games/stories/Reel/ReelView.qml"_s
                                             << QByteArray("import QtQuick\nItem {\n    parent: Window.contentItem\n}\n")
                                             << u"games/stories/Reel/ReelView.qml: Window.contentItem (stands above the shell's overlays)"_s;
        QTest::newRow("unknown module") << u"app/Bad.qml"_s << QByteArray("import Pipwhistle.Nowhere\n")
                                        << u"app/Bad.qml: Pipwhistle.Nowhere (an unknown folder)"_s;
    }
    void wrongTurnsAreSeen()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString src = dir.path();
        // A sound tree: each use goes down or sideways to where it may.
        write(src + u"/platform/Clock.h"_s, "#pragma once\n");
        write(src + u"/core/Store.cpp"_s, "#include \"Clock.h\"\n#include <QString>\n");
        write(src + u"/ui/Theme.h"_s, "#include \"Clock.h\"\n");
        write(src + u"/ui/Tile.qml"_s, "import QtQuick\nimport Pipwhistle.Audio\n");
        write(src + u"/games/common/Round.h"_s, "#include \"Theme.h\"\n");
        write(src + u"/games/math/Shared.h"_s, "#include \"Round.h\"\n");
        write(src + u"/games/math/Ten/TenGame.h"_s, "#include \"Shared.h\"\n#include \"TenGame.moc\"\n");
        write(src + u"/games/math/Ten/TenGameView.qml"_s, "import Pipwhistle.Games.Common\nimport Pipwhistle.Ui\n");
        write(src + u"/app/Dispatch.cpp"_s, "#include \"TenGame.h\"\n");
        QCOMPARE(layoutFaults(src), QStringList());

        write(src + u'/' + file, text);
        QCOMPARE(layoutFaults(src), QStringList{expected});
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
