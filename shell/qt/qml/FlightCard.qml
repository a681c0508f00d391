import QtQuick

// The next-flight card: a coloured band with the date, the flight and its two airports
// (or the empty-card message), and below it times, status, gate, counters, carousel, exit.
Item {
    id: card
    property QtObject screen
    readonly property var o: screen.outlets
    visible: !o.v_AirportView.hidden

    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 5
        anchors.bottomMargin: -5
        radius: 18
        color: "#160B3954"
    }
    Rectangle {
        anchors.fill: parent
        radius: 18
        color: "white"
        border.color: Theme.line
    }
    Rectangle {
        id: band
        width: parent.width
        height: 132
        radius: 18
        gradient: bandGradient
    }
    Rectangle {
        y: band.height - 18
        width: parent.width
        height: 18
        gradient: bandGradient
    }
    Gradient {
        id: bandGradient
        orientation: Gradient.Horizontal
        GradientStop { position: 0; color: Theme.deep }
        GradientStop { position: 1; color: Theme.teal }
    }

    TapArea {
        anchors.fill: parent
        screen: card.screen
        outlet: "v_AirportView"
        enabled: card.o.v_AirportView.tappable
    }

    // ---- the flight (v_BeAirSchedule), made only while it is shown
    Loader {
        width: parent.width
        height: band.height
        active: !card.o.v_BeAirSchedule.hidden
        sourceComponent: Item {
            width: parent.width
            height: band.height

            OutletLabel {
                x: 18
                y: 16
                outlet: card.o.lbl_Date
                color: "#B5E6E1"
                font.pixelSize: 15
                font.bold: true
            }
            Rectangle {
                anchors.right: parent.right
                anchors.rightMargin: 14
                y: 11
                height: 26
                width: flightId.implicitWidth + 22
                radius: 13
                color: "#2EFFFFFF"
                visible: flightId.text.length > 0
                OutletLabel {
                    id: flightId
                    anchors.centerIn: parent
                    outlet: card.o.lbl_FlightId
                    color: "white"
                    font.pixelSize: 14
                    font.bold: true
                }
            }

            Item {
                id: departure
                y: 40
                width: parent.width / 2 - 28
                height: 88
                OutletLabel {
                    x: 18
                    y: 2
                    width: parent.width - 18
                    outlet: card.o.lbl_Departure_Code
                    color: "white"
                    font.pixelSize: 34
                    font.bold: true
                }
                OutletLabel {
                    x: 18
                    y: 48
                    width: parent.width - 18
                    outlet: card.o.lbl_Departure_Name
                    color: "white"
                    font.pixelSize: 13
                }
                TapArea {
                    anchors.fill: parent
                    screen: card.screen
                    outlet: "v_Departure_Flight"
                    enabled: !card.o.v_Departure_Flight.hidden && card.o.v_Departure_Flight.tappable
                }
            }

            Item {
                id: arrival
                anchors.right: parent.right
                y: 40
                width: parent.width / 2 - 28
                height: 88
                OutletLabel {
                    y: 2
                    width: parent.width - 18
                    horizontalAlignment: Text.AlignRight
                    outlet: card.o.lbl_Arrival_Code
                    color: "white"
                    font.pixelSize: 34
                    font.bold: true
                }
                OutletLabel {
                    y: 48
                    width: parent.width - 18
                    horizontalAlignment: Text.AlignRight
                    outlet: card.o.lbl_Arrival_Name
                    color: "white"
                    font.pixelSize: 13
                }
                TapArea {
                    anchors.fill: parent
                    screen: card.screen
                    outlet: "v_Arrival_Flight"
                    enabled: !card.o.v_Arrival_Flight.hidden && card.o.v_Arrival_Flight.tappable
                }
            }

            // When the values were last confirmed, the mark that they may be stale, and the
            // quiet way to the flight's change history.
            Row {
                x: 18
                y: 110
                spacing: 6
                OutletLabel {
                    anchors.verticalCenter: parent.verticalCenter
                    outlet: card.o.lbl_Freshness
                    visible: text.length > 0 && !card.o.lbl_Freshness.hidden
                    color: "#B5E6E1"
                    font.pixelSize: 11
                }
                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !card.o.lbl_Stale.hidden
                    width: stale.implicitWidth + 12
                    height: 17
                    radius: 8.5
                    color: "#40F2705E"
                    OutletLabel {
                        id: stale
                        anchors.centerIn: parent
                        outlet: card.o.lbl_Stale
                        color: "#FFE2DC"
                        font.pixelSize: 10
                        font.bold: true
                    }
                }
            }
            Rectangle {
                anchors.right: parent.right
                anchors.rightMargin: 14
                y: 105
                width: history.implicitWidth + 18
                height: 22
                radius: 11
                visible: !card.o.btn_History.hidden
                color: historyArea.containsMouse ? "#33FFFFFF" : "#1FFFFFFF"
                Text {
                    id: history
                    anchors.centerIn: parent
                    text: card.o.btn_History.title + " ›"
                    color: "white"
                    font.family: Theme.family
                    font.pixelSize: 11
                }
                TapArea {
                    id: historyArea
                    anchors.fill: parent
                    anchors.margins: -4
                    hoverEnabled: true
                    screen: card.screen
                    outlet: "btn_History"
                }
            }

            // The route between the two airports.
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 60
                spacing: 4
                Repeater {
                    model: 3
                    Rectangle { width: 4; height: 4; radius: 2; color: "#A0FFFFFF"; anchors.verticalCenter: parent.verticalCenter }
                }
                AppImage {
                    width: 26
                    height: 26
                    rotation: 90
                    name: "plane"
                }
                Repeater {
                    model: 3
                    Rectangle { width: 4; height: 4; radius: 2; color: "#A0FFFFFF"; anchors.verticalCenter: parent.verticalCenter }
                }
            }
        }
    }

    // ---- no flight (v_NoAirSchedule)
    Item {
        width: parent.width
        height: band.height
        visible: !card.o.v_NoAirSchedule.hidden
        clip: true

        AppImage {
            x: parent.width - 118
            y: 8
            width: 124
            height: 124
            rotation: 45
            opacity: 0.16
            name: "plane"
        }
        Text {
            x: 20
            y: 34
            text: "등록된 항공편이 없습니다"
            color: "white"
            font.family: Theme.family
            font.pixelSize: 21
            font.bold: true
        }
        Text {
            x: 20
            y: 66
            text: "카드를 눌러 내 항공편을 등록하세요"
            color: "#D5F2EF"
            font.family: Theme.family
            font.pixelSize: 13
        }
    }

    // ---- times and status
    Column {
        x: 18
        y: 144
        spacing: 3
        Row {
            spacing: 6
            Text { text: "출발"; color: Theme.muted; font.family: Theme.family; font.pixelSize: 11 }
            OutletLabel { outlet: card.o.lbl_Schedule_DepartureTime; color: Theme.muted; font.pixelSize: 11 }
        }
        OutletLabel {
            outlet: card.o.lbl_Change_DepartureTime
            font.pixelSize: 24
            font.bold: true
        }
    }
    Column {
        anchors.right: parent.right
        anchors.rightMargin: 18
        y: 144
        spacing: 3
        Row {
            anchors.right: parent.right
            spacing: 6
            OutletLabel { outlet: card.o.lbl_Schedule_ArrivalTime; color: Theme.muted; font.pixelSize: 11 }
            Text { text: "도착"; color: Theme.muted; font.family: Theme.family; font.pixelSize: 11 }
        }
        OutletLabel {
            anchors.right: parent.right
            outlet: card.o.lbl_Change_ArrivalTime
            font.pixelSize: 24
            font.bold: true
        }
    }
    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 154
        width: Math.max(76, status.implicitWidth + 24)
        height: 28
        radius: card.o.lbl_Status.cornerRadius
        visible: !card.o.lbl_Status.hidden
        color: Theme.statusColor(card.o.lbl_Status.state)
        OutletLabel {
            id: status
            anchors.centerIn: parent
            outlet: card.o.lbl_Status
            color: "white"
            font.pixelSize: 13
            font.bold: true
        }
    }

    // ---- gate, check-in counters, baggage carousel, exit
    Rectangle {
        x: 18
        y: 196
        width: parent.width - 36
        height: 1
        color: Theme.line
    }
    Row {
        x: 8
        y: 203
        width: parent.width - 16
        Repeater {
            model: [
                { caption: "게이트", outlet: "lbl_GateNumber" },
                { caption: "체크인", outlet: "lbl_CheckInRange" },
                { caption: "수하물", outlet: "lbl_Carousel" },
                { caption: "출구", outlet: "lbl_ExitNumber" }
            ]
            delegate: Column {
                required property var modelData
                width: (card.width - 16) / 4
                spacing: 2
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: parent.modelData.caption
                    color: Theme.muted
                    font.family: Theme.family
                    font.pixelSize: 11
                }
                OutletLabel {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Math.min(implicitWidth, parent.width - 6)
                    outlet: card.o[parent.modelData.outlet]
                    font.pixelSize: 14
                    font.bold: true
                }
            }
        }
    }
}
