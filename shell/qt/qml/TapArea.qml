import QtQuick

// Forwards a tap on the named outlet of a screen; `pressedScale` gives touch feedback.
MouseArea {
    property QtObject screen
    property string outlet
    property Item feedback: parent
    cursorShape: Qt.PointingHandCursor
    onClicked: if (screen) screen.tap(outlet)
    onPressedChanged: if (feedback) feedback.scale = pressed ? 0.97 : 1.0
}
