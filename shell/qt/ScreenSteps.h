#pragma once
/// @file
/// Runs a driver command (tap, type, select, display, alert) in the window, through the
/// same screen items that QML's touches go through: used to bring a screen up before a
/// screenshot.

#include <optional>
#include <string>

namespace qtshell {

class WindowBridge;

/// Runs one command on the front-most screen (its child screens first); returns an error
/// message when the command is unknown or could not be carried out.
std::optional<std::string> runScreenStep(WindowBridge& bridge, const std::string& command);

} // namespace qtshell
