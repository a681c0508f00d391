#pragma once
// HTTP: a blocking POST (the SOAP services) and a GET answered on the main loop (feeds).

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

struct HttpOptions {
    std::chrono::milliseconds connectTimeout{10'000};
    std::chrono::milliseconds totalTimeout{30'000};
    /// Largest answer body taken. A larger one is cut off while it arrives and counts as
    /// no answer. The largest answers the app reads (a full city list) are under 2 MB.
    std::size_t maxAnswerBytes = 16 * 1024 * 1024;
};

struct HttpResponse {
    long status = 0;
    std::string body;
};

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

class Http {
public:
    virtual ~Http() = default;
    /// Sends a POST and blocks until the exchange ends. Any HTTP status returns the body;
    /// a transport failure (no connection, time-out, bad URL, an answer over the size
    /// limit) returns nothing.
    virtual std::optional<HttpResponse> post(const std::string& url, const HttpHeaders& headers,
                                             const std::string& body) = 0;
    /// Starts a GET on a worker thread; `done` runs later on the main loop, with nothing
    /// on a transport failure.
    virtual void get(const std::string& url,
                     std::function<void(std::optional<HttpResponse>)> done) = 0;
};

} // namespace platform
