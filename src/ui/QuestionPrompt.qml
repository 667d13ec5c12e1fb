import QtQuick
import Pipwhistle.Ui

// The question at the top of a game page, with the speaker button beside it. It reads
// itself aloud 0.22 s after it appears and again whenever `language`, `text` or
// `speechID` changes (a new `speechID` re-asks the same text). The text wraps, centred,
// when the prompt is given less width than it needs.
Item {
    id: prompt

    property string text
    property string language: "zh-CN"
    property string speechID

    implicitWidth: question.implicitWidth + 7 + readerButton.implicitWidth
    // The button, aligned on the question's first baseline, may reach above the text
    // and below it; the prompt holds both.
    implicitHeight: row.y + Math.max(question.height, readerButton.y + readerButton.height)

    QuestionReading {
        text: prompt.text
        language: prompt.language
        speechID: prompt.speechID
    }

    Row {
        id: row
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.max(0, -readerButton.y)
        spacing: 7
        Text {
            id: question
            width: Math.min(implicitWidth, Math.max(0, prompt.width - 7 - readerButton.width))
            text: AppTheme.emojiText(prompt.text)
            textFormat: Text.RichText // rich text honours the emoji font of emojiText()
            font: AppTheme.font(AppTheme.Title3, Font.Bold)
            color: AppTheme.softInk
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
        QuestionReaderButton {
            id: readerButton
            anchors.baseline: question.baseline
            text: prompt.text
            language: prompt.language
        }
    }
}
