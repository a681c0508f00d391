import QtQuick

// The camera picker: a viewfinder with the shutter ("촬영") and "취소".
Rectangle {
    id: picker
    required property QtObject screen
    readonly property var o: screen.outlets
    color: "black"

    Rectangle {
        id: finder
        x: 0
        y: 44
        width: parent.width
        height: parent.height - 44 - 130
        color: "#101A1F"

        // A passport-shaped guide in the middle of the viewfinder.
        Rectangle {
            anchors.centerIn: parent
            width: parent.width - 64
            height: width * 0.7
            radius: 12
            color: "transparent"
            border.color: "#99FFFFFF"
            border.width: 2
        }
        Column {
            anchors.centerIn: parent
            spacing: 10
            AppImage {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 54
                height: 54
                name: "popup1_camera"
                opacity: 0.9
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "여권의 사진면을 틀에 맞춰 주세요"
                color: "#E6FFFFFF"
                font.family: Theme.family
                font.pixelSize: 14
            }
        }
    }

    Item {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 130

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 26
            anchors.verticalCenter: parent.verticalCenter
            visible: !picker.o.btn_Cancel.hidden
            text: picker.o.btn_Cancel.title
            color: "white"
            font.family: Theme.family
            font.pixelSize: 17
            TapArea {
                anchors.fill: parent
                anchors.margins: -12
                screen: picker.screen
                outlet: "btn_Cancel"
            }
        }

        Rectangle {
            anchors.centerIn: parent
            width: 74
            height: 74
            radius: 37
            color: "transparent"
            border.color: "white"
            border.width: 5
            visible: !picker.o.btn_Capture.hidden
            opacity: picker.o.btn_Capture.enabled ? 1 : 0.5
            Rectangle {
                anchors.centerIn: parent
                width: 58
                height: 58
                radius: 29
                color: "white"
            }
            TapArea {
                anchors.fill: parent
                screen: picker.screen
                outlet: "btn_Capture"
            }
        }
    }
}
