import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Pipwhistle.Ui
import Pipwhistle.App

// The parent's dialog that starts a play session: quick choices, a slider or no limit,
// the four-digit parent PIN, and the confirm button. It can only be closed by a
// successful confirmation, unless it was opened from the time chip. The card is drawn
// once into a picture of its own, so the time chip ticking beneath does not repaint
// each of its layers; while it waits, the page beneath draws the dimming into its own
// still picture (under its time chip), and while the card rests (neither touched nor
// typed into for a moment) the card's picture too.
Item {
    id: overlay

    required property EntertainmentTimeController controller
    readonly property color dimming: Qt.rgba(0, 0, 0, 0.58)
    // Whether the page beneath draws the dimming itself.
    property bool dimmedBeneath: false
    // The card's picture for the page beneath to draw while the card rests (null while
    // it is touched, typed into or moves), and where it stands. The software renderer
    // repaints only what changed, so there the card stays on its own.
    readonly property Item restingCard: dimmedBeneath && !stir.running && !touch.active && !flick.moving
                                        && GraphicsInfo.api !== GraphicsInfo.Software ? cardPicture : null
    readonly property rect cardRect: Qt.rect(card.x + cardPicture.x, card.y + cardPicture.y,
                                             cardPicture.width, cardPicture.height)

    // A touch or a typed digit stirs the card for a moment: a button's spring, the
    // slider and the field are then drawn on their own.
    Timer {
        id: stir
        interval: 1000
    }

    TimeSetupForm {
        id: form
        controller: overlay.controller
    }

    Rectangle {
        anchors.fill: parent
        visible: !overlay.dimmedBeneath
        color: overlay.dimming
    }
    // Everything beneath takes no input.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onWheel: function(wheel) { wheel.accepted = true }
    }

    // The card is a scroll view that takes all the room it is offered, up to 650 by
    // 620 and 24 points off the window's edges; its content starts at the top.
    Item {
        id: card
        objectName: "setupCard"
        width: Math.min(650, overlay.width - 48)
        height: Math.min(620, overlay.height - 48)
        anchors.centerIn: parent

        // The card's picture has room for its shadow, which reaches 1.5 times its blur
        // beyond the card and lies its offset lower.
        StillLayer {
            id: cardPicture
            x: -44
            y: -28
            width: card.width + 88
            height: card.height + 28 + 60

            Item {
                x: 44
                y: 28
                width: card.width
                height: card.height

                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 32
                    blur: 28
                    offsetY: 16
                    color: Qt.rgba(0, 0, 0, 0.34)
                }
                PaintedBox {
                    anchors.fill: parent
                    radius: 32
                    color: AppTheme.alpha(AppTheme.cream, 0.98)
                }

                Flickable {
                    id: flick
                    anchors.fill: parent
                    // Clipped only where the content does not fit (a small window): with
                    // OpenGL every kind of drawing under a clip is a program of its own,
                    // which the driver keeps for as long as the window lives.
                    clip: contentHeight > height
                    contentWidth: width
                    contentHeight: content.implicitHeight + 48
                    boundsBehavior: Flickable.StopAtBounds

                    ColumnLayout {
                        id: content
                        x: 24
                        y: 24
                        width: card.width - 48
                        spacing: 17

                        // Header.
                        RowLayout {
                            Layout.fillWidth: true
                            ColumnLayout {
                                spacing: 4
                                Row {
                                    spacing: 8
                                    SymbolIcon {
                                        anchors.verticalCenter: parent.verticalCenter
                                        name: "hourglass.circle.fill"
                                        size: 28
                                        color: AppTheme.ink
                                    }
                                    Text {
                                        anchors.verticalCenter: parent.verticalCenter
                                        text: "设置娱乐时间"
                                        font: AppTheme.sizedFont(28, Font.Black)
                                        color: AppTheme.ink
                                    }
                                }
                                Text {
                                    text: "时间结束后，乐园会自动锁定"
                                    font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                                    color: AppTheme.softInk
                                }
                            }
                            Item { Layout.fillWidth: true }
                            BouncyButton {
                                objectName: "setupClose"
                                visible: overlay.controller.setupCanBeCancelled
                                faceRadius: 22
                                Accessible.name: "关闭"
                                onClicked: form.close()
                                Rectangle {
                                    implicitWidth: 44
                                    implicitHeight: 44
                                    radius: 22
                                    color: AppTheme.alpha("white", 0.82)
                                    SymbolIcon {
                                        anchors.centerIn: parent
                                        name: "xmark"
                                        size: AppTheme.font(AppTheme.Headline).pixelSize
                                        font.weight: Font.Bold
                                        color: AppTheme.ink
                                    }
                                }
                            }
                        }

                        // Quick choices and no limit.
                        RowLayout {
                            Layout.fillWidth: true
                            spacing: 10
                            Repeater {
                                model: [15, 30, 60]
                                ChoiceButton {
                                    required property int modelData
                                    Layout.fillWidth: true
                                    Layout.preferredWidth: 1
                                    text: modelData + " 分钟"
                                    fill: form.selectedChoice === modelData ? AppTheme.mango : AppTheme.alpha("white", 0.8)
                                    onClicked: form.chooseMinutes(modelData)
                                }
                            }
                            ChoiceButton {
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                text: "无限制"
                                symbol: "infinity"
                                fill: form.isUnlimited ? AppTheme.mint : AppTheme.alpha("white", 0.8)
                                onClicked: form.chooseUnlimited()
                            }
                        }

                        // Slider box.
                        PaintedBox {
                            Layout.fillWidth: true
                            implicitHeight: sliderBox.implicitHeight + 28
                            radius: 18
                            color: AppTheme.alpha(AppTheme.sky, 0.16)
                            ColumnLayout {
                                id: sliderBox
                                anchors.fill: parent
                                anchors.margins: 14
                                spacing: 6
                                Text {
                                    Layout.fillWidth: true
                                    text: form.caption
                                    font: AppTheme.font(AppTheme.Headline, Font.Bold)
                                    color: AppTheme.ink
                                }
                                Slider {
                                    id: slider
                                    objectName: "minutesSlider"
                                    Layout.fillWidth: true
                                    from: 10
                                    to: 120
                                    stepSize: 5
                                    snapMode: Slider.SnapAlways
                                    value: form.minutes
                                    enabled: !form.isUnlimited
                                    opacity: enabled ? 1 : 0.45
                                    onPressedChanged: if (pressed) form.beginSliding()
                                    onMoved: form.minutes = value
                                    background: Rectangle {
                                        x: slider.leftPadding
                                        y: slider.topPadding + slider.availableHeight / 2 - height / 2
                                        width: slider.availableWidth
                                        height: 6
                                        radius: 3
                                        color: AppTheme.alpha(AppTheme.softInk, 0.2)
                                        Rectangle {
                                            width: slider.visualPosition * parent.width
                                            height: parent.height
                                            radius: 3
                                            color: AppTheme.purple
                                        }
                                    }
                                    handle: Rectangle {
                                        x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
                                        y: slider.topPadding + slider.availableHeight / 2 - height / 2
                                        width: 28
                                        height: 28
                                        radius: 14
                                        color: "white"
                                        border.color: AppTheme.alpha(AppTheme.ink, 0.12)
                                    }
                                }
                            }
                        }

                        // PIN box.
                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 7
                            Text {
                                text: form.pinHint
                                font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
                                color: AppTheme.softInk
                            }
                            PinField {
                                id: pinField
                                objectName: "setupPin"
                                form: form
                                Layout.fillWidth: true
                                Layout.preferredHeight: 52
                                placeholderText: "四位数字"
                                onDisplayTextChanged: stir.restart()
                                cornerRadius: 16
                                sidePadding: 15
                            }
                            Text {
                                visible: form.error !== ""
                                text: form.error
                                font: AppTheme.font(AppTheme.Caption, Font.Bold)
                                color: AppTheme.coral
                            }
                        }

                        // Confirm.
                        BouncyButton {
                            Layout.fillWidth: true
                            Layout.preferredHeight: 58
                            faceRadius: 20
                            Accessible.name: "确定，进入乐园"
                            onClicked: form.confirm()
                            Item {
                                anchors.fill: parent
                                PaintedBox {
                                    anchors.fill: parent
                                    radius: 20
                                    fillStops: [AppTheme.purple, AppTheme.sky]
                                    fillDirection: PaintedBox.LeadingToTrailing
                                }
                                Row {
                                    anchors.centerIn: parent
                                    spacing: 8
                                    SymbolIcon {
                                        anchors.verticalCenter: parent.verticalCenter
                                        name: "sparkles"
                                        size: confirmText.font.pixelSize
                                        color: "white"
                                    }
                                    Text {
                                        id: confirmText
                                        anchors.verticalCenter: parent.verticalCenter
                                        text: "确定，进入乐园"
                                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                                        color: "white"
                                    }
                                }
                            }
                        }
                    }
                }

                PaintedBox {
                    anchors.fill: parent
                    radius: 32
                    strokeWidth: 4
                    strokeColor: AppTheme.alpha("white", 0.92)
                }
            }
        }
        // Above the card's controls, to see each touch before them without taking it.
        Item {
            anchors.fill: parent
            PointHandler {
                id: touch
                onActiveChanged: stir.restart()
            }
        }
    }

    Component.onCompleted: pinField.forceActiveFocus()
}
