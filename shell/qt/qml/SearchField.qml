import QtQuick
import QtQuick.Controls

// A text field outlet with a leading glyph: typing goes to the core as it happens, and the
// down key hands over to the suggestions below it.
TextField {
    id: field
    property QtObject screen
    property string outlet
    property string glyph: "⌕"
    property Item suggestions
    readonly property var model: screen ? screen.outlets[outlet] : undefined
    height: 44
    leftPadding: 40
    rightPadding: 12
    verticalAlignment: TextInput.AlignVCenter
    color: Theme.ink
    placeholderTextColor: "#9AB0B8"
    selectByMouse: true
    font.family: Theme.family
    font.pixelSize: 15
    visible: model !== undefined && !model.hidden
    enabled: model !== undefined && model.enabled
    text: model ? model.text : ""
    onTextEdited: if (screen) screen.type(outlet, text)
    Keys.onDownPressed: if (suggestions) suggestions.enter()
    background: Rectangle {
        radius: 12
        color: field.enabled ? "white" : Theme.page
        border.color: field.activeFocus ? Theme.teal : Theme.line
        border.width: field.activeFocus ? 2 : 1
        Text {
            x: 14
            anchors.verticalCenter: parent.verticalCenter
            text: field.glyph
            color: field.activeFocus ? Theme.teal : Theme.muted
            font.family: Theme.family
            font.pixelSize: 18
            font.bold: true
        }
    }
}
