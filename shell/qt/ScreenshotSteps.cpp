#include "ScreenshotSteps.h"

#include "bridge/ScreenItem.h"
#include "bridge/WindowBridge.h"

#include <charconv>
#include <cmath>

namespace qtshell {

std::optional<ScreenshotStep> ScreenshotStep::parse(const std::string& option,
                                                    const std::string& value) {
    ScreenshotStep step;
    if (value.empty())
        return std::nullopt;
    if (option == "--press") {
        step.kind = Kind::Press;
        step.outlet = value;
        return step;
    }
    if (option == "--wait") {
        double seconds = 0;
        auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), seconds);
        if (ec != std::errc() || end != value.data() + value.size() || !std::isfinite(seconds) ||
            seconds < 0 || seconds > 120)
            return std::nullopt;
        step.kind = Kind::Wait;
        step.waitMs = static_cast<int>(seconds * 1000);
        return step;
    }
    if (option != "--tap")
        return std::nullopt;
    const auto first = value.find('/');
    if (first == std::string::npos) {
        step.outlet = value;
        return step;
    }
    const auto second = value.find('/', first + 1);
    if (second == std::string::npos)
        return std::nullopt;
    const std::string row = value.substr(first + 1, second - first - 1);
    auto [end, ec] = std::from_chars(row.data(), row.data() + row.size(), step.row);
    if (ec != std::errc() || end != row.data() + row.size() || step.row < 0)
        return std::nullopt;
    step.kind = Kind::TapInRow;
    step.outlet = value.substr(0, first);
    step.inner = value.substr(second + 1);
    return step;
}

bool ScreenshotStep::run(WindowBridge& bridge) const {
    auto* stack = bridge.stack();
    auto* front =
        stack->count() > 0 ? qobject_cast<ScreenItem*>(stack->get(stack->count() - 1)) : nullptr;
    switch (kind) {
    case Kind::Wait:
        return true;
    case Kind::Press:
        return bridge.pressAlertButton(QString::fromStdString(outlet));
    case Kind::Tap:
        return front && front->tap(QString::fromStdString(outlet));
    case Kind::TapInRow:
        return front &&
               front->tapInRow(QString::fromStdString(outlet), row, QString::fromStdString(inner));
    }
    return false;
}

} // namespace qtshell
