import QtQuick
import QtQuick.Controls

// A plain view for any screen without a view of its own: every outlet as a row.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    color: Theme.page

    Rectangle {
        id: bar
        width: parent.width
        height: 64
        color: Theme.navy
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 12
            text: root.screen.name
            color: "white"
            font.family: Theme.family
            font.pixelSize: 17
            font.bold: true
        }
    }

    ListView {
        anchors { top: bar.bottom; left: parent.left; right: parent.right; bottom: parent.bottom }
        anchors.margins: 12
        spacing: 8
        clip: true
        model: root.screen.outletNames.filter(k => !root.o[k].hidden)
        delegate: Rectangle {
            id: row
            required property string modelData
            readonly property var outlet: root.o[modelData]
            width: ListView.view.width
            height: content.implicitHeight + 20
            radius: 10
            color: "white"
            border.color: Theme.line

            Column {
                id: content
                x: 12
                y: 10
                width: parent.width - 24
                spacing: 6

                Text {
                    text: row.modelData
                    color: Theme.muted
                    font.family: Theme.family
                    font.pixelSize: 11
                }
                Text {
                    visible: row.outlet.kind === "label"
                    width: parent.width
                    text: row.outlet.html || ""
                    textFormat: Text.StyledText
                    wrapMode: Text.Wrap
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: 15
                }
                Button {
                    visible: row.outlet.kind === "button" || row.outlet.kind === "view"
                             || row.outlet.kind === "image" || row.outlet.kind === "floatingMenu"
                    enabled: row.outlet.tappable && row.outlet.enabled !== false
                    text: row.outlet.title || (row.outlet.kind === "button" ? "" : "누르기")
                    font.family: Theme.family
                    onClicked: root.screen.tap(row.modelData)
                }
                TextField {
                    visible: row.outlet.kind === "textField"
                    width: parent.width
                    enabled: row.outlet.enabled !== false
                    text: row.outlet.text || ""
                    font.family: Theme.family
                    onTextEdited: root.screen.type(row.modelData, text)
                }
                AppImage {
                    visible: (row.outlet.kind === "image" || row.outlet.kind === "zoomImage")
                             && name.length > 0
                    width: parent.width
                    height: visible ? 120 : 0
                    name: row.outlet.image || ""
                }
                Repeater {
                    model: row.outlet.kind === "table" ? row.outlet.rows : []
                    delegate: Rectangle {
                        required property var modelData
                        required property int index
                        width: content.width
                        height: 36
                        radius: 6
                        color: cell.pressed ? Theme.mist : Theme.page
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            x: 8
                            width: parent.width - 16
                            elide: Text.ElideRight
                            font.family: Theme.family
                            font.pixelSize: 13
                            color: Theme.ink
                            text: Object.keys(parent.modelData)
                                  .map(k => parent.modelData[k].text || parent.modelData[k].title || "")
                                  .filter(t => t.length > 0).join("  ·  ")
                        }
                        MouseArea {
                            id: cell
                            anchors.fill: parent
                            onClicked: root.screen.select(row.modelData, parent.index)
                        }
                        Component.onCompleted: root.screen.display(row.modelData, index)
                    }
                }
            }
        }
    }
}
