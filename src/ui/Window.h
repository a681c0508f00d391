#pragma once
// The window: the root screen, the stack of presented screens and the alert queue.

#include "ui/Alert.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Screen;

/// Receives what front-ends need to redraw and what the driver reports.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void outletChanged(Screen& /*screen*/, const std::string& /*outlet*/) {}
    virtual void presented(Screen& /*screen*/, bool /*animated*/) {}
    virtual void dismissed(Screen& /*screen*/, bool /*animated*/) {}
    virtual void alertShown(const Alert& /*alert*/) {}
    virtual void alertClosed(const Alert& /*alert*/) {}
    virtual void childrenChanged(Screen& /*screen*/) {}
};

class Window {
public:
    Window() = default;
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    /// Makes `root` the window's root screen: loads it and lets it appear.
    void setRoot(std::shared_ptr<Screen> root);
    Screen* root() const;
    /// The root and every presented screen, root first.
    std::vector<Screen*> stack() const;
    Screen* front() const;

    void showAlert(Alert alert);
    const std::deque<Alert>& alerts() const { return alerts_; }
    /// Presses the button of that title on the front alert; false when there is none.
    bool pressAlertButton(std::string_view title);
    /// Enter: presses the front alert's default button; false when there is none.
    bool pressAlertDefault();
    /// Escape: closes the front-most thing. An alert through its cancel (or only) button;
    /// else the front screen closes what lies in front on it (Screen::closeFrontmost). False
    /// when nothing could be closed.
    bool back();

    /// Dismissed screens are kept alive until the front-end has finished the event that
    /// dismissed them (a screen may dismiss itself from its own button); then released here.
    void releaseRetired() { retired_.clear(); }
    /// The app is ending: drops the alerts and every screen, front-most first, without
    /// lifecycle calls, while what the screens hold on to still lives.
    void close();

    void addObserver(WindowObserver* o);
    void removeObserver(WindowObserver* o);

private:
    friend class Screen;
    void present(Screen& from, std::shared_ptr<Screen> screen, bool animated);
    void dismiss(Screen& from, bool animated);
    template <typename F> void notify(F&& f) {
        for (auto* o : std::vector(observers_))
            f(*o);
    }
    void attach(Screen& screen);

    std::vector<std::shared_ptr<Screen>> stack_;
    std::vector<std::shared_ptr<Screen>> retired_;
    std::deque<Alert> alerts_;
    std::vector<WindowObserver*> observers_;
};

} // namespace ui
