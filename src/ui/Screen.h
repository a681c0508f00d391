#pragma once
// A screen: lifecycle, named outlets, modal presentation and child screens.

#include "ui/Alert.h"
#include "ui/Outlets.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Window;

class Screen : public std::enable_shared_from_this<Screen> {
public:
    explicit Screen(std::string className);
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    /// The screen's class name, as front-ends and scripts know it.
    const std::string& name() const { return name_; }

    // ---- outlets
    const std::vector<std::pair<std::string, Outlet*>>& outlets() const { return outlets_; }
    Outlet* findOutlet(std::string_view name) const;
    /// The registered name of an outlet of this screen (empty when it is not one).
    const std::string& outletName(const Outlet& outlet) const;

    /// What stands between a person and an outlet of this screen.
    enum class Reach {
        Touchable, ///< shown and not beneath an overlay
        Hidden,    ///< hidden itself, or held by a hidden container, or the screen is hidden
        Covered,   ///< beneath a shown overlay that does not hold it, a covering child
                   ///< screen or a screen presented over this one
    };
    Reach reach(const Outlet& outlet) const;
    /// Why the outlet cannot be touched now, in words for logs and the driver; empty when
    /// it can.
    std::string unreachableReason(const Outlet& outlet) const;

    // ---- lifecycle (driven by the window)
    void loadViewIfNeeded();
    bool isViewLoaded() const { return loaded_; }
    /// Appeared and not covered by a presented screen.
    bool isOnDisplay() const { return onDisplay_; }

    // ---- presentation
    /// Presents `screen` modally over this one (or over the screen this child belongs to).
    void present(std::shared_ptr<Screen> screen, bool animated);
    /// Dismisses the screen this one presents, or this screen itself when it presents none.
    void dismiss(bool animated, std::function<void()> completion = {});
    Screen* presentedScreen() const;
    Screen* presentingScreen() const { return presenting_; }
    Window* window() const;

    // ---- children (screens laid over this one)
    /// Adds a child; `key` names it for views, which find children by it (two children of
    /// one class, such as the suggestion lists of two fields, tell apart by it).
    void addChild(std::shared_ptr<Screen> child, std::string key = {});
    /// The key its parent gave it; its class name when none was given.
    const std::string& childKey() const { return key_.empty() ? name_ : key_; }
    void removeChild(const Screen* child);
    const std::vector<std::shared_ptr<Screen>>& children() const { return children_; }
    Screen* parent() const { return parent_; }
    bool hidden() const { return hidden_; }
    void setHidden(bool h);
    /// A child laid over the whole of its parent (a sheet with a dimmed backdrop): while it
    /// shows, nothing of the parent or of the children beneath it can be touched.
    bool coversParent() const { return coversParent_; }
    void setCoversParent(bool covers) { coversParent_ = covers; }

    /// Puts up an alert through the window (queued behind any alert already shown).
    void showAlert(Alert alert);

    // ---- closing (Escape)
    /// Names the control that closes this screen (its back or close button).
    void setBackControl(Outlet& control) { backControl_ = &control; }
    /// The control that closes what lies in front on this screen and can be touched now: the
    /// named one, else the last registered button named "btn_Back", "btn_Close",
    /// "btn_Cancel" or ending in "_Back", "_Close" or "_Cancel" (a shown overlay's close
    /// button is registered after the screen's own). None when nothing can be closed so.
    Outlet* backControl() const;
    /// Closes the front-most thing on this screen: first what a shown child closes (front-most
    /// child first), then an open outlet (an unfolded menu), then through the back control.
    /// False when nothing was closed.
    virtual bool closeFrontmost();

protected:
    /// Registers an outlet under its name; the screen owns it as a member. Of two overlays
    /// shown at once, the one registered later lies in front.
    void addOutlet(std::string name, Outlet& outlet);
    /// Places registered outlets inside a registered container view.
    void contain(View& container, std::initializer_list<Outlet*> outlets);

    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool /*animated*/) {}
    virtual void viewDidAppear(bool /*animated*/) {}
    virtual void viewWillDisappear(bool /*animated*/) {}
    virtual void viewDidDisappear(bool /*animated*/) {}

private:
    friend class Window;
    void willAppear(bool animated);
    void didAppear(bool animated);
    void willDisappear(bool animated);
    void didDisappear(bool animated);
    Screen* topLevel();
    void notifyChanged(const std::string& outlet);
    /// The outlet itself and every container it sits in are shown.
    bool shown(const Outlet& outlet) const;
    /// The front-most shown overlay of this screen, if any.
    const View* frontOverlay() const;
    /// The window's front screen when one is presented over this screen (only the front
    /// screen of the window takes touches).
    const Screen* presentedOver() const;
    /// The shown child that covers this screen from above, if any: one of its own children,
    /// or a sibling (of it or of a parent) laid over it.
    const Screen* coveringScreen() const;

    std::string name_, key_;
    std::vector<std::pair<std::string, Outlet*>> outlets_;
    std::vector<std::shared_ptr<Screen>> children_;
    Screen* parent_ = nullptr;
    Screen* presenting_ = nullptr;
    Window* window_ = nullptr;
    bool loaded_ = false;
    bool onDisplay_ = false;
    bool hidden_ = false;
    bool coversParent_ = false;
    Outlet* backControl_ = nullptr;
};

} // namespace ui
