#pragma once
/// @file
/// Start options that only the windowed application knows.

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
    /// Phone screen size in points (--screen-size WxH); 375 x 667 when not given.
    std::optional<std::pair<double, double>> screenSize;
    /// Driver commands ({"cmd":"tap","outlet":...}) run one by one once the app is idle,
    /// before a screenshot (--step JSON, repeatable).
    std::vector<std::string> steps;
};

/// Takes the options above out of `args`, leaving the rest (for Qt: -platform ...).
/// Returns an error message for a missing or unusable value.
std::optional<std::string> takeQtOptions(std::vector<std::string>& args, QtOptions& out);

/// Usage lines for the options above.
const char* qtUsage();

} // namespace qtshell
