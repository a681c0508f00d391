#pragma once
/// @file
/// When the phone-shaped window counts as gone to the background and back (minimised,
/// hidden, or the desktop's screen locked), and when it is in front of the person (also
/// holding the focus), which decides whether a notification is shown by the desktop.

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
    /// Focus moving to another window does not count: the background warning is for a
    /// window put away, not for one merely covered.
    static bool isBackground(QWindow::Visibility visibility, bool screenLocked);
    /// In front: not in the background and active (holding the focus). A window covered by
    /// another application is not in front, so a notification is shown by the desktop.
    static bool inFront(QWindow::Visibility visibility, bool active, bool screenLocked);
    bool inFront() const;

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
