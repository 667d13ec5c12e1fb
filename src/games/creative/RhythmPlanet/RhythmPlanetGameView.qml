import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Creative

// 节奏星球: the pattern's name and the round counter, one dot per step of the pattern,
// the instruction, four planet buttons that light up while they sound, "再听一次" and
// the feedback bubble.
GamePage {
    id: view

    game: RhythmPlanetGame {}
    maxWidth: 760
    spacing: 16

    RoundHeader {
        Layout.fillWidth: true
        title: "节奏星球"
        subtitle: view.game.patternName
        counter: view.game.counter
        counterColor: AppTheme.purple
    }

    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 10
        Repeater {
            model: view.game.stepCount
            Rectangle {
                required property int index
                objectName: "dot" + index
                width: 13
                height: 13
                radius: 6.5
                color: index < view.game.input.length ? AppTheme.mint : AppTheme.alpha(AppTheme.sky, 0.18)
            }
        }
    }

    Text {
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: view.game.instruction
        font: AppTheme.font(AppTheme.Title3, Font.Bold)
        color: AppTheme.ink
    }

    GridLayout {
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: true
        Layout.maximumWidth: 620
        columns: 2
        columnSpacing: 14
        rowSpacing: 14
        Repeater {
            model: view.game.planets
            BouncyButton {
                id: planet
                required property int index
                required property var modelData
                readonly property bool lit: view.game.highlighted === index
                readonly property color tint: AppTheme[modelData.color]
                objectName: "planet" + index
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.minimumHeight: 120
                faceRadius: 28
                enabled: view.game.acceptingInput
                Accessible.name: modelData.name
                onClicked: view.game.tap(index)

                Item {
                    anchors.fill: parent
                    implicitHeight: Math.max(120, planetLabel.implicitHeight + 24)
                    scale: planet.lit ? 1.07 : 1
                    SoftShadow {
                        anchors.fill: parent
                        cornerRadius: 28
                        blur: 16
                        visible: planet.lit
                        color: AppTheme.alpha(planet.tint, 0.7)
                    }
                    PaintedBox {
                        anchors.fill: parent
                        radius: 28
                        color: planet.tint
                        strokeWidth: planet.lit ? 7 : 0
                        strokeColor: "white"
                    }
                    Column {
                        id: planetLabel
                        anchors.centerIn: parent
                        spacing: 7
                        EmojiText {
                            anchors.horizontalCenter: parent.horizontalCenter
                            emoji: planet.modelData.emoji
                            pixelSize: 54
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: planet.modelData.name
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: "white"
                        }
                    }
                }
            }
        }
    }

    BouncyButton {
        objectName: "replay"
        Layout.alignment: Qt.AlignHCenter
        faceRadius: height / 2
        enabled: view.game.acceptingInput
        Accessible.name: "再听一次"
        onClicked: view.game.replay()
        Item {
            implicitWidth: replayLabel.implicitWidth + 44
            implicitHeight: replayLabel.implicitHeight + 22
            PaintedBox {
                anchors.fill: parent
                radius: height / 2
                color: AppTheme.alpha(AppTheme.purple, 0.1)
            }
            Row {
                id: replayLabel
                anchors.centerIn: parent
                spacing: 8
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "speaker.wave.2.fill"
                    size: 17
                    color: AppTheme.purple
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "再听一次"
                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                    color: AppTheme.purple
                }
            }
        }
    }

    FeedbackBubble {
        Layout.alignment: Qt.AlignHCenter
        text: view.game.line.text
        isGood: view.game.line.good
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }
}
