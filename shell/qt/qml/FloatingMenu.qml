import QtQuick

// The floating action button and its menu: a tap darkens and blurs the screen and unfolds
// the rows upward from the button; a tap on the button or the backdrop folds them away.
Item {
    id: menu
    required property QtObject screen
    property string outletName: "addButton"
    readonly property var model: screen.outlets[outletName]
    readonly property var frame: model.frame
    readonly property int halfMs: Math.round(model.animationTime * 1000)
    // The overlay stays up while it fades away after closing.
    property bool overlayUp: false

    function toggle() { screen.tap(outletName) }

    // ---- the button as it sits on the screen
    Item {
        id: button
        x: menu.frame.x
        // Scrolling down slides the button away (0.55 s) and back (0.275 s).
        y: menu.frame.y + (menu.model.shown ? 0 : menu.model.hideDistance)
        width: menu.frame.width
        height: menu.frame.height
        visible: !menu.model.hidden
        Behavior on y {
            NumberAnimation { duration: menu.model.shown ? menu.halfMs : 2 * menu.halfMs }
        }

        Rectangle {
            // A soft shadow under the round button.
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 3
            width: parent.width + 6
            height: width
            radius: width / 2
            color: "#330B3954"
        }
        AppImage {
            id: normalPicture
            anchors.fill: parent
            name: menu.model.normalImage
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: menu.toggle()
        }
    }

    // Made when the menu opens, dropped once it has faded away after closing.
    Loader {
        id: overlay
        anchors.fill: parent
        active: menu.overlayUp
        sourceComponent: FloatingMenuOverlay {
            owner: menu
            onClosed: menu.overlayUp = false
        }
    }

    function open() {
        if (!overlayUp) {
            // The snapshot is taken before the overlay covers the screen.
            const from = mapToItem(null, 0, 0)
            const to = mapToItem(null, width, height)
            backdrop.capture(from.x, from.y, to.x - from.x, to.y - from.y)
            overlayUp = true
        }
        overlay.item.open()
    }

    Connections {
        target: menu.screen
        function onOutletsChanged() {
            const open = menu.screen.outlets[menu.outletName].open
            const closing = overlay.item !== null && overlay.item.closing
            if (open && (!menu.overlayUp || closing))
                menu.open()
            else if (!open && menu.overlayUp && !closing)
                overlay.item.close()
        }
    }
}
