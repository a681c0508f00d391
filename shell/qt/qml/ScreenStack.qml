import QtQuick

// The presented screens, root first; a presented screen lies over the ones below it. Only the
// front screen is enabled, so the keyboard (Tab) never reaches a covered one.
Item {
    id: stack
    property var hosts: []

    Component {
        id: hostComponent
        ScreenHost {}
    }

    function add(screen, animated) {
        const host = hostComponent.createObject(stack, { screen: screen, z: hosts.length })
        hosts.push(host)
        if (animated)
            host.slideIn()
        enableFront()
    }

    function remove(screen, animated) {
        const index = hosts.findIndex(h => h.screen === screen)
        if (index < 0)
            return
        const host = hosts[index]
        hosts.splice(index, 1)
        if (animated)
            host.slideOut()
        else
            host.finish()
        enableFront()
    }

    function enableFront() {
        for (let i = 0; i < hosts.length; ++i)
            hosts[i].enabled = i === hosts.length - 1
    }

    Component.onCompleted: {
        for (let i = 0; i < bridge.stack.count; ++i)
            add(bridge.stack.get(i), false)
    }

    Connections {
        target: bridge
        function onScreenPresented(screen, animated) { stack.add(screen, animated) }
        function onScreenDismissed(screen, animated) { stack.remove(screen, animated) }
    }
}
