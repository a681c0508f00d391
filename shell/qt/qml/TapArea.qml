import QtQuick

// Forwards a tap on the named outlet of a screen; `pressedScale` gives touch feedback. Tab
// reaches it (unless the control it fills takes the focus itself), Return or Space taps it,
// and a press takes the keyboard focus, as a desktop button does, so a field being edited
// ends its editing.
MouseArea {
    id: area
    property QtObject screen
    property string outlet
    property Item feedback: parent
    readonly property bool ownFocus: !(parent && parent.activeFocusOnTab)
    // The ring shows only for focus reached with the keyboard.
    property bool focusByPress: false
    cursorShape: Qt.PointingHandCursor
    activeFocusOnTab: ownFocus && enabled && visible
    onClicked: if (screen) screen.tap(outlet)
    onPressed: {
        focusByPress = true
        if (ownFocus)
            forceActiveFocus()
        else
            parent.forceActiveFocus()
    }
    onActiveFocusChanged: if (!activeFocus) focusByPress = false
    onPressedChanged: if (feedback) feedback.scale = pressed ? 0.97 : 1.0
    Keys.onReturnPressed: if (screen) screen.tap(outlet)
    Keys.onEnterPressed: if (screen) screen.tap(outlet)
    Keys.onSpacePressed: if (screen) screen.tap(outlet)

    // The keyboard focus: a ring round the control.
    Rectangle {
        anchors.fill: parent
        anchors.margins: -2
        visible: area.activeFocus && !area.focusByPress
        radius: area.parent && area.parent.radius !== undefined ? area.parent.radius + 2 : 6
        color: "transparent"
        border.color: Theme.sand
        border.width: 2
    }
}
