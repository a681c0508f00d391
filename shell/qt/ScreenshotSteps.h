#pragma once
/// @file
/// Steps taken before a screenshot, so that any screen can be drawn from the command line:
/// taps on the front screen's outlets (or on a button inside a table row), alert buttons,
/// and waits.

#include <optional>
#include <string>
#include <vector>

namespace qtshell {

class WindowBridge;

struct ScreenshotStep {
    enum class Kind { Tap, TapInRow, Press, Wait };
    Kind kind = Kind::Tap;
    std::string outlet; ///< the outlet, or the table of a row
    int row = 0;
    std::string inner; ///< the outlet inside the row
    int waitMs = 0;

    /// "--tap OUTLET" or "--tap TABLE/ROW/OUTLET", "--press BUTTON", "--wait SECONDS".
    /// Nothing for another option or an unusable value.
    static std::optional<ScreenshotStep> parse(const std::string& option, const std::string& value);
    /// Carries the step out on the front screen; false when it could not be.
    bool run(WindowBridge& bridge) const;
};

} // namespace qtshell
