import QtQuick
import Pipwhistle.Ui
import Pipwhistle.App

// The night-blue cover over everything when the play time is up: a break message, the
// parent PIN field and the unlock button.
Item {
    id: overlay

    required property EntertainmentTimeController controller

    UnlockForm {
        id: form
        controller: overlay.controller
    }

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0.08, 0.06, 0.18, 0.95)
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }

    Column {
        anchors.centerIn: parent
        width: Math.min(overlay.width - 68, 560)
        spacing: 18

        EmojiText {
            anchors.horizontalCenter: parent.horizontalCenter
            emoji: "🌙"
            pixelSize: 72
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: "本次娱乐时间到了"
            font: AppTheme.sizedFont(34, Font.Black)
            color: "white"
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: "休息一下吧。需要继续时，请家长输入密码并重新设置时间。"
            font: AppTheme.font(AppTheme.Headline, Font.Bold)
            color: AppTheme.alpha("white", 0.84)
        }
        PinField {
            id: pinField
            objectName: "unlockPin"
            form: form
            anchors.horizontalCenter: parent.horizontalCenter
            width: 290
            height: 54
            placeholderText: "家长密码"
            cornerRadius: 17
            sidePadding: 16
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: form.error !== ""
            text: form.error
            font: AppTheme.font(AppTheme.Subheadline, Font.Bold)
            color: AppTheme.mango
        }
        BouncyButton {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 290
            height: 56
            faceRadius: 19
            Accessible.name: "家长解锁"
            onClicked: form.unlock()
            Rectangle {
                anchors.fill: parent
                radius: 19
                color: AppTheme.mango
                Row {
                    anchors.centerIn: parent
                    spacing: 8
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "lock.open.fill"
                        size: unlockText.font.pixelSize
                        color: AppTheme.ink
                    }
                    Text {
                        id: unlockText
                        anchors.verticalCenter: parent.verticalCenter
                        text: "家长解锁"
                        font: AppTheme.font(AppTheme.Title3, Font.Bold)
                        color: AppTheme.ink
                    }
                }
            }
        }
    }

    Component.onCompleted: pinField.forceActiveFocus()
}
