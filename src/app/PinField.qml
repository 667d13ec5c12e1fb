import QtQuick
import QtQuick.Controls.Basic
import Pipwhistle.Ui
import Pipwhistle.App

// A masked parent-PIN field. It shows what its form keeps of each edit (digits only,
// at most four); return does not confirm.
TextField {
    id: field

    required property PinForm form
    property real cornerRadius: 16
    property real sidePadding: 15

    text: form.pin
    onTextEdited: {
        form.editPin(text)
        if (text !== form.pin)
            text = form.pin
    }

    echoMode: TextInput.Password
    passwordCharacter: "●"
    inputMethodHints: Qt.ImhDigitsOnly | Qt.ImhSensitiveData | Qt.ImhNoPredictiveText | Qt.ImhHiddenText
    font: AppTheme.font(AppTheme.Title3, Font.Bold)
    color: AppTheme.ink
    placeholderTextColor: AppTheme.alpha(AppTheme.softInk, 0.6)
    leftPadding: sidePadding
    rightPadding: sidePadding
    verticalAlignment: TextInput.AlignVCenter
    selectByMouse: false
    background: Rectangle {
        radius: field.cornerRadius
        color: "white"
    }
}
