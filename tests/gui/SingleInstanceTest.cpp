// One window per person: the real app, offscreen, launched a second time while it runs, on
// the tests' private session bus and without one.
#include "AppProcess.h"
#include "SessionBus.h"
#include "TempDir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace gui_testing {
namespace {

using namespace std::chrono_literals;

std::string contents(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool waitFor(const std::function<bool()>& done, std::chrono::seconds limit = 40s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done())
        if (std::chrono::steady_clock::now() > end)
            return false;
        else
            std::this_thread::sleep_for(50ms);
    return true;
}

class SecondLaunch : public ::testing::Test {
protected:
    /// Starts the app with its default data folder under the test's folder, on the private
    /// bus or on none.
    pid_t start(const std::vector<std::string>& args, const std::string& log, bool bus) {
        return startApp(args,
                        {"XDG_DATA_HOME=" + dir.file("share"),
                         "DBUS_SESSION_BUS_ADDRESS=" +
                             (bus ? SessionBus::address() : "unix:path=" + dir.file("no-bus"))},
                        log);
    }

    /// Starts the first window and waits until it holds its default data folder.
    void startFirst(bool bus) {
        first = start({}, firstLog, bus);
        ASSERT_GT(first, 0);
        ASSERT_TRUE(waitFor([&] {
            return !contents(defaultFolder + "/tamberlinove.lock").empty();
        })) << contents(firstLog);
    }

    /// Runs a second launch to its end: its exit status, or -1.
    int second(const std::vector<std::string>& args, bool bus = true) {
        const pid_t pid = start(args, secondLog, bus);
        if (pid <= 0)
            return -1; // never kill(-1, ...): that signals every process we may signal
        int status = 0;
        if (!waitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void TearDown() override {
        if (first > 0) {
            ::kill(first, SIGTERM);
            ::waitpid(first, nullptr, 0);
        }
    }

    bool logged(const std::string& log, const std::string& line) {
        return contents(log).find(line) != std::string::npos;
    }

    testing_support::TempDir dir;
    const std::string defaultFolder = dir.file("share") + "/tamberlinove";
    const std::string firstLog = dir.file("first.log"), secondLog = dir.file("second.log");
    pid_t first = -1;
};

TEST_F(SecondLaunch, GoesToTheWindowOfTheDefaultFolder) {
    startFirst(true);
    const struct {
        std::vector<std::string> args;
        const char* front;
    } launches[] = {
        {{}, "ViewController"},
        {{"--shortcut", "kr.vorneth.UIAirportSchedule"}, "UIAirportSchedule"},
    };
    for (const auto& launch : launches) {
        EXPECT_EQ(second(launch.args), 0) << contents(secondLog);
        const std::string line = std::string("activated: ") + launch.front + " is in front";
        EXPECT_TRUE(waitFor([&] { return logged(firstLog, line); })) << contents(firstLog);
    }
    // One-shot runs never go to the window: on a folder of their own they run, on the
    // window's folder its lock refuses them.
    const std::string shot = dir.file("shot.png");
    EXPECT_EQ(second({"--data-dir", dir.file("other"), "--screenshot", shot}), 0);
    EXPECT_TRUE(std::filesystem::exists(shot));
    EXPECT_EQ(second({"--screenshot", dir.file("refused.png")}), 1);
    EXPECT_TRUE(logged(secondLog, "already running with the data folder " + defaultFolder));
}

TEST_F(SecondLaunch, WithoutABusIsRefusedByTheDataFolderLock) {
    startFirst(false);
    EXPECT_EQ(second({"--shortcut", "kr.vorneth.UIAirportSchedule"}, false), 1);
    EXPECT_TRUE(
        logged(secondLog, "tamberlinove is already running with the data folder " + defaultFolder))
        << contents(secondLog);
}

} // namespace
} // namespace gui_testing
