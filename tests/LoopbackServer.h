#pragma once
// An HTTP server on 127.0.0.1 for the tests: the routes it is given, served from a thread of
// its own, and a gate that keeps requests unanswered until it is opened.
//
// An owner keeps it as its last member, so that it starts after and stops before the
// owner's state its handlers use.

#include <httplib.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

namespace testing_support {

class LoopbackServer {
public:
    /// Listens on a free port once `routes` has set the handlers.
    explicit LoopbackServer(const std::function<void(httplib::Server&)>& routes) {
        routes(server_);
        port_ = server_.bind_to_any_port("127.0.0.1");
        if (port_ <= 0)
            throw std::runtime_error("no free port on 127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::yield();
    }
    ~LoopbackServer() {
        release();
        server_.stop();
        thread_.join();
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

    /// Handlers that call waitWhileHeld() answer only after release().
    void hold() {
        std::lock_guard lock(gateMutex_);
        held_ = true;
    }
    void release() {
        {
            std::lock_guard lock(gateMutex_);
            held_ = false;
        }
        gate_.notify_all();
    }
    void waitWhileHeld() {
        std::unique_lock lock(gateMutex_);
        gate_.wait(lock, [this] { return !held_; });
    }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::mutex gateMutex_;
    std::condition_variable gate_;
    bool held_ = false;
};

} // namespace testing_support
