import QtQuick

// A picture named by the core ("main_butten", "main1_background2.jpg") or a picture file.
Image {
    property string name
    source: name.length > 0 ? assets.image(name) : ""
    fillMode: Image.PreserveAspectFit
    // Pictures are drawn sharp at the window's scale, at least twice their size so that they
    // stay smooth when scaled (and a picture the user took can be looked at closely). The
    // app's own raster pictures (backgrounds) are decoded no larger than they are shown at
    // the starting scale: decoding more would cost start-up time and memory.
    readonly property real windowDensity: shell.initialScale * Screen.devicePixelRatio
    readonly property bool rasterAsset: !name.startsWith("/") && !String(source).endsWith(".svg")
    readonly property real density: rasterAsset ? windowDensity : Math.max(2, windowDensity)
    sourceSize: Qt.size(Math.ceil(width * density), Math.ceil(height * density))
    smooth: true
    mipmap: true
}
