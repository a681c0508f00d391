#pragma once
// Start-up shared by both front-ends: command-line options, the data directory, the config,
// and the in-process stand-in services of demo mode.

#include "app/Config.h"
#include "platform/BeaconUuid.h"
#include "platform/Clock.h"
#include "platform/Http.h"
#include "platform/Paths.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace services {
class StandIn;
}

namespace shell {

struct LaunchOptions {
    bool headless = false;
    std::string dataDir;
    std::string configFile;
    bool demo = false;
    std::optional<std::string> virtualTime;
    std::string location = "authorized";
    std::optional<std::string> shortcut;
    std::string screenshot;               ///< Qt app: render to this PNG and exit
    std::vector<std::string> passThrough; ///< arguments left for the toolkit (-platform ...)
};

/// Parses the arguments; returns an error message for unknown or incomplete options.
std::optional<std::string> parseLaunchOptions(const std::vector<std::string>& args,
                                              LaunchOptions& out);

/// Parses the program's arguments; on an error prints it with the usage to standard error
/// and returns false (the program then exits with status 2).
bool parseCommandLine(int argc, char** argv, LaunchOptions& out);

/// A virtual clock at --virtual-time's instant (checked when the options were read), or at the
/// system's time when the option is not given.
std::unique_ptr<platform::VirtualClock> virtualClock(const LaunchOptions& options);

/// Usage text for --help and errors.
const char* usage();

/// What start-up settled: the documents directory, the config, and demo services if any.
class Launch {
public:
    Launch();
    ~Launch();
    /// Prepares the data dir and the config, starting the stand-in services when no config is
    /// given or demo mode is asked for. The services read the app's `clock`, which must
    /// outlive this object, so moving the app's time moves the demo's flights too. Returns
    /// an error message when the app cannot start.
    std::optional<std::string> start(const LaunchOptions& options, const platform::Clock& clock);

    const std::string& documents() const { return documents_; }
    const app::Config& config() const { return config_; }
    bool demo() const { return demo_ != nullptr; }
    /// HTTP time-outs from the config: the total is requestTimeoutSeconds, and connecting may
    /// take no longer than that.
    platform::HttpOptions httpOptions() const;
    /// The data directory and the shipped resources.
    platform::Paths paths() const;
    /// The UUIDs of the demo's luggage tags (the stand-in carrier service's), for the window's
    /// scripted tags; known whether or not the demo services run.
    std::vector<platform::BeaconUuid> demoTagUuids() const;

private:
    std::string documents_;
    app::Config config_;
    std::unique_ptr<services::StandIn> demo_;
    std::vector<platform::BeaconUuid> demoTagUuids_; ///< read at the window's start in demo mode
};

} // namespace shell
