import QtQuick

// An in-app banner for a local notification when the desktop has no notification server.
// It stays while nobody looks at the window (the window is not active) and slides away a few
// seconds after the window becomes active, or when tapped; a tap opens the notification.
Item {
    id: area
    property string body
    property bool showing: false
    readonly property bool seen: Window.active

    function dismiss() {
        linger.stop()
        show.stop()
        showing = false
        hide.start()
    }

    onSeenChanged: {
        if (!showing)
            return
        if (seen)
            linger.restart()
        else
            linger.stop()
    }

    Rectangle {
        id: card
        x: 10
        width: area.width - 20
        height: 68
        y: -height - 10
        radius: 14
        color: "#F2FFFFFF"
        border.color: Theme.line

        Rectangle {
            id: icon
            x: 12
            anchors.verticalCenter: parent.verticalCenter
            width: 38
            height: 38
            radius: 10
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.teal }
                GradientStop { position: 1; color: Theme.navy }
            }
            AppImage {
                anchors.centerIn: parent
                width: 24
                height: 24
                name: "plane"
                rotation: 45
            }
        }
        Column {
            anchors.left: icon.right
            anchors.leftMargin: 12
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
            Text {
                text: "토벨라문"
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 11
            }
            Text {
                width: parent.width
                text: area.body
                elide: Text.ElideRight
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: 14
                font.bold: true
            }
        }
        MouseArea {
            anchors.fill: parent
            enabled: area.showing
            onClicked: {
                area.dismiss()
                notifications.bannerTapped()
            }
        }
    }

    NumberAnimation {
        id: show
        target: card
        property: "y"
        to: 28
        duration: 250
        easing.type: Easing.OutCubic
    }
    Timer {
        id: linger
        interval: 4000
        onTriggered: area.dismiss()
    }
    NumberAnimation {
        id: hide
        target: card
        property: "y"
        to: -card.height - 10
        duration: 200
        easing.type: Easing.InCubic
    }

    Connections {
        target: notifications
        function onBanner(text) {
            area.body = text
            area.showing = true
            hide.stop()
            show.restart()
            if (area.seen)
                linger.restart()
            else
                linger.stop()
        }
    }
}
