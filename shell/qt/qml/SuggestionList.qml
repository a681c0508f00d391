import QtQuick

// The drop-down of a suggestion list (a child screen of the screen that owns the field):
// its entries under the field, "인천 (ICN)" drawn as the name and a code badge. The up and
// down keys move through it and Return picks, so the list works without a mouse.
Rectangle {
    id: list
    property QtObject listScreen
    readonly property var table: listScreen ? listScreen.outlets.tableView : undefined
    readonly property var rows: table ? table.rows : []
    readonly property bool open: table !== undefined && !table.hidden
    property int maxHeight: 200
    // The field the list serves (set by the field); told when the keyboard leaves the list.
    property Item field
    readonly property bool hasFocus: view.activeFocus
    visible: open
    height: open ? Math.min(maxHeight, Math.max(1, rows.length) * 44 + 8) : 0
    radius: 12
    color: "white"
    border.color: Theme.line
    z: 100

    function pick(index) {
        const byKeyboard = view.activeFocus
        if (listScreen)
            listScreen.select("tableView", index)
        // The keyboard goes back to the field, so Tab goes on from there.
        if (byKeyboard && field)
            field.forceActiveFocus()
    }
    function enter() { if (rows.length > 0) { view.currentIndex = 0; view.forceActiveFocus() } }

    // A soft shadow under the drop-down.
    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 4
        anchors.bottomMargin: -4
        z: -1
        radius: 12
        color: "#1A0B3954"
    }

    ListView {
        id: view
        anchors.fill: parent
        anchors.margins: 4
        clip: true
        model: list.rows
        boundsBehavior: Flickable.StopAtBounds
        keyNavigationWraps: false
        highlightMoveDuration: 0
        delegate: Rectangle {
            id: row
            required property var modelData
            required property int index
            readonly property var entry: modelData.textLabel || ({ name: "", code: "" })
            width: ListView.view.width
            height: 44
            radius: 8
            color: rowArea.pressed || (view.activeFocus && view.currentIndex === index)
                   ? Theme.mist : "transparent"
            Text {
                x: 12
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - badge.width - 36
                text: row.entry.name
                elide: Text.ElideRight
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: 15
                font.bold: true
            }
            Rectangle {
                id: badge
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(codeText.implicitWidth + 14, parent.width * 0.55)
                height: 24
                radius: 12
                color: Theme.page
                border.color: Theme.line
                visible: codeText.text.length > 0
                Text {
                    id: codeText
                    anchors.centerIn: parent
                    width: parent.width - 12
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: row.entry.code
                    color: Theme.deep
                    font.family: Theme.family
                    font.pixelSize: 12
                    font.bold: true
                }
            }
            MouseArea {
                id: rowArea
                anchors.fill: parent
                onClicked: list.pick(row.index)
            }
        }
        Keys.onReturnPressed: list.pick(currentIndex)
        Keys.onEnterPressed: list.pick(currentIndex)
        onActiveFocusChanged: if (list.field) Qt.callLater(list.field.reportFocus)
        // Up from the first row goes back to the field.
        Keys.onUpPressed: {
            if (currentIndex <= 0 && list.field)
                list.field.forceActiveFocus()
            else
                decrementCurrentIndex()
        }
    }

    Text {
        anchors.centerIn: parent
        visible: list.rows.length === 0
        text: "일치하는 항목이 없습니다"
        color: Theme.muted
        font.family: Theme.family
        font.pixelSize: 13
    }
}
