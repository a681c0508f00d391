import QtQuick

// The front alert as a modal dialog; the ones queued behind it follow one by one.
Item {
    id: layer
    readonly property var alert: bridge.alert
    readonly property bool shown: bridge.alertCount > 0
    visible: opacity > 0
    opacity: shown ? 1 : 0
    Behavior on opacity { NumberAnimation { duration: 150 } }

    Rectangle {
        anchors.fill: parent
        color: "#66000000"
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
        }
    }

    Rectangle {
        id: dialog
        readonly property var buttons: layer.alert.buttons || []
        readonly property bool sideBySide: buttons.length === 2
        width: 270
        height: body.height + buttonArea.height
        anchors.centerIn: parent
        radius: 14
        color: "#F7FAFB"
        scale: layer.shown ? 1 : 1.1
        Behavior on scale { NumberAnimation { duration: 150; easing.type: Easing.OutCubic } }

        Column {
            id: body
            width: parent.width
            topPadding: 20
            bottomPadding: 18
            spacing: 6
            Text {
                width: parent.width - 32
                anchors.horizontalCenter: parent.horizontalCenter
                visible: text.length > 0
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: layer.alert.title || ""
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: 17
                font.bold: true
            }
            // The message can be selected with the mouse and copied (Ctrl+C or the menu).
            TextEdit {
                id: message
                width: parent.width - 32
                anchors.horizontalCenter: parent.horizontalCenter
                visible: text.length > 0
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                readOnly: true
                selectByMouse: true
                persistentSelection: true
                selectionColor: Theme.aqua
                selectedTextColor: Theme.ink
                textFormat: TextEdit.PlainText
                text: layer.alert.message || ""
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: 13
                onTextChanged: deselect()
                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.RightButton
                    cursorShape: Qt.IBeamCursor
                    onClicked: {
                        if (message.selectedText.length === 0)
                            message.selectAll()
                        message.copy()
                    }
                }
            }
        }

        Item {
            id: buttonArea
            anchors.top: body.bottom
            width: parent.width
            height: dialog.sideBySide ? 46 : 46 * dialog.buttons.length

            Rectangle { width: parent.width; height: 1; color: Theme.line }
            Rectangle {
                visible: dialog.sideBySide
                x: parent.width / 2
                width: 1
                height: parent.height
                color: Theme.line
            }
            Repeater {
                model: dialog.buttons
                delegate: Item {
                    required property var modelData
                    required property int index
                    x: dialog.sideBySide ? index * buttonArea.width / 2 : 0
                    y: dialog.sideBySide ? 0 : index * 46
                    width: dialog.sideBySide ? buttonArea.width / 2 : buttonArea.width
                    height: 46
                    Rectangle {
                        visible: !dialog.sideBySide && parent.index > 0
                        width: parent.width
                        height: 1
                        color: Theme.line
                    }
                    Rectangle {
                        anchors.fill: parent
                        anchors.topMargin: 1
                        color: press.pressed ? Theme.mist : "transparent"
                        radius: 14
                    }
                    Text {
                        anchors.centerIn: parent
                        text: parent.modelData.title
                        color: parent.modelData.role === "destructive" ? Theme.coral : Theme.deep
                        font.family: Theme.family
                        font.pixelSize: 16
                        font.bold: parent.modelData.role === "cancel"
                                   || dialog.buttons.length === 1
                    }
                    MouseArea {
                        id: press
                        anchors.fill: parent
                        onClicked: bridge.pressAlertButton(parent.modelData.title)
                    }
                }
            }
        }
    }
}
