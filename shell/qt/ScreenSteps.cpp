#include "ScreenSteps.h"

#include "bridge/ScreenItem.h"
#include "bridge/WindowBridge.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWindow>
#include <charconv>
#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>

namespace qtshell {
namespace {

/// Tries `action` on the front screen's children, front-most first, then on the screen.
bool onFrontScreen(WindowBridge& bridge, const std::function<bool(ScreenItem&)>& action) {
    auto* stack = bridge.stack();
    if (stack->count() == 0)
        return false;
    auto* front = qobject_cast<ScreenItem*>(stack->get(stack->count() - 1));
    if (!front)
        return false;
    const auto& children = front->childItems();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (action(**it))
            return true;
    return action(*front);
}

/// A key pressed and released in the app's window, as the keyboard delivers it ("Escape",
/// "Return", "Tab", "Shift+Tab", "A").
bool pressKey(const std::string& name) {
    const QKeySequence sequence(QString::fromStdString(name));
    const auto windows = QGuiApplication::topLevelWindows();
    if (sequence.isEmpty() || windows.isEmpty())
        return false;
    const QKeyCombination key = sequence[0];
    // Printable keys carry their character, as typing does.
    QString text;
    if (key.key() >= Qt::Key_Space && key.key() <= Qt::Key_AsciiTilde) {
        text = QChar(key.key());
        if (!(key.keyboardModifiers() & Qt::ShiftModifier))
            text = text.toLower();
    }
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key.key(), key.keyboardModifiers(), text);
        QCoreApplication::sendEvent(windows.first(), &event);
    }
    return true;
}

} // namespace

std::optional<ScreenStep> ScreenStep::parse(const std::string& option, const std::string& value) {
    using nlohmann::json;
    if (value.empty())
        return std::nullopt;
    if (option == "--step") {
        const auto c = json::parse(value, nullptr, false);
        if (!c.is_object() || !c.contains("cmd") || !c["cmd"].is_string())
            return std::nullopt;
        return ScreenStep{value};
    }
    if (option == "--press")
        return ScreenStep{json{{"cmd", "alert"}, {"button", value}}.dump()};
    if (option == "--wait") {
        double seconds = 0;
        auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), seconds);
        if (ec != std::errc() || end != value.data() + value.size() || !std::isfinite(seconds) ||
            seconds < 0 || seconds > 120)
            return std::nullopt;
        return ScreenStep{{}, static_cast<int>(seconds * 1000)};
    }
    if (option != "--tap")
        return std::nullopt;
    // OUTLET, or TABLE/ROW/OUTLET for a button inside a table row.
    const auto first = value.find('/');
    if (first == std::string::npos)
        return ScreenStep{json{{"cmd", "tap"}, {"outlet", value}}.dump()};
    const auto second = value.find('/', first + 1);
    if (second == std::string::npos)
        return std::nullopt;
    int row = 0;
    const char* rowEnd = value.data() + second;
    auto [end, ec] = std::from_chars(value.data() + first + 1, rowEnd, row);
    if (ec != std::errc() || end != rowEnd || row < 0)
        return std::nullopt;
    return ScreenStep{json{{"cmd", "tap"},
                           {"table", value.substr(0, first)},
                           {"row", row},
                           {"outlet", value.substr(second + 1)}}
                          .dump()};
}

std::optional<std::string> runScreenStep(WindowBridge& bridge, const std::string& command) {
    const auto c = nlohmann::json::parse(command, nullptr, false);
    if (!c.is_object() || !c.contains("cmd") || !c["cmd"].is_string())
        return "not a command: " + command;
    const std::string cmd = c["cmd"];
    const QString outlet = QString::fromStdString(c.value("outlet", std::string()));
    const int row = c.contains("row") && c["row"].is_number_integer() ? c["row"].get<int>() : -1;
    bool done = false;
    if (cmd == "alert") {
        done = bridge.pressAlertButton(QString::fromStdString(c.value("button", std::string())));
    } else if (cmd == "tap" && c.contains("table")) {
        const QString table = QString::fromStdString(c.value("table", std::string()));
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.tapInRow(table, row, outlet); });
    } else if (cmd == "tap") {
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.tap(outlet); });
    } else if (cmd == "type") {
        const QString text = QString::fromStdString(c.value("text", std::string()));
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.type(outlet, text); });
    } else if (cmd == "select" && c.contains("date")) {
        const QString date = QString::fromStdString(c.value("date", std::string()));
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.selectDate(outlet, date); });
    } else if (cmd == "select") {
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.select(outlet, row); });
    } else if (cmd == "menu") {
        const int index =
            c.contains("index") && c["index"].is_number_integer() ? c["index"].get<int>() : -1;
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.menuSelect(index); });
    } else if (cmd == "zoom") {
        // The window's own step: what a pinch or the wheel does to a zoomable image.
        const double scale =
            c.contains("scale") && c["scale"].is_number() ? c["scale"].get<double>() : 1.0;
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.zoom(outlet, scale); });
    } else if (cmd == "key") {
        // The window's own step: a key through the window, as the keyboard sends it.
        done = pressKey(c.value("key", std::string()));
    } else if (cmd == "display") {
        done = onFrontScreen(bridge, [&](ScreenItem& s) { return s.display(outlet, row); });
    } else {
        return "unknown step " + cmd;
    }
    if (!done)
        return "the step " + command + " could not be carried out";
    return std::nullopt;
}

} // namespace qtshell
