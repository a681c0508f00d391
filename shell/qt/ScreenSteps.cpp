#include "ScreenSteps.h"

#include "bridge/ScreenItem.h"
#include "bridge/WindowBridge.h"
#include "ui/Input.h"
#include "ui/Screen.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWindow>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace qtshell {
namespace {

/// The window of the model the bridge shows.
ui::Window* windowOf(WindowBridge& bridge) {
    auto* stack = bridge.stack();
    auto* root = stack->count() > 0 ? qobject_cast<ScreenItem*>(stack->get(0)) : nullptr;
    ui::Screen* screen = root ? root->screen() : nullptr;
    return screen ? screen->window() : nullptr;
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
    std::optional<std::string> refusal;
    if (cmd == "key") {
        // The window's own step: a key through the window, as the keyboard sends it.
        if (!pressKey(c.value("key", std::string())))
            refusal = "no such key";
    } else if (auto gesture = ui::parseCommand(c)) {
        ui::Window* window = windowOf(bridge);
        refusal = window ? ui::perform(*window, *gesture) : "no window";
        bridge.afterEvent();
    } else {
        return "unknown step " + cmd;
    }
    if (refusal)
        return "the step " + command + " could not be carried out: " + *refusal;
    return std::nullopt;
}

} // namespace qtshell
