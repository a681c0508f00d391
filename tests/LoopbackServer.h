#pragma once
// An HTTP server on 127.0.0.1 for the tests: the routes it is given, served from a thread of
// its own, and a gate that keeps requests unanswered until it is opened. FaultyPeer stands
// in front of one and breaks the exchanges it is told to break.
//
// An owner keeps it as its last member, so that it starts after and stops before the
// owner's state its handlers use.

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

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

/// A TCP peer on 127.0.0.1 that relays each exchange to a loopback server unchanged, except
/// those whose request path starts with the prefix given to inject(): they meet the fault.
class FaultyPeer {
public:
    enum class Fault {
        None,
        Refuse,   ///< nothing listens on the port: every connection is refused
        Reset,    ///< the answer's head and a part of its body, then a reset
        Truncate, ///< a Content-Length larger than the body sent, then an orderly close
        Silence,  ///< the request is read and never answered
        Answer,   ///< the given bytes are the whole answer
    };

    /// @param backend the relayed server's base, "http://127.0.0.1:PORT"
    explicit FaultyPeer(const std::string& backend)
        : backendPort_(std::stoi(backend.substr(backend.rfind(':') + 1))), listener_(listenOn(0)) {
        Loopback address(0);
        socklen_t size = sizeof address.in;
        ::getsockname(listener_, address.get(), &size);
        port_ = ntohs(address.in.sin_port);
        acceptor_ = std::thread([this] { acceptLoop(); });
    }
    ~FaultyPeer() {
        stopping_ = true;
        acceptor_.join();
        for (auto& t : connections_)
            t.join();
        if (listener_ >= 0)
            ::close(listener_);
    }
    FaultyPeer(const FaultyPeer&) = delete;
    FaultyPeer& operator=(const FaultyPeer&) = delete;

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

    /// From now on requests for paths starting with `pathPrefix` meet `fault` (Refuse meets
    /// every connection); `answer` is the answer of Fault::Answer.
    void inject(std::string pathPrefix, Fault fault, std::string answer = {}) {
        std::unique_lock lock(mutex_);
        prefix_ = std::move(pathPrefix);
        fault_ = fault;
        answer_ = std::move(answer);
        settled_ = false;
        changed_.wait(lock, [this] { return settled_; });
    }
    void heal() { inject({}, Fault::None); }

    /// A whole HTTP/1.1 answer of that status and body.
    static std::string httpAnswer(int status, const std::string& body) {
        return "HTTP/1.1 " + std::to_string(status) +
               " Status\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }

private:
    struct Loopback {
        sockaddr_in in{};
        explicit Loopback(int port) {
            in.sin_family = AF_INET;
            in.sin_port = htons(static_cast<std::uint16_t>(port));
            in.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        }
        sockaddr* get() { return reinterpret_cast<sockaddr*>(&in); }
    };

    static int listenOn(int port) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int one = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        Loopback address(port);
        if (::bind(fd, address.get(), sizeof address.in) != 0 || ::listen(fd, 16) != 0) {
            ::close(fd);
            throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
        }
        return fd;
    }

    // The listener is opened and closed only here, so no other thread polls a closed one;
    // each turn waits 10 ms at most, so a change or the end is seen soon.
    void acceptLoop() {
        while (!stopping_) {
            int fd;
            {
                std::lock_guard lock(mutex_);
                const bool refuse = fault_ == Fault::Refuse;
                if (refuse && listener_ >= 0) {
                    ::close(listener_);
                    listener_ = -1;
                } else if (!refuse && listener_ < 0) {
                    listener_ = listenOn(port_);
                }
                settled_ = true;
                fd = listener_;
            }
            changed_.notify_all();
            pollfd event{fd, POLLIN, 0}; // a negative fd is ignored: the turn only waits
            if (::poll(&event, 1, 10) > 0 && (event.revents & POLLIN)) {
                const int client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
                if (client >= 0)
                    connections_.emplace_back([this, client] { serve(client); });
            }
        }
    }

    // Appends what arrives on `fd`; false once it is closed, broken or the peer stops.
    bool readSome(int fd, std::string& into) {
        pollfd event{fd, POLLIN, 0};
        while (!stopping_) {
            if (::poll(&event, 1, 50) <= 0)
                continue;
            char buffer[16384];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0)
                return false;
            into.append(buffer, static_cast<std::size_t>(n));
            return true;
        }
        return false;
    }
    static bool sendAll(int fd, std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    void serve(int client) {
        // The whole request is read first: closing with unread bytes would reset the
        // connection whatever the fault.
        std::string request;
        std::size_t head;
        while ((head = request.find("\r\n\r\n")) == std::string::npos)
            if (!readSome(client, request))
                return (void)::close(client);
        const auto length = request.substr(0, head).find("Content-Length:"); // as curl writes it
        const std::size_t body =
            length == std::string::npos ? 0 : std::stoul(request.substr(length + 15));
        while (request.size() < head + 4 + body)
            if (!readSome(client, request))
                return (void)::close(client);
        const std::string path = request.substr(request.find(' ') + 1);
        Fault fault;
        std::string answer;
        {
            std::lock_guard lock(mutex_);
            fault = !prefix_.empty() && path.rfind(prefix_, 0) == 0 ? fault_ : Fault::None;
            answer = answer_;
        }
        const std::string partial = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n"
                                    "Content-Length: 4096\r\n\r\n<?xml version=\"1.0\"?>";
        switch (fault) {
        case Fault::None:
        case Fault::Refuse:
            relay(client, request);
            break;
        case Fault::Reset: {
            sendAll(client, partial);
            const linger abort{1, 0};
            ::setsockopt(client, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
            break;
        }
        case Fault::Truncate:
        case Fault::Answer:
            sendAll(client, fault == Fault::Answer ? answer : partial);
            ::shutdown(client, SHUT_WR);
            break;
        case Fault::Silence:
            while (readSome(client, request)) {
            }
            break;
        }
        ::close(client);
    }

    void relay(int client, const std::string& request) {
        const int backend = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        Loopback address(backendPort_);
        if (::connect(backend, address.get(), sizeof address.in) == 0 &&
            sendAll(backend, request)) {
            pollfd ends[2] = {{client, POLLIN, 0}, {backend, POLLIN, 0}};
            bool open = true;
            while (open && !stopping_) {
                if (::poll(ends, 2, 50) <= 0)
                    continue;
                for (int i = 0; i < 2 && open; ++i) {
                    if (!(ends[i].revents & (POLLIN | POLLHUP | POLLERR)))
                        continue;
                    char buffer[16384];
                    const ssize_t n = ::recv(ends[i].fd, buffer, sizeof buffer, 0);
                    open = n > 0 && sendAll(ends[1 - i].fd,
                                            std::string_view(buffer, static_cast<std::size_t>(n)));
                }
            }
        }
        ::close(backend);
    }

    int backendPort_;
    int port_ = 0;
    int listener_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    bool settled_ = true;
    std::string prefix_;
    Fault fault_ = Fault::None;
    std::string answer_;
    std::thread acceptor_;
    std::vector<std::thread> connections_; // touched by the acceptor only, then joined
};

} // namespace testing_support
