#include "ui/Input.h"

#include "ui/Screen.h"
#include "ui/Window.h"
#include "widgets/CalendarView.h"
#include "widgets/FloatingActionButton.h"
#include "widgets/ImageZoom.h"

#include <nlohmann/json.hpp>
#include <vector>

namespace ui {
namespace {

using json = nlohmann::json;

std::string str(const json& c, const char* key) {
    auto it = c.find(key);
    return it != c.end() && it->is_string() ? it->get<std::string>() : std::string();
}

/// The screens a command may reach: `on` alone, or the target screen's children front-most
/// first (with theirs), then the screen.
void collect(Screen& s, std::vector<Screen*>& out) {
    const auto& children = s.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        collect(**it, out);
    out.push_back(&s);
}

struct Found {
    Outlet* outlet = nullptr;
    Screen* screen = nullptr;
    std::string unreachable; ///< empty when it can be touched
};

/// The outlet of that name a person can touch, else one that is shown but covered, else a
/// hidden one.
Found find(const std::vector<Screen*>& screens, const std::string& name) {
    Found fallback;
    for (auto want : {Screen::Reach::Touchable, Screen::Reach::Covered})
        for (Screen* s : screens)
            if (Outlet* o = s->findOutlet(name)) {
                if (s->reach(*o) == want)
                    return {o, s, s->unreachableReason(*o)};
                if (!fallback.outlet)
                    fallback = {o, s, s->unreachableReason(*o)};
            }
    return fallback;
}

Refusal selectDate(Outlet& outlet, const std::string& name, const std::string& date) {
    auto* calendar = dynamic_cast<widgets::CalendarView*>(&outlet);
    if (!calendar)
        return "outlet " + name + " is not a calendar";
    auto day = widgets::dates::parseCompact(date);
    if (!day)
        return "date needs yyyyMMdd, not '" + date + "'";
    if (!calendar->cellAtDate(*day))
        return "the calendar " + name + " does not show " + date;
    if (!calendar->selectDate(*day))
        return "the calendar " + name + " does not take " + date;
    return std::nullopt;
}

/// A gesture on a found outlet that a person can touch.
Refusal act(Outlet& outlet, const Command& c) {
    using K = Command::Kind;
    const std::string& name = c.kind == K::TapInRow ? c.table : c.outlet;
    switch (c.kind) {
    case K::Tap:
        if (!outlet.tap())
            return "outlet " + name + " cannot be tapped now";
        return std::nullopt;
    case K::TapInRow: {
        auto* table = dynamic_cast<Table*>(&outlet);
        if (!table || !c.row || *c.row < 0 || *c.row >= table->rowCount())
            return "no row " + c.rowText + " in table " + name;
        const std::string row = std::to_string(*c.row);
        Outlet* inner = table->cell(*c.row).find(c.outlet);
        if (inner && inner->hidden())
            return "outlet " + c.outlet + " in row " + row + " of table " + name + " is hidden";
        if (!inner || !inner->tap())
            return "row " + row + " has no tappable " + c.outlet;
        return std::nullopt;
    }
    case K::Type:
    case K::Focus: {
        auto* field = dynamic_cast<TextField*>(&outlet);
        if (!field)
            return "outlet " + name + " is not a text field";
        if (!field->enabled())
            return "text field " + name + " is disabled";
        // A delegate refusing the new text is the field's answer, not a refused gesture.
        if (c.kind == K::Type)
            field->type(c.text);
        else
            field->setFirstResponder(true);
        return std::nullopt;
    }
    case K::SelectDate:
        return selectDate(outlet, name, c.text);
    case K::SelectCell: {
        auto* calendar = dynamic_cast<widgets::CalendarView*>(&outlet);
        if (!calendar)
            return "outlet " + name + " is not a calendar";
        if (!c.row || !calendar->selectItem({*c.row, c.item}))
            return "the calendar " + name + " does not take that cell";
        return std::nullopt;
    }
    case K::Select:
    case K::Display: {
        auto* table = dynamic_cast<Table*>(&outlet);
        if (!table)
            return "outlet " + name + " is not a table";
        if (!c.row || !(c.kind == K::Select ? table->select(*c.row) : table->willDisplay(*c.row)))
            return "no row " + c.rowText + " in table " + name;
        return std::nullopt;
    }
    case K::Zoom: {
        auto* zoom = dynamic_cast<widgets::ImageZoom*>(&outlet);
        if (!zoom)
            return "outlet " + name + " is not a zoomable image";
        zoom->setZoomScale(c.scale);
        return std::nullopt;
    }
    case K::Menu:
    case K::Alert:
        break;
    }
    return "outlet " + name + " takes no such command";
}

/// A row of the open floating menu of the screens.
Refusal pickMenuRow(const std::vector<Screen*>& screens, const Command& c) {
    Refusal refusal = "no floating menu is open";
    for (Screen* s : screens)
        for (const auto& [name, o] : s->outlets()) {
            auto* menu = dynamic_cast<widgets::FloatingActionButton*>(o);
            if (!menu || !menu->isMenuVisible())
                continue;
            if (s->reach(*menu) != Screen::Reach::Touchable) {
                refusal = s->unreachableReason(*menu);
                continue;
            }
            if (!c.row || !menu->selectRow(*c.row))
                return "the menu has no row " + c.rowText;
            return std::nullopt;
        }
    return refusal;
}

} // namespace

std::optional<Command> parseCommand(const json& c) {
    using K = Command::Kind;
    const std::string cmd = str(c, "cmd");
    Command command;
    if (cmd == "tap")
        command.kind = c.contains("table") ? K::TapInRow : K::Tap;
    else if (cmd == "type")
        command.kind = K::Type;
    else if (cmd == "select")
        command.kind = c.contains("date") ? K::SelectDate : K::Select;
    else if (cmd == "display")
        command.kind = K::Display;
    else if (cmd == "menu")
        command.kind = K::Menu;
    else if (cmd == "alert")
        command.kind = K::Alert;
    else if (cmd == "zoom")
        command.kind = K::Zoom;
    else
        return std::nullopt;
    command.outlet = str(c, "outlet");
    command.table = str(c, "table");
    command.screen = str(c, "screen");
    const char* rowKey = cmd == "menu" ? "index" : "row";
    if (auto it = c.find(rowKey); it != c.end()) {
        command.rowText = it->dump();
        if (it->is_number_integer())
            command.row = it->get<int>();
    }
    command.text = str(c, cmd == "alert" ? "button" : cmd == "type" ? "text" : "date");
    if (auto it = c.find("scale"); it != c.end() && it->is_number())
        command.scale = it->get<double>();
    return command;
}

Refusal perform(Window& window, const Command& c, Screen* on) {
    using K = Command::Kind;
    if (c.kind == K::Alert) {
        if (window.alerts().empty())
            return "no alert is shown";
        if (!window.pressAlertButton(c.text))
            return "the alert has no button " + c.text;
        return std::nullopt;
    }
    std::vector<Screen*> screens;
    if (on) {
        screens.push_back(on);
    } else {
        Screen* target = c.screen.empty() ? window.front() : nullptr;
        auto stack = window.stack();
        for (auto it = stack.rbegin(); it != stack.rend() && !target; ++it)
            if ((*it)->name() == c.screen)
                target = *it;
        if (!target)
            return "no screen " + c.screen + " is shown";
        collect(*target, screens);
    }
    const std::string& name = c.kind == K::TapInRow ? c.table : c.outlet;
    // Giving up the keyboard is always taken, wherever the field is.
    if (c.kind == K::Focus && !c.gains) {
        if (auto* field = dynamic_cast<TextField*>(find(screens, name).outlet)) {
            field->setFirstResponder(false);
            return std::nullopt;
        }
        return "outlet " + name + " is not a text field";
    }
    // An alert is modal: nothing beneath it can be touched.
    if (!window.alerts().empty())
        return (c.kind == K::Menu       ? "the menu"
                : c.kind == K::TapInRow ? "table " + name
                                        : "outlet " + name) +
               " is covered by an alert";
    if (c.kind == K::Menu)
        return pickMenuRow(screens, c);
    Found found = find(screens, name);
    if (!found.outlet)
        return "no outlet " + name + " on " + screens.back()->name();
    if (!found.unreachable.empty())
        return found.unreachable;
    return act(*found.outlet, c);
}

} // namespace ui
