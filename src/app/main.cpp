#include "PipwhistleApp.h"

#include <QGuiApplication>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    PipwhistleApp app;
    if (!app.start())
        return 1;
    return application.exec();
}
