import QtQuick
import QtQuick.Controls

// The registered carriers, which of them were seen near the phone in this visit and when each
// was last in range, and their rename and delete buttons; the naming overlay lies over the
// list as a child screen.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property var rows: o.carrierTableView.rows || []
    readonly property bool searching: !o.img_Search.hidden
    readonly property int seen: rows.filter(r => r.img_Status && r.img_Status.state === "seen").length
    color: Theme.page

    CarrierHeader {
        id: header
        screen: root.screen
        title: "캐리어 목록"
        refreshOutlet: "btn_Refresh"
        searchingOutlet: "img_Search"
    }

    CarrierScanState {
        id: scanState
        anchors.top: header.bottom
        searching: root.searching
        searchingText: "등록한 캐리어를 찾고 있습니다"
        doneText: root.rows.length > 0 ? "근처에서 찾은 캐리어 " + root.seen + " / " + root.rows.length
                                       : "등록한 캐리어가 없습니다"
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
        visible: !root.o.carrierTableView.hidden
        model: root.rows
        delegate: Item {
            id: row
            required property var modelData
            required property int index
            readonly property bool near: modelData.img_Status
                                         && modelData.img_Status.state === "seen"
            readonly property real small: modelData.lbl_Name && modelData.lbl_Name.fontSize
                                          ? modelData.lbl_Name.fontSize : 0
            width: ListView.view.width
            height: Math.round(root.height * 92 / 667)

            Rectangle {
                anchors.fill: parent
                anchors.leftMargin: 12
                anchors.rightMargin: 12
                radius: 14
                color: "white"
                border.color: row.modelData.img_TopImage
                              && row.modelData.img_TopImage.state === "first"
                              ? Theme.aqua : Theme.line

                // Seen status: a lit dot with a soft halo, or a grey one.
                Item {
                    id: status
                    x: 14
                    anchors.verticalCenter: parent.verticalCenter
                    width: 40
                    height: 40
                    visible: row.modelData.img_Status !== undefined && !row.modelData.img_Status.hidden
                    Rectangle {
                        anchors.centerIn: parent
                        width: 40
                        height: 40
                        radius: 20
                        color: row.near ? "#2E19A7A8" : "#EEF3F4"
                    }
                    Rectangle {
                        anchors.centerIn: parent
                        width: 18
                        height: 18
                        radius: 9
                        color: row.near ? Theme.teal : "#B8C7CD"
                        border.color: "white"
                        border.width: 3
                    }
                }

                Column {
                    anchors.left: status.right
                    anchors.leftMargin: 12
                    anchors.right: buttons.left
                    anchors.rightMargin: 6
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 3
                    Text {
                        width: parent.width
                        elide: Text.ElideRight
                        text: row.modelData.lbl_Name ? row.modelData.lbl_Name.text : ""
                        color: Theme.ink
                        font.family: Theme.family
                        font.pixelSize: row.small > 0 ? row.small + 4 : 16
                        font.bold: true
                    }
                    Text {
                        width: parent.width
                        elide: Text.ElideRight
                        text: "Major " + (row.modelData.lbl_Major ? row.modelData.lbl_Major.text : "")
                              + " · Minor " + (row.modelData.lbl_Minor ? row.modelData.lbl_Minor.text : "")
                        color: Theme.muted
                        font.family: Theme.family
                        font.pixelSize: row.small > 0 ? row.small : 12
                    }
                    Text {
                        width: parent.width
                        elide: Text.ElideRight
                        text: row.modelData.lbl_SeenText ? row.modelData.lbl_SeenText.text : ""
                        color: row.near ? Theme.deep : "#9AB0B8"
                        font.family: Theme.family
                        font.pixelSize: 11
                        font.bold: true
                    }
                }

                Column {
                    id: buttons
                    anchors.right: parent.right
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 6
                    Repeater {
                        model: [
                            { outlet: "btn_Nickname", fill: Theme.mist, ink: Theme.deep },
                            { outlet: "btn_Delete", fill: "#FDE9E6", ink: Theme.coral }
                        ]
                        delegate: Rectangle {
                            required property var modelData
                            readonly property var button: row.modelData[modelData.outlet] || ({})
                            width: root.width <= 320 ? 62 : 70
                            height: 28
                            radius: 14
                            color: modelData.fill
                            visible: !button.hidden
                            Text {
                                anchors.centerIn: parent
                                text: parent.button.title || ""
                                color: parent.modelData.ink
                                font.family: Theme.family
                                font.pixelSize: 12
                                font.bold: true
                            }
                            MouseArea {
                                anchors.fill: parent
                                cursorShape: Qt.PointingHandCursor
                                onClicked: root.screen.tapInRow("carrierTableView", row.index,
                                                                parent.modelData.outlet)
                            }
                        }
                    }
                }
            }
        }

        Column {
            anchors.centerIn: parent
            width: parent.width - 60
            visible: list.count === 0
            spacing: 10
            AppImage {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 64
                height: 64
                name: "menu_carrier_list"
                opacity: 0.6
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "등록한 캐리어가 없습니다"
                color: Theme.ink
                font.family: Theme.family
                font.pixelSize: 16
                font.bold: true
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: "메인 화면의 '캐리어 등록'에서 태그를 등록해 주세요"
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 13
            }
        }
    }
}
