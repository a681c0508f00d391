import QtQuick

// The title band of a tool screen: the title, a back button on the left that taps the
// screen's back outlet (Escape does the same), and room for an accessory on the right.
Rectangle {
    id: header
    property QtObject screen
    property string title
    property string backOutlet
    property string subtitle
    default property alias accessory: right.data
    width: parent ? parent.width : 0
    height: 64
    gradient: Gradient {
        orientation: Gradient.Horizontal
        GradientStop { position: 0; color: Theme.navy }
        GradientStop { position: 1; color: Theme.deep }
    }

    function back() { if (screen && backOutlet.length > 0) screen.tap(backOutlet) }

    Rectangle {
        id: backButton
        x: 10
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 9
        width: 36
        height: 36
        radius: 18
        color: backArea.containsMouse ? "#33FFFFFF" : "#1FFFFFFF"
        visible: header.backOutlet.length > 0
        // A chevron of two strokes.
        Repeater {
            model: [45, -45]
            delegate: Rectangle {
                required property var modelData
                x: 14
                y: modelData > 0 ? 13 : 20
                width: 11
                height: 2.6
                radius: 1.3
                color: "white"
                rotation: -modelData
                transformOrigin: Item.Left
            }
        }
        TapArea {
            id: backArea
            anchors.fill: parent
            anchors.margins: -6
            hoverEnabled: true
            screen: header.screen
            outlet: header.backOutlet
        }
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: header.subtitle.length > 0 ? 7 : 14
        width: parent.width - 2 * 56
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: header.title
            color: "white"
            elide: Text.ElideRight
            font.family: Theme.family
            font.pixelSize: 17
            font.bold: true
        }
        Text {
            width: parent.width
            visible: header.subtitle.length > 0
            horizontalAlignment: Text.AlignHCenter
            text: header.subtitle
            color: Theme.aqua
            elide: Text.ElideRight
            font.family: Theme.family
            font.pixelSize: 11
        }
    }

    Item {
        id: right
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 9
        width: childrenRect.width
        height: 36
    }
}
