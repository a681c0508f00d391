// tamberlinove-services: runs the stand-in services until SIGINT or SIGTERM.

#include "services/Dates.h"
#include "services/StandIn.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <pthread.h>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: tamberlinove-services [--host 127.0.0.1] [--port N] [--data FILE] "
    "[--today yyyyMMdd]\n";

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
        if (arg != "--host" && arg != "--port" && arg != "--data" && arg != "--today")
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
