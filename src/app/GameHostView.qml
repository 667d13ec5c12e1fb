import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.App

// The page on which one game is played: a top bar (back to the shelf, the task title,
// the time chip) over the game view chosen for the game's identifier. When the play
// reports, the game is blurred and dimmed under the completion card; "下一关" builds the
// game afresh as a new play.
FocusScope {
    id: page

    property alias gameId: host.gameId
    required property EntertainmentTimeController timeController
    // What an overlay lays over the whole page from above, drawn over everything of the
    // page but the time chip, which is darkened as much.
    property PageVeil.Veil veil: PageVeil.Veil {}
    readonly property GameHostController host: host
    readonly property Item gameView: gameLoader.item
    // Whether the page is built (and so has its size).
    property bool built: false
    // A finished play shows its result once the still of the game is taken: taking it
    // draws the whole game once more, in a frame of its own, before the dimming, the
    // card and the still itself change what the window shows.
    readonly property bool resultShown: host.hasResult && frost.taken
    onResultShownChanged: if (resultShown) finishing.restart()

    function goBack() {
        if (StackView.status === StackView.Active)
            StackView.view.pop()
    }

    GameHostController {
        id: host
        // Under the lock the game stands still.
        timeController: page.timeController
        // A play's view is built once the page has its size (see build()).
        onPlayIdChanged: if (page.built) gameLoader.build()
    }

    // The play starts as the page comes into view, not when its push has finished.
    StackView.onActivating: host.pageAppeared()

    // A play waiting for an answer, and a finished play under its card: everything of
    // the page but the ticking time chip (the game, or the blurred still, the dimming
    // and the card) is then kept as one picture. A game waits once the window has come
    // to rest, whatever the game, and stops waiting as soon as something in it moves; a
    // finished play waits once the blurred still has faded in.
    QuietWatch {
        id: rest
    }
    StillLayer {
        anchors.fill: parent
        opaque: true
        active: page.StackView.status === StackView.Active
                && (rest.quiet || (frost.visible && frost.ready && !frostIn.running))

        FairytaleGamePageBackground {
            anchors.fill: parent
        }

        // The top bar over the game's area. A shelf decodes its games' backdrops ahead at
        // the size this lays the area out at (ShellCatalog::gameViewSize): the two change
        // together.
        ColumnLayout {
            id: pageLayout
            anchors.fill: parent
            spacing: 0

            RowLayout {
                id: topBar
                Layout.fillWidth: true
                Layout.topMargin: 10
                Layout.bottomMargin: 8
                Layout.leftMargin: 22
                Layout.rightMargin: 22
                spacing: 12

                ShellBackButton {
                    label: "返回书架"
                    labelFont: AppTheme.font(AppTheme.Title3, Font.Bold)
                    sidePadding: 20
                    capPadding: 15
                    radius: 20
                    fill: AppTheme.alpha(AppTheme.cream, 0.96)
                    rimWidth: 3
                    rimColor: AppTheme.alpha(AppTheme.mango, 0.9)
                    shadowBlur: 7
                    shadowY: 4
                    onClicked: page.goBack()
                }
                Item { Layout.fillWidth: true }
                Column {
                    spacing: 2
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: "✦ 魔法书任务 ✦"
                        font: AppTheme.font(AppTheme.Caption, Font.Bold)
                        color: AppTheme.purple
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: host.title
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: AppTheme.ink
                    }
                }
                Item { Layout.fillWidth: true }
                Item {
                    id: chipPlace
                    implicitWidth: chip.implicitWidth
                    implicitHeight: chip.implicitHeight
                }
            }

            Item {
                id: gameArea
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.leftMargin: 42
                Layout.rightMargin: 42
                Layout.bottomMargin: 24
                // A finished game lies blurred and inert under the card: a blurred still of
                // it fades in with the card's entrance and goes at once with "下一关".
                enabled: !host.hasResult

                Loader {
                    id: gameLoader
                    // The page's keyboard focus goes to the game: a game that plays by keys
                    // asks for it inside its own view.
                    focus: true
                    // A game lays itself out in the whole area. Where the window is shorter
                    // than the least height the game's layout needs (its view's
                    // implicitHeight), the game is drawn smaller so that all of it shows.
                    // The height taken is the most the play has needed so far: a line that
                    // comes and goes with each answer (a hint, a reply) neither zooms the
                    // whole game in and out nor lays it out and paints it afresh each time.
                    property real neededHeight: 0
                    readonly property real fit: neededHeight > gameArea.height && gameArea.height > 0
                                                ? gameArea.height / neededHeight : 1
                    readonly property real itemHeight: item ? item.implicitHeight : 0
                    onItemHeightChanged: neededHeight = Math.max(neededHeight, itemHeight)
                    width: gameArea.width / fit
                    height: gameArea.height / fit
                    scale: fit
                    transformOrigin: Item.TopLeft
                    // The sharp game gives way to its stills: a sharp still of it that fades
                    // into the blurred one (each glyph of the game faded on its own was drawn
                    // the slow way in the software renderer).
                    opacity: frost.visible ? 0 : 1

                    // Builds the view of the current play (the "正在建造" card when the game
                    // has none) and hands the play's completion callback to its game.
                    property string builtPlay
                    function build() {
                        if (builtPlay === host.playId)
                            return
                        builtPlay = host.playId
                        // The view is built at the size it is shown: its pictures start
                        // decoding while the rest of it is still being built.
                        pageLayout.ensurePolished()
                        active = false
                        neededHeight = 0
                        if (host.underConstruction)
                            sourceComponent = underConstruction
                        else
                            setSource(host.viewUrl, host.viewProperties)
                        active = true
                    }
                    active: false
                    onLoaded: if (!host.underConstruction) host.attachView(item)
                }
                FrostedSnapshot {
                    id: frost
                    anchors.fill: parent
                    source: gameLoader
                    radius: 7
                    visible: page.resultShown
                    onReadyChanged: if (ready) frostIn.restart()
                    NumberAnimation on progress {
                        id: frostIn
                        running: false
                        from: 0
                        to: 1
                        duration: 450
                        easing.type: Easing.OutCubic
                    }
                }
            }
        }

        // The finished play: a dimming layer over the whole page and the card above it.
        // The layer takes every tap from the play's end on, fades in with the card and
        // goes at once with it.
        Rectangle {
            id: dimming
            anchors.fill: parent
            visible: host.hasResult
            color: Qt.rgba(0, 0, 0, 0.18)
            onVisibleChanged: {
                if (visible) {
                    opacity = 0
                    frost.capture()
                } else {
                    finishing.stop()
                    frostIn.stop()
                    frost.progress = 0
                    frost.clear()
                }
            }
            NumberAnimation {
                id: finishing
                target: dimming; property: "opacity"; to: 1; duration: 450; easing.type: Easing.OutCubic
            }
            MouseArea {
                anchors.fill: parent
                hoverEnabled: true
                onWheel: function(wheel) { wheel.accepted = true }
            }
        }
        // The card is built ahead, between the window's frames once the page is up, and
        // shown when the play reports: the tap that ends a play builds nothing.
        Loader {
            id: completion
            objectName: "completion"
            anchors.centerIn: parent
            active: page.built
            asynchronous: true
            sourceComponent: CompletionCard {
                shown: page.resultShown
                maxWidth: page.width - 44
                emoji: host.resultEmoji
                headline: host.resultHeadline
                stars: host.resultStars
                scoreLine: host.resultScoreLine
                onNextLevel: host.nextLevel()
            }
        }
        // Given no chip, it leaves the overlay's card where it stands: over a game, which
        // moves, the card keeps its own picture.
        PageVeil {
            id: pageVeil
            anchors.fill: parent
            veil: page.veil
            pageDimming: dimming.visible ? dimming.opacity * dimming.color.a : 0
        }
    }
    EntertainmentTimeButton {
        id: chip
        x: topBar.x + chipPlace.x
        y: topBar.y + chipPlace.y
        controller: page.timeController
        // Over a finished play the chip lies under the dimming, as the whole page does:
        // it takes no taps and is darkened as much.
        enabled: !dimming.visible
        shade: pageVeil.shade
    }

    Component {
        id: underConstruction
        UnderConstructionCard {}
    }

    Component.onCompleted: {
        built = true
        gameLoader.build()
    }
}
