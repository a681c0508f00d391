import QtQuick

// The main screen: the next-flight card, the carrier search, four menu buttons, the
// floating tool menu and the help overlay.
Item {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    // On a short phone (the floating button's frame, at the screen height - 124, would cover
    // the menu tiles) the parts above it close up and the tiles grow shorter, so that the
    // tiles end above the button.
    readonly property bool compact: 390 + 86 + 12 > (o.addButton ? o.addButton.frame.y
                                                                  : height - 124)
    readonly property int gap: compact ? 8 : 14
    readonly property int tileHeight: compact ? 64 : 86
    // While the help overlay or the open floating menu lies over the screen, what lies
    // beneath takes no keyboard focus.
    readonly property bool underHelp: !o.View_Help.hidden
    readonly property bool covered: underHelp || (o.addButton !== undefined && o.addButton.open)
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
        y: root.compact ? 12 : 22
        width: parent.width - 32
        height: 40
    }

    FlightCard {
        id: card
        x: 16
        y: root.compact ? 58 : 72
        width: parent.width - 32
        height: 240
        enabled: !root.covered
        screen: root.screen
    }

    // Carrier search; while one runs a radar sweeps round the tag.
    Rectangle {
        id: alarm
        readonly property bool searching: root.o.btn_Alarm.state === "searching"
        x: 16
        y: card.y + card.height + root.gap
        width: parent.width - 32
        height: root.compact ? 44 : 50
        radius: height / 2
        visible: !root.o.btn_Alarm.hidden
        enabled: !root.covered
        opacity: root.o.btn_Alarm.enabled ? 1 : 0.5
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: alarm.searching ? Theme.deep : Theme.navy }
            GradientStop { position: 1; color: alarm.searching ? Theme.teal : Theme.deep }
        }
        // The radar and the searching line are made only while a search runs.
        Loader {
            anchors.centerIn: alarmIcon
            width: 46
            height: 46
            active: alarm.searching
            sourceComponent: Radar {
                color: "white"
            }
        }
        AppImage {
            id: alarmIcon
            x: 18
            anchors.verticalCenter: parent.verticalCenter
            width: 32
            height: 32
            name: "menu_alarm"
        }
        Column {
            anchors.left: alarmIcon.right
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            Text {
                text: root.o.btn_Alarm.title
                color: "white"
                font.family: Theme.family
                font.pixelSize: 17
                font.bold: true
            }
            Loader {
                // Unloaded, it keeps no height in the column, so the title stays centred.
                active: alarm.searching
                visible: active
                sourceComponent: Text {
                    text: "찾는 중 · 도착하면 알려 드립니다"
                    color: "#D5F2EF"
                    font.family: Theme.family
                    font.pixelSize: 11
                }
            }
        }
        Rectangle {
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            width: alarm.searching ? stopText.implicitWidth + 20 : 30
            height: 30
            radius: 15
            color: "#26FFFFFF"
            Text {
                id: stopText
                anchors.centerIn: parent
                anchors.verticalCenterOffset: alarm.searching ? 0 : -2
                anchors.horizontalCenterOffset: alarm.searching ? 0 : 1
                text: alarm.searching ? "중지" : "›"
                color: "white"
                font.family: Theme.family
                font.pixelSize: alarm.searching ? 13 : 24
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
        y: alarm.y + alarm.height + root.gap
        spacing: 10
        enabled: !root.covered
        Repeater {
            model: root.menuButtons
            delegate: Rectangle {
                id: tile
                required property var modelData
                readonly property var button: root.o[modelData.outlet]
                width: (root.width - 32 - 30) / 4
                height: root.tileHeight
                radius: 16
                color: "#F5FFFFFF"
                border.color: Theme.line
                visible: !button.hidden
                opacity: button.enabled ? 1 : 0.5
                AppImage {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: root.compact ? 7 : 10
                    width: root.compact ? 32 : 42
                    height: width
                    name: tile.button.image || tile.modelData.icon
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: root.compact ? 44 : 60
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
        enabled: !root.underHelp
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
