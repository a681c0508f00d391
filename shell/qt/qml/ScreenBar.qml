import QtQuick

// The band at the top of a screen: a back button, the title and an optional action on the
// right, each forwarding a tap to its outlet.
Rectangle {
    id: bar
    property QtObject screen
    property string title
    property string backOutlet: "btn_Back"
    property string actionOutlet
    property string actionText
    width: parent ? parent.width : 0
    height: 64
    gradient: Gradient {
        orientation: Gradient.Horizontal
        GradientStop { position: 0; color: Theme.navy }
        GradientStop { position: 1; color: Theme.deep }
    }

    Item {
        id: back
        x: 4
        anchors.bottom: parent.bottom
        width: 48
        height: 44
        visible: bar.backOutlet.length > 0
        Text {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -2
            text: "‹"
            color: "white"
            font.family: Theme.family
            font.pixelSize: 34
        }
        TapArea {
            anchors.fill: parent
            screen: bar.screen
            outlet: bar.backOutlet
        }
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        text: bar.title
        color: "white"
        font.family: Theme.family
        font.pixelSize: 17
        font.bold: true
    }
    Rectangle {
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        visible: bar.actionOutlet.length > 0
        width: action.implicitWidth + 22
        height: 28
        radius: 14
        color: "#2EFFFFFF"
        Text {
            id: action
            anchors.centerIn: parent
            text: bar.actionText
            color: "white"
            font.family: Theme.family
            font.pixelSize: 13
            font.bold: true
        }
        TapArea {
            anchors.fill: parent
            anchors.margins: -6
            screen: bar.screen
            outlet: bar.actionOutlet
        }
    }
}
