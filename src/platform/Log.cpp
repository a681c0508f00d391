#include "platform/Log.h"

#include <cstdio>
#include <shared_mutex>

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
// Writers hold it shared while they write; a swap holds it alone, so it waits for the lines
// being written (by the HTTP worker, say) and the old sink can be destroyed once it returns.
std::shared_mutex sinkMutex;
Log* current = &stderrLog;
} // namespace

void setLog(Log* sink) {
    std::unique_lock lock(sinkMutex);
    current = sink ? sink : &stderrLog;
}
void logLine(std::string_view line) {
    std::shared_lock lock(sinkMutex);
    current->write(line);
}

} // namespace platform
