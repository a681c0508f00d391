#include "ScreenSteps.h"

#include "ui/Screen.h"
#include "widgets/ImageZoom.h"

#include <charconv>
#include <cmath>

namespace qtshell {
namespace {

/// The outlet of that name a person can touch: children of the front screen first.
ui::Outlet* reachable(ui::Screen& front, const std::string& name) {
    for (auto it = front.children().rbegin(); it != front.children().rend(); ++it)
        if (ui::Outlet* o = (*it)->findOutlet(name);
            o && (*it)->reach(*o) == ui::Screen::Reach::Touchable)
            return o;
    ui::Outlet* o = front.findOutlet(name);
    return o && front.reach(*o) == ui::Screen::Reach::Touchable ? o : nullptr;
}

} // namespace

const char* screenStepUsage() {
    return "                [--step present:SCREEN|tap:OUTLET|type:OUTLET=TEXT|\n"
           "                        select:OUTLET=ROW|zoom:OUTLET=SCALE]...\n";
}

std::optional<std::string> parseScreenStep(const std::string& text, ScreenStep& out) {
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return "--step: '" + text + "' is not KIND:WHAT";
    const std::string kind = text.substr(0, colon);
    std::string rest = text.substr(colon + 1);
    const auto equals = rest.find('=');
    const bool needsValue = kind == "type" || kind == "select" || kind == "zoom";
    if (needsValue && equals == std::string::npos)
        return "--step: '" + text + "' needs OUTLET=VALUE";
    out.outlet = needsValue ? rest.substr(0, equals) : rest;
    out.value = needsValue ? rest.substr(equals + 1) : std::string();
    if (kind == "present")
        out.kind = ScreenStep::Kind::Present;
    else if (kind == "tap")
        out.kind = ScreenStep::Kind::Tap;
    else if (kind == "type")
        out.kind = ScreenStep::Kind::Type;
    else if (kind == "select")
        out.kind = ScreenStep::Kind::Select;
    else if (kind == "zoom")
        out.kind = ScreenStep::Kind::Zoom;
    else
        return "--step: unknown kind '" + kind + "'";
    if (out.outlet.empty())
        return "--step: '" + text + "' names nothing";
    return std::nullopt;
}

std::optional<std::string> runScreenStep(app::AppContext& context, const ScreenStep& step) {
    ui::Screen* front = context.window.front();
    if (!front)
        return "no screen is shown";
    if (step.kind == ScreenStep::Kind::Present) {
        auto screen = context.makeScreen(step.outlet);
        if (!screen)
            return "no screen " + step.outlet;
        front->present(std::move(screen), false);
        return std::nullopt;
    }
    ui::Outlet* outlet = reachable(*front, step.outlet);
    if (!outlet)
        return "no outlet " + step.outlet + " can be touched on " + front->name();
    switch (step.kind) {
    case ScreenStep::Kind::Tap:
        return outlet->tap() ? std::nullopt
                             : std::optional<std::string>(step.outlet + " cannot be tapped");
    case ScreenStep::Kind::Type:
        if (auto* field = dynamic_cast<ui::TextField*>(outlet); field && field->type(step.value))
            return std::nullopt;
        return step.outlet + " takes no typing";
    case ScreenStep::Kind::Select: {
        int row = -1;
        std::from_chars(step.value.data(), step.value.data() + step.value.size(), row);
        if (auto* table = dynamic_cast<ui::Table*>(outlet); table && table->select(row))
            return std::nullopt;
        return step.outlet + " has no row " + step.value;
    }
    case ScreenStep::Kind::Zoom: {
        double scale = NAN;
        std::from_chars(step.value.data(), step.value.data() + step.value.size(), scale);
        auto* zoom = dynamic_cast<widgets::ImageZoom*>(outlet);
        if (!zoom || std::isnan(scale))
            return step.outlet + " cannot zoom to " + step.value;
        zoom->setZoomScale(scale);
        return std::nullopt;
    }
    case ScreenStep::Kind::Present:
        break;
    }
    return std::nullopt;
}

} // namespace qtshell
