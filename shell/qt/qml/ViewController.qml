import QtQuick

// The main screen: the next-flight card, the carrier search, four menu buttons, the
// floating tool menu and the help overlay.
Item {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property var menuButtons: [
        { outlet: "btn_Menu1", icon: "menu_carrier_add" },
        { outlet: "btn_Menu2", icon: "menu_carrier_list" },
        { outlet: "btn_Menu3", icon: "menu_flight_search" },
        { outlet: "btn_Menu4", icon: "menu_hotel" }
    ]

    Rectangle {
        anchors.fill: parent
        color: Theme.page
    }
    AppImage {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 360
        fillMode: Image.PreserveAspectCrop
        visible: !root.o.Img_BottomBackgroud.hidden
        name: root.o.Img_BottomBackgroud.image
    }

    MainHeader {
        x: 16
        y: 22
        width: parent.width - 32
        height: 40
    }

    FlightCard {
        x: 16
        y: 72
        width: parent.width - 32
        height: 240
        screen: root.screen
    }

    // Carrier search.
    Rectangle {
        id: alarm
        x: 16
        y: 326
        width: parent.width - 32
        height: 50
        radius: 25
        visible: !root.o.btn_Alarm.hidden
        opacity: root.o.btn_Alarm.enabled ? 1 : 0.5
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: Theme.navy }
            GradientStop { position: 1; color: Theme.deep }
        }
        AppImage {
            id: alarmIcon
            x: 18
            anchors.verticalCenter: parent.verticalCenter
            width: 32
            height: 32
            name: root.o.btn_Alarm.image || "menu_alarm"
        }
        Text {
            anchors.left: alarmIcon.right
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: root.o.btn_Alarm.title
            color: "white"
            font.family: Theme.family
            font.pixelSize: 17
            font.bold: true
        }
        Rectangle {
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            width: 30
            height: 30
            radius: 15
            color: "#26FFFFFF"
            Text {
                anchors.centerIn: parent
                anchors.verticalCenterOffset: -2
                anchors.horizontalCenterOffset: 1
                text: "›"
                color: "white"
                font.family: Theme.family
                font.pixelSize: 24
                font.bold: true
            }
        }
        TapArea {
            anchors.fill: parent
            screen: root.screen
            outlet: "btn_Alarm"
        }
    }

    // The four menu buttons.
    Row {
        x: 16
        y: 390
        spacing: 10
        Repeater {
            model: root.menuButtons
            delegate: Rectangle {
                id: tile
                required property var modelData
                readonly property var button: root.o[modelData.outlet]
                width: (root.width - 32 - 30) / 4
                height: 86
                radius: 16
                color: "#F5FFFFFF"
                border.color: Theme.line
                visible: !button.hidden
                opacity: button.enabled ? 1 : 0.5
                AppImage {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 10
                    width: 42
                    height: 42
                    name: tile.button.image || tile.modelData.icon
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 60
                    text: tile.button.title
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: 12
                    font.bold: true
                }
                TapArea {
                    anchors.fill: parent
                    screen: root.screen
                    outlet: tile.modelData.outlet
                }
            }
        }
    }

    FloatingMenu {
        anchors.fill: parent
        screen: root.screen
    }

    // Made only while it is shown: most starts never show it.
    Loader {
        anchors.fill: parent
        active: !root.o.View_Help.hidden
        sourceComponent: HelpOverlay {
            screen: root.screen
        }
    }
}
