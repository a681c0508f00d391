import QtQuick
import QtQuick.Controls

// A text field outlet with a leading glyph: typing goes to the core as it happens, and the
// down key hands over to the suggestions below it. The core learns when the keyboard focus
// leaves the field and its suggestions (Tab, a click elsewhere), which closes them.
TextField {
    id: field
    property QtObject screen
    property string outlet
    property string glyph: "⌕"
    property Item suggestions
    readonly property var model: screen ? screen.outlets[outlet] : undefined
    // A narrow field (the referral's on a small phone) keeps its placeholder whole.
    readonly property bool narrow: width < 240
    height: 44
    leftPadding: narrow ? 34 : 40
    rightPadding: narrow ? 6 : 12
    verticalAlignment: TextInput.AlignVCenter
    color: Theme.ink
    placeholderTextColor: "#9AB0B8"
    selectByMouse: true
    font.family: Theme.family
    font.pixelSize: narrow ? 14 : 15
    visible: model !== undefined && !model.hidden
    enabled: model !== undefined && model.enabled
    text: model ? model.text : ""
    onTextEdited: if (screen) screen.type(outlet, text)
    Keys.onDownPressed: if (suggestions) suggestions.enter()
    // Focus moving between the field and its own suggestions is not leaving; both change
    // before the check runs.
    onActiveFocusChanged: Qt.callLater(reportFocus)
    function reportFocus() {
        if (!screen)
            return
        if (activeFocus)
            screen.focus(outlet, true)
        else if (!(suggestions && suggestions.hasFocus))
            screen.focus(outlet, false)
    }
    Component.onCompleted: if (suggestions) suggestions.field = field
    background: Rectangle {
        radius: 12
        color: field.enabled ? "white" : Theme.page
        border.color: field.activeFocus ? Theme.teal : Theme.line
        border.width: field.activeFocus ? 2 : 1
        Text {
            x: field.narrow ? 11 : 14
            anchors.verticalCenter: parent.verticalCenter
            text: field.glyph
            color: field.activeFocus ? Theme.teal : Theme.muted
            font.family: Theme.family
            font.pixelSize: 18
            font.bold: true
        }
    }
}
