#pragma once
// What the registration screen and the carrier list share about a running scan: its
// one-minute limit, the refresh button against the searching picture, and the alert for an
// adapter that is off.

#include "platform/MainLoop.h"
#include "ui/Screen.h"

#include <functional>
#include <memory>
#include <optional>

namespace carriers {

/// A one-shot scan limit that never outlives its screen.
class ScanTimer {
public:
    explicit ScanTimer(platform::MainLoop& loop) : loop_(loop) {}
    ~ScanTimer() { cancel(); }
    ScanTimer(const ScanTimer&) = delete;
    ScanTimer& operator=(const ScanTimer&) = delete;

    /// (Re)starts the limit: `expire` runs after `seconds` while `owner` lives.
    void start(double seconds, std::weak_ptr<ui::Screen> owner, std::function<void()> expire);
    void cancel();
    bool running() const { return id_.has_value(); }

private:
    platform::MainLoop& loop_;
    std::optional<platform::TimerId> id_;
};

/// While scanning the searching picture shows; otherwise the refresh button does.
void showScanning(ui::Button& refresh, ui::ImageView& searching, bool scanning);

/// The "경고" alert of an adapter that is off; its "OK" runs `stop` while `screen` lives.
void alertAdapterOff(ui::Screen& screen, std::function<void()> stop);

} // namespace carriers
