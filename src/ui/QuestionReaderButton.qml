import QtQuick
import Pipwhistle.Ui

// The speaker button beside a question: a tap reads `text` in `language` at once.
BouncyButton {
    id: button

    property string language: "zh-CN"

    faceRadius: width / 2
    implicitWidth: Math.max(symbol.implicitWidth, symbol.implicitHeight) + 22
    implicitHeight: implicitWidth
    baselineOffset: (height - symbol.implicitHeight) / 2 + symbol.baselineOffset
    Accessible.name: "再听一次题目"
    onClicked: reader.readNow()

    QuestionReading {
        id: reader
        automatic: false
        text: button.text
        language: button.language
    }

    Item {
        anchors.fill: parent
        PaintedBox {
            anchors.fill: parent
            radius: width / 2
            color: AppTheme.alpha(AppTheme.purple, 0.14)
        }
        SymbolIcon {
            id: symbol
            anchors.centerIn: parent
            name: "speaker.wave.2.fill"
            size: 17
            color: AppTheme.purple
        }
    }
}
