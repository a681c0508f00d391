import QtQuick

// One phone-shaped window. The phone keeps its aspect at any window size.
Window {
    id: window
    width: Math.round(shell.screenWidth * shell.initialScale)
    height: Math.round(shell.screenHeight * shell.initialScale)
    minimumWidth: Math.round(shell.screenWidth / 2)
    minimumHeight: Math.round(shell.screenHeight / 2)
    visible: true
    title: "토벨라문"
    color: Theme.letterbox
    // Escape, and Enter on an alert, go to the core whichever item has the keyboard.
    Component.onCompleted: bridge.watchKeys(window)

    Item {
        id: phone
        width: shell.screenWidth
        height: shell.screenHeight
        anchors.centerIn: parent
        scale: Math.min(window.width / width, window.height / height)
        clip: true

        ScreenStack {
            id: screens
            anchors.fill: parent
        }
        Banner {
            anchors.fill: parent
        }
        AlertLayer {
            anchors.fill: parent
        }

        // A desktop does not vibrate: the phone shakes briefly instead.
        SequentialAnimation {
            id: pulse
            loops: 2
            NumberAnimation { target: phone; property: "anchors.horizontalCenterOffset"; to: 6; duration: 40 }
            NumberAnimation { target: phone; property: "anchors.horizontalCenterOffset"; to: -6; duration: 80 }
            NumberAnimation { target: phone; property: "anchors.horizontalCenterOffset"; to: 0; duration: 40 }
        }
        Connections {
            target: vibration
            function onPulse() { pulse.restart() }
        }
    }
}
