import QtQuick

// The help overlay (View_Help): what each part of the main screen does, shown over it,
// with "다시 보지 않기" and "닫기".
Item {
    id: help
    property QtObject screen
    readonly property var o: screen.outlets

    Rectangle {
        anchors.fill: parent
        color: "#EB071820"
    }
    MouseArea {
        // Taps on the dimmed screen go nowhere.
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
    }

    Text {
        x: 24
        y: 30
        text: "토벨라문 사용 안내"
        color: "white"
        font.family: Theme.family
        font.pixelSize: 21
        font.bold: true
    }
    Text {
        x: 24
        y: 62
        width: parent.width - 48
        text: "여행에 필요한 기능을 한 화면에 모았습니다."
        color: Theme.aqua
        font.family: Theme.family
        font.pixelSize: 13
    }

    component Tip: Item {
        id: tip
        property int number
        property string heading
        property string body
        width: parent.width - 60
        x: 30
        height: Math.max(bullet.height, texts.implicitHeight)
        Rectangle {
            id: bullet
            width: 26
            height: 26
            radius: 13
            color: Theme.sand
            Text {
                anchors.centerIn: parent
                text: tip.number
                color: Theme.navy
                font.family: Theme.family
                font.pixelSize: 14
                font.bold: true
            }
        }
        Column {
            id: texts
            anchors.left: bullet.right
            anchors.leftMargin: 12
            anchors.right: parent.right
            spacing: 4
            Text {
                width: parent.width
                text: tip.heading
                color: "white"
                font.family: Theme.family
                font.pixelSize: 15
                font.bold: true
            }
            Text {
                width: parent.width
                text: tip.body
                wrapMode: Text.Wrap
                lineHeight: 1.1
                color: "#CFE4E8"
                font.family: Theme.family
                font.pixelSize: 12
            }
        }
    }

    Rectangle {
        x: 14
        y: 100
        width: parent.width - 28
        height: tips.height + 24
        radius: 16
        color: "#F20C2631"
        border.color: "#2E8FD6CF"
    }
    Column {
        id: tips
        y: 114
        width: parent.width
        spacing: 16
        Tip {
            number: 1
            heading: "다음 항공편 카드"
            body: "카드를 누르면 내 항공편 목록이 열립니다. 출발·도착 공항을 누르면 그 나라의 출입국신고서 안내를 볼 수 있습니다."
        }
        Tip {
            number: 2
            heading: "캐리어 찾기"
            body: "등록한 캐리어가 수하물 수취대에 도착하면 알림과 진동으로 알려 드립니다."
        }
        Tip {
            number: 3
            heading: "캐리어 등록 · 목록, 항공권 · 호텔 검색"
            body: "캐리어의 태그를 등록하고 관리하거나, 항공권과 호텔을 검색합니다."
        }
        Tip {
            number: 4
            heading: "+ 버튼"
            body: "여권사진, 출입국신고서, 환율계산기, 도움말을 엽니다."
        }
    }

    // Where the floating button sits while the overlay hides it.
    Rectangle {
        readonly property var frame: help.o.addButton.frame
        x: frame.x - 4
        y: frame.y - 4
        width: frame.width + 8
        height: frame.height + 8
        radius: width / 2
        color: "transparent"
        border.color: Theme.sand
        border.width: 2
        Text {
            anchors.centerIn: parent
            text: "+"
            color: Theme.sand
            font.pixelSize: 24
            font.bold: true
        }
    }

    Item {
        id: check
        x: 24
        y: parent.height - 62
        width: checkRow.width
        height: 40
        visible: !help.o.btn_Help_Check.hidden
        Row {
            id: checkRow
            anchors.verticalCenter: parent.verticalCenter
            spacing: 8
            Rectangle {
                width: 22
                height: 22
                radius: 6
                color: "transparent"
                border.color: "white"
                border.width: 2
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: help.o.btn_Help_Check.title
                color: "white"
                font.family: Theme.family
                font.pixelSize: 15
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        TapArea {
            anchors.fill: parent
            screen: help.screen
            outlet: "btn_Help_Check"
        }
    }

    Rectangle {
        anchors.right: parent.right
        anchors.rightMargin: 24
        y: parent.height - 64
        width: 96
        height: 44
        radius: 22
        color: Theme.teal
        visible: !help.o.btn_Help_Close.hidden
        Text {
            anchors.centerIn: parent
            text: help.o.btn_Help_Close.title
            color: "white"
            font.family: Theme.family
            font.pixelSize: 17
            font.bold: true
        }
        TapArea {
            anchors.fill: parent
            screen: help.screen
            outlet: "btn_Help_Close"
        }
    }
}
