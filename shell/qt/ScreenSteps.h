#pragma once
/// @file
/// Steps the windowed app takes by itself once start-up has settled, one at a time, so that
/// a screenshot can show any screen in any state: `--step present:UIExchange`,
/// `--step type:txt_Exchange_Cost_Top=1000`, `--step tap:v_Departure_Flight`, ...

#include "app/AppContext.h"

#include <optional>
#include <string>

namespace qtshell {

struct ScreenStep {
    enum class Kind { Present, Tap, Type, Select, Zoom };
    Kind kind = Kind::Tap;
    std::string outlet; ///< the screen's name for Present
    std::string value;  ///< the text typed, the row selected or the zoom scale
};

/// Reads "present:NAME", "tap:OUTLET", "type:OUTLET=TEXT", "select:OUTLET=ROW" or
/// "zoom:OUTLET=SCALE"; an error message for anything else.
std::optional<std::string> parseScreenStep(const std::string& text, ScreenStep& out);

/// Carries out the step on the front screen (or one of its children) as a person would: only
/// on outlets that are shown and not covered. An error message when it cannot be done.
std::optional<std::string> runScreenStep(app::AppContext& context, const ScreenStep& step);

/// Usage line for the option.
const char* screenStepUsage();

} // namespace qtshell
