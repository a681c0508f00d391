import QtQuick

// A zoomable picture (the core's ImageZoom): pinch, the wheel, the keys + - 0 and the
// buttons zoom it; dragging or the arrow keys move it. The core keeps the scale within its
// limits; this view only asks for a new one and keeps the point under the zoom in place.
FocusScope {
    id: view
    property QtObject screen
    property string outletName
    readonly property var zoomOutlet: screen ? screen.outlets[outletName] : undefined
    readonly property bool shown: zoomOutlet !== undefined && !zoomOutlet.hidden
                                  && (zoomOutlet.image || "").length > 0
    readonly property real zoom: shown ? zoomOutlet.zoom : 1
    readonly property real pictureWidth: shown ? zoomOutlet.pictureWidth : 0
    readonly property real pictureHeight: shown ? zoomOutlet.pictureHeight : 0
    property string emptyText
    property string emptyIcon
    activeFocusOnTab: shown

    function zoomTo(scale, px, py) {
        if (!shown || !screen)
            return
        // The point (px, py) of the view keeps its place on the picture.
        flick.anchorX = (flick.contentX + px) / Math.max(flick.contentWidth, 1)
        flick.anchorY = (flick.contentY + py) / Math.max(flick.contentHeight, 1)
        flick.anchorViewX = px
        flick.anchorViewY = py
        screen.zoom(outletName, scale)
    }
    function zoomBy(factor) { zoomTo(zoom * factor, flick.width / 2, flick.height / 2) }
    function fit() {
        if (pictureWidth > 0)
            zoomTo(Math.min(flick.width / pictureWidth, flick.height / pictureHeight),
                   flick.width / 2, flick.height / 2)
    }

    Rectangle {
        anchors.fill: parent
        radius: 14
        color: "#EAF2F4"
        border.color: view.activeFocus ? Theme.teal : Theme.line
        border.width: view.activeFocus ? 2 : 1
    }

    Flickable {
        id: flick
        property real anchorX: 0
        property real anchorY: 0
        property real anchorViewX: 0
        property real anchorViewY: 0
        anchors.fill: parent
        anchors.margins: 2
        clip: true
        visible: view.shown
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: Math.max(width, view.pictureWidth * view.zoom)
        contentHeight: Math.max(height, view.pictureHeight * view.zoom)
        onContentWidthChanged: {
            contentX = Math.max(0, Math.min(anchorX * contentWidth - anchorViewX,
                                            contentWidth - width))
        }
        onContentHeightChanged: {
            contentY = Math.max(0, Math.min(anchorY * contentHeight - anchorViewY,
                                            contentHeight - height))
        }

        PinchArea {
            width: flick.contentWidth
            height: flick.contentHeight
            property real startZoom: 1
            onPinchStarted: startZoom = view.zoom
            onPinchUpdated: pinch => view.zoomTo(startZoom * pinch.scale,
                                                 pinch.center.x - flick.contentX,
                                                 pinch.center.y - flick.contentY)
            Image {
                id: picture
                x: Math.max(0, (flick.contentWidth - width) / 2)
                y: Math.max(0, (flick.contentHeight - height) / 2)
                width: view.pictureWidth * view.zoom
                height: view.pictureHeight * view.zoom
                source: view.shown ? assets.image(view.zoomOutlet.image) : ""
                // A photo file can be replaced under the same name.
                cache: false
                fillMode: Image.PreserveAspectCrop
                smooth: true
                mipmap: true
                asynchronous: false
            }
            MouseArea {
                anchors.fill: parent
                onPressed: mouse => { view.forceActiveFocus(); mouse.accepted = false }
            }
        }

        WheelHandler {
            target: null
            acceptedDevices: PointerDevice.Mouse | PointerDevice.TouchPad
            onWheel: event => {
                view.zoomTo(view.zoom * Math.pow(1.0015, event.angleDelta.y),
                            event.x - flick.contentX, event.y - flick.contentY)
                event.accepted = true
            }
        }
    }

    // Without a picture: what belongs here.
    Column {
        anchors.centerIn: parent
        width: parent.width - 40
        spacing: 8
        visible: !view.shown
        AppImage {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 44
            height: 44
            opacity: 0.55
            name: view.emptyIcon
            visible: view.emptyIcon.length > 0
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: view.emptyText
            color: Theme.muted
            font.family: Theme.family
            font.pixelSize: 13
        }
    }

    // Zoom buttons and the current scale.
    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        spacing: 6
        visible: view.shown
        component ZoomButton: Rectangle {
            id: zb
            property string label
            signal clicked
            width: 32
            height: 32
            radius: 16
            color: zbArea.pressed ? Theme.mist : "#F2FFFFFF"
            border.color: Theme.line
            Text {
                anchors.centerIn: parent
                text: zb.label
                color: Theme.navy
                font.family: Theme.family
                font.pixelSize: zb.label.length > 1 ? 11 : 18
                font.bold: true
            }
            MouseArea {
                id: zbArea
                anchors.fill: parent
                onClicked: zb.clicked()
            }
        }
        Rectangle {
            width: percent.implicitWidth + 16
            height: 32
            radius: 16
            color: "#CC0B3954"
            Text {
                id: percent
                anchors.centerIn: parent
                text: Math.round(view.zoom * 100) + "%"
                color: "white"
                font.family: Theme.family
                font.pixelSize: 12
                font.bold: true
            }
        }
        ZoomButton { label: "맞춤"; onClicked: view.fit() }
        ZoomButton { label: "−"; onClicked: view.zoomBy(0.8) }
        ZoomButton { label: "+"; onClicked: view.zoomBy(1.25) }
    }

    Keys.onPressed: event => {
        switch (event.key) {
        case Qt.Key_Plus:
        case Qt.Key_Equal:
            view.zoomBy(1.25); break
        case Qt.Key_Minus:
            view.zoomBy(0.8); break
        case Qt.Key_0:
            view.fit(); break
        case Qt.Key_Left:
            flick.contentX = Math.max(0, flick.contentX - 40); break
        case Qt.Key_Right:
            flick.contentX = Math.min(flick.contentWidth - flick.width, flick.contentX + 40); break
        case Qt.Key_Up:
            flick.contentY = Math.max(0, flick.contentY - 40); break
        case Qt.Key_Down:
            flick.contentY = Math.min(flick.contentHeight - flick.height, flick.contentY + 40); break
        default:
            return
        }
        event.accepted = true
    }
}
