import QtQuick

// My flights: the tracked flights, one card each; a tap offers to stop tracking it. With
// no flight an empty state leads to the flight search.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property var table: o.myScheduleTableView
    color: Theme.page

    ScreenBar {
        id: bar
        screen: root.screen
        title: "내 항공편"
        actionOutlet: root.o.btn_ScheduleSearch.hidden ? "" : "btn_ScheduleSearch"
        actionText: "+ 검색"
    }

    ListView {
        id: list
        anchors.top: bar.bottom
        anchors.topMargin: 6
        anchors.bottom: parent.bottom
        width: parent.width
        clip: true
        // Tab reaches the list; the arrow keys move through it and Return opens a row.
        activeFocusOnTab: true
        keyNavigationEnabled: true
        Keys.onReturnPressed: if (currentIndex >= 0) root.screen.select("myScheduleTableView", currentIndex)
        Keys.onEnterPressed: if (currentIndex >= 0) root.screen.select("myScheduleTableView", currentIndex)
        visible: !root.table.hidden
        model: TableRows {
            rows: root.table.rows
            // A reload starts again from the top.
            onRowsChanged: list.positionViewAtBeginning()
        }
        delegate: Item {
            id: entry
            required property string json
            required property int index
            width: list.width
            height: root.table.rowHeight
            FlightRow {
                anchors.fill: parent
                row: JSON.parse(entry.json)
                pressed: tap.pressed || (list.activeFocus && list.currentIndex === entry.index)
            }
            MouseArea {
                id: tap
                anchors.fill: parent
                onClicked: root.screen.select("myScheduleTableView", entry.index)
            }
        }
    }

    // ---- nothing tracked (img_FlightData)
    Column {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 10
        visible: !root.o.img_FlightData.hidden && root.o.netIndic.hidden
        spacing: 14
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 112
            height: 112
            radius: 56
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.aqua }
                GradientStop { position: 1; color: Theme.teal }
            }
            AppImage {
                anchors.centerIn: parent
                width: 64
                height: 64
                rotation: 45
                name: "plane"
            }
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "등록된 항공편이 없습니다"
            color: Theme.ink
            font.family: Theme.family
            font.pixelSize: 18
            font.bold: true
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            horizontalAlignment: Text.AlignHCenter
            text: "항공편을 검색해 등록하면\n출발 시각과 게이트 변경을 알려 드립니다"
            color: Theme.muted
            font.family: Theme.family
            font.pixelSize: 13
            lineHeight: 1.2
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 160
            height: 44
            radius: 22
            visible: !root.o.btn_ScheduleSearch.hidden
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: Theme.teal }
                GradientStop { position: 1; color: Theme.deep }
            }
            Text {
                anchors.centerIn: parent
                text: root.o.btn_ScheduleSearch.title
                color: "white"
                font.family: Theme.family
                font.pixelSize: 15
                font.bold: true
            }
            TapArea {
                anchors.fill: parent
                screen: root.screen
                outlet: "btn_ScheduleSearch"
            }
        }
    }

    BusyBadge {
        anchors.centerIn: parent
        label: root.o.lbl_Indicator
        spinner: root.o.netIndic
    }
}
