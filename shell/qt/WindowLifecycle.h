#pragma once
/// @file
/// When the phone-shaped window counts as gone to the background and back: minimised,
/// hidden, or the desktop's screen locked.

#include <QObject>
#include <QWindow>
#include <functional>

namespace qtshell {

class WindowLifecycle final : public QObject {
    Q_OBJECT

public:
    /// `changed(true)` when the window goes to the background, `changed(false)` when it comes
    /// back; only real changes are told.
    WindowLifecycle(QWindow& window, std::function<void(bool background)> changed,
                    QObject* parent = nullptr);

    bool background() const { return background_; }
    /// A window that is minimised or hidden, or whose screen is locked, is in the background.
    static bool isBackground(QWindow::Visibility visibility, bool screenLocked);

private slots:
    /// The session's screen saver (the lock screen) started or ended.
    void screenLockChanged(bool locked);

private:
    void update();

    QWindow& window_;
    std::function<void(bool)> changed_;
    bool locked_ = false;
    bool background_ = false;
};

} // namespace qtshell
