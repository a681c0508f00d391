#include "ui/Window.h"

#include "platform/Log.h"
#include "ui/Screen.h"

#include <algorithm>

namespace ui {

Window::~Window() {
    for (auto& s : stack_)
        s->window_ = nullptr;
}

void Window::close() {
    alerts_.clear();
    retired_.clear();
    while (!stack_.empty()) {
        stack_.back()->window_ = nullptr;
        stack_.pop_back();
    }
}

void Window::addObserver(WindowObserver* o) {
    observers_.push_back(o);
}

void Window::removeObserver(WindowObserver* o) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

void Window::attach(Screen& screen) {
    screen.window_ = this;
}

void Window::setRoot(std::shared_ptr<Screen> root) {
    for (auto& s : stack_)
        s->window_ = nullptr;
    stack_.clear();
    stack_.push_back(root);
    attach(*root);
    root->loadViewIfNeeded();
    root->willAppear(false);
    root->didAppear(false);
}

Screen* Window::root() const {
    return stack_.empty() ? nullptr : stack_.front().get();
}

std::vector<Screen*> Window::stack() const {
    std::vector<Screen*> out;
    for (const auto& s : stack_)
        out.push_back(s.get());
    return out;
}

Screen* Window::front() const {
    return stack_.empty() ? nullptr : stack_.back().get();
}

void Window::present(Screen& from, std::shared_ptr<Screen> screen, bool animated) {
    Screen* owner = from.topLevel();
    Screen* top = front();
    if (!screen || owner != top) {
        // A screen that already presents another cannot present a second one.
        platform::logLine("Warning: Attempt to present " + (screen ? screen->name() : "nothing") +
                          " on " + owner->name() + " which is already presenting " +
                          (top ? top->name() : "nothing"));
        return;
    }
    attach(*screen);
    screen->presenting_ = top;
    screen->loadViewIfNeeded();
    top->willDisappear(animated);
    screen->willAppear(animated);
    stack_.push_back(screen);
    notify([&](WindowObserver& o) { o.presented(*screen, animated); });
    top->didDisappear(animated);
    screen->didAppear(animated);
}

void Window::dismiss(Screen& from, bool animated) {
    Screen* owner = from.topLevel();
    auto it =
        std::find_if(stack_.begin(), stack_.end(), [&](const auto& s) { return s.get() == owner; });
    if (it == stack_.end())
        return;
    // A presenting screen dismisses what it presents; the front screen dismisses itself.
    std::size_t keep = static_cast<std::size_t>(it - stack_.begin());
    if (owner == front())
        keep = keep == 0 ? 1 : keep;
    else
        keep += 1;
    while (stack_.size() > keep) {
        auto leaving = stack_.back();
        Screen* next = stack_[stack_.size() - 2].get();
        const bool last = stack_.size() == keep + 1;
        leaving->willDisappear(animated);
        if (last)
            next->willAppear(animated);
        stack_.pop_back();
        notify([&](WindowObserver& o) { o.dismissed(*leaving, animated); });
        leaving->didDisappear(animated);
        leaving->presenting_ = nullptr;
        leaving->window_ = nullptr;
        if (last)
            next->didAppear(animated);
        retired_.push_back(std::move(leaving));
    }
}

void Window::showAlert(Alert alert) {
    alerts_.push_back(std::move(alert));
    notify([&](WindowObserver& o) { o.alertShown(alerts_.back()); });
}

bool Window::pressAlertButton(std::string_view title) {
    if (alerts_.empty())
        return false;
    const auto& buttons = alerts_.front().buttons;
    auto b = std::find_if(buttons.begin(), buttons.end(),
                          [&](const AlertButton& x) { return x.title == title; });
    if (b == buttons.end())
        return false;
    auto action = b->action;
    Alert closed = std::move(alerts_.front());
    alerts_.pop_front();
    notify([&](WindowObserver& o) { o.alertClosed(closed); });
    if (action)
        action();
    return true;
}

bool Window::pressAlertDefault() {
    if (alerts_.empty())
        return false;
    const AlertButton* b = alerts_.front().defaultButton();
    return b && pressAlertButton(std::string(b->title));
}

bool Window::back() {
    // An alert is modal: without a cancel button Escape leaves it, and what lies beneath, alone.
    if (!alerts_.empty()) {
        const AlertButton* b = alerts_.front().cancelButton();
        return b && pressAlertButton(std::string(b->title));
    }
    Screen* s = front();
    return s && s->closeFrontmost();
}

} // namespace ui
