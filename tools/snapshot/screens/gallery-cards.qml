import QtQuick
import Pipwhistle.Ui

// Game cards (available, coming soon, compact), star rows and the primary button on
// the playground backdrop.
Item {
    id: page

    FairytaleWorldBackground { anchors.fill: parent }

    Flow {
        anchors.fill: parent
        anchors.margins: 24
        spacing: 24

        BouncyButton {
            width: 250; height: 314; faceRadius: 34
            GameCard {
                anchors.fill: parent
                game: ({ id: "chinese-match", title: "识字拼音岛", subtitle: "听音找到汉字",
                         icon: "character.book.closed.fill.zh", available: true })
            }
        }
        BouncyButton {
            width: 250; height: 314; faceRadius: 34
            GameCard {
                anchors.fill: parent
                game: ({ id: "magic-builder", title: "魔法建造工坊", subtitle: "像积木一样搭出童话小屋",
                         icon: "building.2.fill", available: false })
            }
        }
        BouncyButton {
            width: 230; height: 282; faceRadius: 34
            GameCard {
                anchors.fill: parent
                compact: true
                game: ({ id: "maze", title: "森林冒险迷宫", subtitle: "收集道具，击退捣蛋怪，到达终点",
                         icon: "map.fill", available: true })
            }
        }
        Column {
            spacing: 14
            StarRow { count: 0; size: 28 }
            StarRow { count: 2; size: 28 }
            StarRow { count: 3; size: 28 }
            PrimaryKidButton { width: 260; title: "开始玩"; icon: "play.fill" }
            PrimaryKidButton { width: 260; title: "一个颜色"; icon: "sparkles"; colors: [AppTheme.coral] }
        }
    }
}
