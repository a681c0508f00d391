import QtQuick

// What the floating menu lays over the window while it is open: the blurred, darkened
// snapshot of the screen, the rows, and the button's copy with the pressed picture.
Item {
    id: overlay
    required property Item owner
    readonly property var model: owner.model
    readonly property var frame: owner.frame
    readonly property int halfMs: owner.halfMs
    readonly property real pictureSize: 44
    readonly property bool closing: closeAnimation.running
    signal closed

    opacity: 0

    Image {
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
        onClicked: overlay.owner.toggle()
    }

    Repeater {
        id: rows
        model: overlay.model.titles
        delegate: Item {
            id: row
            required property string modelData
            required property int index
            readonly property real delay: overlay.model.rowDelays[index] * 1000
            x: overlay.model.menuFrame.x
            y: overlay.frame.y - overlay.model.rowHeight * (index + 1)
            width: overlay.model.menuFrame.width
            height: overlay.model.rowHeight
            opacity: 0
            transform: Translate {
                id: shift
            }

            AppImage {
                id: picture
                x: overlay.frame.x + overlay.frame.width / 2 - width / 2 - row.x
                anchors.verticalCenter: parent.verticalCenter
                width: overlay.pictureSize
                height: overlay.pictureSize
                name: overlay.model.images[row.index] || ""
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
            // Tab reaches the rows; Return or Space picks one.
            MouseArea {
                id: rowArea
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                activeFocusOnTab: true
                onClicked: overlay.owner.screen.menuSelect(row.index)
                Keys.onReturnPressed: overlay.owner.screen.menuSelect(row.index)
                Keys.onSpacePressed: overlay.owner.screen.menuSelect(row.index)
                Rectangle {
                    anchors.fill: parent
                    visible: rowArea.activeFocus
                    radius: height / 2
                    color: "transparent"
                    border.color: Theme.sand
                    border.width: 2
                }
            }

            // Each row grows from 95 %, rising from the button, after its own delay.
            function appear() {
                scale = overlay.model.rowStartScale
                shift.y = (index + 1) * overlay.pictureSize
                opacity = 0
                rowIn.restart()
            }
            SequentialAnimation {
                id: rowIn
                PauseAnimation { duration: row.delay }
                ParallelAnimation {
                    NumberAnimation { target: row; property: "opacity"; to: 1; duration: overlay.halfMs; easing.type: Easing.OutQuad }
                    NumberAnimation { target: row; property: "scale"; to: 1; duration: overlay.halfMs; easing.type: Easing.OutQuad }
                    NumberAnimation { target: shift; property: "y"; to: 0; duration: overlay.halfMs; easing.type: Easing.OutQuad }
                }
            }
        }
    }

    // The button's copy above the backdrop: the normal picture turns away as the pressed
    // one turns in.
    Item {
        x: overlay.frame.x
        y: overlay.frame.y
        width: overlay.frame.width
        height: overlay.frame.height
        AppImage {
            id: normalCopy
            anchors.fill: parent
            name: overlay.model.normalImage
        }
        AppImage {
            id: pressedPicture
            anchors.fill: parent
            name: overlay.model.pressedImage
            opacity: 0
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: overlay.owner.toggle()
        }
    }

    ParallelAnimation {
        id: openAnimation
        NumberAnimation { target: overlay; property: "opacity"; to: 1; duration: overlay.halfMs }
        NumberAnimation { target: normalCopy; property: "rotation"; from: 0; to: -180; duration: overlay.halfMs }
        NumberAnimation { target: normalCopy; property: "opacity"; from: 1; to: 0; duration: overlay.halfMs }
        NumberAnimation { target: pressedPicture; property: "rotation"; from: 180; to: 0; duration: overlay.halfMs }
        NumberAnimation { target: pressedPicture; property: "opacity"; from: 0; to: 1; duration: overlay.halfMs }
    }
    SequentialAnimation {
        id: closeAnimation
        ParallelAnimation {
            NumberAnimation { target: overlay; property: "opacity"; to: 0; duration: overlay.halfMs }
            NumberAnimation { target: pressedPicture; property: "rotation"; to: -180; duration: overlay.halfMs }
            NumberAnimation { target: pressedPicture; property: "opacity"; to: 0; duration: overlay.halfMs }
            NumberAnimation { target: normalCopy; property: "rotation"; to: 0; duration: overlay.halfMs }
            NumberAnimation { target: normalCopy; property: "opacity"; to: 1; duration: overlay.halfMs }
        }
        ScriptAction { script: overlay.closed() }
    }

    function open() {
        closeAnimation.stop()
        for (let i = 0; i < rows.count; ++i)
            rows.itemAt(i).appear()
        openAnimation.restart()
    }
    function close() {
        openAnimation.stop()
        closeAnimation.restart()
    }
}
