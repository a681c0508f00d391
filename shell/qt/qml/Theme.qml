pragma Singleton
import QtQuick

// Colours and type of the app: a calm travel palette.
QtObject {
    readonly property color navy: "#0B3954"
    readonly property color deep: "#087E8B"
    readonly property color teal: "#19A7A8"
    readonly property color aqua: "#8FD6CF"
    readonly property color mist: "#DDF1F0"
    readonly property color page: "#F3F8F9"
    readonly property color sand: "#F4B942"
    readonly property color coral: "#F2705E"
    readonly property color ink: "#16313F"
    readonly property color muted: "#6B8793"
    readonly property color line: "#DCE9EC"
    readonly property color letterbox: "#0E2A36"
    readonly property string family: "NanumBarunGothic"
    readonly property int slideMs: 300

    // The status badge's colour for the tone the core gives the status.
    function statusColor(tone) {
        switch (tone) {
        case "underWay": return teal
        case "cancelled": return coral
        case "diverted": return sand
        case "delayed": return sand
        case "arrived": return navy
        case "unknown": return "#9AB0B8"
        default: return deep
        }
    }
}
