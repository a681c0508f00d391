#include "platform/Log.h"

#include <atomic>
#include <cstdio>

namespace platform {

void StderrLog::write(std::string_view line) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

namespace {

// The longest prefix of `line` within `max` bytes that does not end inside a UTF-8 sequence.
std::string_view cutUtf8(std::string_view line, std::size_t max) {
    if (line.size() <= max)
        return line;
    std::size_t n = max;
    while (n > 0 && (static_cast<unsigned char>(line[n]) & 0xC0) == 0x80)
        --n;
    return line.substr(0, n);
}

} // namespace

void CapturedLog::write(std::string_view line) {
    if (maxLines_ > 0) {
        std::lock_guard lock(mutex_);
        if (lines_.size() == maxLines_)
            lines_.pop_front();
        lines_.emplace_back(cutUtf8(line, maxLineBytes_));
    }
    if (onLine)
        onLine(std::string(line));
}

std::vector<std::string> CapturedLog::lines() const {
    std::lock_guard lock(mutex_);
    return {lines_.begin(), lines_.end()};
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
