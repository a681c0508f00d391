import QtQuick

// One flight of a flight list, drawn from the row's outlets: the date line with its red
// weekday, the route, struck-through scheduled times over the changed ones, the status and
// the counters, gate, carousel and exit.
Item {
    id: flightRow
    property var row: ({})
    property bool pressed: false
    readonly property bool first: row.img_Top !== undefined && row.img_Top.state === "first"

    function styled(l) { return l ? l.html : "" }
    function size(l, normal) { return l && l.fontSize ? l.fontSize : normal }

    Rectangle {
        id: card
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.topMargin: 6
        anchors.bottomMargin: 6
        radius: 16
        color: "white"
        border.color: Theme.line
        scale: flightRow.pressed ? 0.985 : 1
        Behavior on scale { NumberAnimation { duration: 90 } }

        // ---- date and status
        Rectangle {
            id: strip
            width: parent.width
            height: 40
            radius: 16
            color: flightRow.first ? Theme.mist : Theme.page
            Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 16; color: parent.color }
            Text {
                x: 14
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - status.width - 40
                elide: Text.ElideRight
                textFormat: Text.StyledText
                text: flightRow.styled(flightRow.row.lbl_DateTime)
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: flightRow.size(flightRow.row.lbl_DateTime, 13)
                font.bold: true
            }
            Rectangle {
                id: status
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                width: statusText.implicitWidth + 20
                height: 24
                radius: 12
                color: Theme.statusColor(flightRow.row.lbl_Status ? flightRow.row.lbl_Status.state : "")
                Text {
                    id: statusText
                    anchors.centerIn: parent
                    text: flightRow.row.lbl_Status ? flightRow.row.lbl_Status.text : ""
                    color: "white"
                    font.family: Theme.family
                    font.pixelSize: flightRow.size(flightRow.row.lbl_Status, 12)
                    font.bold: true
                }
            }
        }

        // ---- route
        Item {
            id: route
            y: strip.height + (card.height - 200) * 0.2
            width: parent.width
            height: 62
            Column {
                x: 16
                width: parent.width / 2 - 46
                Text {
                    text: flightRow.row.lbl_AirportCode1 ? flightRow.row.lbl_AirportCode1.text : ""
                    color: Theme.navy
                    font.family: Theme.family
                    font.pixelSize: 28
                    font.bold: true
                }
                Text {
                    width: parent.width
                    elide: Text.ElideRight
                    text: flightRow.row.lbl_AirportName1 ? flightRow.row.lbl_AirportName1.text : ""
                    color: Theme.muted
                    font.family: Theme.family
                    font.pixelSize: flightRow.size(flightRow.row.lbl_AirportName1, 12)
                }
            }
            Column {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 4
                spacing: 2
                AppImage {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 24
                    height: 24
                    rotation: 90
                    name: "plane"
                    Rectangle { anchors.fill: parent; radius: 12; color: Theme.teal; z: -1 }
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: flightRow.row.lbl_FlightId ? flightRow.row.lbl_FlightId.text : ""
                    color: Theme.deep
                    font.family: Theme.family
                    font.pixelSize: flightRow.size(flightRow.row.lbl_FlightId, 13)
                    font.bold: true
                }
            }
            Column {
                anchors.right: parent.right
                anchors.rightMargin: 16
                width: parent.width / 2 - 46
                Text {
                    anchors.right: parent.right
                    text: flightRow.row.lbl_AirportCode2 ? flightRow.row.lbl_AirportCode2.text : ""
                    color: Theme.navy
                    font.family: Theme.family
                    font.pixelSize: 28
                    font.bold: true
                }
                Text {
                    width: parent.width
                    horizontalAlignment: Text.AlignRight
                    elide: Text.ElideRight
                    text: flightRow.row.lbl_AirportName2 ? flightRow.row.lbl_AirportName2.text : ""
                    color: Theme.muted
                    font.family: Theme.family
                    font.pixelSize: flightRow.size(flightRow.row.lbl_AirportName2, 12)
                }
            }
        }

        // ---- times
        Item {
            id: times
            y: route.y + route.height + (card.height - 200) * 0.15
            width: parent.width
            height: 44
            Column {
                x: 16
                Row {
                    spacing: 6
                    Text { text: "출발"; color: Theme.muted; font.family: Theme.family; font.pixelSize: 11 }
                    Text {
                        textFormat: Text.StyledText
                        text: flightRow.styled(flightRow.row.lbl_ScheduledTime)
                        color: Theme.muted
                        font.family: Theme.family
                        font.pixelSize: flightRow.size(flightRow.row.lbl_ScheduledTime, 11)
                    }
                }
                Text {
                    text: flightRow.row.lbl_EstimatedTime ? flightRow.row.lbl_EstimatedTime.text : ""
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: flightRow.size(flightRow.row.lbl_EstimatedTime, 20)
                    font.bold: true
                }
            }
            Column {
                anchors.right: parent.right
                anchors.rightMargin: 16
                Row {
                    anchors.right: parent.right
                    spacing: 6
                    Text {
                        textFormat: Text.StyledText
                        text: flightRow.styled(flightRow.row.lbl_ScheduledTime1)
                        color: Theme.muted
                        font.family: Theme.family
                        font.pixelSize: flightRow.size(flightRow.row.lbl_ScheduledTime1, 11)
                    }
                    Text { text: "도착"; color: Theme.muted; font.family: Theme.family; font.pixelSize: 11 }
                }
                Text {
                    anchors.right: parent.right
                    text: flightRow.row.lbl_EstimatedTime1 ? flightRow.row.lbl_EstimatedTime1.text : ""
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: flightRow.size(flightRow.row.lbl_EstimatedTime1, 20)
                    font.bold: true
                }
            }
        }

        // ---- counters, gate, carousel, exit
        Rectangle {
            anchors.bottom: facts.top
            anchors.bottomMargin: 6
            x: 14
            width: parent.width - 28
            height: 1
            color: Theme.line
        }
        Row {
            id: facts
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            x: 6
            width: parent.width - 12
            Repeater {
                model: [
                    { caption: "체크인", outlet: "lbl_ChkInRange" },
                    { caption: "게이트", outlet: "lbl_GeteNumber" },
                    { caption: "수하물", outlet: "lbl_Carousel" },
                    { caption: "출구", outlet: "lbl_ExitNumber" }
                ]
                delegate: Column {
                    required property var modelData
                    width: facts.width / 4
                    spacing: 1
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: parent.modelData.caption
                        color: Theme.muted
                        font.family: Theme.family
                        font.pixelSize: 10
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Math.min(implicitWidth, parent.width - 4)
                        elide: Text.ElideRight
                        readonly property var label: flightRow.row[parent.modelData.outlet]
                        text: label ? label.text : ""
                        color: Theme.ink
                        font.family: Theme.family
                        font.pixelSize: flightRow.size(label, 14)
                        font.bold: true
                    }
                }
            }
        }
    }
}
