#pragma once
/// @file
/// Start options that only the windowed application knows.

#include <optional>
#include <string>
#include <vector>

namespace qtshell {

struct QtOptions {
    /// Window size as a multiple of the 375 x 667 point phone screen.
    double scale = 1.0;
    /// Print the milliseconds from start to the first frame shown, then exit.
    bool firstFrameExit = false;
    /// Open the floating menu once start-up is done (for screenshots of the open menu).
    bool openMenu = false;
    /// Steps taken once start-up is done, in order (ScreenSteps.h), e.g. "present:UIExchange".
    std::vector<std::string> steps;
    /// The phone screen's width in points, when not the usual 375 (320 for the smallest).
    std::optional<double> phoneWidth;
};

/// Takes the options above out of `args`, leaving the rest (for Qt: -platform ...).
/// Returns an error message for a missing or unusable value.
std::optional<std::string> takeQtOptions(std::vector<std::string>& args, QtOptions& out);

/// Usage lines for the options above.
const char* qtUsage();

} // namespace qtshell
