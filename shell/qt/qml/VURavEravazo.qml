import QtQuick

// The flight search handed to the partner: one way or return, the route with place
// suggestions and a swap, the dates from the calendar, the passengers, and the search.
FocusScope {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property QtObject departures: screen.namedChildren.departures || null
    readonly property QtObject arrivals: screen.namedChildren.arrivals || null

    Rectangle {
        anchors.fill: parent
        color: Theme.page
    }

    ToolHeader {
        id: header
        screen: root.screen
        title: "항공권 검색"
        subtitle: "제휴 항공권 검색 사이트에서 결과가 열립니다"
        backOutlet: "btn_Back"
        visible: !root.o.v_TopView.hidden
    }

    component Card: Rectangle {
        radius: 18
        color: "white"
        border.color: Theme.line
    }
    component Caption: Text {
        color: Theme.muted
        font.family: Theme.family
        font.pixelSize: 12
        font.bold: true
    }

    // The form scrolls when the phone is too short for it (the search button last).
    Flickable {
        id: page
        y: header.height
        width: parent.width
        height: parent.height - y
        contentWidth: width
        contentHeight: Math.max(height, search.y + search.height + 16)
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        // A click on the page itself takes the keyboard from the field (closing its list).
        MouseArea {
            width: page.width
            height: page.contentHeight
            onPressed: focusSink.forceActiveFocus()
            Item {
                id: focusSink
            }
        }

        // ---- one way or return
        Rectangle {
            id: trip
            x: 16
            y: 12
            width: parent.width - 32
            height: 44
            radius: 22
            color: "white"
            border.color: Theme.line
            Row {
                anchors.fill: parent
                anchors.margins: 4
                Repeater {
                    model: [{ outlet: "btn_Oneway" }, { outlet: "btn_Return" }]
                    delegate: Rectangle {
                        id: segment
                        required property var modelData
                        readonly property var button: root.o[modelData.outlet]
                        readonly property bool chosen: button.state === "chosen"
                        width: (trip.width - 8) / 2
                        height: trip.height - 8
                        radius: height / 2
                        color: chosen ? Theme.teal : segment.activeFocus ? Theme.mist : "transparent"
                        activeFocusOnTab: true
                        Row {
                            anchors.centerIn: parent
                            spacing: 6
                            AppImage {
                                anchors.verticalCenter: parent.verticalCenter
                                width: 22
                                height: 22
                                name: segment.button.image
                            }
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                text: segment.button.title
                                color: segment.chosen ? "white" : Theme.deep
                                font.family: Theme.family
                                font.pixelSize: 14
                                font.bold: true
                            }
                        }
                        TapArea {
                            anchors.fill: parent
                            screen: root.screen
                            outlet: segment.modelData.outlet
                        }
                        Keys.onReturnPressed: root.screen.tap(modelData.outlet)
                        Keys.onSpacePressed: root.screen.tap(modelData.outlet)
                    }
                }
            }
        }

        // ---- the route
        Card {
            id: route
            x: 16
            y: trip.y + trip.height + 12
            width: parent.width - 32
            height: 132
            visible: !root.o.v_SelectPlace.hidden
            Caption { x: 16; y: 10; text: "출발" }
            SearchField {
                id: departure
                x: 12
                y: 26
                width: parent.width - 24 - 52
                height: 40
                glyph: "↗"
                screen: root.screen
                outlet: "txt_Departure"
                placeholderText: "도시 또는 공항 (예: 인천)"
                suggestions: departureList
            }
            Caption { x: 16; y: 72; text: "도착" }
            SearchField {
                id: arrival
                x: 12
                y: 88
                width: departure.width
                height: 40
                glyph: "↘"
                screen: root.screen
                outlet: "txt_Arrival"
                placeholderText: "도시 또는 공항 (예: 나리타)"
                suggestions: arrivalList
            }
            Rectangle {
                id: swap
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                anchors.verticalCenterOffset: 10
                width: 40
                height: 40
                radius: 20
                color: swap.activeFocus ? Theme.navy : Theme.deep
                visible: !root.o.btn_Change.hidden
                activeFocusOnTab: true
                Text {
                    anchors.centerIn: parent
                    text: "⇅"
                    color: "white"
                    font.pixelSize: 20
                    font.bold: true
                }
                TapArea {
                    anchors.fill: parent
                    screen: root.screen
                    outlet: "btn_Change"
                }
                Keys.onReturnPressed: root.screen.tap("btn_Change")
                Keys.onSpacePressed: root.screen.tap("btn_Change")
            }
        }

        // ---- the dates
        Row {
            id: dates
            x: 16
            y: route.y + route.height + 12
            width: parent.width - 32
            spacing: 10
            Repeater {
                model: [
                    { caption: "가는 날", field: "txt_StartDate", button: "btn_StartDate" },
                    { caption: "오는 날", field: "txt_ReturnDate", button: "btn_ReturnDate" }
                ]
                delegate: Card {
                    id: date
                    required property var modelData
                    readonly property var field: root.o[modelData.field]
                    readonly property var button: root.o[modelData.button]
                    readonly property bool usable: button.enabled && !button.hidden
                    width: (dates.width - dates.spacing) / 2
                    height: 68
                    opacity: usable ? 1 : 0.55
                    border.color: date.activeFocus ? Theme.teal : Theme.line
                    border.width: date.activeFocus ? 2 : 1
                    activeFocusOnTab: usable
                    Caption { x: 14; y: 10; text: date.modelData.caption }
                    Text {
                        x: 14
                        y: 30
                        width: parent.width - 28
                        elide: Text.ElideRight
                        text: date.field.text.length > 0 ? date.field.text
                              : date.usable ? "날짜 선택" : "편도"
                        color: date.field.text.length > 0 ? Theme.navy : "#9AB0B8"
                        font.family: Theme.family
                        font.pixelSize: 18
                        font.bold: date.field.text.length > 0
                    }
                    Text {
                        anchors.right: parent.right
                        anchors.rightMargin: 12
                        y: 8
                        text: "▦"
                        color: Theme.teal
                        font.pixelSize: 16
                    }
                    TapArea {
                        anchors.fill: parent
                        enabled: date.usable
                        screen: root.screen
                        outlet: date.modelData.button
                    }
                    Keys.onReturnPressed: root.screen.tap(modelData.button)
                    Keys.onSpacePressed: root.screen.tap(modelData.button)
                }
            }
        }

        // ---- the passengers
        Card {
            id: people
            x: 16
            y: dates.y + dates.height + 12
            width: parent.width - 32
            height: 36 + 3 * 42
            Caption { x: 16; y: 12; text: "탑승객 (최대 8명)" }
            Column {
                y: 32
                width: parent.width
                Repeater {
                    model: [
                        { name: "성인", age: "만 12세 이상", count: "txt_Audlt_Count",
                          minus: "btn_Audlt_Minus", plus: "btn_Audlt_Plus" },
                        { name: "소아", age: "만 2~11세", count: "txt_Children_Count",
                          minus: "btn_Children_Minus", plus: "btn_Children_Plus" },
                        { name: "유아", age: "만 2세 미만", count: "txt_Infants_Count",
                          minus: "btn_Infants_Minus", plus: "btn_Infants_Plus" }
                    ]
                    delegate: Item {
                        id: kind
                        required property var modelData
                        width: people.width
                        height: 42
                        Text {
                            x: 16
                            anchors.verticalCenter: parent.verticalCenter
                            text: kind.modelData.name
                            color: Theme.ink
                            font.family: Theme.family
                            font.pixelSize: 15
                            font.bold: true
                        }
                        Text {
                            x: 56
                            anchors.verticalCenter: parent.verticalCenter
                            text: kind.modelData.age
                            color: Theme.muted
                            font.family: Theme.family
                            font.pixelSize: 12
                        }
                        Row {
                            anchors.right: parent.right
                            anchors.rightMargin: 12
                            anchors.verticalCenter: parent.verticalCenter
                            spacing: 4
                            component Step: Rectangle {
                                id: stepButton
                                property string outlet
                                property string label
                                width: 32
                                height: 32
                                radius: 16
                                color: stepButton.activeFocus ? Theme.mist : "white"
                                border.color: Theme.teal
                                activeFocusOnTab: true
                                Text {
                                    anchors.centerIn: parent
                                    anchors.verticalCenterOffset: -1
                                    text: stepButton.label
                                    color: Theme.deep
                                    font.family: Theme.family
                                    font.pixelSize: 20
                                    font.bold: true
                                }
                                TapArea {
                                    anchors.fill: parent
                                    screen: root.screen
                                    outlet: stepButton.outlet
                                }
                                Keys.onReturnPressed: root.screen.tap(outlet)
                                Keys.onSpacePressed: root.screen.tap(outlet)
                            }
                            Step { outlet: kind.modelData.minus; label: "−" }
                            Text {
                                width: 30
                                height: 32
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                                text: root.o[kind.modelData.count].text
                                color: Theme.navy
                                font.family: Theme.family
                                font.pixelSize: 17
                                font.bold: true
                            }
                            Step { outlet: kind.modelData.plus; label: "+" }
                        }
                    }
                }
            }
        }

        // ---- the search
        Rectangle {
            id: search
            x: 16
            y: Math.max(people.y + people.height + 14, page.height - height - 16)
            width: parent.width - 32
            height: 52
            radius: 26
            visible: !root.o.btn_Search.hidden
            activeFocusOnTab: true
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: Theme.navy }
                GradientStop { position: 1; color: Theme.deep }
            }
            border.color: search.activeFocus ? Theme.sand : "transparent"
            border.width: 2
            Row {
                anchors.centerIn: parent
                spacing: 8
                AppImage {
                    anchors.verticalCenter: parent.verticalCenter
                    width: 26
                    height: 26
                    rotation: 45
                    name: "plane"
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.o.btn_Search.title
                    color: "white"
                    font.family: Theme.family
                    font.pixelSize: 17
                    font.bold: true
                }
            }
            TapArea {
                anchors.fill: parent
                screen: root.screen
                outlet: "btn_Search"
            }
            Keys.onReturnPressed: root.screen.tap("btn_Search")
            Keys.onSpacePressed: root.screen.tap("btn_Search")
        }

        // The suggestions lie over everything below their fields.
        SuggestionList {
            id: departureList
            x: route.x + departure.x
            y: route.y + departure.y + departure.height + 4
            width: departure.width
            listScreen: root.departures
        }
        SuggestionList {
            id: arrivalList
            x: route.x + arrival.x
            y: route.y + arrival.y + arrival.height + 4
            width: arrival.width
            listScreen: root.arrivals
        }
    }

    // The keyboard's focus is scrolled into view.
    readonly property Item focused: Window.activeFocusItem
    onFocusedChanged: {
        if (!focused || !page.contentItem || !isInside(focused, page.contentItem))
            return
        const top = focused.mapToItem(page.contentItem, 0, 0).y
        if (top < page.contentY)
            page.contentY = Math.max(0, top - 8)
        else if (top + focused.height > page.contentY + page.height)
            page.contentY = Math.min(page.contentHeight - page.height, top + focused.height - page.height + 8)
    }
    function isInside(item, ancestor) {
        for (let i = item; i; i = i.parent)
            if (i === ancestor)
                return true
        return false
    }

    Component.onCompleted: departure.forceActiveFocus()
}
