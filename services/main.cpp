// tamberlinove-services: runs the stand-in services until SIGINT or SIGTERM.

#include "services/Dates.h"
#include "services/Scenario.h"
#include "services/StandIn.h"

#include "platform/Clock.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <pthread.h>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: tamberlinove-services [--host 127.0.0.1] [--port N] [--data FILE]\n"
    "                             [--today yyyyMMdd | --now 2026-12-07T09:30:00+09:00]\n"
    "                             [--scenario demo|ontime]\n"
    "  --today     serve as if today were that date (the time of day runs on)\n"
    "  --now       hold the clock at that instant; its offset is the boards' time zone\n"
    "  --scenario  demo: delays, changes and disruptions (default); ontime: none\n";

int usageError(const std::string& message) {
    std::cerr << "tamberlinove-services: " << message << "\n" << kUsage;
    return 2;
}

bool parsePort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(text);
    return port <= 65535;
}

} // namespace

int main(int argc, char** argv) {
    services::Options options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg != "--host" && arg != "--port" && arg != "--data" && arg != "--today" &&
            arg != "--now" && arg != "--scenario")
            return usageError("unknown option " + std::string(arg));
        if (i + 1 >= argc)
            return usageError(std::string(arg) + " needs a value");
        std::string value = argv[++i];
        if (arg == "--host") {
            options.host = value;
        } else if (arg == "--port") {
            if (!parsePort(value, options.port))
                return usageError("bad port " + value);
        } else if (arg == "--data") {
            options.dataFile = value;
        } else if (arg == "--now") {
            platform::TimePoint at;
            int offset = 0;
            if (!platform::parseIsoInstant(value, at, offset))
                return usageError("bad instant " + value + " (expected 2026-12-07T09:30:00+09:00)");
            options.clock = [at, offset] { return services::ClockReading{at, offset}; };
        } else if (arg == "--scenario") {
            if (!services::scenarioNamed(value))
                return usageError("unknown scenario " + value);
            options.scenario = value;
        } else {
            if (!services::Date::parse(value))
                return usageError("bad date " + value + " (expected yyyyMMdd)");
            options.today = value;
        }
    }
    if (options.host.empty())
        return usageError("empty host");

    // Block the stop signals before any thread starts, so that only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    // A client closing early must not end the process.
    std::signal(SIGPIPE, SIG_IGN);

    services::StandIn standIn(options);
    if (!standIn.start())
        return 1;
    std::cout << R"({"event":"listening","config":)" << standIn.clientConfigJson() << "}"
              << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    standIn.stop();
    return 0;
}
