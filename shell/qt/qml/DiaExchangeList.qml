import QtQuick
import QtQuick.Controls

// The currency picker laid over the calculator: the currencies of the newest rates; a tap,
// or the arrow keys and Return, picks one for the side it was opened from. A tap beside the
// sheet, its close button or Escape closes it without a pick.
Item {
    id: root
    required property QtObject screen
    readonly property var rows: screen.outlets.tbl_ExchangeNation.rows


    Rectangle {
        anchors.fill: parent
        color: "#8C071820"
    }
    MouseArea {
        // Only the picker can be touched while it is open; a tap beside it closes it.
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel => wheel.accepted = true
        onClicked: root.screen.tap("btn_Close")
    }

    Rectangle {
        id: sheet
        anchors.bottom: parent.bottom
        width: parent.width
        height: Math.min(parent.height - 90, list.contentHeight + 84)
        radius: 22
        color: "white"
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 22
            color: "white"
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 8
            width: 40
            height: 5
            radius: 2.5
            color: Theme.line
        }
        Text {
            x: 20
            y: 24
            text: "통화 선택"
            color: Theme.ink
            font.family: Theme.family
            font.pixelSize: 18
            font.bold: true
        }
        Text {
            anchors.right: close.left
            anchors.rightMargin: 10
            y: 28
            text: root.rows.length > 0 ? root.rows.length + "개 통화" : ""
            color: Theme.muted
            font.family: Theme.family
            font.pixelSize: 12
        }
        Rectangle {
            id: close
            anchors.right: parent.right
            anchors.rightMargin: 14
            y: 18
            width: 32
            height: 32
            radius: 16
            color: closeArea.pressed ? Theme.mist : Theme.page
            Text {
                anchors.centerIn: parent
                text: "✕"
                color: Theme.muted
                font.pixelSize: 14
                font.bold: true
            }
            TapArea {
                id: closeArea
                anchors.fill: parent
                anchors.margins: -6
                screen: root.screen
                outlet: "btn_Close"
            }
        }
        MouseArea {
            // Taps on the sheet itself stay on it.
            anchors.fill: parent
            z: -1
        }

        ListView {
            id: list
            x: 8
            y: 60
            width: parent.width - 16
            height: parent.height - 68
            clip: true
            focus: true
            model: root.rows
            highlightMoveDuration: 0
            boundsBehavior: Flickable.StopAtBounds
            // More currencies than fit: the bar stays shown.
            ScrollBar.vertical: ScrollBar {
                policy: list.contentHeight > list.height + 1 ? ScrollBar.AlwaysOn
                                                             : ScrollBar.AlwaysOff
            }
            delegate: Rectangle {
                id: row
                required property var modelData
                required property int index
                readonly property var caption: modelData.textLabel || ({ name: "", code: "" })
                width: ListView.view.width
                height: 56
                radius: 12
                color: rowArea.pressed || (list.activeFocus && list.currentIndex === index)
                       ? Theme.mist : "transparent"
                CurrencyBadge {
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    code: row.caption.code
                }
                Text {
                    x: 64
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 64 - code.width - 28
                    elide: Text.ElideRight
                    text: row.caption.name
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: 16
                    font.bold: true
                }
                Text {
                    id: code
                    anchors.right: parent.right
                    anchors.rightMargin: 16
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.caption.code
                    color: Theme.muted
                    font.family: Theme.family
                    font.pixelSize: 13
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    onClicked: root.screen.select("tbl_ExchangeNation", row.index)
                }
            }
            Keys.onReturnPressed: root.screen.select("tbl_ExchangeNation", currentIndex)
            Keys.onEnterPressed: root.screen.select("tbl_ExchangeNation", currentIndex)
            Keys.onSpacePressed: root.screen.select("tbl_ExchangeNation", currentIndex)
            Keys.onEscapePressed: root.screen.tap("btn_Close")
        }

        Column {
            anchors.centerIn: list
            visible: root.rows.length === 0
            spacing: 6
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "환율 정보가 없습니다"
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: 15
                font.bold: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "네트워크에 연결한 뒤 다시 열어 주세요"
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 12
            }
        }
    }

    Component.onCompleted: list.forceActiveFocus()
}
