// The tamberlinove-services program, run as a child process.

#include "StandInFixture.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace services_test {
namespace {

/// The program, started by a shell that prints its own process id and then becomes the
/// program; standard output is read through a pipe.
class Child {
public:
    explicit Child(const std::vector<std::string>& args) {
        std::string command = "echo $$; exec " TAMBERLINOVE_SERVICES_PROGRAM;
        for (const auto& arg : args)
            command += " '" + arg + "'";
        out_ = popen((command + " 2>/dev/null").c_str(), "r");
        const std::string pid = out_ ? readLine() : "";
        pid_ = pid.empty() ? -1 : std::stoi(pid);
    }
    ~Child() {
        if (pid_ > 0)
            kill(pid_, SIGKILL);
        if (out_)
            pclose(out_);
    }

    /// The next line of output; empty if the program ends first.
    std::string readLine() {
        char line[4096] = "";
        return std::fgets(line, sizeof line, out_) ? std::string(line, std::strcspn(line, "\n"))
                                                   : "";
    }

    /// Sends `signal` (if any) and returns the exit status, or -1 when killed by a signal.
    int finish(int signal = 0) {
        if (signal && pid_ > 0)
            kill(pid_, signal);
        const int status = pclose(out_);
        out_ = nullptr;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    std::FILE* out_ = nullptr;
    pid_t pid_ = -1;
};

TEST(ServicesProgram, ListeningLineNamesTheServicesWhichServeByClockAndScenarioUntilTerminated) {
    testing_support::TempDir dir;
    for (const auto& [scenario, expected] :
         {std::pair{"ontime", "0900 출발"}, std::pair{"demo", "0935 탑승마감"}}) {
        Child child({"--today", kToday, "--now", kMorning, "--scenario", scenario, "--data",
                     dir.file("data.sqlite3")});
        auto line = nlohmann::json::parse(child.readLine());
        EXPECT_EQ(line["event"], "listening");
        auto config = line["config"];
        EXPECT_EQ(config["requestTimeoutSeconds"], 30);
        for (const char* key : {"domesticAirportsAPI", "timetableAPI", "timetableKey"})
            EXPECT_NE(config.value(key, ""), "") << key;
        const std::string key = config["flightStatusServiceKey"];
        EXPECT_EQ(key.size(), 98u);

        platform::StdMainLoop loop;
        platform::CurlHttp http(loop, platform::HttpOptions{});
        remote::CacheDBCommands commands(
            http,
            {config["soapNamespace"], config["carrierServiceURL"], config["airportServiceURL"]});
        EXPECT_GE(rows(commands.Exchange_List01()).size(), 20u);
        auto answer =
            httplib::Client(config["internationalAirportAPI"].get<std::string>())
                .Get(std::string(kDepartures) + "?ServiceKey=" + key + "&flight_id=KE703");
        auto items = rows(answer ? answer->body : "", "item");
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(col(items[0], "estimatedDateTime") + " " + col(items[0], "remark"), expected);
        EXPECT_EQ(child.finish(SIGTERM), 0);
    }
}

TEST(ServicesProgram, BadOptionsExitWithStatusTwo) {
    for (const char* args : {"--port http", "--port 70000", "--today 2026-12-07",
                             "--now 20261207T0930", "--scenario stormy", "--data", "--verbose"}) {
        const int status = std::system(
            (std::string(TAMBERLINOVE_SERVICES_PROGRAM " ") + args + " >/dev/null 2>&1").c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << args;
    }
}

} // namespace
} // namespace services_test
