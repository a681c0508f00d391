import QtQuick

// The nation suggestions are drawn by the card guide under its field (SuggestionList); this
// layer over the screen stays empty and lets every touch through.
Item {
    required property QtObject screen
}
