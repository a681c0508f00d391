#pragma once
/// @file
/// Keeps the desktop from blanking the screen through the freedesktop screen-saver
/// interface on the session bus (Inhibit and UnInhibit). Without a session bus or a
/// screen-saver service the desktop's own rules simply stay in force.

#include "platform/Device.h"

#include <QObject>
#include <optional>

namespace qtshell {

class QtScreenSaver final : public QObject, public platform::ScreenSaver {
    Q_OBJECT

public:
    static constexpr const char* kService = "org.freedesktop.ScreenSaver";
    static constexpr const char* kPath = "/org/freedesktop/ScreenSaver";

    explicit QtScreenSaver(QObject* parent = nullptr);
    /// Lets go of an inhibition still held.
    ~QtScreenSaver() override;

    /// Asks the desktop (asynchronously) to keep the screen on, or lets go again.
    void setInhibited(bool inhibited) override;

    /// The desktop has granted an inhibition that has not been let go.
    bool holding() const { return cookie_.has_value(); }
    /// An Inhibit call is waiting for the desktop's answer.
    bool waiting() const { return waiting_; }

signals:
    /// The desktop granted (true) or the app let go of (false) an inhibition.
    void holdingChanged(bool holding);

private:
    /// Brings what the desktop holds in line with what was asked for.
    void reconcile();
    void release();

    bool wanted_ = false;
    bool waiting_ = false;
    std::optional<uint> cookie_;
};

} // namespace qtshell
