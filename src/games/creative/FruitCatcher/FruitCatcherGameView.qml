import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Creative

// 接水果: the board of five rows and four columns with the falling fruit, the basket row
// under it, the two arrows and the feedback bubble; before the play, the start screen.
// The arrow keys move the basket as the arrow buttons do.
GamePage {
    id: view

    game: FruitCatcherGame {}
    maxWidth: 650
    spacing: 14

    // The arrow keys work wherever the focus lies in the window.
    Shortcut {
        sequence: "Left"
        onActivated: view.game.moveLeft()
    }
    Shortcut {
        sequence: "Right"
        onActivated: view.game.moveRight()
    }

    RowLayout {
        Layout.fillWidth: true
        Text {
            text: "接水果"
            font: AppTheme.font(AppTheme.Title2, Font.Bold)
            color: AppTheme.ink
        }
        Item { Layout.fillWidth: true }
        Text {
            objectName: "scoreLine"
            text: AppTheme.emojiText(view.game.scoreLine)
            textFormat: Text.RichText
            font: AppTheme.font(AppTheme.Title3, Font.Bold)
            color: AppTheme.purple
        }
    }

    // The play area.
    Item {
        id: board
        visible: view.game.showsBoard
        Layout.fillWidth: true
        implicitHeight: boardColumn.implicitHeight + 20

        PaintedBox {
            anchors.fill: parent
            radius: 24
            color: AppTheme.alpha("white", 0.82)
        }
        ColumnLayout {
            id: boardColumn
            anchors.fill: parent
            anchors.margins: 10
            spacing: 5
            Repeater {
                model: view.game.rows
                RowLayout {
                    id: boardRow
                    required property int index
                    Layout.fillWidth: true
                    spacing: 6
                    Repeater {
                        model: view.game.columns
                        Item {
                            required property int index
                            readonly property bool holdsFruit: view.game.running
                                                               && view.game.fruitRow === boardRow.index
                                                               && view.game.fruitColumn === index
                            objectName: "cell" + boardRow.index + "_" + index
                            Layout.fillWidth: true
                            Layout.preferredWidth: 1
                            Layout.minimumHeight: 53
                            PaintedBox {
                                anchors.fill: parent
                                radius: 12
                                color: AppTheme.alpha(AppTheme.sky, 0.08)
                            }
                            EmojiText {
                                anchors.centerIn: parent
                                emoji: parent.holdsFruit ? view.game.fruit : ""
                                pixelSize: 34
                            }
                        }
                    }
                }
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 6
                Repeater {
                    model: view.game.columns
                    Item {
                        required property int index
                        objectName: "basket" + index
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumHeight: 58
                        EmojiText {
                            anchors.centerIn: parent
                            emoji: view.game.basketColumn === parent.index ? "\u{1F9FA}" : ""
                            pixelSize: 42
                        }
                    }
                }
            }
        }
    }

    RowLayout {
        visible: view.game.showsBoard
        Layout.alignment: Qt.AlignHCenter
        spacing: 24
        ArrowControl {
            objectName: "left"
            label: "\u2190"
            enabled: view.game.canMoveLeft
            onClicked: view.game.moveLeft()
        }
        ArrowControl {
            objectName: "right"
            label: "\u2192"
            enabled: view.game.canMoveRight
            onClicked: view.game.moveRight()
        }
    }

    FeedbackBubble {
        visible: view.game.showsBoard
        Layout.alignment: Qt.AlignHCenter
        text: view.game.line.text
        isGood: view.game.line.good
    }

    // The start screen.
    Item { visible: !view.game.showsBoard; Layout.fillHeight: true }
    EmojiText {
        visible: !view.game.showsBoard
        Layout.alignment: Qt.AlignHCenter
        emoji: "\u{1F34E}"
        pixelSize: 72
    }
    Text {
        visible: !view.game.showsBoard
        Layout.alignment: Qt.AlignHCenter
        horizontalAlignment: Text.AlignHCenter
        text: "水果会从四条小路落下来\n用左右按钮移动篮子"
        font: AppTheme.font(AppTheme.Title3, Font.Bold)
        color: AppTheme.softInk
    }
    PrimaryKidButton {
        objectName: "start"
        visible: !view.game.showsBoard
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: true
        Layout.maximumWidth: 420
        title: "开始接水果"
        icon: "play.fill"
        colors: [AppTheme.mint, AppTheme.sky]
        onClicked: view.game.start()
    }
    Item { Layout.fillHeight: true; Layout.minimumHeight: 0 }

    // One arrow: a white arrow on a purple rounded face, grey while it cannot move.
    component ArrowControl: BouncyButton {
        id: arrow
        property string label
        faceRadius: 20
        implicitWidth: 120
        implicitHeight: 64
        Accessible.name: label
        Item {
            anchors.fill: parent
            PaintedBox {
                anchors.fill: parent
                radius: 20
                color: arrow.enabled ? AppTheme.purple : AppTheme.alpha(AppTheme.softInk, 0.25)
            }
            Text {
                anchors.centerIn: parent
                text: arrow.label
                font: AppTheme.sizedFont(38, Font.Bold)
                color: "white"
            }
        }
    }
}
