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
    // redraws nothing. The page is not drawn into a layer while it swings: the software
    // renderer showed the game page's new layer empty in its first frame (the page
    // vanished for a frame at every shake), and drawing the layer took each emoji of the
    // page afresh from the font.
    transform: Translate { x: Math.round(effect.offset) }

    WrongAnswerShake {
        id: effect
        amount: shake.count
        Behavior on amount {
            NumberAnimation { id: swing; duration: AppTheme.shakeDuration; easing: AppTheme.shakeCurve }
        }
    }
}
