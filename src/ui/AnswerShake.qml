import QtQuick
import Pipwhistle.Ui

// The wrong-answer shake. Wrap the stack that holds a game's whole page in it and bind
// `count` to the game's wrongAttempt:
//
//     AnswerShake {
//         anchors.fill: parent
//         count: game.wrongAttempt
//         ColumnLayout { anchors.fill: parent; ... }
//     }
//
// Each change of the count swings the page twice right and left by up to 10 points per
// unit of change, eased in and out over 0.36 s, and brings it to rest at its place.
// An unchanged count never moves it.
Item {
    id: shake

    property int count: 0

    // Whole points: the software renderer then copies the page's pictures to their new
    // place instead of resampling them, and a step that rounds to the same place
    // redraws nothing.
    transform: Translate { x: Math.round(effect.offset) }
    // The software renderer draws the whole page again at each step of the swing: there
    // the page is drawn once into a picture meanwhile, and each step copies the picture.
    layer.enabled: swing.running && GraphicsInfo.api === GraphicsInfo.Software

    WrongAnswerShake {
        id: effect
        amount: shake.count
        Behavior on amount {
            NumberAnimation { id: swing; duration: AppTheme.shakeDuration; easing: AppTheme.shakeCurve }
        }
    }
}
