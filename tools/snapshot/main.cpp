// pw_snapshot: renders a QML scene offscreen to a PNG.
//
//   pw_snapshot --screen <name> [--size WxH] [--out file.png] [--settle ms]
//   pw_snapshot --qml <file.qml> [--size WxH] [--out file.png] [--settle ms]
//   pw_snapshot --game <identifier> [--size WxH] [--out file.png] [--settle ms]
//
// --game shows the game page hosting that game (the screen "game" with its gameId).
// Screens run on settings kept in memory: a snapshot never changes the user's.
//
// A named screen is tools/snapshot/screens/<name>.qml, read from the source tree when it
// is there (so an edited screen needs no rebuild), else from the copy built in.
// The scene's root item is sized to the window; QT_QPA_PLATFORM defaults to offscreen.

#include "SettingsStore.h"
#include "UiSetup.h"
#include "WebViewSetup.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <memory>

// The QML modules screens may import (keep beside the plugin list in CMakeLists.txt).
Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

namespace {

QUrl screenUrl(const QString &name)
{
    const QString source = QStringLiteral(PW_SCREENS_DIR "/") + name + QStringLiteral(".qml");
    if (QFileInfo::exists(source))
        return QUrl::fromLocalFile(source);
    const QString embedded = QStringLiteral(":/screens/") + name + QStringLiteral(".qml");
    if (QFileInfo::exists(embedded))
        return QUrl(QStringLiteral("qrc") + embedded);
    return {};
}

int fail(const QString &message)
{
    std::fprintf(stderr, "pw_snapshot: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    WebViewSetup::prepare(); // the video room's player
    Ui::prepareGraphics();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("pw_snapshot"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a QML scene offscreen to a PNG."));
    parser.addHelpOption();
    QCommandLineOption qmlOption(QStringLiteral("qml"), QStringLiteral("QML file to render."), QStringLiteral("file"));
    QCommandLineOption screenOption(QStringLiteral("screen"), QStringLiteral("Named screen (tools/snapshot/screens/<name>.qml)."), QStringLiteral("name"));
    QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Window size, WxH."), QStringLiteral("size"), QStringLiteral("1366x1024"));
    QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("PNG to write."), QStringLiteral("file"), QStringLiteral("snapshot.png"));
    QCommandLineOption settleOption(QStringLiteral("settle"), QStringLiteral("Milliseconds to wait before grabbing."), QStringLiteral("ms"), QStringLiteral("600"));
    QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("List the named screens."));
    QCommandLineOption gameOption(QStringLiteral("game"), QStringLiteral("The game page hosting the game with this identifier."), QStringLiteral("id"));
    parser.addOptions({qmlOption, screenOption, gameOption, sizeOption, outOption, settleOption, listOption});
    parser.process(app);

    if (parser.isSet(listOption)) {
        QStringList names = QDir(QStringLiteral(PW_SCREENS_DIR)).entryList({QStringLiteral("*.qml")});
        names += QDir(QStringLiteral(":/screens")).entryList({QStringLiteral("*.qml")});
        names.removeDuplicates();
        for (const QString &n : names)
            std::printf("%s\n", qPrintable(QFileInfo(n).completeBaseName()));
        return 0;
    }

    QUrl url;
    QVariantMap initialProperties;
    if (parser.isSet(gameOption)) {
        url = screenUrl(QStringLiteral("game"));
        initialProperties.insert(QStringLiteral("gameId"), parser.value(gameOption));
    } else if (parser.isSet(screenOption)) {
        url = screenUrl(parser.value(screenOption));
        if (url.isEmpty())
            return fail(QStringLiteral("no screen named \"%1\"").arg(parser.value(screenOption)));
    } else if (parser.isSet(qmlOption)) {
        url = QUrl::fromLocalFile(QFileInfo(parser.value(qmlOption)).absoluteFilePath());
    } else {
        return fail(QStringLiteral("give --screen <name> or --qml <file>"));
    }

    const QStringList dims = parser.value(sizeOption).split(QLatin1Char('x'));
    const int width = dims.value(0).toInt();
    const int height = dims.value(1).toInt();
    if (dims.size() != 2 || width <= 0 || height <= 0)
        return fail(QStringLiteral("size must be WxH"));
    const int settle = qMax(0, parser.value(settleOption).toInt());

    MemorySettingsStore settings;
    SettingsStore::setStandard(&settings);
    Ui::installFonts();
    QQmlEngine engine;
    Ui::prepareEngine(engine);

    // The window outlives the scene: a scene item whose layer followed the renderer
    // (`GraphicsInfo.api`) keeps pointing at a window destroyed before it.
    QQuickWindow window;
    WebViewSetup::prepareSharedContext(); // any view may hold the player
    QQmlComponent component(&engine, url);
    if (component.isError())
        return fail(component.errorString());
    std::unique_ptr<QObject> root(component.createWithInitialProperties(initialProperties));
    if (!root)
        return fail(component.errorString());

    window.setColor(Qt::white);
    window.resize(width, height);
    if (auto *item = qobject_cast<QQuickItem *>(root.get())) {
        item->setParentItem(window.contentItem());
        item->setSize(QSizeF(width, height));
    } else {
        return fail(QStringLiteral("the scene's root must be an Item"));
    }
    window.show();
    // Laid out once more after the first frame, a point narrower and back, as the
    // program's window is while it is mapped and placed: Qt's layouts can keep an
    // arrangement made while the scene came to its size (the milk-tea shop's controls
    // then get no width).
    QObject::connect(&window, &QQuickWindow::frameSwapped, &app, [&] {
        auto *item = qobject_cast<QQuickItem *>(root.get());
        item->setWidth(width - 1);
        item->setWidth(width);
    }, Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));

    int status = 0;
    QTimer::singleShot(settle, &app, [&] {
        const QImage image = window.grabWindow();
        const QString out = parser.value(outOption);
        if (image.isNull() || !image.save(out))
            status = fail(QStringLiteral("could not write %1").arg(out));
        else
            std::printf("%s %dx%d\n", qPrintable(out), image.width(), image.height());
        app.quit();
    });
    app.exec();
    return status;
}
