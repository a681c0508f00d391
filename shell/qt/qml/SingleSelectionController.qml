import QtQuick

// The date picker: a title band with the back control, the weekday row and the months from
// today on; one tap picks a day. Sizes, colours and states all come from the calendar's model.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var cal: screen.outlets.calendarView
    readonly property var lay: cal.layout
    color: "white"

    function rgba(c) { return c ? Qt.rgba(c[0], c[1], c[2], c[3]) : "transparent" }

    // ---- title band above the calendar, with the back control that leaves the date as it was
    ToolHeader {
        id: band
        height: root.lay.frame.y
        screen: root.screen
        title: "날짜 선택"
        backOutlet: root.screen.outlets.btn_Back.hidden ? "" : "btn_Back"
    }

    // ---- weekday row
    Rectangle {
        id: week
        y: root.lay.weekView.y
        width: root.lay.weekView.width
        height: root.lay.weekView.height
        color: root.rgba(root.cal.weekView.background)
        Repeater {
            model: root.cal.weekView.labels
            delegate: Text {
                required property var modelData
                required property int index
                x: root.lay.insets.left + index * root.lay.itemWidth
                width: root.lay.itemWidth
                height: week.height
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: modelData.text
                color: root.rgba(modelData.color)
                font.family: Theme.family
                font.pixelSize: modelData.fontSize
            }
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 0.5
            color: Theme.line
        }
    }

    // ---- the months
    ListView {
        id: months
        x: root.lay.grid.x
        y: root.lay.grid.y
        width: root.lay.grid.width
        height: root.lay.grid.height
        clip: true
        cacheBuffer: 800
        boundsBehavior: Flickable.StopAtBounds
        topMargin: root.lay.insets.top
        bottomMargin: root.lay.insets.bottom
        model: root.cal.sections.length
        delegate: Item {
            id: month
            required property int index
            readonly property var section: root.cal.sections[index]
            readonly property int rows: Math.ceil(section.cells.length / 7)
            width: months.width
            height: root.lay.headerHeight + rows * root.lay.itemHeight
                    + Math.max(0, rows - 1) * root.lay.lineSpacing + root.lay.footerHeight

            Text {
                visible: month.section.header !== null
                x: root.lay.insets.left + (month.section.header ? month.section.header.centerX : 0)
                   - width / 2
                y: (root.lay.headerHeight - height) / 2
                height: month.section.header ? month.section.header.height : 0
                verticalAlignment: Text.AlignVCenter
                text: month.section.header ? month.section.header.text : ""
                color: root.rgba(month.section.header ? month.section.header.color : null)
                font.family: Theme.family
                font.pixelSize: month.section.header ? month.section.header.fontSize : 17
                font.bold: true
            }

            Repeater {
                model: month.section.cells
                delegate: Item {
                    id: cell
                    required property var modelData
                    required property int index
                    x: root.lay.insets.left + (index % 7) * root.lay.itemWidth
                    y: root.lay.headerHeight
                       + Math.floor(index / 7) * (root.lay.itemHeight + root.lay.lineSpacing)
                    width: root.lay.itemWidth
                    height: root.lay.itemHeight

                    // The hairline over each day: a whole pixel, which every renderer draws,
                    // above the label, which reaches the cell's top on short cells.
                    Rectangle {
                        z: 1
                        visible: cell.modelData.topLine
                        width: parent.width
                        height: 1
                        color: "#EEF3F5"
                    }
                    Rectangle {
                        width: cell.modelData.labelSize
                        height: cell.modelData.labelSize
                        x: (parent.width - width) / 2
                        y: parent.height / 2 - cell.modelData.labelRaise - height / 2
                        radius: cell.modelData.cornerRadius
                        color: root.rgba(cell.modelData.labelColor)
                        scale: tap.pressed && cell.modelData.state > 0 ? 0.9 : 1
                        Text {
                            anchors.centerIn: parent
                            text: cell.modelData.text
                            color: root.rgba(cell.modelData.textColor)
                            font.family: Theme.family
                            font.pixelSize: cell.modelData.fontSize
                        }
                    }
                    MouseArea {
                        id: tap
                        anchors.fill: parent
                        cursorShape: cell.modelData.state > 0 ? Qt.PointingHandCursor
                                                              : Qt.ArrowCursor
                        onClicked: root.screen.selectCalendarItem("calendarView", month.index,
                                                                  cell.index)
                    }
                }
            }
        }
    }
}
