import QtQuick

// The top bar of the carrier screens: back, the title, and on the right the refresh button
// or, while a scan runs, a small radar.
Rectangle {
    id: bar
    property QtObject screen
    property string title
    property string backOutlet: "btn_Back"
    property string refreshOutlet: ""
    property string searchingOutlet: ""
    readonly property var o: screen ? screen.outlets : ({})
    readonly property bool searching: searchingOutlet.length > 0 && o[searchingOutlet] !== undefined
                                      && !o[searchingOutlet].hidden
    width: parent ? parent.width : 0
    height: 64
    gradient: Gradient {
        orientation: Gradient.Horizontal
        GradientStop { position: 0; color: Theme.navy }
        GradientStop { position: 1; color: Theme.deep }
    }

    Item {
        id: back
        x: 6
        anchors.bottom: parent.bottom
        width: 76
        height: 44
        visible: bar.o[bar.backOutlet] !== undefined && !bar.o[bar.backOutlet].hidden
        Text {
            x: 8
            anchors.verticalCenter: parent.verticalCenter
            text: "‹ " + (bar.o[bar.backOutlet] ? bar.o[bar.backOutlet].title : "")
            color: "white"
            font.family: Theme.family
            font.pixelSize: 16
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

    Item {
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.bottom: parent.bottom
        width: 84
        height: 44

        Rectangle {
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            visible: bar.refreshOutlet.length > 0 && bar.o[bar.refreshOutlet] !== undefined
                     && !bar.o[bar.refreshOutlet].hidden
            width: refreshText.implicitWidth + 22
            height: 30
            radius: 15
            color: "#26FFFFFF"
            border.color: "#59FFFFFF"
            Text {
                id: refreshText
                anchors.centerIn: parent
                text: bar.refreshOutlet.length > 0 && bar.o[bar.refreshOutlet]
                      ? bar.o[bar.refreshOutlet].title : ""
                color: "white"
                font.family: Theme.family
                font.pixelSize: 13
                font.bold: true
            }
            TapArea {
                anchors.fill: parent
                anchors.margins: -6
                screen: bar.screen
                outlet: bar.refreshOutlet
            }
        }
        Radar {
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            width: 32
            height: 32
            visible: bar.searching
            running: bar.searching
            color: Theme.aqua
        }
    }
}
