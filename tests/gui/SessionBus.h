#pragma once
// A private session bus (its own dbus-daemon) for the test programs that talk D-Bus.

#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace gui_testing {

/// A private session bus for this test program.
class SessionBus : public ::testing::Environment {
public:
    void SetUp() override {
        int out[2];
        if (::pipe(out) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--print-address=1",
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        std::string address;
        char c;
        while (::read(out[0], &c, 1) == 1 && c != '\n')
            address += c;
        ::close(out[0]);
        if (!address.empty())
            ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        address_ = address;
    }
    void TearDown() override {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    static const std::string& address() { return address_; }

private:
    pid_t pid_ = -1;
    static inline std::string address_;
};

[[maybe_unused]] inline const auto* const kSessionBus =
    ::testing::AddGlobalTestEnvironment(new SessionBus);

} // namespace gui_testing
