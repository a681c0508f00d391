import QtQuick

// The line under a carrier screen's header: searching, or the search is over.
Rectangle {
    id: state
    property bool searching: false
    property string searchingText
    property string doneText
    width: parent ? parent.width : 0
    height: 40
    color: searching ? Theme.mist : "#EEF3F4"

    Row {
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10
        Item {
            width: 22
            height: 22
            anchors.verticalCenter: parent.verticalCenter
            Radar {
                anchors.fill: parent
                visible: state.searching
                running: state.searching
                color: Theme.deep
                rings: 2
            }
            Rectangle {
                anchors.centerIn: parent
                visible: !state.searching
                width: 10
                height: 10
                radius: 5
                color: "#9AB0B8"
            }
        }
        Text {
            width: parent.width - 32
            anchors.verticalCenter: parent.verticalCenter
            elide: Text.ElideRight
            text: state.searching ? state.searchingText : state.doneText
            color: state.searching ? Theme.deep : Theme.muted
            font.family: Theme.family
            font.pixelSize: 13
            font.bold: state.searching
        }
    }
}
