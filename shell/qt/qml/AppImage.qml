import QtQuick

// A picture named by the core ("main_butten", "main1_background2.jpg") or a picture file.
Image {
    property string name
    source: name.length > 0 ? assets.image(name) : ""
    fillMode: Image.PreserveAspectFit
    // Vector pictures are drawn sharp at the window's scale (at least twice the size, so that
    // they stay smooth when scaled). Photographs are decoded no larger than they are shown at
    // the starting scale: decoding the full file would cost start-up time and memory.
    readonly property real windowDensity: shell.initialScale * Screen.devicePixelRatio
    readonly property real density: String(source).endsWith(".svg")
                                    ? Math.max(2, windowDensity) : windowDensity
    sourceSize: Qt.size(Math.ceil(width * density), Math.ceil(height * density))
    smooth: true
    mipmap: true
}
