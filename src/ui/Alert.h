#pragma once
// An alert dialog: title, message and buttons with roles and actions.

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct AlertButton {
    enum class Role { Default, Cancel, Destructive };
    std::string title;
    Role role = Role::Default;
    std::function<void()> action; ///< may be empty: the button only closes the alert
};

struct Alert {
    std::string title;
    std::string message;
    std::vector<AlertButton> buttons;

    /// An alert with one button that only closes it.
    static Alert simple(std::string title, std::string message, std::string button) {
        return Alert{std::move(title),
                     std::move(message),
                     {AlertButton{std::move(button), AlertButton::Role::Default, {}}}};
    }
};

} // namespace ui
