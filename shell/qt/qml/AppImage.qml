import QtQuick

// A picture named by the core ("main_butten", "main1_background2.jpg") or a picture file.
Image {
    property string name
    source: name.length > 0 ? assets.image(name) : ""
    fillMode: Image.PreserveAspectFit
    // Vector pictures are drawn sharp at the window's scale.
    readonly property real density: Math.max(2, shell.initialScale * Screen.devicePixelRatio)
    sourceSize: Qt.size(Math.ceil(width * density), Math.ceil(height * density))
    smooth: true
    mipmap: true
}
