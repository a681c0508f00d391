import QtQuick

// The busy label with its spinner, shown while the screen's spinner outlet runs. The
// spinner turns on the render thread, so it keeps turning while a blocking call holds the
// main loop.
Rectangle {
    id: badge
    property var label: ({})
    property var spinner: ({})
    readonly property bool running: spinner !== undefined && spinner.hidden === false
    visible: running
    width: Math.max(150, caption.implicitWidth + 40)
    height: 100
    radius: label && label.cornerRadius ? label.cornerRadius : 15
    color: "#E6102A36"

    Item {
        id: wheel
        anchors.horizontalCenter: parent.horizontalCenter
        y: 16
        width: 34
        height: 34
        Repeater {
            model: 10
            Rectangle {
                required property int index
                x: wheel.width / 2 - 2
                y: 0
                width: 4
                height: 10
                radius: 2
                color: "white"
                opacity: 0.25 + 0.75 * index / 9
                transform: Rotation { origin.x: 2; origin.y: 17; angle: index * 36 }
            }
        }
        RotationAnimator on rotation {
            from: 0
            to: 360
            duration: 1000
            loops: Animation.Infinite
            running: badge.running
        }
    }
    Text {
        id: caption
        anchors.horizontalCenter: parent.horizontalCenter
        y: 62
        visible: badge.label && badge.label.hidden === false
        text: badge.label && badge.label.text ? badge.label.text : ""
        color: "white"
        font.family: Theme.family
        font.pixelSize: 14
    }
}
