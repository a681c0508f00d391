import QtQuick
import QtQuick.Controls

// The flight search: date and flight number over the day's flights, page by page. The
// busy badge shows while a page is fetched; the flight's detail view opens over the list.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property var table: o.airportTableView
    color: Theme.page

    ScreenBar {
        id: bar
        screen: root.screen
        title: "항공편 검색"
    }

    // ---- the search bar
    Rectangle {
        id: search
        x: 12
        y: bar.height + 10
        width: parent.width - 24
        height: 104
        radius: 16
        color: "white"
        border.color: Theme.line

        // The day: the field shows it, a tap opens the calendar.
        Rectangle {
            id: dateBox
            x: 10
            y: 10
            width: parent.width - 20
            height: 38
            radius: 10
            color: Theme.page
            visible: !root.o.txt_Calendar.hidden
            Text {
                x: 12
                anchors.verticalCenter: parent.verticalCenter
                text: "날짜"
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 12
            }
            Text {
                x: 52
                anchors.verticalCenter: parent.verticalCenter
                text: root.o.txt_Calendar.text.length > 0 ? root.o.txt_Calendar.text : "오늘"
                color: root.o.txt_Calendar.text.length > 0 ? Theme.ink : Theme.muted
                font.family: Theme.family
                font.pixelSize: 15
                font.bold: root.o.txt_Calendar.text.length > 0
            }
            Rectangle {
                anchors.right: parent.right
                anchors.rightMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                width: calendarText.implicitWidth + 20
                height: 28
                radius: 8
                color: Theme.mist
                visible: !root.o.btn_Calendar.hidden
                Text {
                    id: calendarText
                    anchors.centerIn: parent
                    text: "달력 ▾"
                    color: Theme.deep
                    font.family: Theme.family
                    font.pixelSize: 12
                    font.bold: true
                }
            }
            TapArea {
                anchors.fill: parent
                screen: root.screen
                outlet: "btn_Calendar"
            }
        }

        // The flight number and the search button.
        TextField {
            id: flightId
            x: 10
            y: 56
            width: parent.width - 20 - searchButton.width - 8
            height: 38
            leftPadding: 12
            placeholderText: "편명 (예: KE001, 비우면 전체)"
            font.family: Theme.family
            font.pixelSize: 14
            inputMethodHints: Qt.ImhUppercaseOnly | Qt.ImhNoPredictiveText
            enabled: root.o.txt_FlightId.enabled
            visible: !root.o.txt_FlightId.hidden
            text: root.o.txt_FlightId.text
            background: Rectangle { radius: 10; color: Theme.page; border.color: flightId.activeFocus ? Theme.teal : "transparent" }
            onTextEdited: root.screen.type("txt_FlightId", text)
            onAccepted: root.screen.tap("btn_FlightId_Search")
        }
        Rectangle {
            id: searchButton
            anchors.right: parent.right
            anchors.rightMargin: 10
            y: 56
            width: 72
            height: 38
            radius: 10
            visible: !root.o.btn_FlightId_Search.hidden
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: Theme.teal }
                GradientStop { position: 1; color: Theme.deep }
            }
            Text {
                anchors.centerIn: parent
                text: root.o.btn_FlightId_Search.title
                color: "white"
                font.family: Theme.family
                font.pixelSize: 15
                font.bold: true
            }
            TapArea {
                anchors.fill: parent
                screen: root.screen
                outlet: "btn_FlightId_Search"
                onClicked: flightId.focus = false
            }
        }
    }

    // ---- the flights (superView)
    ListView {
        id: list
        anchors.top: search.bottom
        anchors.topMargin: 6
        width: parent.width
        anchors.bottom: parent.bottom
        clip: true
        // Tab reaches the list; the arrow keys move through it and Return opens a row.
        activeFocusOnTab: true
        keyNavigationEnabled: true
        Keys.onReturnPressed: if (currentIndex >= 0) root.screen.select("airportTableView", currentIndex)
        Keys.onEnterPressed: if (currentIndex >= 0) root.screen.select("airportTableView", currentIndex)
        visible: !root.o.superView.hidden && !root.table.hidden
        cacheBuffer: 0
        model: TableRows { rows: root.table.rows }
        delegate: Item {
            id: entry
            required property string json
            required property int index
            readonly property var row: JSON.parse(json)
            readonly property bool loading: row.v_Loading !== undefined
            width: list.width
            height: loading ? 96 : root.table.rowHeight

            FlightRow {
                anchors.fill: parent
                visible: !entry.loading
                row: entry.row
                pressed: tap.pressed || (list.activeFocus && list.currentIndex === entry.index)
            }
            MouseArea {
                id: tap
                anchors.fill: parent
                enabled: !entry.loading
                onClicked: root.screen.select("airportTableView", entry.index)
            }

            // The end of the list: the next page is fetched when it comes into view.
            Column {
                anchors.centerIn: parent
                visible: entry.loading
                spacing: 6
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: !root.o.netIndic.hidden ? "항공편을 불러오는 중…" : "검색 버튼을 눌러 항공편을 찾아보세요"
                    color: Theme.muted
                    font.family: Theme.family
                    font.pixelSize: 13
                }
            }
            Component.onCompleted: if (loading) root.screen.display("airportTableView", index)
        }

        Text {
            anchors.centerIn: parent
            visible: list.count === 0 && root.o.netIndic.hidden
            text: "찾는 항공편이 없습니다"
            color: Theme.muted
            font.family: Theme.family
            font.pixelSize: 15
        }
    }

    BusyBadge {
        anchors.centerIn: parent
        label: root.o.lbl_Indicator
        spinner: root.o.netIndic
    }
}
