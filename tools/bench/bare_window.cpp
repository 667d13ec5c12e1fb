// The yardstick of the playground benchmark: a bare Qt Quick window of the same size
// with a Chinese text, an emoji, an icon glyph and a chip whose text changes once a
// second, and nothing else. tools/bench/playground_bench.py starts it the way it starts
// the playground and measures both from outside.
#include <QGuiApplication>
#include <QQmlApplicationEngine>

static const char window[] = R"(
import QtQuick
Window {
    width: 1180; height: 820; visible: true; color: "#fff8ec"
    property int seconds: 25 * 60
    Timer { interval: 1000; repeat: true; running: true; onTriggered: seconds = Math.max(0, seconds - 1) }
    Column {
        anchors.centerIn: parent; spacing: 24
        Text { text: "豆铃乐园"; font.family: "Noto Sans CJK SC"; font.pixelSize: 48; font.bold: true }
        Text { text: "🦊"; font.family: "Noto Color Emoji"; font.pixelSize: 64 }
        Text { text: "\ue8b5"; font.family: "Material Icons"; font.pixelSize: 48 }
        Text {
            text: Math.floor(seconds / 60) + ":" + String(seconds % 60).padStart(2, "0")
            font.family: "Noto Sans CJK SC"; font.pixelSize: 20; font.bold: true
        }
    }
}
)";

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(QByteArray(window));
    if (engine.rootObjects().isEmpty())
        return 1;
    return application.exec();
}
