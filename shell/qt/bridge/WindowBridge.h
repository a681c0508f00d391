#pragma once
/// @file
/// Exposes the UI model's window to QML without per-screen code: the presented stack as a
/// model of screen items, the alert queue, and presentation signals. Every user event a
/// view forwards goes through a screen item and ends in afterEvent().

#include "bridge/StackModel.h"
#include "ui/Window.h"

#include <QHash>
#include <QObject>
#include <QVariantMap>

namespace qtshell {

class ScreenItem;

class WindowBridge final : public QObject, public ui::WindowObserver {
    Q_OBJECT
    Q_PROPERTY(qtshell::StackModel* stack READ stack CONSTANT)
    Q_PROPERTY(int alertCount READ alertCount NOTIFY alertsChanged)
    /// The front alert: {title, message, buttons: [{title, role}]}, or an empty map.
    Q_PROPERTY(QVariantMap alert READ alert NOTIFY alertsChanged)

public:
    explicit WindowBridge(ui::Window& window, QObject* parent = nullptr);
    ~WindowBridge() override;

    StackModel* stack() { return &stack_; }
    int alertCount() const;
    QVariantMap alert() const;

    /// Presses the button of that title on the front alert.
    Q_INVOKABLE bool pressAlertButton(const QString& title);
    /// Enter on the front alert: its default button.
    Q_INVOKABLE bool pressAlertDefault();
    /// Escape: closes the front-most alert, suggestion list, dialog, menu, overlay or screen.
    Q_INVOKABLE bool back();
    /// Takes the window's Escape (and Enter while an alert shows) before any item sees it, so
    /// the keys act the same wherever the keyboard focus is.
    Q_INVOKABLE void watchKeys(QObject* window);

    /// The item that shows `screen` (root, presented or child), or null.
    ScreenItem* itemFor(const ui::Screen* screen);
    /// After each forwarded user event: screens dismissed by it are released.
    void afterEvent();

    // Used by screen items.
    ScreenItem* adopt(ui::Screen& screen, QObject* parent);
    void forget(ScreenItem* item);

    // ui::WindowObserver
    void outletChanged(ui::Screen& screen, const std::string& outlet) override;
    void presented(ui::Screen& screen, bool animated) override;
    void dismissed(ui::Screen& screen, bool animated) override;
    void alertShown(const ui::Alert& alert) override;
    void alertClosed(const ui::Alert& alert) override;
    void childrenChanged(ui::Screen& screen) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void screenPresented(QObject* screen, bool animated);
    void screenDismissed(QObject* screen, bool animated);
    void alertsChanged();

private:
    /// Brings the stack model in line with the window's stack (only its tail ever changes).
    void syncStack();

    ui::Window& window_;
    StackModel stack_;
    QHash<const ui::Screen*, ScreenItem*> items_;
};

} // namespace qtshell
