import QtQuick

// The app's name, the notification badge and the demo mark.
Item {
    Rectangle {
        id: logo
        width: 34
        height: 34
        radius: 11
        anchors.verticalCenter: parent.verticalCenter
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.teal }
            GradientStop { position: 1; color: Theme.navy }
        }
        AppImage {
            anchors.centerIn: parent
            width: 22
            height: 22
            rotation: 45
            name: "plane"
        }
    }
    Text {
        anchors.left: logo.right
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: "토벨라문"
        color: Theme.navy
        font.family: Theme.family
        font.pixelSize: 21
        font.bold: true
    }

    Row {
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8

        Rectangle {
            visible: shell.demo
            width: demoText.implicitWidth + 16
            height: 22
            radius: 11
            color: Theme.sand
            Text {
                id: demoText
                anchors.centerIn: parent
                text: "DEMO"
                color: Theme.navy
                font.family: Theme.family
                font.pixelSize: 12
                font.bold: true
                font.letterSpacing: 1
            }
        }
        Rectangle {
            visible: notifications.badge > 0
            width: Math.max(22, badgeText.implicitWidth + 12)
            height: 22
            radius: 11
            color: Theme.coral
            Text {
                id: badgeText
                anchors.centerIn: parent
                text: notifications.badge
                color: "white"
                font.family: Theme.family
                font.pixelSize: 12
                font.bold: true
            }
        }
    }
}
