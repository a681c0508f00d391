import QtQuick

// The tracked flight's change history: a timeline of what the refresh announced, newest on
// top, and the calendar file of the tracked flights at the bottom.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property var table: o.tbl_History
    color: Theme.page

    ScreenBar {
        id: bar
        screen: root.screen
        title: root.o.lbl_Title.text
    }

    // The flight the history is about.
    Rectangle {
        id: flight
        x: 16
        anchors.top: bar.bottom
        anchors.topMargin: 14
        width: parent.width - 32
        height: 48
        radius: 14
        visible: root.o.lbl_Flight.text.length > 0
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: Theme.deep }
            GradientStop { position: 1; color: Theme.teal }
        }
        AppImage {
            id: plane
            x: 14
            anchors.verticalCenter: parent.verticalCenter
            width: 22
            height: 22
            rotation: 45
            name: "plane"
        }
        OutletLabel {
            anchors.left: plane.right
            anchors.leftMargin: 10
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            outlet: root.o.lbl_Flight
            color: "white"
            font.pixelSize: 15
            font.bold: true
        }
    }

    ListView {
        id: list
        anchors.top: flight.visible ? flight.bottom : bar.bottom
        anchors.topMargin: 12
        anchors.bottom: calendar.top
        anchors.bottomMargin: 8
        width: parent.width
        clip: true
        visible: !root.table.hidden && count > 0
        model: TableRows {
            rows: root.table.rows
        }
        delegate: Item {
            id: entry
            required property string json
            required property int index
            readonly property var row: JSON.parse(json)
            width: list.width
            height: root.table.rowHeight

            // The timeline: a line through every row, a dot at each change; the newest
            // change's dot is filled.
            Rectangle {
                x: 86
                y: entry.index === 0 ? parent.height / 2 : 0
                width: 2
                height: entry.index === 0 || entry.index === list.count - 1 ? parent.height / 2
                                                                              : parent.height
                visible: list.count > 1
                color: Theme.line
            }
            Rectangle {
                x: 81
                anchors.verticalCenter: parent.verticalCenter
                width: 12
                height: 12
                radius: 6
                color: entry.index === 0 ? Theme.teal : "white"
                border.color: Theme.teal
                border.width: 2
            }
            Text {
                x: 16
                width: 58
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignRight
                text: entry.row.lbl_Time ? entry.row.lbl_Time.text : ""
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 12
                wrapMode: Text.WordWrap
            }
            Rectangle {
                x: 104
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 104 - 16
                height: parent.height - 12
                radius: 12
                color: "white"
                border.color: Theme.line
                Text {
                    x: 12
                    width: parent.width - 24
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.row.lbl_Change ? entry.row.lbl_Change.text : ""
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: 14
                    font.bold: entry.index === 0
                    elide: Text.ElideRight
                }
            }
        }
    }

    // ---- no change yet, or no tracked flight
    Column {
        anchors.centerIn: list
        visible: !root.o.lbl_Empty.hidden
        spacing: 12
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 84
            height: 84
            radius: 42
            color: Theme.mist
            AppImage {
                anchors.centerIn: parent
                width: 44
                height: 44
                rotation: 45
                opacity: 0.7
                name: "plane"
            }
        }
        OutletLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            outlet: root.o.lbl_Empty
            color: Theme.muted
            font.pixelSize: 15
        }
    }

    // ---- the calendar file
    Rectangle {
        id: calendar
        x: 16
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        width: parent.width - 32
        height: column.implicitHeight + 24
        radius: 16
        color: "white"
        border.color: Theme.line
        visible: !root.o.btn_Calendar.hidden
        Column {
            id: column
            x: 12
            y: 12
            width: parent.width - 24
            spacing: 8
            Rectangle {
                width: parent.width
                height: 44
                radius: 22
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0; color: Theme.teal }
                    GradientStop { position: 1; color: Theme.deep }
                }
                Text {
                    anchors.centerIn: parent
                    text: root.o.btn_Calendar.title
                    color: "white"
                    font.family: Theme.family
                    font.pixelSize: 15
                    font.bold: true
                }
                TapArea {
                    anchors.fill: parent
                    screen: root.screen
                    outlet: "btn_Calendar"
                }
            }
            // The file's path, to subscribe to it from a calendar.
            Text {
                width: parent.width
                visible: !root.o.lbl_CalendarPath.hidden
                text: root.o.lbl_CalendarPath.text
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 11
                wrapMode: Text.WrapAnywhere
                horizontalAlignment: Text.AlignHCenter
            }
        }
    }
}
