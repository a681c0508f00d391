import QtQuick

// The found screen: the carrier has arrived. The phone pulses with each vibration.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    gradient: Gradient {
        GradientStop { position: 0; color: Theme.deep }
        GradientStop { position: 1; color: Theme.navy }
    }

    // btn_Close1: a picture that closes the screen, top right.
    Rectangle {
        anchors.right: parent.right
        anchors.rightMargin: 16
        y: 24
        width: 36
        height: 36
        radius: 18
        color: "#26FFFFFF"
        visible: !root.o.btn_Close1.hidden
        Text {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -1
            text: "✕"
            color: "white"
            font.pixelSize: 17
        }
        TapArea {
            anchors.fill: parent
            anchors.margins: -6
            screen: root.screen
            outlet: "btn_Close1"
        }
    }

    Item {
        id: hero
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.round(parent.height * 0.14)
        width: Math.min(parent.width - 60, 260)
        height: width

        Radar {
            anchors.fill: parent
            color: Theme.aqua
            rings: 4
            periodMs: 2000
        }
        Rectangle {
            anchors.centerIn: parent
            width: parent.width * 0.5
            height: width
            radius: width / 2
            color: Theme.sand
            border.color: "#66FFFFFF"
            border.width: 4
            SequentialAnimation on scale {
                loops: Animation.Infinite
                NumberAnimation { from: 1; to: 1.08; duration: 500; easing.type: Easing.OutQuad }
                NumberAnimation { from: 1.08; to: 1; duration: 500; easing.type: Easing.InQuad }
            }
            AppImage {
                anchors.centerIn: parent
                width: parent.width * 0.62
                height: width
                name: "menu_alarm"
            }
        }
    }

    Column {
        anchors.top: hero.bottom
        anchors.topMargin: 22
        width: parent.width
        spacing: 10
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: "캐리어가 도착했습니다."
            color: "white"
            font.family: Theme.family
            font.pixelSize: root.width <= 320 ? 22 : 25
            font.bold: true
        }
        Text {
            width: parent.width - 60
            anchors.horizontalCenter: parent.horizontalCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            lineHeight: 1.15
            text: "수하물 수취대에서 캐리어를 찾아 주세요."
            color: Theme.aqua
            font.family: Theme.family
            font.pixelSize: 14
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 36
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 48
        height: 52
        radius: 26
        color: "white"
        visible: !root.o.btn_Close.hidden
        Text {
            anchors.centerIn: parent
            text: root.o.btn_Close.title
            color: Theme.navy
            font.family: Theme.family
            font.pixelSize: 17
            font.bold: true
        }
        TapArea {
            anchors.fill: parent
            screen: root.screen
            outlet: "btn_Close"
        }
    }
}
