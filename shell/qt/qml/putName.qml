import QtQuick
import QtQuick.Controls

// The naming overlay: a card over the dimmed screen with the name field, "취소" and "확인".
// It opens with the keyboard in the field; Enter confirms, Escape cancels (through the core).
Item {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets

    Rectangle {
        anchors.fill: parent
        color: "#8C071820"
        MouseArea {
            // Taps beside the card go nowhere.
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
        }
    }

    Rectangle {
        id: card
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.round(parent.height * 0.22)
        width: Math.min(parent.width - 36, 320)
        height: body.height + 68
        radius: 18
        color: "white"

        Column {
            id: body
            x: 20
            y: 22
            width: parent.width - 40
            spacing: 8
            Text {
                text: "캐리어 이름"
                color: Theme.navy
                font.family: Theme.family
                font.pixelSize: 19
                font.bold: true
            }
            Text {
                width: parent.width
                wrapMode: Text.Wrap
                text: "알아보기 쉬운 이름을 붙여 주세요. 띄어쓰기는 빼고 저장됩니다."
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 12
            }
            TextField {
                id: field
                width: parent.width
                height: 44
                visible: !root.o.txt_CarrierName.hidden
                enabled: root.o.txt_CarrierName.enabled
                text: root.o.txt_CarrierName.text
                placeholderText: "예: 파란캐리어"
                font.family: Theme.family
                font.pixelSize: 16
                leftPadding: 12
                background: Rectangle {
                    radius: 10
                    color: Theme.page
                    border.color: field.activeFocus ? Theme.teal : Theme.line
                    border.width: field.activeFocus ? 2 : 1
                }
                onTextEdited: root.screen.type("txt_CarrierName", text)
                // Enter confirms the dialog.
                onAccepted: root.screen.tap("btn_Confirm")
                // The dialog opens with the keyboard in its field.
                Component.onCompleted: if (root.o.txt_CarrierName.firstResponder) forceActiveFocus()
            }
            Item { width: 1; height: 4 }
        }

        Row {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 14
            anchors.right: parent.right
            anchors.rightMargin: 16
            spacing: 10
            Rectangle {
                width: 84
                height: 38
                radius: 19
                color: "#EEF3F4"
                visible: !root.o.btn_Cancel.hidden
                Text {
                    anchors.centerIn: parent
                    text: root.o.btn_Cancel.title
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: 15
                }
                TapArea {
                    anchors.fill: parent
                    screen: root.screen
                    outlet: "btn_Cancel"
                }
            }
            Rectangle {
                width: 84
                height: 38
                radius: 19
                color: Theme.teal
                visible: !root.o.btn_Confirm.hidden
                Text {
                    anchors.centerIn: parent
                    text: root.o.btn_Confirm.title
                    color: "white"
                    font.family: Theme.family
                    font.pixelSize: 15
                    font.bold: true
                }
                TapArea {
                    anchors.fill: parent
                    screen: root.screen
                    outlet: "btn_Confirm"
                }
            }
        }
    }
}
