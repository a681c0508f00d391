#pragma once
// HTTP over libcurl. POST runs on the caller's thread; GET runs on one worker thread and
// its answer is posted back to the main loop.

#include "platform/Http.h"
#include "platform/MainLoop.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace platform {

class CurlHttp final : public Http {
public:
    CurlHttp(MainLoop& loop, HttpOptions options);
    ~CurlHttp() override;
    CurlHttp(const CurlHttp&) = delete;
    CurlHttp& operator=(const CurlHttp&) = delete;

    std::optional<HttpResponse> post(const std::string& url, const HttpHeaders& headers,
                                     const std::string& body) override;
    void get(const std::string& url,
             std::function<void(std::optional<HttpResponse>)> done) override;

    const HttpOptions& options() const { return options_; }

private:
    struct Job {
        std::string url;
        std::function<void(std::optional<HttpResponse>)> done;
    };
    void work();

    MainLoop& loop_;
    HttpOptions options_;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace platform
