import QtQuick

// The place suggestions are drawn by the flight search under each field (SuggestionList);
// this layer over the screen stays empty and lets every touch through.
Item {
    required property QtObject screen
}
