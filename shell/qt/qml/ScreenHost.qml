import QtQuick

// Shows one screen with the view named after it, and its child screens over it.
Item {
    id: host
    property QtObject screen
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0

    // A presented screen takes every touch meant for the screens below it.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel => wheel.accepted = true
    }

    Loader {
        id: view
        anchors.fill: parent
    }

    Repeater {
        model: host.screen ? host.screen.children : []
        delegate: Loader {
            required property QtObject modelData
            anchors.fill: parent
            visible: !modelData.hidden
            Component.onCompleted: setSource(assets.view(modelData.name), { screen: modelData })
        }
    }

    Component.onCompleted: view.setSource(assets.view(screen.name), { screen: screen })

    function slideIn() {
        y = height
        slide.from = height
        slide.to = 0
        slide.leaving = false
        slide.start()
    }
    function slideOut() {
        enabled = false
        slide.from = y
        slide.to = height
        slide.leaving = true
        slide.start()
    }
    function finish() {
        const item = screen
        host.destroy()
        item.release()
    }

    NumberAnimation {
        id: slide
        property bool leaving: false
        target: host
        property: "y"
        duration: Theme.slideMs
        easing.type: Easing.OutCubic
        onFinished: if (leaving) host.finish()
    }
}
