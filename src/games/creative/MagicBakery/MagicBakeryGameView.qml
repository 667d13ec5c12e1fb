import QtQuick
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Creative

// 梦幻奶茶屋: over the stage picture, the header with its step badge; then the barista,
// the cup stage (grabbed and swung sideways to shake) and the controls: flavours,
// topping chips, the seal button and, once sealed, the give button.
GameView {
    id: view

    // The least height: the header over the taller of the cup stage and the controls.
    implicitHeight: 8 + 12 + header.implicitHeight + 8 + Math.max(360, controls.implicitHeight + 26) + 12 + 8

    game: MagicBakeryGame {}

    Component.onCompleted: game.appear()

    Item {
        id: area
        anchors.fill: parent
        anchors.margins: 8
        layer.enabled: false

        StorybookArtImage {
            anchors.fill: parent
            name: "storybook_game_stage"
            radius: 28
        }
        PaintedBox {
            anchors.fill: parent
            radius: 28
            fillStops: [AppTheme.alpha(AppTheme.coral, 0.22), Qt.rgba(0, 0, 0, 0.16), AppTheme.alpha(AppTheme.purple, 0.28)]
            fillDirection: PaintedBox.Diagonal
        }

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 12
            spacing: 8

            RowLayout {
                id: header
                Layout.fillWidth: true
                ColumnLayout {
                    spacing: 2
                    // White on the pale stage: a dark rim keeps the header readable.
                    // The rim goes round words only: a text with a rim that holds a
                    // colour emoji ends the program with OpenGL, so the cup is a
                    // picture of its own, a space's width before the words.
                    RowLayout {
                        objectName: "title"
                        spacing: titleMetrics.advanceWidth(" ")
                        EmojiText {
                            Layout.alignment: Qt.AlignVCenter
                            emoji: "🧋"
                            pixelSize: 25
                        }
                        Text {
                            id: titleWords
                            Layout.alignment: Qt.AlignVCenter
                            text: "梦幻奶茶屋"
                            font: AppTheme.sizedFont(25, Font.Black)
                            color: "white"
                            style: Text.Outline
                            styleColor: AppTheme.alpha(AppTheme.ink, 0.5)
                        }
                        FontMetrics {
                            id: titleMetrics
                            font: titleWords.font
                        }
                    }
                    // Words only: no guidance line of the shop holds an emoji.
                    Text {
                        objectName: "headerLine"
                        text: view.game.headerLine
                        font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                        color: AppTheme.alpha("white", 0.94)
                        style: Text.Outline
                        styleColor: AppTheme.alpha(AppTheme.ink, 0.5)
                    }
                }
                Item { Layout.fillWidth: true }
                Item {
                    implicitWidth: badgeText.implicitWidth + 32
                    implicitHeight: badgeText.implicitHeight + 18
                    PaintedBox {
                        anchors.fill: parent
                        radius: height / 2
                        color: AppTheme.mango
                    }
                    Text {
                        id: badgeText
                        objectName: "badge"
                        anchors.centerIn: parent
                        text: AppTheme.emojiText(view.game.badge)
                        textFormat: Text.RichText
                        font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                        color: AppTheme.ink
                    }
                }
            }

            // The three panels, placed by hand: the side panels' widths follow the game
            // area's width alone (a row layout would also take each panel's width of the
            // moment as its wish), the stage takes what they leave.
            Item {
                id: panels
                readonly property real spacing: 10
                readonly property real baristaWidth: Math.min(0.24 * area.width, 235)
                readonly property real controlsWidth: Math.min(0.33 * area.width, 315)
                Layout.fillWidth: true
                Layout.fillHeight: true

                // The barista.
                Item {
                    objectName: "baristaPanel"
                    width: panels.baristaWidth
                    height: parent.height
                    clip: true
                    DarkPanel { anchors.fill: parent; shade: 0.28 }
                    StorybookArtImage {
                        // The picture is 2 : 3; fitted to the panel, then scaled 2.05
                        // about its bottom edge. The figure fills its canvas, so where
                        // that would reach past the panel's top or into the caption it
                        // is drawn smaller, standing on the caption: she is always seen
                        // whole. The frame is laid out directly, so the picture is
                        // painted at the size it is shown.
                        objectName: "barista"
                        readonly property real fitted: Math.min(parent.width, parent.height * 2 / 3)
                        readonly property real room: baristaCaptionBox.y - 8
                        readonly property real foot: Math.min((parent.height + fitted * 3 / 2) / 2, baristaCaptionBox.y)
                        height: Math.max(0, Math.min(fitted * 3 / 2 * 2.05, room))
                        width: height * 2 / 3
                        x: (parent.width - width) / 2
                        y: Math.max(8, foot - height)
                        name: "doll_3d_barista"
                    }
                    Item {
                        id: baristaCaptionBox
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: parent.bottom
                        anchors.bottomMargin: 12
                        implicitWidth: baristaCaption.implicitWidth + 28
                        implicitHeight: baristaCaption.implicitHeight + 14
                        PaintedBox {
                            anchors.fill: parent
                            radius: 12
                            color: Qt.rgba(0, 0, 0, 0.48)
                        }
                        Text {
                            id: baristaCaption
                            anchors.centerIn: parent
                            text: "奶茶店长小铃"
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: "white"
                        }
                    }
                }

                // The cup stage.
                Item {
                    id: stagePanel
                    objectName: "stagePanel"
                    x: panels.baristaWidth + panels.spacing
                    width: Math.max(0, panels.width - panels.baristaWidth - panels.controlsWidth - 2 * panels.spacing)
                    height: parent.height
                    DarkPanel { anchors.fill: parent; shade: 0.22 }
                    Item {
                        id: stage
                        objectName: "cupStage"
                        readonly property real cupScale: Math.max(1, Math.min(view.height / 610, 1.65))
                        width: 270
                        height: 285 * cupScale
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.verticalCenter: parent.verticalCenter
                        anchors.verticalCenterOffset: -caption.height / 2
                        // Follows the finger while dragged, springs back when let go.
                        transform: [
                            Rotation {
                                origin.x: stage.width / 2
                                origin.y: stage.height / 2
                                angle: view.game.cupDrag.x / 9
                                Behavior on angle {
                                    enabled: !view.game.stageDrag.dragging
                                    NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring }
                                }
                            },
                            Translate {
                                x: view.game.cupDrag.x
                                y: view.game.cupDrag.y
                                Behavior on x {
                                    enabled: !view.game.stageDrag.dragging
                                    NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring }
                                }
                                Behavior on y {
                                    enabled: !view.game.stageDrag.dragging
                                    NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring }
                                }
                            }
                        ]

                        SoftShadow {
                            anchors.centerIn: parent
                            width: 270
                            height: 270
                            cornerRadius: 135
                            blur: 12
                            color: AppTheme.alpha("white", 0.28)
                        }
                        MilkTeaCup {
                            objectName: "cup"
                            anchors.centerIn: parent
                            scale: stage.cupScale
                            visible: !view.game.sealed
                            base: view.game.selectedBase
                            toppings: view.game.chosen
                        }
                        StorybookArtImage {
                            objectName: "sealedTea"
                            anchors.centerIn: parent
                            width: 230 * stage.cupScale
                            height: width * 1.2
                            name: "milk_tea_3d"
                            visible: opacity > 0
                            opacity: view.game.sealed ? 1 : 0
                            scale: view.game.sealed ? 1 : 0.6
                            Behavior on opacity { NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring } }
                            Behavior on scale { NumberAnimation { duration: AppTheme.springDuration; easing: AppTheme.spring } }
                        }
                    }
                    // The shake is measured on the panel, which stays put while the cup moves.
                    DragArea {
                        objectName: "shakeArea"
                        anchors.fill: stage
                        frame: stagePanel
                        tracker: view.game.stageDrag
                    }
                    Item {
                        id: caption
                        anchors.horizontalCenter: parent.horizontalCenter
                        anchors.bottom: parent.bottom
                        anchors.bottomMargin: 14
                        implicitWidth: captionText.implicitWidth + 32
                        implicitHeight: captionText.implicitHeight + 16
                        height: implicitHeight
                        PaintedBox {
                            anchors.fill: parent
                            radius: 12
                            color: Qt.rgba(0, 0, 0, 0.4)
                        }
                        Text {
                            id: captionText
                            objectName: "stageCaption"
                            anchors.centerIn: parent
                            text: AppTheme.emojiText(view.game.stageCaption)
                            textFormat: Text.RichText
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: "white"
                        }
                    }
                }

                // The controls.
                Item {
                    objectName: "controlsPanel"
                    x: panels.width - width
                    width: panels.controlsWidth
                    height: parent.height
                    DarkPanel { anchors.fill: parent; shade: 0.42 }
                    ColumnLayout {
                        id: controls
                        anchors.fill: parent
                        anchors.margins: 13
                        spacing: 9
                        Text {
                            text: "1 选择口味"
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: "white"
                        }
                        Repeater {
                            model: view.game.bases
                            BouncyButton {
                                id: flavour
                                required property var modelData
                                required property int index
                                readonly property bool chosen: view.game.selectedBase === modelData.title
                                objectName: "flavour" + index
                                Layout.fillWidth: true
                                faceRadius: 16
                                Accessible.name: modelData.title
                                onClicked: view.game.chooseBase(modelData.title)
                                Item {
                                    anchors.fill: parent
                                    implicitWidth: flavourRow.implicitWidth + 24
                                    implicitHeight: flavourRow.implicitHeight + 18
                                    PaintedBox {
                                        anchors.fill: parent
                                        radius: 16
                                        color: flavour.chosen ? AppTheme.mango : AppTheme.alpha("white", 0.15)
                                        strokeWidth: 2
                                        strokeColor: AppTheme.alpha("white", 0.64)
                                    }
                                    RowLayout {
                                        id: flavourRow
                                        anchors.fill: parent
                                        anchors.leftMargin: 12
                                        anchors.rightMargin: 12
                                        spacing: 8
                                        EmojiText {
                                            emoji: flavour.modelData.icon
                                            pixelSize: 20
                                        }
                                        Text {
                                            Layout.fillWidth: true
                                            text: flavour.modelData.title
                                            font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                                            color: flavour.chosen ? AppTheme.ink : "white"
                                        }
                                        SymbolIcon {
                                            visible: flavour.chosen
                                            name: "checkmark.circle.fill"
                                            size: 15
                                            color: AppTheme.ink
                                            cutColor: AppTheme.mango
                                        }
                                    }
                                }
                            }
                        }
                        Text {
                            text: "2 拖入配料（至少两种）"
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: "white"
                        }
                        GridLayout {
                            Layout.fillWidth: true
                            columns: 2
                            columnSpacing: 7
                            rowSpacing: 7
                            Repeater {
                                model: view.game.toppings
                                DraggableTopping {
                                    required property var modelData
                                    required property int index
                                    objectName: "topping" + index
                                    Layout.fillWidth: true
                                    Layout.preferredWidth: 1
                                    Layout.minimumHeight: 59
                                    title: modelData.title
                                    icon: modelData.icon
                                    selected: view.game.chosen.indexOf(modelData.title) >= 0
                                    tracker: view.game.chipDrags[index]
                                }
                            }
                        }
                        Item { Layout.fillHeight: true }
                        CreativeButton {
                            objectName: "seal"
                            Layout.fillWidth: true
                            title: view.game.sealTitle
                            symbol: "sparkles"
                            radius: 18
                            labelPaddingY: 12
                            fill: view.game.readyToSeal ? AppTheme.mango : AppTheme.alpha("white", 0.16)
                            textColor: view.game.readyToSeal ? AppTheme.ink : AppTheme.alpha("white", 0.66)
                            enabled: view.game.canSeal
                            onClicked: view.game.seal()
                        }
                        CreativeButton {
                            objectName: "give"
                            Layout.fillWidth: true
                            visible: view.game.sealed
                            title: view.game.giveTitle
                            symbol: "heart.fill"
                            radius: 18
                            labelPaddingY: 12
                            fill: AppTheme.coral
                            enabled: !view.game.finished
                            onClicked: view.game.give()
                        }
                    }
                }
            }
        }
    }
}
