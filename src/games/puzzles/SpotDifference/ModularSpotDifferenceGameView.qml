import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Puzzles

// 大家来找茬: the header with the scene's name and the stars found, the unchanged and the
// changed copy of the scene side by side (stacked where the width they share is 760 or
// less), and the feedback line. The painted scenes take the taps themselves.
GamePage {
    id: view
    game: ModularSpotDifferenceGame {}
    sideMargin: 16
    topMargin: 8
    bottomMargin: 10
    spacing: 14

    // Until the level is made (the page's first moment).
    Column {
        visible: !view.game.ready
        Layout.alignment: Qt.AlignCenter
        Layout.fillHeight: true
        spacing: 10
        BusyIndicator { anchors.horizontalCenter: parent.horizontalCenter; running: !view.game.ready }
        Text {
            text: "正在翻开新的魔法画卷…"
            font: AppTheme.font(AppTheme.Headline)
            color: AppTheme.ink
        }
    }

    RowLayout {
        id: header
        visible: view.game.ready
        Layout.fillWidth: true
        spacing: 12
        ColumnLayout {
            spacing: 4
            Text {
                Layout.fillWidth: true
                text: view.game.heading
                font: AppTheme.font(AppTheme.Title2, Font.Bold)
                color: AppTheme.ink
                elide: Text.ElideRight
            }
            Text {
                Layout.fillWidth: true
                text: view.game.subheading
                font: AppTheme.font(AppTheme.Subheadline, Font.DemiBold)
                color: AppTheme.softInk
                elide: Text.ElideRight
            }
        }
        ColumnLayout {
            Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
            spacing: 5
            Text {
                Layout.alignment: Qt.AlignRight
                text: "魔法拼图场景"
                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                color: AppTheme.purple
            }
            Text {
                objectName: "progress"
                Layout.alignment: Qt.AlignRight
                text: AppTheme.emojiText(view.game.progress)
                textFormat: Text.RichText
                font: AppTheme.font(AppTheme.Headline, Font.Bold)
                color: AppTheme.mango
            }
        }
    }

    // The two copies share this space: side by side above 760 points, else stacked.
    Item {
        id: cards
        visible: view.game.ready
        readonly property bool wide: view.game.sideBySide(width)
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: wide ? 240 : 2 * 170 + 12
        implicitHeight: Layout.minimumHeight

        GridLayout {
            anchors.fill: parent
            columns: cards.wide ? 2 : 1
            columnSpacing: 16
            rowSpacing: 12
            SceneCard { objectName: "originalCard"; isChanged: false }
            SceneCard { objectName: "changedCard"; isChanged: true }
        }
    }

    FeedbackBubble {
        visible: view.game.ready
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: view.column.width
        text: view.game.feedback
        isGood: view.game.feedbackGood
    }

    // One labelled copy of the scene; it takes all the room it is given and shows the label
    // right above the scene, the two centred in that room.
    component SceneCard: Item {
        id: card
        property bool isChanged
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.preferredWidth: 1
        Layout.preferredHeight: 1
        readonly property real sceneWidth: Math.max(0, Math.min(width, (height - label.height - 6) * 1.18))
        Column {
            anchors.centerIn: parent
            spacing: 6
            Text {
                id: label
                anchors.horizontalCenter: parent.horizontalCenter
                text: card.isChanged ? "变化图" : "原图"
                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                color: AppTheme.softInk
            }
            Item {
                width: card.sceneWidth
                height: card.sceneWidth / 1.18
                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 28
                    blur: 11
                    offsetY: 6
                    color: AppTheme.alpha(AppTheme.ink, 0.18)
                }
                ModularDifferenceScene {
                    id: scene
                    objectName: card.isChanged ? "changedScene" : "originalScene"
                    anchors.fill: parent
                    anchors.margins: -borderMargin
                    game: view.game
                    isChanged: card.isChanged
                    // Each new mark springs in.
                    readonly property int marks: view.game.foundCount
                    onMarksChanged: markIn.restart()
                    NumberAnimation {
                        id: markIn
                        target: scene
                        property: "markOpacity"
                        from: 0
                        to: 1
                        duration: 300
                        easing.type: Easing.OutCubic
                    }
                    // A button for each piece, for screen readers; the scene takes the taps.
                    Repeater {
                        model: scene.pieceAreas
                        Item {
                            required property var modelData
                            x: modelData.x
                            y: modelData.y
                            width: modelData.side
                            height: modelData.side
                            Accessible.role: Accessible.Button
                            Accessible.name: modelData.label
                            Accessible.onPressAction: scene.tapPiece(modelData.id)
                        }
                    }
                }
            }
        }
    }
}
