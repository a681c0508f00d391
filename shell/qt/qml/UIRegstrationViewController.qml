import QtQuick
import QtQuick.Controls

// The tags found near the phone, nearest first as they were heard, each with its register
// button; the naming overlay lies over the list as a child screen.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property var rows: o.registrationTableView.rows || []
    readonly property bool searching: !o.img_Refresh.hidden
    color: Theme.page

    CarrierHeader {
        id: header
        screen: root.screen
        title: "캐리어 등록"
        refreshOutlet: "btn_Refresh"
        searchingOutlet: "img_Refresh"
    }

    CarrierScanState {
        id: scanState
        anchors.top: header.bottom
        searching: root.searching
        searchingText: "주변의 태그를 찾고 있습니다"
        doneText: root.rows.length > 0 ? "찾은 태그 " + root.rows.length + "개"
                                       : "검색이 끝났습니다"
    }

    ListView {
        id: list
        anchors.top: scanState.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        topMargin: 10
        bottomMargin: 16
        spacing: 8
        clip: true
        // More rows than fit: the bar stays shown.
        ScrollBar.vertical: ScrollBar {
            policy: list.contentHeight > list.height + 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }
        visible: !root.o.registrationTableView.hidden
        model: root.rows
        delegate: Item {
            id: row
            required property var modelData
            required property int index
            readonly property var select: modelData.btn_Registration_Select || ({})
            readonly property string name: modelData.txt_Registration_Name
                                            ? modelData.txt_Registration_Name.text : ""
            readonly property real small: modelData.txt_Registration_Name
                                          && modelData.txt_Registration_Name.fontSize
                                          ? modelData.txt_Registration_Name.fontSize : 0
            readonly property bool registered: select.state === "registered"
            width: ListView.view.width
            height: Math.round(root.height * 89 / 667)

            Rectangle {
                anchors.fill: parent
                anchors.leftMargin: 12
                anchors.rightMargin: 12
                radius: 14
                color: "white"
                // The first row leads the list with an accent line.
                border.color: row.modelData.Reg_TopView
                              && row.modelData.Reg_TopView.state === "first"
                              ? Theme.aqua : Theme.line
                border.width: 1

                Rectangle {
                    id: icon
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    width: 46
                    height: 46
                    radius: 12
                    gradient: Gradient {
                        GradientStop { position: 0; color: row.registered ? Theme.sand : Theme.teal }
                        GradientStop { position: 1; color: row.registered ? "#E09A1F" : Theme.deep }
                    }
                    AppImage {
                        anchors.centerIn: parent
                        width: 32
                        height: 32
                        name: "menu_alarm"
                    }
                }

                Column {
                    anchors.left: icon.right
                    anchors.leftMargin: 12
                    anchors.right: button.left
                    anchors.rightMargin: 8
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 4
                    Text {
                        width: parent.width
                        elide: Text.ElideRight
                        text: row.name.length > 0 ? row.name : "새 태그"
                        color: row.name.length > 0 ? Theme.ink : Theme.muted
                        font.family: Theme.family
                        font.pixelSize: row.small > 0 ? row.small + 3 : 16
                        font.bold: true
                    }
                    Text {
                        width: parent.width
                        elide: Text.ElideRight
                        text: "Major " + (row.modelData.txt_Registration_Select_Major
                                          ? row.modelData.txt_Registration_Select_Major.text : "")
                              + " · Minor " + (row.modelData.txt_Registration_Select_Minor
                                               ? row.modelData.txt_Registration_Select_Minor.text : "")
                        color: Theme.muted
                        font.family: Theme.family
                        font.pixelSize: row.small > 0 ? row.small : 12
                    }
                    Rectangle {
                        visible: row.modelData.lbl_Distance !== undefined
                        width: distance.implicitWidth + 14
                        height: 20
                        radius: 10
                        color: Theme.mist
                        Text {
                            id: distance
                            anchors.centerIn: parent
                            text: row.modelData.lbl_Distance ? row.modelData.lbl_Distance.text : ""
                            color: Theme.deep
                            font.family: Theme.family
                            font.pixelSize: 11
                            font.bold: true
                        }
                    }
                }

                Rectangle {
                    id: button
                    anchors.right: parent.right
                    anchors.rightMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !row.select.hidden
                    width: 64
                    height: 34
                    radius: 17
                    color: row.registered ? "#EEF3F4" : Theme.teal
                    border.color: row.registered ? Theme.line : "transparent"
                    Text {
                        anchors.centerIn: parent
                        text: row.registered ? "✓ 등록됨" : row.select.title
                        color: row.registered ? Theme.muted : "white"
                        font.family: Theme.family
                        font.pixelSize: row.registered ? 11 : 14
                        font.bold: true
                    }
                    MouseArea {
                        anchors.fill: parent
                        enabled: row.select.enabled === true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.screen.tapInRow("registrationTableView", row.index,
                                                        "btn_Registration_Select")
                    }
                }
            }
        }

        Column {
            anchors.centerIn: parent
            visible: list.count === 0
            spacing: 8
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: root.searching ? "태그를 찾는 중입니다…" : "찾은 태그가 없습니다"
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: 16
                font.bold: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: root.searching ? "태그를 휴대폰 가까이 가져와 주세요"
                                     : "'" + root.o.btn_Refresh.title + "'를 눌러 다시 찾아 보세요"
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 13
            }
        }
    }
}
