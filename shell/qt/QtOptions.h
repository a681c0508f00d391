#pragma once
/// @file
/// Start options that only the windowed application knows.

#include "ScreenSteps.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qtshell {

struct QtOptions {
    /// Window size as a multiple of the 375 x 667 point phone screen.
    double scale = 1.0;
    /// Print the milliseconds from start to the first frame shown, then exit.
    bool firstFrameExit = false;
    /// Open the floating menu once start-up is done (for screenshots of the open menu).
    bool openMenu = false;
    /// Where luggage tags are heard: the demo's scripted tags, or the desktop's Bluetooth
    /// adapter. By default the demo's tags in demo mode, the adapter otherwise.
    enum class Radio { Default, Demo, Bluetooth } radio = Radio::Default;
    /// Phone screen size in points (--screen-size WxH); 375 x 667 when not given.
    std::optional<std::pair<double, double>> screenSize;
    /// Driver commands and waits carried out in order once start-up is done, before a
    /// screenshot (--step JSON, --tap, --press, --wait; repeatable).
    std::vector<ScreenStep> steps;
};

/// Takes the options above out of `args`, leaving the rest (for Qt: -platform ...).
/// Returns an error message for a missing or unusable value.
std::optional<std::string> takeQtOptions(std::vector<std::string>& args, QtOptions& out);

/// Usage lines for the options above.
const char* qtUsage();

} // namespace qtshell
