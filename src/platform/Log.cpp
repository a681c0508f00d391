#include "platform/Log.h"

#include <atomic>
#include <cstdio>

namespace platform {

void StderrLog::write(std::string_view line) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

void CapturedLog::write(std::string_view line) {
    {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    }
    if (onLine)
        onLine(std::string(line));
}

std::vector<std::string> CapturedLog::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

void CapturedLog::clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

namespace {
StderrLog stderrLog;
std::atomic<Log*> current{&stderrLog};
} // namespace

Log& log() {
    return *current.load();
}
void setLog(Log* sink) {
    current.store(sink ? sink : &stderrLog);
}
void logLine(std::string_view line) {
    log().write(line);
}

} // namespace platform
