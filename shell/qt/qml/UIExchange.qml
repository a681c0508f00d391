import QtQuick
import QtQuick.Controls

// The exchange calculator: two amount panels converted into each other while typing, each
// with its currency (a tap opens the picker), and the day's seven reference rates. Tab moves
// through amounts and currencies, Return or Space on a currency opens the picker, Escape
// goes back.
FocusScope {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property bool pickerOpen: !o.v_PickerCover.hidden
    readonly property bool narrow: width < 360
    // The reference rates' labels, each with its currency's code and name.
    readonly property var references: screen.outletNames.filter(n => n.startsWith("lbl_Exchange_Cost"))

    Rectangle {
        anchors.fill: parent
        color: Theme.page
    }

    ToolHeader {
        id: header
        screen: root.screen
        title: "환율계산기"
        subtitle: root.o.lbl_Exchange_Date.text
        backOutlet: "btn_Exchange_Back"
    }

    component AmountPanel: Rectangle {
        id: panel
        property string side
        property string fieldOutlet
        property string captionOutlet
        property string currencyOutlet
        property string frameOutlet
        property alias field: amount
        property Item nextItem
        readonly property var caption: root.o[captionOutlet]
        height: 104
        radius: 18
        color: "white"
        border.color: amount.activeFocus ? Theme.teal : Theme.line
        border.width: amount.activeFocus ? 2 : 1

        // The panel's frame closes the keyboard.
        TapArea {
            anchors.fill: parent
            screen: root.screen
            outlet: panel.frameOutlet
            feedback: null
            cursorShape: Qt.ArrowCursor
            onClicked: amount.focus = false
        }

        // The currency: a tap opens the picker.
        Rectangle {
            id: currency
            x: 12
            y: 12
            width: Math.min(parent.width - 24, chip.implicitWidth + 16)
            height: 36
            radius: 18
            color: currency.activeFocus ? Theme.mist : Theme.page
            border.color: currency.activeFocus ? Theme.teal : Theme.line
            activeFocusOnTab: true
            Row {
                id: chip
                x: 6
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8
                CurrencyBadge {
                    width: 28
                    height: 28
                    radius: 14
                    code: panel.caption.code
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(implicitWidth, panel.width - 90)
                    elide: Text.ElideRight
                    text: panel.caption.text
                    color: Theme.ink
                    font.family: Theme.family
                    font.pixelSize: 14
                    font.bold: true
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "▾"
                    color: Theme.deep
                    font.pixelSize: 14
                }
            }
            TapArea {
                anchors.fill: parent
                screen: root.screen
                outlet: panel.currencyOutlet
            }
            Keys.onReturnPressed: root.screen.tap(panel.currencyOutlet)
            Keys.onEnterPressed: root.screen.tap(panel.currencyOutlet)
            Keys.onSpacePressed: root.screen.tap(panel.currencyOutlet)
            KeyNavigation.tab: panel.nextItem
        }

        TextField {
            id: amount
            x: 12
            y: 52
            width: parent.width - 24
            height: 44
            horizontalAlignment: TextInput.AlignRight
            verticalAlignment: TextInput.AlignVCenter
            inputMethodHints: Qt.ImhFormattedNumbersOnly
            placeholderText: "0"
            placeholderTextColor: "#9AB0B8"
            color: Theme.navy
            selectByMouse: true
            font.family: Theme.family
            font.pixelSize: root.narrow ? 26 : 30
            font.bold: true
            background: null
            enabled: root.o[panel.fieldOutlet].enabled && !root.pickerOpen
            text: root.o[panel.fieldOutlet].text
            onTextEdited: root.screen.type(panel.fieldOutlet, text)
            KeyNavigation.tab: currency
            Keys.onReturnPressed: panel.nextItem.forceActiveFocus()
            Keys.onEnterPressed: panel.nextItem.forceActiveFocus()
        }
        Text {
            anchors.left: amount.left
            anchors.verticalCenter: amount.verticalCenter
            visible: amount.text.length === 0 || amount.contentWidth < amount.width - 80
            text: panel.caption.code
            color: Theme.muted
            font.family: Theme.family
            font.pixelSize: 13
        }
    }

    Column {
        id: panels
        x: 16
        y: header.height + 14
        width: parent.width - 32
        spacing: 10

        AmountPanel {
            id: topPanel
            width: parent.width
            side: "top"
            fieldOutlet: "txt_Exchange_Cost_Top"
            captionOutlet: "lbl_Exchange_Nation_Top"
            currencyOutlet: "img_Exchange_Nation_Top"
            frameOutlet: "img_Exchange_TopFrame"
            nextItem: bottomPanel.field
        }
        AmountPanel {
            id: bottomPanel
            width: parent.width
            side: "bottom"
            fieldOutlet: "txt_Exchange_Cost_Buttom"
            captionOutlet: "lbl_Exchange_Nation_Bottom"
            currencyOutlet: "img_Exchange_Nation_Bottom"
            frameOutlet: "img_Exchange_ButtomFrame"
            nextItem: topPanel.field
        }
    }
    // Between the panels: the sides trade currencies and amounts.
    Rectangle {
        id: swap
        anchors.horizontalCenter: panels.horizontalCenter
        y: panels.y + topPanel.height + panels.spacing / 2 - height / 2
        width: 34
        height: 34
        radius: 17
        visible: !root.o.btn_Exchange_Swap.hidden
        color: swap.activeFocus ? Theme.deep : Theme.teal
        border.color: Theme.page
        border.width: 3
        activeFocusOnTab: true
        Text {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -1
            text: "⇅"
            color: "white"
            font.pixelSize: 17
            font.bold: true
        }
        TapArea {
            anchors.fill: parent
            screen: root.screen
            outlet: "btn_Exchange_Swap"
        }
        Keys.onReturnPressed: root.screen.tap("btn_Exchange_Swap")
        Keys.onEnterPressed: root.screen.tap("btn_Exchange_Swap")
        Keys.onSpacePressed: root.screen.tap("btn_Exchange_Swap")
    }

    // The day's reference rates; on a short window the list scrolls, with its bar shown.
    Rectangle {
        id: rates
        x: 16
        y: panels.y + panels.height + 16
        width: parent.width - 32
        height: Math.min(parent.height - y - 12, ratesColumn.implicitHeight + 12)
        radius: 18
        color: "white"
        border.color: Theme.line
        clip: true

        Flickable {
            id: ratesFlick
            anchors.fill: parent
            anchors.bottomMargin: 6
            contentHeight: ratesColumn.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            readonly property bool overflows: contentHeight > height + 1
            // Rows give up a little height before the list has to scroll.
            readonly property int rowHeight: Math.max(
                28, Math.min(34, Math.floor((rates.parent.height - rates.y - 12 - 6 - 38) / 7)))
            ScrollBar.vertical: ScrollBar {
                policy: ratesFlick.overflows ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            Column {
                id: ratesColumn
                width: ratesFlick.width
                topPadding: 12
                Row {
                    x: 16
                    width: parent.width - 32
                    height: 26
                    Text {
                        width: parent.width - stamp.width
                        text: "오늘의 기준환율"
                        color: Theme.ink
                        font.family: Theme.family
                        font.pixelSize: 14
                        font.bold: true
                    }
                    Text {
                        id: stamp
                        text: "원 기준"
                        color: Theme.muted
                        font.family: Theme.family
                        font.pixelSize: 11
                    }
                }
                Repeater {
                    model: root.references
                    delegate: Item {
                        required property var modelData
                        required property int index
                        readonly property var label: root.o[modelData]
                        width: ratesColumn.width
                        height: ratesFlick.rowHeight
                        Rectangle {
                            visible: index > 0
                            x: 16
                            width: parent.width - 32
                            height: 1
                            color: Theme.page
                        }
                        CurrencyBadge {
                            x: 16
                            anchors.verticalCenter: parent.verticalCenter
                            width: ratesFlick.rowHeight < 32 ? 24 : 28
                            height: width
                            radius: width / 2
                            code: parent.label.code
                        }
                        Text {
                            x: 52
                            anchors.verticalCenter: parent.verticalCenter
                            text: parent.label.code + "  " + parent.label.name
                            color: Theme.ink
                            font.family: Theme.family
                            font.pixelSize: 13
                        }
                        OutletLabel {
                            anchors.right: parent.right
                            anchors.rightMargin: 16
                            anchors.verticalCenter: parent.verticalCenter
                            outlet: parent.label
                            color: Theme.navy
                            font.pixelSize: 14
                            font.bold: true
                        }
                    }
                }
            }
        }
    }

    Keys.onEscapePressed: if (!root.pickerOpen) header.back()
    Component.onCompleted: topPanel.field.forceActiveFocus()
    onPickerOpenChanged: if (!pickerOpen) topPanel.field.forceActiveFocus()
}
