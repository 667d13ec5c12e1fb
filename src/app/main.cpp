#include <QGuiApplication>
#include <QQuickWindow>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QQuickWindow window;
    window.setTitle(QStringLiteral("豆铃乐园"));
    window.resize(1366, 1024);
    window.show();
    return app.exec();
}
