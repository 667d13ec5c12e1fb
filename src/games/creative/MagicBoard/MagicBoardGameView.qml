import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Creative
import Pipwhistle.Games.Common

// 魔法画板: the title with the work counter, the board with its sticker strip, the brush
// colours and widths, the stickers with undo and clear, and the finish control.
GameView {
    id: view

    implicitHeight: 8 + header.implicitHeight + 12 + 220 + 12 + tools.implicitHeight + 12
                    + stickers.implicitHeight + 12 + finish.implicitHeight + 16

    game: MagicBoardGame {}

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 8
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        anchors.bottomMargin: 16
        spacing: 12

        RowLayout {
            id: header
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 3
                Text {
                    text: "魔法画板"
                    font: AppTheme.font(AppTheme.Title2, Font.Bold)
                    color: AppTheme.ink
                }
                Text {
                    objectName: "feedback"
                    text: view.game.feedback
                    font: AppTheme.font(AppTheme.Subheadline)
                    color: AppTheme.softInk
                }
            }
            Item { Layout.fillWidth: true }
            Text {
                objectName: "counter"
                text: AppTheme.emojiText(view.game.counter)
                textFormat: Text.RichText
                font: AppTheme.font(AppTheme.Headline)
                color: AppTheme.purple
            }
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 120
            PaintedBox {
                anchors.fill: parent
                radius: 28
                color: "white"
            }
            DrawingSurface {
                objectName: "surface"
                anchors.fill: parent
                strokes: view.game.strokes
                selectedColor: view.game.selectedColor
                lineWidth: view.game.lineWidth
            }
            PaintedBox {
                anchors.fill: parent
                radius: 28
                color: "transparent"
                strokeWidth: 3
                strokeColor: AppTheme.alpha(AppTheme.purple, 0.22)
            }
            Row {
                objectName: "stampStrip"
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.margins: 16
                spacing: 2
                Repeater {
                    model: view.game.stamps
                    EmojiText {
                        required property string modelData
                        emoji: modelData
                        pixelSize: 34
                    }
                }
            }
        }

        RowLayout {
            id: tools
            Layout.fillWidth: true
            spacing: 8
            Repeater {
                model: view.game.palette
                ColorSwatch {
                    required property color modelData
                    required property int index
                    objectName: "swatch" + index
                    diameter: 34
                    swatchColor: modelData
                    chosen: Qt.colorEqual(modelData, view.game.selectedColor)
                    onClicked: view.game.selectColor(index)
                }
            }
            Item { Layout.fillWidth: true }
            Repeater {
                model: view.game.widths
                BouncyButton {
                    required property real modelData
                    required property int index
                    objectName: "width" + index
                    implicitWidth: 38
                    implicitHeight: 38
                    faceRadius: 19
                    Accessible.name: "画笔粗细"
                    onClicked: view.game.selectWidth(index)
                    Item {
                        anchors.fill: parent
                        PaintedBox {
                            anchors.fill: parent
                            radius: width / 2
                            color: view.game.lineWidth === modelData ? AppTheme.alpha(AppTheme.mango, 0.25) : "white"
                        }
                        PaintedBox {
                            anchors.centerIn: parent
                            width: modelData + 8
                            height: width
                            radius: width / 2
                            color: AppTheme.ink
                        }
                    }
                }
            }
        }

        RowLayout {
            id: stickers
            Layout.fillWidth: true
            spacing: 8
            Text {
                text: "魔法贴纸"
                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                color: AppTheme.softInk
            }
            Repeater {
                model: view.game.stampChoices
                BouncyButton {
                    required property string modelData
                    required property int index
                    objectName: "sticker" + index
                    implicitWidth: 42
                    implicitHeight: 40
                    faceRadius: 12
                    Accessible.name: modelData
                    onClicked: view.game.addStamp(index)
                    Item {
                        anchors.fill: parent
                        PaintedBox {
                            anchors.fill: parent
                            radius: 12
                            color: "white"
                        }
                        EmojiText {
                            anchors.centerIn: parent
                            emoji: modelData
                            pixelSize: 28
                        }
                    }
                }
            }
            Item { Layout.fillWidth: true }
            CreativeButton {
                objectName: "undo"
                title: "撤销"
                symbol: "arrow.uturn.backward"
                fill: "transparent"
                textColor: AppTheme.sky
                labelFont: AppTheme.font(AppTheme.Headline)
                labelPaddingX: 6
                labelPaddingY: 6
                onClicked: view.game.undo()
            }
            CreativeButton {
                objectName: "clear"
                title: "清空"
                symbol: "trash.fill"
                fill: "transparent"
                textColor: AppTheme.coral
                labelFont: AppTheme.font(AppTheme.Headline)
                labelPaddingX: 6
                labelPaddingY: 6
                onClicked: view.game.clear()
            }
        }

        CreativeButton {
            id: finish
            objectName: "finish"
            Layout.fillWidth: true
            title: "完成作品"
            symbol: "sparkles"
            labelFont: AppTheme.font(AppTheme.Headline)
            labelPaddingY: 14
            fill: view.game.canFinish ? AppTheme.purple : AppTheme.alpha(AppTheme.softInk, 0.25)
            enabled: view.game.canFinish
            onClicked: view.game.finish()
        }
    }
}
