import QtQuick
import QtQuick.Controls

// The carrier registration guide: what a luggage tag is for, how registering works, then
// "다음" to the tags found near the phone.
Rectangle {
    id: root
    required property QtObject screen
    readonly property var o: screen.outlets
    readonly property bool narrow: width <= 320
    readonly property bool compact: height < 600
    color: Theme.page

    CarrierHeader {
        id: header
        screen: root.screen
        title: "캐리어 등록"
    }

    // On a short window the guide scrolls: its bar stays shown and the last lines fade out
    // above the button while more lies below.
    Flickable {
        id: guide
        anchors.top: header.bottom
        anchors.bottom: next.top
        anchors.bottomMargin: 12
        width: parent.width
        contentHeight: content.height + (root.compact ? 12 : 24)
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        readonly property bool overflows: contentHeight > height + 1
        ScrollBar.vertical: ScrollBar {
            policy: guide.overflows ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }

        Column {
            id: content
            x: 20
            y: root.compact ? 12 : 20
            width: parent.width - 40
            spacing: root.compact ? 12 : 18

            // A tag on a suitcase, sending its signal.
            Item {
                width: parent.width
                height: root.compact ? 84 : 150
                Rectangle {
                    anchors.centerIn: parent
                    width: parent.height
                    height: width
                    radius: width / 2
                    color: Theme.mist
                }
                Radar {
                    anchors.centerIn: parent
                    width: parent.height
                    height: width
                    color: Theme.teal
                    periodMs: 3000
                }
                Rectangle {
                    anchors.centerIn: parent
                    width: parent.height * 0.5
                    height: width
                    radius: width / 2
                    gradient: Gradient {
                        GradientStop { position: 0; color: Theme.teal }
                        GradientStop { position: 1; color: Theme.deep }
                    }
                    AppImage {
                        anchors.centerIn: parent
                        width: parent.width * 0.62
                        height: width
                        name: "menu_alarm"
                    }
                }
            }

            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "캐리어에 태그를 등록하세요"
                color: Theme.navy
                font.family: Theme.family
                font.pixelSize: root.narrow ? 19 : 21
                font.bold: true
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                lineHeight: 1.15
                text: "등록한 캐리어가 수하물 수취대에 도착하면 알림과 진동으로 알려 드립니다."
                color: Theme.muted
                font.family: Theme.family
                font.pixelSize: 13
            }

            Repeater {
                model: [
                    { heading: "태그를 캐리어에 달아 주세요", body: "비콘 태그를 캐리어 손잡이나 안쪽 주머니에 넣어 두세요." },
                    { heading: "블루투스를 켜 주세요", body: "휴대폰 가까이에 있는 태그를 블루투스로 찾습니다." },
                    { heading: "내 태그를 골라 이름을 붙이세요", body: "'다음'을 누르면 주변의 태그가 가까운 순서로 나옵니다. '등록'을 눌러 이름을 입력하세요." }
                ]
                delegate: Row {
                    required property var modelData
                    required property int index
                    width: content.width
                    spacing: 12
                    Rectangle {
                        width: 28
                        height: 28
                        radius: 14
                        color: Theme.sand
                        Text {
                            anchors.centerIn: parent
                            text: index + 1
                            color: Theme.navy
                            font.family: Theme.family
                            font.pixelSize: 14
                            font.bold: true
                        }
                    }
                    Column {
                        width: parent.width - 40
                        spacing: 3
                        Text {
                            width: parent.width
                            wrapMode: Text.Wrap
                            text: modelData.heading
                            color: Theme.ink
                            font.family: Theme.family
                            font.pixelSize: 15
                            font.bold: true
                        }
                        Text {
                            width: parent.width
                            wrapMode: Text.Wrap
                            lineHeight: 1.1
                            text: modelData.body
                            color: Theme.muted
                            font.family: Theme.family
                            font.pixelSize: 12
                        }
                    }
                }
            }
        }
    }

    Rectangle {
        anchors.bottom: guide.bottom
        width: guide.width
        height: 28
        visible: guide.overflows && !guide.atYEnd
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.rgba(Theme.page.r, Theme.page.g, Theme.page.b, 0) }
            GradientStop { position: 1; color: Theme.page }
        }
    }

    Rectangle {
        id: next
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40
        height: 52
        radius: 26
        visible: !root.o.btn_Next.hidden
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: Theme.deep }
            GradientStop { position: 1; color: Theme.teal }
        }
        Text {
            anchors.centerIn: parent
            text: root.o.btn_Next.title + "  ›"
            color: "white"
            font.family: Theme.family
            font.pixelSize: 17
            font.bold: true
        }
        TapArea {
            anchors.fill: parent
            screen: root.screen
            outlet: "btn_Next"
        }
    }
}
