import QtQuick

// A found flight over the search list: its times, airports and counters, and the button
// that tracks it (or stops tracking it).
Item {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property bool saves: o.btn_Insert.state === "save"

    // The list beneath takes no touch while the detail view is open.
    Rectangle {
        anchors.fill: parent
        color: "#8C0E2A36"
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            onWheel: wheel => wheel.accepted = true
        }
    }

    Rectangle {
        id: card
        anchors.centerIn: parent
        width: Math.min(parent.width - 32, 360)
        height: content.height + 24
        radius: 20
        color: "white"

        Column {
            id: content
            x: 18
            y: 18
            width: card.width - 36
            spacing: 14

            // airline and flight number
            Row {
                spacing: 10
                Rectangle {
                    width: 40
                    height: 40
                    radius: 20
                    color: Theme.teal
                    AppImage {
                        anchors.centerIn: parent
                        width: 24
                        height: 24
                        rotation: 90
                        name: "plane"
                    }
                }
                Column {
                    anchors.verticalCenter: parent.verticalCenter
                    OutletLabel {
                        outlet: root.o.lbl_FlightId
                        color: Theme.navy
                        font.pixelSize: 20
                        font.bold: true
                    }
                    OutletLabel {
                        outlet: root.o.lbl_Airline
                        color: Theme.muted
                        font.pixelSize: 12
                    }
                }
            }

            // route with times
            Repeater {
                model: [
                    { caption: "출발", airport: "lbl_Departure_Airport", time: "lbl_ScheduleDateTime" },
                    { caption: "도착", airport: "lbl_Arrival_Airport", time: "lbl_EstimatedDateTime" }
                ]
                delegate: Rectangle {
                    required property var modelData
                    width: content.width
                    height: 56
                    radius: 12
                    color: Theme.page
                    Text {
                        x: 12
                        y: 8
                        text: parent.modelData.caption
                        color: Theme.deep
                        font.family: Theme.family
                        font.pixelSize: 11
                        font.bold: true
                    }
                    OutletLabel {
                        x: 12
                        y: 24
                        width: parent.width / 2 - 12
                        outlet: root.o[parent.modelData.airport]
                        font.pixelSize: 16
                        font.bold: true
                    }
                    OutletLabel {
                        anchors.right: parent.right
                        anchors.rightMargin: 12
                        y: 26
                        outlet: root.o[parent.modelData.time]
                        color: Theme.ink
                        font.pixelSize: 14
                    }
                }
            }

            // counters, gate, carousel, exit
            Row {
                width: content.width
                Repeater {
                    model: [
                        { caption: "체크인", outlet: "lbl_ChkIn" },
                        { caption: "게이트", outlet: "lbl_GateNum" },
                        { caption: "수하물", outlet: "lbl_Carousel" },
                        { caption: "출구", outlet: "lbl_ExitNum" }
                    ]
                    delegate: Column {
                        required property var modelData
                        width: content.width / 4
                        spacing: 2
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: parent.modelData.caption
                            color: Theme.muted
                            font.family: Theme.family
                            font.pixelSize: 10
                        }
                        // A long value ("K13-K24") shrinks to its column on a narrow phone.
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: parent.width - 4
                            horizontalAlignment: Text.AlignHCenter
                            fontSizeMode: Text.HorizontalFit
                            minimumPixelSize: 10
                            elide: Text.ElideRight
                            readonly property var label: root.o[parent.modelData.outlet]
                            text: label && label.text.length > 0 ? label.text : "-"
                            color: Theme.ink
                            font.family: Theme.family
                            font.pixelSize: 15
                            font.bold: true
                        }
                    }
                }
            }

            // the two buttons
            Row {
                width: content.width
                spacing: 10
                Rectangle {
                    width: (content.width - 10) * 0.35
                    height: 46
                    radius: 12
                    color: Theme.page
                    border.color: Theme.line
                    visible: !root.o.btn_Close.hidden
                    Text {
                        anchors.centerIn: parent
                        text: root.o.btn_Close.title
                        color: Theme.ink
                        font.family: Theme.family
                        font.pixelSize: 15
                    }
                    TapArea {
                        anchors.fill: parent
                        screen: root.screen
                        outlet: "btn_Close"
                    }
                }
                Rectangle {
                    width: (content.width - 10) * 0.65
                    height: 46
                    radius: 12
                    visible: !root.o.btn_Insert.hidden
                    color: root.saves ? Theme.teal : Theme.coral
                    Text {
                        anchors.centerIn: parent
                        text: root.o.btn_Insert.title
                        color: "white"
                        font.family: Theme.family
                        font.pixelSize: 15
                        font.bold: true
                    }
                    TapArea {
                        anchors.fill: parent
                        screen: root.screen
                        outlet: "btn_Insert"
                    }
                }
            }
        }
    }
}
