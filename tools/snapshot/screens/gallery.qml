import QtQuick
import Pipwhistle.Ui

// The shared child views on a game page: prompt, tiles, feedback, mascot, cards.
Item {
    id: page

    FairytaleGamePageBackground { anchors.fill: parent }

    AnswerShake {
        anchors.fill: parent
        count: 0

        Flow {
            anchors.fill: parent
            anchors.margins: 24
            spacing: 22

            QuestionPrompt {
                width: Math.min(implicitWidth, page.width - 48)
                text: "哪一个是小猫 🐱？听一听，再点一点！"
                language: "zh-CN"
                speechID: "gallery"
            }
            QuestionPrompt {
                text: "Which one is the cat?"
                language: "en-US"
            }
            Row {
                spacing: 16
                BouncyButton {
                    width: 170; height: implicitHeight; faceRadius: 26
                    AnswerTile { anchors.fill: parent; text: "小猫"; emoji: "🐱"; color: AppTheme.coral }
                }
                BouncyButton {
                    width: 170; height: implicitHeight; faceRadius: 26
                    AnswerTile { anchors.fill: parent; text: "apple"; emoji: "🍎"; color: AppTheme.sky; selected: true }
                }
                BouncyButton {
                    width: 170; height: implicitHeight; faceRadius: 26
                    AnswerTile { anchors.fill: parent; text: "12 + 7"; color: AppTheme.purple }
                }
            }
            Column {
                spacing: 12
                FeedbackBubble { text: "太棒了！答对啦 🎉❤️"; isGood: true }
                FeedbackBubble { text: "再想一想：小猫会喵喵叫"; isGood: false }
                StarRow { count: 2; size: 30 }
            }
            MascotView { size: 120; mood: "happy" }
            MascotView { size: 120; mood: "thinking" }
            KidCard {
                padding: 18
                width: 300
                Column {
                    spacing: 8
                    Text { text: "小卡片 ✨"; font: AppTheme.font(AppTheme.Title2, Font.Bold); color: AppTheme.ink }
                    Text { text: "白色圆角卡片，金色描边和柔和阴影。"; width: 264; wrapMode: Text.WordWrap
                           font: AppTheme.font(AppTheme.Subheadline); color: AppTheme.softInk }
                }
            }
            PrimaryKidButton {
                width: 300
                title: "下一关"
                icon: "arrow.right.circle.fill"
                colors: [AppTheme.mint, AppTheme.sky]
            }
            Row {
                spacing: 14
                Repeater {
                    model: ["speaker.wave.2.fill", "lock.fill", "star.fill", "chevron.left", "clock", "infinity",
                            "hammer.fill", "hourglass.circle.fill", "sparkles", "heart.fill", "xmark", "no.such.symbol"]
                    SymbolIcon { required property string modelData; name: modelData; size: 22; color: AppTheme.purple }
                }
            }
        }
    }
}
