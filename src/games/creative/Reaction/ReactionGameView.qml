import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Creative

// 反应力点击: three badges (seconds, hits, goal) over the play board, where the star
// jumps during the round and the start panel waits before it.
GamePage {
    id: view

    game: ReactionGame {}
    sideMargin: 0
    topMargin: 10
    spacing: 14

    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Metric { objectName: "secondsBadge"; value: String(view.game.seconds); label: "秒"; tint: AppTheme.coral }
        Metric { objectName: "hitsBadge"; value: String(view.game.hits); label: "抓到"; tint: AppTheme.mint }
        Metric { value: String(view.game.goal); label: "目标"; tint: AppTheme.purple }
    }

    Item {
        id: board
        objectName: "board"
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: panel.implicitHeight + 48

        PaintedBox {
            anchors.fill: parent
            radius: 30
            fillStops: [AppTheme.alpha(AppTheme.sky, 0.17), AppTheme.alpha(AppTheme.mint, 0.13)]
            fillDirection: PaintedBox.Diagonal
        }
        Repeater {
            model: view.game.decorations
            Rectangle {
                required property var modelData
                width: modelData.size
                height: width
                radius: width / 2
                x: modelData.x * board.width - width / 2
                y: modelData.y * board.height - height / 2
                color: AppTheme.alpha(modelData.sky ? AppTheme.sky : AppTheme.mango, 0.11)
            }
        }

        Loader {
            active: view.game.running
            sourceComponent: star
            readonly property point centre: view.game.starCentre(view.game.target, Qt.size(board.width, board.height))
            x: centre.x - 43
            y: centre.y - 43
        }

        Column {
            id: panel
            anchors.centerIn: parent
            visible: !view.game.running && !view.game.finished
            spacing: 16
            EmojiText {
                anchors.horizontalCenter: parent.horizontalCenter
                emoji: "\u{1F3AF}"
                pixelSize: 72
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "15 秒抓到 12 颗跳跳星"
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "星星会到处跳，眼睛看准再点"
                font: AppTheme.font(AppTheme.Body)
                color: AppTheme.softInk
            }
            BouncyButton {
                objectName: "start"
                anchors.horizontalCenter: parent.horizontalCenter
                faceRadius: height / 2
                Accessible.name: "开始"
                onClicked: view.game.start()
                Item {
                    implicitWidth: startLabel.implicitWidth + 68
                    implicitHeight: startLabel.implicitHeight + 30
                    PaintedBox {
                        anchors.fill: parent
                        radius: height / 2
                        color: AppTheme.purple
                    }
                    Row {
                        id: startLabel
                        anchors.centerIn: parent
                        spacing: 8
                        SymbolIcon {
                            objectName: "startSymbol"
                            anchors.verticalCenter: parent.verticalCenter
                            name: "play.fill"
                            size: 20
                            color: "white"
                        }
                        Text {
                            objectName: "startLabel"
                            anchors.verticalCenter: parent.verticalCenter
                            text: "开始"
                            font: AppTheme.font(AppTheme.Title3, Font.Bold)
                            color: "white"
                        }
                    }
                }
            }
        }
    }

    // The star: its picture on a white disc, springing in and out.
    Component {
        id: star
        BouncyButton {
            objectName: "star"
            width: 86
            height: 86
            faceRadius: 43
            Accessible.name: view.game.targetEmoji
            onClicked: view.game.hit()
            scale: 0
            // Shown once it is more than a dot: its emoji drawn smaller than a pixel
            // would get an empty image in the software renderer's glyph cache.
            visible: scale > 0.05
            Component.onCompleted: scale = 1
            Behavior on scale { NumberAnimation { duration: 200; easing.type: Easing.OutBack } }
            Item {
                anchors.fill: parent
                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 43
                    blur: 12
                    offsetY: 7
                    color: AppTheme.alpha(AppTheme.mango, 0.3)
                }
                PaintedBox {
                    anchors.fill: parent
                    radius: 43
                    color: AppTheme.alpha("white", 0.9)
                }
                EmojiText {
                    anchors.centerIn: parent
                    emoji: view.game.targetEmoji
                    pixelSize: 58
                }
            }
        }
    }

    // One header badge: the value in its colour and the label beside it, on white.
    component Metric: Item {
        id: metric
        property string value
        property string label
        property color tint
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        implicitHeight: metricRow.implicitHeight + 24
        PaintedBox {
            anchors.fill: parent
            radius: 18
            color: AppTheme.alpha("white", 0.9)
        }
        Row {
            id: metricRow
            anchors.centerIn: parent
            spacing: 4
            Text {
                id: valueText
                objectName: "value"
                text: metric.value
                font: AppTheme.font(AppTheme.Title, Font.Bold)
                color: metric.tint
            }
            Text {
                anchors.baseline: valueText.baseline
                text: metric.label
                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                color: AppTheme.softInk
            }
        }
    }
}
