import QtQuick

// A radar sweep: rings that spread out from the middle while a search runs.
Item {
    id: radar
    property bool running: true
    property color color: Theme.teal
    property int rings: 3
    property int periodMs: 2400

    Repeater {
        model: radar.rings
        delegate: Rectangle {
            id: ring
            required property int index
            anchors.centerIn: parent
            width: radar.width
            height: width
            radius: width / 2
            color: "transparent"
            border.color: radar.color
            border.width: Math.max(1.5, radar.width / 60)
            opacity: 0
            scale: 0.2
            SequentialAnimation {
                running: radar.running && radar.visible
                loops: Animation.Infinite
                PauseAnimation { duration: ring.index * radar.periodMs / radar.rings }
                SequentialAnimation {
                    loops: Animation.Infinite
                    ParallelAnimation {
                        NumberAnimation { target: ring; property: "scale"; from: 0.2; to: 1; duration: radar.periodMs; easing.type: Easing.OutQuad }
                        NumberAnimation { target: ring; property: "opacity"; from: 0.9; to: 0; duration: radar.periodMs; easing.type: Easing.InQuad }
                    }
                }
            }
        }
    }

    // The sweep: a bright wedge turning round the middle.
    Item {
        anchors.fill: parent
        visible: radar.running
        RotationAnimation on rotation {
            running: radar.running && radar.visible
            loops: Animation.Infinite
            from: 0
            to: 360
            duration: radar.periodMs
        }
        Canvas {
            anchors.fill: parent
            onPaint: {
                const ctx = getContext("2d")
                const r = width / 2
                ctx.reset()
                const g = ctx.createConicalGradient(r, r, 0)
                g.addColorStop(0, Qt.rgba(radar.color.r, radar.color.g, radar.color.b, 0.45))
                g.addColorStop(0.18, Qt.rgba(radar.color.r, radar.color.g, radar.color.b, 0))
                g.addColorStop(1, Qt.rgba(radar.color.r, radar.color.g, radar.color.b, 0))
                ctx.fillStyle = g
                ctx.beginPath()
                ctx.moveTo(r, r)
                ctx.arc(r, r, r * 0.98, 0, Math.PI * 2)
                ctx.fill()
            }
        }
    }
}
