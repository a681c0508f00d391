import QtQuick

// A picture named by the core ("main_butten", "main1_background2.jpg") or a picture file.
Image {
    property string name
    source: name.length > 0 ? assets.image(name) : ""
    fillMode: Image.PreserveAspectFit
    // Vector pictures are drawn sharp at the window's scale.
    sourceSize: Qt.size(Math.ceil(width * Math.max(2, shell.initialScale)),
                        Math.ceil(height * Math.max(2, shell.initialScale)))
    smooth: true
    mipmap: true
}
