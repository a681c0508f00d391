import QtQuick

// The floating action button and its menu: a tap darkens and blurs the screen and unfolds
// the rows upward from the button; a tap on the button or the backdrop folds them away.
Item {
    id: menu
    required property QtObject screen
    property string outletName: "addButton"
    readonly property var model: screen.outlets[outletName]
    readonly property var frame: model.frame
    readonly property int halfMs: Math.round(model.animationTime * 1000)
    readonly property real pictureSize: 44
    // The overlay stays up while it fades away after closing.
    property bool overlayUp: false

    function toggle() { screen.tap(outletName) }

    // ---- the button as it sits on the screen
    Item {
        id: button
        x: menu.frame.x
        y: menu.frame.y
        width: menu.frame.width
        height: menu.frame.height
        visible: !menu.model.hidden && menu.model.shown

        Rectangle {
            // A soft shadow under the round button.
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 3
            width: parent.width + 6
            height: width
            radius: width / 2
            color: "#330B3954"
        }
        AppImage {
            id: normalPicture
            anchors.fill: parent
            name: menu.model.normalImage
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: menu.toggle()
        }
    }

    // ---- the overlay in the window while the menu is open
    Item {
        id: overlay
        anchors.fill: parent
        visible: menu.overlayUp
        opacity: 0

        Image {
            id: blur
            anchors.fill: parent
            source: backdrop.source
            smooth: true
            cache: false
        }
        Rectangle {
            anchors.fill: parent
            color: "#8C06141C"
        }
        MouseArea {
            anchors.fill: parent
            onClicked: menu.toggle()
        }

        Repeater {
            id: rows
            model: menu.model.titles
            delegate: Item {
                id: row
                required property string modelData
                required property int index
                readonly property real delay: menu.model.rowDelays[index] * 1000
                x: menu.model.menuFrame.x
                y: menu.frame.y - menu.model.rowHeight * (index + 1)
                width: menu.model.menuFrame.width
                height: menu.model.rowHeight
                opacity: 0
                transform: Translate { id: shift; y: 0 }

                AppImage {
                    id: picture
                    x: menu.frame.x + menu.frame.width / 2 - width / 2 - row.x
                    anchors.verticalCenter: parent.verticalCenter
                    width: menu.pictureSize
                    height: menu.pictureSize
                    name: menu.model.images[row.index] || ""
                }
                Rectangle {
                    anchors.left: picture.right
                    anchors.leftMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    width: title.implicitWidth + 24
                    height: 30
                    radius: 15
                    color: Qt.rgba(0.8, 0.8, 0.8, 0.6)
                    Text {
                        id: title
                        anchors.centerIn: parent
                        text: row.modelData
                        color: "white"
                        style: Text.Raised
                        styleColor: "#40000000"
                        font.family: Theme.family
                        font.pixelSize: 15
                        font.bold: true
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: menu.screen.menuSelect(row.index)
                }

                function appear() {
                    scale = menu.model.rowStartScale
                    shift.y = (index + 1) * menu.pictureSize
                    opacity = 0
                    rowIn.restart()
                }
                SequentialAnimation {
                    id: rowIn
                    PauseAnimation { duration: row.delay }
                    ParallelAnimation {
                        NumberAnimation { target: row; property: "opacity"; to: 1; duration: menu.halfMs; easing.type: Easing.OutQuad }
                        NumberAnimation { target: row; property: "scale"; to: 1; duration: menu.halfMs; easing.type: Easing.OutQuad }
                        NumberAnimation { target: shift; property: "y"; to: 0; duration: menu.halfMs; easing.type: Easing.OutQuad }
                    }
                }
            }
        }

        // The button's copy above the backdrop, with the pressed picture.
        Item {
            x: menu.frame.x
            y: menu.frame.y
            width: menu.frame.width
            height: menu.frame.height
            AppImage {
                id: normalCopy
                anchors.fill: parent
                name: menu.model.normalImage
            }
            AppImage {
                id: pressedPicture
                anchors.fill: parent
                name: menu.model.pressedImage
                opacity: 0
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: menu.toggle()
            }
        }
    }

    ParallelAnimation {
        id: opening
        NumberAnimation { target: overlay; property: "opacity"; to: 1; duration: menu.halfMs }
        NumberAnimation { target: normalCopy; property: "rotation"; from: 0; to: -180; duration: menu.halfMs }
        NumberAnimation { target: normalCopy; property: "opacity"; from: 1; to: 0; duration: menu.halfMs }
        NumberAnimation { target: pressedPicture; property: "rotation"; from: 180; to: 0; duration: menu.halfMs }
        NumberAnimation { target: pressedPicture; property: "opacity"; from: 0; to: 1; duration: menu.halfMs }
    }
    SequentialAnimation {
        id: closing
        ParallelAnimation {
            NumberAnimation { target: overlay; property: "opacity"; to: 0; duration: menu.halfMs }
            NumberAnimation { target: pressedPicture; property: "rotation"; to: -180; duration: menu.halfMs }
            NumberAnimation { target: pressedPicture; property: "opacity"; to: 0; duration: menu.halfMs }
            NumberAnimation { target: normalCopy; property: "rotation"; to: 0; duration: menu.halfMs }
            NumberAnimation { target: normalCopy; property: "opacity"; to: 1; duration: menu.halfMs }
        }
        ScriptAction { script: menu.overlayUp = false }
    }

    function open() {
        closing.stop()
        if (!overlayUp) {
            // The snapshot is taken before the overlay covers the screen.
            const from = mapToItem(null, 0, 0)
            const to = mapToItem(null, width, height)
            backdrop.capture(from.x, from.y, to.x - from.x, to.y - from.y)
        }
        overlayUp = true
        for (let i = 0; i < rows.count; ++i)
            rows.itemAt(i).appear()
        opening.restart()
    }
    function close() {
        opening.stop()
        closing.restart()
    }

    Connections {
        target: menu.screen
        function onOutletsChanged() {
            const open = menu.screen.outlets[menu.outletName].open
            if (open && (!menu.overlayUp || closing.running))
                menu.open()
            else if (!open && menu.overlayUp && !closing.running)
                menu.close()
        }
    }
}
