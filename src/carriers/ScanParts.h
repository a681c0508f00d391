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

/// How long a scan keeps looking for a carrier before one not seen counts as not found. A
/// tag in range is heard within a few seconds; the demo's tags reach the belt 8 to 16
/// seconds after a search for them starts, and the list's scan is such a search.
inline constexpr double kLookingSeconds = 20;

/// The line under a carrier of the list: near when it was seen in this visit, still looking
/// while the scan is in its first kLookingSeconds, not found otherwise.
[[nodiscard]] const char* carrierSeenText(bool seen, bool looking);

/// While scanning the searching picture shows; otherwise the refresh button does.
void showScanning(ui::Button& refresh, ui::ImageView& searching, bool scanning);

/// The "경고" alert of an adapter that is off; its "OK" runs `stop` while `screen` lives.
void alertAdapterOff(ui::Screen& screen, std::function<void()> stop);

} // namespace carriers
