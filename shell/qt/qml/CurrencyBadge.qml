import QtQuick

// A currency code in a round badge; "JPY(100)" shows JPY with a small 100 below it.
Rectangle {
    id: badge
    property string code
    readonly property int open: code.indexOf("(")
    readonly property string main: open < 0 ? code : code.slice(0, open)
    readonly property string per: open < 0 ? "" : code.slice(open + 1, code.endsWith(")") ? -1 : undefined)
    width: 40
    height: 40
    radius: 20
    color: code.length === 0 ? Theme.line : Qt.hsla((hash(main) % 360) / 360, 0.45, 0.38, 1)

    function hash(s) {
        let h = 7
        for (let i = 0; i < s.length; ++i)
            h = (h * 31 + s.charCodeAt(i)) % 100003
        return h
    }

    Column {
        anchors.centerIn: parent
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: badge.main.length > 0 ? badge.main : "?"
            color: "white"
            font.family: Theme.family
            font.pixelSize: Math.max(9, Math.round(badge.width * (badge.main.length > 3 ? 0.25 : 0.32)))
            font.bold: true
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: badge.per.length > 0 && badge.width >= 34
            text: badge.per
            color: "#D9FFFFFF"
            font.family: Theme.family
            font.pixelSize: Math.round(badge.width * 0.2)
        }
    }
}
