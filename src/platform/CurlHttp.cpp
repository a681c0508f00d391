#include "platform/CurlHttp.h"

#include "platform/Log.h"

#include <curl/curl.h>

namespace platform {
namespace {

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

void ensureGlobalInit() {
    static CurlGlobal global;
}

struct Body {
    std::string& bytes;
    std::size_t limit;
    bool overflow = false;
};

// Taking less than offered makes libcurl abort the transfer, so an answer over the limit
// is never read to its end.
std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& body = *static_cast<Body*>(user);
    const std::size_t n = size * count;
    if (n > body.limit - body.bytes.size()) {
        body.overflow = true;
        return 0;
    }
    body.bytes.append(data, n);
    return n;
}

std::optional<HttpResponse> perform(const std::string& url, const HttpHeaders* headers,
                                    const std::string* postBody, const HttpOptions& options) {
    ensureGlobalInit();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return std::nullopt;
    HttpResponse response;
    curl_slist* list = nullptr;
    if (headers) {
        for (const auto& [name, value] : *headers)
            list = curl_slist_append(list, (name + ": " + value).c_str());
    }
    // Keep libcurl from adding "Expect: 100-continue" to larger bodies.
    if (postBody)
        list = curl_slist_append(list, "Expect:");
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(options.connectTimeout.count()));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(options.totalTimeout.count()));
    Body body{response.body, options.maxAnswerBytes};
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
    // An announced length over the limit fails before any of the body is read.
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxAnswerBytes));
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    if (list)
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, list);
    if (postBody) {
        curl_easy_setopt(h, CURLOPT_POST, 1L);
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, postBody->data());
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postBody->size()));
    }
    CURLcode rc = curl_easy_perform(h);
    curl_slist_free_all(list);
    if (rc != CURLE_OK) {
        // The query is left out: it carries the services' keys.
        const std::string request =
            std::string("HTTP ") + (postBody ? "POST " : "GET ") + url.substr(0, url.find('?'));
        if (body.overflow || rc == CURLE_FILESIZE_EXCEEDED)
            logLine(request + ": the answer is larger than " +
                    std::to_string(options.maxAnswerBytes) + " bytes and was dropped");
        else
            logLine(request + " failed: " + curl_easy_strerror(rc));
        return std::nullopt;
    }
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &response.status);
    return response;
}

} // namespace

CurlHttp::CurlHttp(MainLoop& loop, HttpOptions options)
    : loop_(loop), options_(options), worker_([this] { work(); }) {}

CurlHttp::~CurlHttp() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    cv_.notify_all();
    worker_.join();
}

std::optional<HttpResponse> CurlHttp::post(const std::string& url, const HttpHeaders& headers,
                                           const std::string& body) {
    return perform(url, &headers, &body, options_);
}

void CurlHttp::get(const std::string& url, std::function<void(std::optional<HttpResponse>)> done) {
    loop_.beginExternal();
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(Job{url, std::move(done)});
    }
    cv_.notify_all();
}

void CurlHttp::work() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            cv_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        // Requests still queued at shutdown are answered as failures without waiting.
        std::optional<HttpResponse> answer;
        bool stop;
        {
            std::lock_guard lock(mutex_);
            stop = stopping_;
        }
        if (!stop)
            answer = perform(job.url, nullptr, nullptr, options_);
        loop_.finishExternal([done = std::move(job.done), answer = std::move(answer)]() mutable {
            if (done)
                done(std::move(answer));
        });
    }
}

} // namespace platform
