#pragma once
// A small SOAP endpoint on 127.0.0.1 for the HTTP tests: records requests, answers as told.

#include <httplib.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace remote::test {

struct ReceivedRequest {
    std::string path;
    httplib::Headers headers;
    std::string body;
};

class SoapTestServer {
public:
    SoapTestServer() {
        server_.Post(".*", [this](const httplib::Request& req, httplib::Response& res) {
            std::unique_lock lock(mutex_);
            received_.push_back({req.path, req.headers, req.body});
            cv_.wait(lock, [this] { return !hang_; });
            res.status = status_;
            res.set_content(reply_, "text/xml; charset=utf-8");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }

    ~SoapTestServer() {
        release();
        while (!server_.is_running())
            std::this_thread::yield();
        server_.stop();
        thread_.join();
    }

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

    void reply(int status, std::string body) {
        std::lock_guard lock(mutex_);
        status_ = status;
        reply_ = std::move(body);
    }
    /// Requests are held unanswered until release().
    void hang() {
        std::lock_guard lock(mutex_);
        hang_ = true;
    }
    void release() {
        {
            std::lock_guard lock(mutex_);
            hang_ = false;
        }
        cv_.notify_all();
    }

    std::vector<ReceivedRequest> received() const {
        std::lock_guard lock(mutex_);
        return received_;
    }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<ReceivedRequest> received_;
    int status_ = 200;
    std::string reply_;
    bool hang_ = false;
};

} // namespace remote::test
