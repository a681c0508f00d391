#pragma once
/// @file
/// Steps taken in the window before a screenshot, so that any screen can be drawn from the
/// command line: driver commands (tap, type, select, display, menu, alert) performed as the
/// window's touches are (ui::perform), zooms of a zoomable image
/// ({"cmd":"zoom","outlet":...,"scale":...}), keys pressed in the window
/// ({"cmd":"key","key":"Escape"}), and waits.

#include <optional>
#include <string>

namespace qtshell {

class WindowBridge;

struct ScreenStep {
    /// A driver command as JSON; empty for a wait.
    std::string command;
    /// How long a wait keeps the screen from counting as settled.
    int waitMs = 0;

    /// "--step JSON", or the shorthands "--tap OUTLET", "--tap TABLE/ROW/OUTLET",
    /// "--press BUTTON" (an alert button) and "--wait SECONDS". Nothing for another option or
    /// an unusable value.
    static std::optional<ScreenStep> parse(const std::string& option, const std::string& value);
};

/// Runs one step on the front-most screen (its child screens first); returns an error message
/// when the step is unknown or was refused, with the reason.
std::optional<std::string> runScreenStep(WindowBridge& bridge, const std::string& command);

} // namespace qtshell
