import QtQuick

// A label outlet: its text with struck-through and coloured runs, hidden when the model says.
Text {
    property var outlet: ({})
    visible: outlet !== undefined && !outlet.hidden
    text: outlet && outlet.html !== undefined ? outlet.html : ""
    textFormat: Text.StyledText
    font.family: Theme.family
    color: Theme.ink
    elide: Text.ElideRight
}
