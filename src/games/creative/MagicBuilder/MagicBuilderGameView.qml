import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Creative
import Pipwhistle.Games.Common

// 魔法建造工坊: the palette of six parts beside the board of twelve cells; the finish
// control comes up once six cells are filled.
GameView {
    id: view

    implicitHeight: Math.max(palette.implicitHeight, board.implicitHeight) + 8 + 16

    game: MagicBuilderGame {}

    Component.onCompleted: game.appear()

    RowLayout {
        anchors.top: parent.top
        anchors.topMargin: 8
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(850, parent.width - 32)
        spacing: 24

        ColumnLayout {
            id: palette
            Layout.preferredWidth: 220
            Layout.maximumWidth: 220
            Layout.alignment: Qt.AlignTop
            spacing: 13
            Text {
                text: "魔法建造工坊"
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
            }
            Text {
                Layout.fillWidth: true
                text: "选一个积木，再点空地放进去。摆满 6 块就能点亮小屋。"
                wrapMode: Text.Wrap
                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                color: AppTheme.softInk
            }
            Repeater {
                model: view.game.parts
                BouncyButton {
                    id: partRow
                    required property var modelData
                    required property int index
                    readonly property bool picked: view.game.selected === index
                    objectName: "part" + index
                    Layout.fillWidth: true
                    faceRadius: 18
                    Accessible.name: modelData.title
                    onClicked: view.game.pick(index)
                    Item {
                        anchors.fill: parent
                        implicitWidth: 220
                        implicitHeight: partLabel.implicitHeight + 20
                        PaintedBox {
                            anchors.fill: parent
                            radius: 18
                            color: partRow.picked ? AppTheme.purple : AppTheme.alpha("white", 0.88)
                        }
                        RowLayout {
                            id: partLabel
                            anchors.fill: parent
                            anchors.leftMargin: 14
                            anchors.rightMargin: 14
                            spacing: 10
                            EmojiText {
                                emoji: partRow.modelData.emoji
                                pixelSize: 30
                            }
                            Text {
                                Layout.fillWidth: true
                                text: partRow.modelData.title
                                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                                color: partRow.picked ? "white" : AppTheme.ink
                            }
                            SymbolIcon {
                                visible: partRow.picked
                                name: "checkmark.circle.fill"
                                size: 17
                                color: "white"
                                cutColor: AppTheme.purple
                            }
                        }
                    }
                }
            }
        }

        ColumnLayout {
            id: board
            Layout.fillWidth: true
            Layout.maximumWidth: 560
            Layout.alignment: Qt.AlignTop
            spacing: 12
            Text {
                Layout.alignment: Qt.AlignHCenter
                text: "你的童话小屋"
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: AppTheme.ink
            }
            Item {
                Layout.fillWidth: true
                implicitHeight: grid.implicitHeight + 36
                PaintedBox {
                    anchors.fill: parent
                    radius: 32
                    fillStops: [AppTheme.alpha(AppTheme.sky, 0.32), AppTheme.alpha(AppTheme.mint, 0.26)]
                    fillDirection: PaintedBox.TopToBottom
                }
                GridLayout {
                    id: grid
                    anchors.fill: parent
                    anchors.margins: 18
                    columns: 4
                    columnSpacing: 10
                    rowSpacing: 10
                    Repeater {
                        // One lasting cell per place: a placed part changes its picture,
                        // not the cells, so a tap never rebuilds the board under a finger.
                        model: view.game.cells.length
                        BouncyButton {
                            id: cell
                            required property int index
                            readonly property string modelData: view.game.cells[index] ?? ""
                            objectName: "cell" + index
                            Layout.fillWidth: true
                            Layout.preferredWidth: 1
                            Layout.minimumWidth: 10
                            Layout.minimumHeight: 82
                            faceRadius: 18
                            Accessible.name: modelData === "" ? "＋" : modelData
                            onClicked: view.game.place(index)
                            Item {
                                anchors.fill: parent
                                implicitWidth: 90
                                implicitHeight: 82
                                PaintedBox {
                                    anchors.fill: parent
                                    radius: 18
                                    color: cell.modelData === "" ? AppTheme.alpha("white", 0.7) : AppTheme.alpha(AppTheme.mango, 0.25)
                                    strokeWidth: 2
                                    strokeColor: "white"
                                }
                                Text {
                                    anchors.centerIn: parent
                                    visible: cell.modelData === ""
                                    text: "＋"
                                    font: AppTheme.sizedFont(26)
                                    color: AppTheme.softInk
                                }
                                EmojiText {
                                    anchors.centerIn: parent
                                    visible: cell.modelData !== ""
                                    emoji: cell.modelData
                                    pixelSize: 46
                                }
                            }
                        }
                    }
                }
            }
            CreativeButton {
                objectName: "finish"
                Layout.alignment: Qt.AlignHCenter
                visible: view.game.canFinish
                title: view.game.finishTitle
                symbol: "house.fill"
                radius: height / 2
                labelPaddingX: 22
                labelPaddingY: 14
                fill: AppTheme.mint
                enabled: !view.game.completed
                onClicked: view.game.finish()
            }
        }
    }
}
