import QtQuick

// The immigration card guide: a nation field with its suggestions, the nation's arrival
// card and the passport photo, both zoomable (pinch, wheel, + - 0 keys and buttons), and
// the passport camera.
FocusScope {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property QtObject nationList: screen.namedChildren.NationAutoFillTableTableViewController || null
    readonly property string nation: o.txt_InOutImage_Nation.text

    Rectangle {
        anchors.fill: parent
        color: Theme.page
        // A click on the page itself takes the keyboard from the field (closing its list).
        MouseArea {
            anchors.fill: parent
            onPressed: focusSink.forceActiveFocus()
        }
        Item {
            id: focusSink
        }
    }

    ToolHeader {
        id: header
        screen: root.screen
        title: "출입국신고서"
        subtitle: "국가별 작성 예시와 내 여권"
        backOutlet: "btn_Back"
        visible: !root.o.view_Top.hidden
    }

    SearchField {
        id: nationField
        x: 16
        y: header.height + 12
        width: parent.width - 32
        screen: root.screen
        outlet: "txt_InOutImage_Nation"
        placeholderText: "국가 이름 (예: 일본, Japan)"
        suggestions: suggestions
        KeyNavigation.tab: card
    }

    // ---- the card
    Text {
        id: cardTitle
        x: 18
        y: nationField.y + nationField.height + 14
        width: parent.width - 36
        elide: Text.ElideRight
        text: root.o.imageZoom && root.o.imageZoom.image
              ? "입국신고서 작성 예시"
              : "입국신고서"
        color: Theme.ink
        font.family: Theme.family
        font.pixelSize: 14
        font.bold: true
    }
    ZoomView {
        id: card
        x: 16
        y: cardTitle.y + 24
        width: parent.width - 32
        height: Math.max(150, root.height * 0.40)
        visible: !root.o.img_InOut.hidden
        screen: root.screen
        outletName: "imageZoom"
        emptyIcon: "popup1_immigration"
        emptyText: root.nation.length > 0 && root.o.imageZoom
                   ? root.nation + "의 신고서 그림이 없습니다"
                   : "국가를 고르면 입국신고서 작성 예시가 나타납니다"
        KeyNavigation.tab: passport
    }

    // ---- the passport
    Item {
        id: passportBar
        x: 16
        y: card.y + card.height + 10
        width: parent.width - 32
        height: 36
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: "내 여권"
            color: Theme.ink
            font.family: Theme.family
            font.pixelSize: 14
            font.bold: true
        }
        Rectangle {
            id: cameraButton
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: cameraRow.implicitWidth + 24
            height: 34
            radius: 17
            visible: !root.o.btn_Passport.hidden
            color: cameraButton.activeFocus ? Theme.navy : Theme.deep
            activeFocusOnTab: true
            Row {
                id: cameraRow
                anchors.centerIn: parent
                spacing: 6
                AppImage {
                    anchors.verticalCenter: parent.verticalCenter
                    width: 20
                    height: 20
                    name: "popup1_camera"
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.o.btn_Passport.title
                    color: "white"
                    font.family: Theme.family
                    font.pixelSize: 13
                    font.bold: true
                }
            }
            TapArea {
                anchors.fill: parent
                screen: root.screen
                outlet: "btn_Passport"
            }
            Keys.onReturnPressed: root.screen.tap("btn_Passport")
            Keys.onSpacePressed: root.screen.tap("btn_Passport")
            KeyNavigation.tab: nationField
        }
    }
    ZoomView {
        id: passport
        x: 16
        y: passportBar.y + passportBar.height + 6
        width: parent.width - 32
        height: root.height - y - 16
        visible: !root.o.img_Passport.hidden
        screen: root.screen
        outletName: "imageZoom_Passport"
        emptyIcon: "popup1_camera"
        emptyText: "여권 사진면을 찍어 두면 여기에 보관됩니다"
        KeyNavigation.tab: cameraButton
    }

    // The suggestions lie over everything below the field.
    SuggestionList {
        id: suggestions
        x: nationField.x
        y: nationField.y + nationField.height + 4
        width: nationField.width
        listScreen: root.nationList
    }

    Component.onCompleted: nationField.forceActiveFocus()
}
