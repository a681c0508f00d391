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

    /// The button Enter presses: the first of role Default, else the only button; none when
    /// neither exists.
    const AlertButton* defaultButton() const { return firstOr(AlertButton::Role::Default); }
    /// The button Escape presses: the first of role Cancel, else the only button.
    const AlertButton* cancelButton() const { return firstOr(AlertButton::Role::Cancel); }

    /// An alert with one button that only closes it.
    static Alert simple(std::string title, std::string message, std::string button) {
        return Alert{std::move(title),
                     std::move(message),
                     {AlertButton{std::move(button), AlertButton::Role::Default, {}}}};
    }

private:
    const AlertButton* firstOr(AlertButton::Role role) const {
        for (const auto& b : buttons)
            if (b.role == role)
                return &b;
        return buttons.size() == 1 ? &buttons.front() : nullptr;
    }
};

} // namespace ui
