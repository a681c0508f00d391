#include "bridge/WindowBridge.h"

#include "bridge/ScreenItem.h"
#include "ui/Screen.h"

#include <QKeyEvent>
#include <QQmlEngine>
#include <QVariantList>

namespace qtshell {

WindowBridge::WindowBridge(ui::Window& window, QObject* parent)
    : QObject(parent), window_(window), stack_(this) {
    window_.addObserver(this);
    syncStack();
}

WindowBridge::~WindowBridge() {
    window_.removeObserver(this);
    // Items are children of this object; they must not call back into a half-destroyed map.
    items_.clear();
    const auto children = findChildren<ScreenItem*>(Qt::FindDirectChildrenOnly);
    for (ScreenItem* item : children)
        delete item;
}

ScreenItem* WindowBridge::adopt(ui::Screen& screen, QObject* parent) {
    auto* item = new ScreenItem(screen, *this, parent ? parent : this);
    // Items handed to QML stay owned here whatever QML does with them.
    QQmlEngine::setObjectOwnership(item, QQmlEngine::CppOwnership);
    items_.insert(&screen, item);
    return item;
}

void WindowBridge::forget(ScreenItem* item) {
    for (auto it = items_.begin(); it != items_.end();) {
        if (it.value() == item)
            it = items_.erase(it);
        else
            ++it;
    }
}

ScreenItem* WindowBridge::itemFor(const ui::Screen* screen) {
    if (ScreenItem* item = items_.value(screen))
        return item;
    syncStack();
    return items_.value(screen);
}

void WindowBridge::syncStack() {
    const std::vector<ui::Screen*> screens = window_.stack();
    const auto& items = stack_.items();
    int same = 0;
    while (same < items.size() && same < static_cast<int>(screens.size()) &&
           items.at(same)->screen() == screens[static_cast<std::size_t>(same)])
        ++same;
    for (ScreenItem* gone : stack_.truncate(same))
        gone->detach();
    for (std::size_t i = static_cast<std::size_t>(same); i < screens.size(); ++i)
        stack_.append(adopt(*screens[i], this));
}

void WindowBridge::afterEvent() {
    window_.releaseRetired();
}

void WindowBridge::outletChanged(ui::Screen& screen, const std::string& outlet) {
    ScreenItem* item = itemFor(&screen);
    if (!item && screen.parent()) {
        // A child screen not seen yet: its parent's item learns about it.
        if (ScreenItem* parent = itemFor(screen.parent())) {
            parent->syncChildren();
            item = items_.value(&screen);
        }
    }
    if (item)
        item->refreshOutlet(outlet);
}

void WindowBridge::presented(ui::Screen& screen, bool animated) {
    syncStack();
    if (ScreenItem* item = items_.value(&screen))
        emit screenPresented(item, animated);
}

void WindowBridge::dismissed(ui::Screen& screen, bool animated) {
    ScreenItem* item = items_.value(&screen);
    syncStack();
    if (item)
        emit screenDismissed(item, animated);
}

void WindowBridge::childrenChanged(ui::Screen& screen) {
    if (ScreenItem* item = itemFor(&screen))
        item->syncChildren();
}

int WindowBridge::alertCount() const {
    return static_cast<int>(window_.alerts().size());
}

QVariantMap WindowBridge::alert() const {
    if (window_.alerts().empty())
        return {};
    const ui::Alert& a = window_.alerts().front();
    QVariantList buttons;
    for (const auto& b : a.buttons) {
        const char* role = b.role == ui::AlertButton::Role::Cancel        ? "cancel"
                           : b.role == ui::AlertButton::Role::Destructive ? "destructive"
                                                                          : "default";
        buttons.append(QVariantMap{{QStringLiteral("title"), QString::fromStdString(b.title)},
                                   {QStringLiteral("role"), QString::fromLatin1(role)}});
    }
    return {{QStringLiteral("title"), QString::fromStdString(a.title)},
            {QStringLiteral("message"), QString::fromStdString(a.message)},
            {QStringLiteral("buttons"), buttons}};
}

bool WindowBridge::pressAlertButton(const QString& title) {
    const bool done = window_.pressAlertButton(title.toStdString());
    afterEvent();
    return done;
}

bool WindowBridge::pressAlertDefault() {
    const bool done = window_.pressAlertDefault();
    afterEvent();
    return done;
}

bool WindowBridge::back() {
    const bool done = window_.back();
    afterEvent();
    return done;
}

void WindowBridge::watchKeys(QObject* window) {
    if (window)
        window->installEventFilter(this);
}

bool WindowBridge::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        back();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && alertCount() > 0) {
        pressAlertDefault();
        return true;
    }
    return false;
}

void WindowBridge::alertShown(const ui::Alert&) {
    emit alertsChanged();
}

void WindowBridge::alertClosed(const ui::Alert&) {
    emit alertsChanged();
}

} // namespace qtshell
