#include "Launch.h"

#include "platform/Log.h"
#include "platform/Paths.h"
#include "services/StandIn.h"

#include <algorithm>
#include <iostream>

namespace shell {

const char* usage() {
    return "usage: tamberlinove [--headless] [--data-dir DIR] [--config FILE] [--demo]\n"
           "                    [--virtual-time 2026-12-07T09:30:00+09:00]\n"
           "                    [--location authorized|denied|undetermined|off]\n"
           "                    [--shortcut TYPE] [--screenshot FILE.png]\n";
}

std::optional<std::string> parseLaunchOptions(const std::vector<std::string>& args,
                                              LaunchOptions& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) -> bool {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        std::string v;
        if (a == "--headless") {
            out.headless = true;
        } else if (a == "--demo") {
            out.demo = true;
        } else if (a == "--data-dir") {
            if (!value(out.dataDir))
                return "--data-dir needs a directory";
        } else if (a == "--config") {
            if (!value(out.configFile))
                return "--config needs a file";
        } else if (a == "--virtual-time") {
            if (!value(v))
                return "--virtual-time needs an instant such as 2026-12-07T09:30:00+09:00";
            platform::TimePoint at;
            int offset;
            if (!platform::parseIsoInstant(v, at, offset))
                return "--virtual-time: cannot read '" + v + "'";
            out.virtualTime = v;
        } else if (a == "--location") {
            if (!value(out.location))
                return "--location needs authorized, denied, undetermined or off";
            if (out.location != "authorized" && out.location != "denied" &&
                out.location != "undetermined" && out.location != "off")
                return "--location: unknown state '" + out.location + "'";
        } else if (a == "--shortcut") {
            if (!value(v))
                return "--shortcut needs a type";
            out.shortcut = v;
        } else if (a == "--screenshot") {
            if (!value(out.screenshot))
                return "--screenshot needs a file";
        } else {
            out.passThrough.push_back(a);
        }
    }
    return std::nullopt;
}

platform::HttpOptions Launch::httpOptions() const {
    platform::HttpOptions o;
    o.totalTimeout =
        std::chrono::milliseconds(static_cast<long long>(config_.requestTimeoutSeconds * 1000));
    o.connectTimeout = std::min(o.connectTimeout, o.totalTimeout);
    return o;
}

platform::Paths Launch::paths() const {
    return platform::Paths{documents_, platform::Paths::defaultResources()};
}

namespace {

std::vector<platform::BeaconUuid> readDemoTagUuids() {
    std::vector<platform::BeaconUuid> uuids;
    for (const std::string& text : services::StandIn::demoTagUuids())
        if (auto uuid = platform::parseBeaconUuid(text))
            uuids.push_back(*uuid);
    return uuids;
}

} // namespace

std::vector<platform::BeaconUuid> Launch::demoTagUuids() const {
    return demoTagUuids_.empty() ? readDemoTagUuids() : demoTagUuids_;
}

std::unique_ptr<platform::VirtualClock> virtualClock(const LaunchOptions& options) {
    platform::TimePoint start{};
    int offset = 0;
    if (!options.virtualTime || !platform::parseIsoInstant(*options.virtualTime, start, offset)) {
        platform::SystemClock system;
        start = system.now();
        offset = system.utcOffsetSeconds(start);
    }
    return std::make_unique<platform::VirtualClock>(start, offset);
}

bool parseCommandLine(int argc, char** argv, LaunchOptions& out) {
    if (auto error = parseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc), out)) {
        std::cerr << "tamberlinove: " << *error << '\n' << usage();
        return false;
    }
    return true;
}

Launch::Launch() = default;
Launch::~Launch() = default;

std::optional<std::string> Launch::start(const LaunchOptions& options,
                                         const platform::Clock& clock) {
    documents_ = options.dataDir.empty() ? platform::Paths::defaultDocuments() : options.dataDir;
    if (!platform::Paths::ensureDirectory(documents_))
        return "cannot create the data directory " + documents_;

    if (!options.configFile.empty()) {
        if (auto error = config_.load(options.configFile))
            return *error;
    }
    if (options.configFile.empty() || options.demo) {
        services::Options o;
        o.clock = [&clock] {
            platform::TimePoint at = clock.now();
            return services::ClockReading{at, clock.utcOffsetSeconds(at)};
        };
        demo_ = std::make_unique<services::StandIn>(o);
        if (!demo_->start()) {
            demo_.reset();
            platform::logLine("demo services could not start; using the configured hosts");
        } else {
            if (auto error = config_.apply(demo_->clientConfigJson()))
                platform::logLine("demo services: " + *error);
            // Read here for the window, whose start-up waits for nothing meanwhile; the
            // driver places its own tags.
            if (!options.headless)
                demoTagUuids_ = readDemoTagUuids();
        }
    }
    return std::nullopt;
}

} // namespace shell
