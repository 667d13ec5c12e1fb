import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.App

// The page of one category: back button, shelf heading, the time chip and a rail of
// game cards. An open game pushes its game page; a game still being built raises the
// coming-soon sheet.
Item {
    id: shelf

    property string category
    required property EntertainmentTimeController timeController
    readonly property var games: ShellCatalog.games(category)
    readonly property var rail: ShellCatalog.gameRail(width, height)
    // What an overlay lays over the whole page from above, drawn into the page's still
    // picture beneath the time chip, which is darkened as much.
    property PageVeil.Veil veil: PageVeil.Veil {}

    Component.onCompleted: ShellCatalog.shelfOpened()
    Component.onDestruction: ShellCatalog.shelfClosed(category)

    function goBack() {
        // One pop per tap, and only while this page is on top.
        if (StackView.status === StackView.Active)
            StackView.view.pop()
    }

    function openGame(game) {
        // Only from the page on top, and not while the sheet is up.
        if ((StackView.view && StackView.status !== StackView.Active) || sheet.shown)
            return
        if (game.available && StackView.view)
            StackView.view.push(hostPage, { gameId: game.id })
        else if (!game.available)
            sheet.controller.show(game)
    }

    // What a card's tap shows is decoded while the shelf slides in.
    StackView.onActivating: ShellCatalog.prepareShelfPictures(category, Window.window)
    // Its games' views are loaded once it rests.
    StackView.onActivated: ShellCatalog.prepareShelfViews(category, shelf)

    Component {
        id: hostPage
        GameHostView {
            timeController: shelf.timeController
            veil: shelf.veil
        }
    }

    // Everything but the ticking time chip is kept as one picture while the page is
    // on top and its rail rests.
    StillLayer {
        anchors.fill: parent
        opaque: true
        active: (shelf.StackView.status === StackView.Active || shelf.StackView.status === StackView.Deactivating)
                && !rail.moving

        FairytaleWorldBackground {
            anchors.fill: parent
        }
        Rectangle {
            anchors.fill: parent
            gradient: Gradient {
                GradientStop { position: 0.0; color: AppTheme.alpha(AppTheme.ink, 0.16) }
                GradientStop { position: 0.5; color: "transparent" }
                GradientStop { position: 1.0; color: AppTheme.alpha(AppTheme.ink, 0.18) }
            }
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            RowLayout {
                id: header
                Layout.fillWidth: true
                Layout.topMargin: 54
                Layout.leftMargin: 22
                Layout.rightMargin: 22
                spacing: 15

                ShellBackButton {
                    label: "返回类型"
                    onClicked: shelf.goBack()
                }
                ColumnLayout {
                    spacing: 2
                    ShadowedText {
                        text: ShellCatalog.shelfTitle(shelf.category)
                        font: AppTheme.sizedFont(30, Font.Black)
                        color: "white"
                        shadowColor: AppTheme.alpha(AppTheme.ink, 0.65)
                        shadowBlur: 2
                        shadowY: 1
                    }
                    Text {
                        text: "挑一张卡片，马上开始玩"
                        font: AppTheme.font(AppTheme.Subheadline, Font.DemiBold)
                        color: AppTheme.alpha("white", 0.9)
                    }
                }
                Item { Layout.fillWidth: true }
                Item {
                    id: chipPlace
                    implicitWidth: chip.implicitWidth
                    implicitHeight: chip.implicitHeight
                }
            }
            Item { Layout.fillHeight: true; Layout.minimumHeight: 4 }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 7
                ShadowedText {
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    text: "✦ 选择一本游戏绘本 ✦"
                    font: AppTheme.sizedFont(27, Font.Black)
                    color: "white"
                    shadowColor: AppTheme.alpha(AppTheme.ink, 0.66)
                    shadowBlur: 3
                    shadowY: 2
                }
                ShadowedText {
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    text: "左右滑动，点\u201C开始\u201D就直接进入游戏"
                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                    color: AppTheme.alpha("white", 0.94)
                    shadowColor: AppTheme.alpha(AppTheme.ink, 0.66)
                    shadowBlur: 2
                    shadowY: 1
                }
            }
            ShelfRail {
                id: rail
                objectName: "gameRail"
                Layout.fillWidth: true
                Layout.preferredHeight: shelf.rail.height + 16
                spacing: 20
                inset: shelf.rail.inset
                model: shelf.games
                delegate: BouncyButton {
                    required property var modelData
                    y: 8
                    width: shelf.rail.width
                    height: shelf.rail.height
                    faceRadius: 34
                    Accessible.name: modelData.title
                    onClicked: shelf.openGame(modelData)
                    GameCard {
                        anchors.fill: parent
                        game: modelData
                        compact: false
                    }
                }
            }
            Item { Layout.fillHeight: true; Layout.minimumHeight: 8 }
        }
        Rectangle {
            anchors.fill: parent
            visible: sheet.still
            color: sheet.dimming
        }
        PageVeil {
            id: pageVeil
            anchors.fill: parent
            veil: shelf.veil
            chip: chip
            pageDimming: sheet.still ? sheet.dimming.a : 0
        }
    }
    EntertainmentTimeButton {
        id: chip
        x: header.x + chipPlace.x
        y: header.y + chipPlace.y
        controller: shelf.timeController
        shade: pageVeil.shade
    }

    ComingSoonSheet {
        id: sheet
        anchors.fill: parent
    }
}
