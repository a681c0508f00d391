#pragma once
// Diagnostic log lines. One sink per process, installed at start-up.

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

/// Keeps the lines (tests) and optionally forwards each to a listener (headless events).
class CapturedLog final : public Log {
public:
    void write(std::string_view line) override;
    std::vector<std::string> lines() const;
    void clear();
    std::function<void(const std::string&)> onLine;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

/// The process's log sink (standard error until another is installed).
Log& log();
/// Installs `sink` (not owned) as the process's log; nullptr restores standard error.
void setLog(Log* sink);
/// Writes one line to the process's log.
void logLine(std::string_view line);

} // namespace platform
