import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Pipwhistle.Ui
import Pipwhistle.Games.Common
import Pipwhistle.Games.Stories

// The picture-book reader: the header with the page dots, the pager (cover and story
// pages side by side, turned by a drag or the arrow keys), the swipe hint and the three
// buttons. The reader object (`game`, a StorybookReader) decides every text and turn.
GamePage {
    id: view
    readonly property StorybookReader reader: view.game
    maxWidth: 920
    topMargin: 8
    spacing: 10
    focus: true
    Component.onCompleted: forceActiveFocus()

    // The book's first show draws only the page shown; the pages beside it are built
    // once that frame is on the screen, ready for the first turn.
    property bool firstShown: false
    Connections {
        target: view.Window.window
        enabled: !view.firstShown
        function onFrameSwapped() { view.firstShown = true }
    }

    // The page the pages last came to rest on. A turn builds the page it brings next
    // to the one shown only once the pages rest again: building a page (its text laid
    // out, its picture decoded and the card painted) in the turn's first frame held
    // that frame up as the pages began to move.
    property int restingPage: 0
    Binding on restingPage {
        when: !slide.running
        value: view.reader.page
        delayed: true // the turn's slide starts as the page changes
        restoreMode: Binding.RestoreNone
    }

    Keys.onLeftPressed: reader.turn(reader.page - 1)
    Keys.onRightPressed: reader.turn(reader.page + 1)

    RowLayout {
        id: header
        Layout.fillWidth: true
        Row {
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "book.pages.fill"
                size: AppTheme.font(AppTheme.Subheadline).pixelSize
                color: AppTheme.ink
            }
            Text {
                objectName: "header"
                anchors.verticalCenter: parent.verticalCenter
                text: view.reader.header
                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                color: AppTheme.ink
            }
        }
        Item { Layout.fillWidth: true }
        Row {
            id: dots
            objectName: "dots"
            spacing: 5
            Repeater {
                model: view.reader.pageCount + 1
                Rectangle {
                    required property int index
                    readonly property bool current: index === view.reader.page
                    width: current ? 22 : 8
                    height: 8
                    radius: 4
                    color: current ? AppTheme.purple : AppTheme.alpha(AppTheme.purple, 0.2)
                    Behavior on width { NumberAnimation { duration: 200 } }
                }
            }
        }
    }

    Item {
        id: pager
        objectName: "pager"
        Layout.fillWidth: true
        Layout.maximumWidth: 1040
        Layout.fillHeight: true
        Layout.minimumHeight: 390
        Layout.alignment: Qt.AlignHCenter
        visible: view.reader.pageCount > 0
        clip: true

        readonly property real dragX: view.reader.pageDrag.dragging ? view.reader.pageDrag.translation.x : 0

        Item {
            id: strip
            objectName: "strip"
            width: pager.width * (view.reader.pageCount + 1)
            height: pager.height
            x: -view.reader.page * pager.width + pager.dragX
            Behavior on x {
                enabled: !view.reader.pageDrag.dragging
                NumberAnimation {
                    id: slide
                    duration: 340
                    easing.type: Easing.OutCubic
                }
            }
            Repeater {
                model: view.reader.pageCount + 1
                Loader {
                    required property int index
                    x: index * pager.width
                    width: pager.width
                    height: pager.height
                    // Only the pages next to the one shown are built, those a turn
                    // brings next to it once the pages rest; and, once the book has
                    // shown, the cover and the first page, which hold each other's
                    // pictures built: the cover's card has wider margins, so its picture
                    // is of another size than a page's, and no page beside it could
                    // hold it (or be held by it) decoded ahead for quick turns.
                    active: index === view.reader.page
                            || (view.firstShown && (index <= 1 || (Math.abs(index - view.reader.page) <= 1
                                                                   && Math.abs(index - view.restingPage) <= 1)))
                    sourceComponent: index === 0 ? coverPage : storyPage
                    Component {
                        id: coverPage
                        StorybookCover {
                            title: view.reader.coverTitle
                            picture: view.reader.coverPicture
                            english: view.reader.english
                            titleSize: view.reader.coverTitleSize
                            hint: view.reader.coverHint
                            label: view.reader.coverLabel
                        }
                    }
                    Component {
                        id: storyPage
                        StorybookPage {
                            text: view.reader.pageText(index)
                            picture: view.reader.pagePicture(index)
                            // A quick second turn brings a page not built yet.
                            picturesAhead: [view.reader.pagePicture(index - 1), view.reader.pagePicture(index + 1)]
                            badge: view.reader.pageBadge(index)
                            label: view.reader.pageLabel(index)
                            textSize: view.reader.pageTextSize
                        }
                    }
                }
            }
        }
        DragArea {
            anchors.fill: parent
            frame: pager
            tracker: view.reader.pageDrag
        }
    }
    BusyIndicatorDots {
        Layout.alignment: Qt.AlignHCenter
        Layout.fillHeight: true
        Layout.minimumHeight: 390
        visible: view.reader.pageCount === 0
    }
    Row {
        Layout.alignment: Qt.AlignHCenter
        visible: view.reader.pageCount > 0
        spacing: 5
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: "hand.draw.fill"
            size: AppTheme.font(AppTheme.Caption).pixelSize
            color: AppTheme.softInk
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: view.reader.swipeHint
            font: AppTheme.font(AppTheme.Caption, Font.Bold)
            color: AppTheme.softInk
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 11
        StoryButton {
            objectName: "previous"
            text: view.reader.previousText
            symbol: "chevron.left"
            tint: AppTheme.sky
            enabled: view.reader.previousEnabled
            onClicked: view.reader.turn(view.reader.page - 1)
        }
        StoryButton {
            objectName: "listen"
            text: view.reader.listenText
            symbol: "speaker.wave.2.fill"
            tint: AppTheme.mango
            onClicked: view.reader.listen()
        }
        StoryButton {
            objectName: "next"
            text: view.reader.nextText
            symbol: "chevron.right"
            tint: AppTheme.purple
            onClicked: view.reader.advance()
        }
    }

    // The three bottom buttons: a label on a tinted rounded face with a white rim.
    component StoryButton: BouncyButton {
        id: button
        property string symbol
        property color tint
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        faceRadius: 19
        opacity: enabled ? 1 : 0.5
        Accessible.name: text
        Item {
            anchors.fill: parent
            implicitHeight: label.implicitHeight + 26
            implicitWidth: label.implicitWidth + 20
            Rectangle {
                anchors.fill: parent
                radius: 19
                color: AppTheme.alpha(button.tint, 0.86)
            }
            // The rim, centred on the face's edge.
            Rectangle {
                anchors.fill: parent
                anchors.margins: -border.width / 2
                radius: 19 + border.width / 2
                color: "transparent"
                border.width: 2
                border.color: AppTheme.alpha("white", 0.8)
            }
            Row {
                id: label
                anchors.centerIn: parent
                spacing: 6
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: button.symbol
                    size: AppTheme.font(AppTheme.Headline).pixelSize
                    color: AppTheme.ink
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: button.text
                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                    color: AppTheme.ink
                }
            }
        }
    }

    // Stands where the pager would be while there is no book: three pulsing dots.
    component BusyIndicatorDots: Row {
        spacing: 8
        Repeater {
            model: 3
            Rectangle {
                id: dot
                required property int index
                width: 12; height: 12; radius: 6
                color: AppTheme.purple
                SequentialAnimation on opacity {
                    // Only while the dots show: hidden under an open book, they would
                    // keep the window drawing frames for nothing.
                    running: dot.visible
                    loops: Animation.Infinite
                    PauseAnimation { duration: index * 160 }
                    NumberAnimation { from: 1; to: 0.25; duration: 480 }
                    NumberAnimation { from: 0.25; to: 1; duration: 480 }
                }
            }
        }
    }
}
