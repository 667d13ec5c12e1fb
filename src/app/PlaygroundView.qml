import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.App

// The child's home once the book is open: the lobby picture, a heading, a hint and a
// rail of category portals. It holds the one navigation stack: portals push shelves,
// shelves push game pages.
Item {
    id: playground

    required property EntertainmentTimeController timeController
    readonly property StackView stack: navigation
    // What an overlay lays over the whole playground from above: the page on top draws
    // it into its still picture, beneath its time chip, which is darkened as much.
    property PageVeil.Veil veil: PageVeil.Veil {}

    StackView {
        id: navigation
        anchors.fill: parent
        initialItem: lobby
    }

    Component {
        id: shelfPage
        CategoryShelfView {
            timeController: playground.timeController
            veil: playground.veil
        }
    }

    Component {
        id: lobby

        Item {
            id: page

            readonly property var rail: ShellCatalog.portalRail(width, height)

            function openShelf(category) {
                // One push per tap, and only from the page on top.
                if (StackView.status === StackView.Active)
                    StackView.view.push(shelfPage, { category: category })
            }

            // Everything but the ticking time chip is kept as one picture while the
            // page is on top and its rail rests.
            StillLayer {
                anchors.fill: parent
                opaque: true
                active: (page.StackView.status === StackView.Active || page.StackView.status === StackView.Deactivating)
                        && !rail.moving

                StorybookArtImage {
                    anchors.fill: parent
                    name: "storybook_magic_lobby"
                }
                Rectangle {
                    anchors.fill: parent
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: AppTheme.alpha(AppTheme.ink, 0.2) }
                        GradientStop { position: 0.5; color: "transparent" }
                        GradientStop { position: 1.0; color: AppTheme.alpha(AppTheme.ink, 0.16) }
                    }
                }

                ColumnLayout {
                    anchors.fill: parent
                    spacing: 0

                    RowLayout {
                        id: topRow
                        Layout.fillWidth: true
                        Layout.topMargin: 54
                        Layout.leftMargin: 22
                        Layout.rightMargin: 22
                        spacing: 14
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
                        spacing: 8
                        ShadowedText {
                            Layout.fillWidth: true
                            horizontalAlignment: Text.AlignHCenter
                            text: "✦ 选择游戏小屋 ✦"
                            font: AppTheme.sizedFont(28, Font.Black)
                            color: "white"
                            shadowColor: AppTheme.alpha(AppTheme.ink, 0.72)
                            shadowBlur: 3
                            shadowY: 2
                        }
                        ShadowedText {
                            Layout.fillWidth: true
                            horizontalAlignment: Text.AlignHCenter
                            text: "左右滑一滑，点卡片就能开始玩"
                            font: AppTheme.font(AppTheme.Headline, Font.Bold)
                            color: AppTheme.alpha("white", 0.94)
                            shadowColor: AppTheme.alpha(AppTheme.ink, 0.72)
                            shadowBlur: 2
                            shadowY: 1
                        }
                        ShelfRail {
                            id: rail
                            objectName: "portalRail"
                            Layout.fillWidth: true
                            Layout.preferredHeight: page.rail.height + 12
                            spacing: 18
                            inset: page.rail.inset
                            model: ShellCatalog.categories()
                            delegate: BouncyButton {
                                required property string modelData
                                y: 6
                                width: page.rail.width
                                height: page.rail.height
                                faceRadius: 32
                                Accessible.name: ShellCatalog.shelfName(modelData)
                                onClicked: page.openShelf(modelData)
                                CategoryPortal {
                                    anchors.fill: parent
                                    category: modelData
                                }
                            }
                        }
                    }
                    Item { Layout.fillHeight: true; Layout.minimumHeight: 10 }
                }
                PageVeil {
                    id: pageVeil
                    anchors.fill: parent
                    veil: playground.veil
                    chip: chip
                }
            }
            EntertainmentTimeButton {
                id: chip
                x: topRow.x + chipPlace.x
                y: topRow.y + chipPlace.y
                controller: playground.timeController
                shade: pageVeil.shade
            }
        }
    }
}
