#pragma once
// The one way in for what a person does to the window: a command (a tap, typing, a
// selection, ...) is performed on the UI model, or refused with the reason. The window's
// views, its screenshot steps and the automation driver all come through here, so every one
// of them refuses what a person could not do in the window.

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

namespace ui {

class Screen;
class Window;

struct Command {
    enum class Kind {
        Tap,        ///< a button, a tappable view or image
        TapInRow,   ///< an outlet inside a table row (a cell's own button)
        Type,       ///< replaces a text field's text as typing would
        Select,     ///< a table row
        SelectDate, ///< a day of a calendar
        SelectCell, ///< a cell of a calendar (a day or a blank one): `row` is its section
        Display,    ///< a table row is about to be displayed
        Menu,       ///< a row of the open floating menu
        Alert,      ///< a button of the front alert
        Zoom,       ///< a pinch or the wheel on a zoomable image
        Focus,      ///< a text field gains (`gains`) or gives up the keyboard
    };
    Kind kind = Kind::Tap;
    /// The outlet touched; for TapInRow the outlet inside the row.
    std::string outlet;
    /// TapInRow: the table.
    std::string table;
    /// The class of the screen of the window's stack to look in; empty: the front screen.
    std::string screen;
    /// A table row, the menu's row, a calendar section.
    std::optional<int> row;
    /// `row` as it was given, for messages ("null" when it was not).
    std::string rowText = "null";
    /// SelectCell: the item of the section.
    int item = 0;
    /// Type: the new text; SelectDate: the day as "yyyyMMdd"; Alert: the button's title.
    std::string text;
    double scale = 1;
    bool gains = true;
};

/// Reads a command in its text form, the driver's JSON object ({"cmd":"tap","outlet":...}):
/// tap (with "table" and "row" inside a row), type, select (a "row", or a "date"), display,
/// menu ("index"), alert ("button") and zoom ("scale"). None for any other "cmd".
std::optional<Command> parseCommand(const nlohmann::json& c);

/// Why a command was refused; none when it was carried out.
using Refusal = std::optional<std::string>;

/// Performs `command` as a person would in the window. Outlets are looked up on `on` when
/// given (a view knows its screen), else on the front screen (or the one `command.screen`
/// names) and its child screens, front-most child first, preferring one that can be touched.
/// While an alert shows only its buttons can be pressed (and a field can give up the
/// keyboard); an outlet that is hidden, sits in a hidden container, lies beneath an overlay,
/// a covering child or a presented screen is refused with Screen::unreachableReason.
Refusal perform(Window& window, const Command& command, Screen* on = nullptr);

} // namespace ui
