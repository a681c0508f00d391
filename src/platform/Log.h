#pragma once
// Diagnostic log lines. One sink per process, installed at start-up.

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Log {
public:
    virtual ~Log() = default;
    virtual void write(std::string_view line) = 0;
};

/// Writes each line to standard error.
class StderrLog final : public Log {
public:
    void write(std::string_view line) override;
};

/// Keeps the latest lines (tests) and optionally forwards each to a listener (headless
/// events). What it keeps is bounded, so a long-running process does not grow with its log:
/// the oldest lines go first, and a kept line is cut to a maximum length.
class CapturedLog final : public Log {
public:
    static constexpr std::size_t kDefaultMaxLines = 10'000;
    static constexpr std::size_t kDefaultMaxLineBytes = 4096;

    explicit CapturedLog(std::size_t maxLines = kDefaultMaxLines,
                         std::size_t maxLineBytes = kDefaultMaxLineBytes)
        : maxLines_(maxLines), maxLineBytes_(maxLineBytes) {}

    /// Forwards the whole line to onLine; keeps it, cut to the maximum length.
    void write(std::string_view line) override;
    std::vector<std::string> lines() const;
    void clear();
    std::function<void(const std::string&)> onLine;

private:
    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
    std::size_t maxLines_;
    std::size_t maxLineBytes_;
};

/// Installs `sink` (not owned) as the process's log; nullptr restores standard error. Waits
/// for lines being written to the previous sink, so that sink may be destroyed afterwards.
/// A sink must not install another from its own write.
void setLog(Log* sink);
/// Writes one line to the process's log.
void logLine(std::string_view line);

} // namespace platform
