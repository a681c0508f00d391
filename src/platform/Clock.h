#pragma once
// Wall-clock time and the local time zone, injected so that tests control time.

#include <atomic>
#include <chrono>
#include <string>

namespace platform {

using TimePoint = std::chrono::time_point<std::chrono::system_clock, std::chrono::milliseconds>;

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    /// Offset of local time from UTC at `at`, in seconds (east positive).
    virtual int utcOffsetSeconds(TimePoint at) const = 0;
};

/// The system clock and the process's time zone.
class SystemClock final : public Clock {
public:
    TimePoint now() const override;
    int utcOffsetSeconds(TimePoint at) const override;
};

/// A clock that moves only when told; its time zone is a fixed offset. It may be read from
/// other threads (the demo services) while the loop's thread moves it.
class VirtualClock final : public Clock {
public:
    VirtualClock(TimePoint start, int utcOffsetSeconds) : now_(start), offset_(utcOffsetSeconds) {}
    TimePoint now() const override { return now_.load(); }
    int utcOffsetSeconds(TimePoint) const override { return offset_; }
    void set(TimePoint t) { now_.store(t); }

private:
    std::atomic<TimePoint> now_;
    const int offset_;
};

/// Broken-down local time.
struct LocalTime {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int weekday = 4; ///< 0 = Sunday
};

LocalTime toLocal(const Clock& clock, TimePoint at);

/// Formats `at` in local time with the pattern letters yyyy, MM, dd, HH, mm, ss;
/// every other character is copied.
std::string formatLocal(const Clock& clock, TimePoint at, std::string_view pattern);

/// Parses an ISO 8601 instant with offset ("2026-12-07T09:30:00+09:00", or "Z").
/// Returns false on malformed input.
bool parseIsoInstant(std::string_view text, TimePoint& at, int& utcOffsetSeconds);

} // namespace platform
