#pragma once
// A small SOAP endpoint on 127.0.0.1 for the HTTP tests: records requests, answers as told.

#include "LoopbackServer.h"

#include <mutex>
#include <string>
#include <vector>

namespace remote::test {

struct ReceivedRequest {
    std::string path;
    httplib::Headers headers;
    std::string body;
};

class SoapTestServer {
public:
    std::string base() const { return server_.base(); }

    void reply(int status, std::string body) {
        std::lock_guard lock(mutex_);
        status_ = status;
        reply_ = std::move(body);
    }
    /// Requests are held unanswered until release().
    void hang() { server_.hold(); }
    void release() { server_.release(); }

    std::vector<ReceivedRequest> received() const {
        std::lock_guard lock(mutex_);
        return received_;
    }

private:
    void answer(const httplib::Request& req, httplib::Response& res) {
        {
            std::lock_guard lock(mutex_);
            received_.push_back({req.path, req.headers, req.body});
        }
        server_.waitWhileHeld();
        std::lock_guard lock(mutex_);
        res.status = status_;
        res.set_content(reply_, "text/xml; charset=utf-8");
    }

    mutable std::mutex mutex_;
    std::vector<ReceivedRequest> received_;
    int status_ = 200;
    std::string reply_;
    testing_support::LoopbackServer server_{[this](httplib::Server& server) {
        server.Post(".*", [this](const httplib::Request& req, httplib::Response& res) {
            answer(req, res);
        });
    }};
};

} // namespace remote::test
