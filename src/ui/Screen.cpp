#include "ui/Screen.h"

#include "platform/Log.h"
#include "ui/Window.h"

#include <algorithm>

namespace ui {

Screen::Screen(std::string className) : name_(std::move(className)) {}
Screen::~Screen() = default;

void Screen::addOutlet(std::string name, Outlet& outlet) {
    outlet.setChangeHandler([this, name] { notifyChanged(name); });
    outlets_.emplace_back(std::move(name), &outlet);
}

Outlet* Screen::findOutlet(std::string_view name) const {
    for (const auto& [n, o] : outlets_)
        if (n == name)
            return o;
    return nullptr;
}

const std::string& Screen::outletName(const Outlet& outlet) const {
    static const std::string none;
    for (const auto& [n, o] : outlets_)
        if (o == &outlet)
            return n;
    return none;
}

void Screen::contain(View& container, std::initializer_list<Outlet*> outlets) {
    for (Outlet* o : outlets) {
        // A view never holds itself or one of its own containers.
        for (const Outlet* c = &container; c; c = c->container())
            if (c == o)
                return;
        o->container_ = &container;
    }
}

bool Screen::shown(const Outlet& outlet) const {
    for (const Outlet* o = &outlet; o; o = o->container())
        if (o->hidden())
            return false;
    return true;
}

const View* Screen::frontOverlay() const {
    for (auto it = outlets_.rbegin(); it != outlets_.rend(); ++it) {
        if (it->second->kind() != Outlet::Kind::View)
            continue;
        const auto* view = static_cast<const View*>(it->second);
        if (view->coversScreen() && shown(*view))
            return view;
    }
    return nullptr;
}

const Screen* Screen::coveringScreen() const {
    auto covers = [](const std::shared_ptr<Screen>& c) { return c->coversParent_ && !c->hidden_; };
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (covers(*it))
            return it->get();
    // Children listed after a screen lie above it.
    for (const Screen* s = this; s->parent_; s = s->parent_) {
        bool above = false;
        for (const auto& sibling : s->parent_->children_) {
            if (above && covers(sibling))
                return sibling.get();
            above = above || sibling.get() == s;
        }
    }
    return nullptr;
}

const Screen* Screen::presentedOver() const {
    const Screen* top = this;
    while (top->parent_)
        top = top->parent_;
    const Screen* front = top->window_ ? top->window_->front() : nullptr;
    return front != top ? front : nullptr;
}

Screen::Reach Screen::reach(const Outlet& outlet) const {
    for (const Screen* s = this; s; s = s->parent_)
        if (s->hidden_)
            return Reach::Hidden;
    if (!shown(outlet))
        return Reach::Hidden;
    if (presentedOver() || coveringScreen())
        return Reach::Covered;
    if (const View* overlay = frontOverlay()) {
        for (const Outlet* o = &outlet; o; o = o->container())
            if (o == overlay)
                return Reach::Touchable;
        return Reach::Covered;
    }
    return Reach::Touchable;
}

std::string Screen::unreachableReason(const Outlet& outlet) const {
    const std::string name = outletName(outlet);
    switch (reach(outlet)) {
    case Reach::Touchable:
        return {};
    case Reach::Covered:
        if (const Screen* front = presentedOver())
            return "outlet " + name + " is covered by " + front->name();
        if (const Screen* cover = coveringScreen())
            return "outlet " + name + " is covered by " + cover->name();
        return "outlet " + name + " is covered by " + outletName(*frontOverlay());
    case Reach::Hidden:
        break;
    }
    if (outlet.hidden())
        return "outlet " + name + " is hidden";
    for (const Outlet* c = outlet.container(); c; c = c->container())
        if (c->hidden())
            return "outlet " + name + " is hidden: " + outletName(*c) + " is hidden";
    const Screen* s = this;
    while (!s->hidden_ && s->parent_)
        s = s->parent_;
    return "outlet " + name + " is hidden: " + s->name_ + " is hidden";
}

void Screen::notifyChanged(const std::string& outlet) {
    if (Window* w = window())
        w->notify([&](WindowObserver& o) { o.outletChanged(*this, outlet); });
}

void Screen::loadViewIfNeeded() {
    if (loaded_)
        return;
    loaded_ = true;
    viewDidLoad();
}

Screen* Screen::topLevel() {
    Screen* s = this;
    while (s->parent_)
        s = s->parent_;
    return s;
}

Window* Screen::window() const {
    const Screen* s = this;
    while (s->parent_)
        s = s->parent_;
    return s->window_;
}

void Screen::present(std::shared_ptr<Screen> screen, bool animated) {
    if (Window* w = window())
        w->present(*this, std::move(screen), animated);
    else
        platform::logLine("Warning: Attempt to present " + screen->name() + " on " + name_ +
                          " whose view is not in the window hierarchy!");
}

void Screen::dismiss(bool animated, std::function<void()> completion) {
    if (Window* w = window())
        w->dismiss(*this, animated);
    if (completion)
        completion();
}

Screen* Screen::presentedScreen() const {
    Window* w = window();
    if (!w)
        return nullptr;
    auto stack = w->stack();
    for (std::size_t i = 0; i + 1 < stack.size(); ++i)
        if (stack[i] == this)
            return stack[i + 1];
    return nullptr;
}

void Screen::addChild(std::shared_ptr<Screen> child, std::string key) {
    child->parent_ = this;
    child->key_ = std::move(key);
    child->loadViewIfNeeded();
    children_.push_back(child);
    if (onDisplay_) {
        child->willAppear(false);
        child->didAppear(false);
    }
    if (Window* w = window())
        w->notify([&](WindowObserver& o) { o.childrenChanged(*this); });
}

void Screen::removeChild(const Screen* child) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [&](const auto& c) { return c.get() == child; });
    if (it == children_.end())
        return;
    auto keep = *it; // stays alive through its last callbacks
    if (onDisplay_) {
        keep->willDisappear(false);
        keep->didDisappear(false);
    }
    children_.erase(it);
    keep->parent_ = nullptr;
    if (Window* w = window())
        w->notify([&](WindowObserver& o) { o.childrenChanged(*this); });
}

void Screen::setHidden(bool h) {
    hidden_ = h;
    if (Window* w = window())
        w->notify([&](WindowObserver& o) { o.childrenChanged(parent_ ? *parent_ : *this); });
}

void Screen::showAlert(Alert alert) {
    if (Window* w = window())
        w->showAlert(std::move(alert));
    else
        platform::logLine("Warning: alert \"" + alert.title + "\" from " + name_ +
                          " not shown: the screen is not in a window");
}

namespace {

/// "btn_Back", "btn_Exchange_Back", "btn_Help_Close", "btn_Cancel", not "btn_Close1".
bool namedLikeABackControl(std::string_view name) {
    for (std::string_view word : {"_Back", "_Close", "_Cancel"})
        if (name.size() > word.size() && name.ends_with(word))
            return true;
    return false;
}

} // namespace

Outlet* Screen::backControl() const {
    auto touchable = [this](const Outlet* o) {
        return o && o->tappable() && reach(*o) == Reach::Touchable;
    };
    if (touchable(backControl_))
        return backControl_;
    for (auto it = outlets_.rbegin(); it != outlets_.rend(); ++it)
        if (it->second->kind() == Outlet::Kind::Button && namedLikeABackControl(it->first) &&
            touchable(it->second))
            return it->second;
    return nullptr;
}

bool Screen::closeFrontmost() {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (!(*it)->hidden() && (*it)->closeFrontmost())
            return true;
    for (auto it = outlets_.rbegin(); it != outlets_.rend(); ++it)
        if (it->second->isOpen() && reach(*it->second) == Reach::Touchable)
            return it->second->tap();
    Outlet* control = backControl();
    return control && control->tap();
}

// Children share their parent's appearance.
void Screen::willAppear(bool animated) {
    viewWillAppear(animated);
    for (auto& c : std::vector(children_))
        c->willAppear(animated);
}

void Screen::didAppear(bool animated) {
    onDisplay_ = true;
    viewDidAppear(animated);
    for (auto& c : std::vector(children_))
        c->didAppear(animated);
}

void Screen::willDisappear(bool animated) {
    viewWillDisappear(animated);
    for (auto& c : std::vector(children_))
        c->willDisappear(animated);
}

void Screen::didDisappear(bool animated) {
    onDisplay_ = false;
    viewDidDisappear(animated);
    for (auto& c : std::vector(children_))
        c->didDisappear(animated);
}

} // namespace ui
