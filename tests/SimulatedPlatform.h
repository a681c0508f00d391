#pragma once
// The simulated platform the core's tests run on: a virtual clock and loop at a fixed
// instant, real HTTP, recording device services and a captured log.

#include "TempDir.h"
#include "platform/CurlHttp.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/SimulatedRadio.h"
#include "platform/TaskQueue.h"

#include <memory>

namespace testing_support {

struct SimulatedPlatform {
    /// `dataBase` is where the data folder is made (a memory-backed one speeds up fuzzing).
    explicit SimulatedPlatform(
        const char* now = "2026-12-07T09:30:00+09:00",
        const std::filesystem::path& dataBase = std::filesystem::temp_directory_path())
        : data(dataBase) {
        platform::TimePoint t;
        int offset = 0;
        platform::parseIsoInstant(now, t, offset);
        clock = std::make_unique<platform::VirtualClock>(t, offset);
        loop = std::make_unique<platform::VirtualMainLoop>(*clock);
        http = std::make_unique<platform::CurlHttp>(*loop, platform::HttpOptions{});
        radio = std::make_unique<platform::SimulatedBeaconRadio>(*loop, bluetooth);
        platform::setLog(&log);
    }
    ~SimulatedPlatform() { platform::setLog(nullptr); }
    SimulatedPlatform(const SimulatedPlatform&) = delete;
    SimulatedPlatform& operator=(const SimulatedPlatform&) = delete;

    /// The platform bundle over these services, with the data dir and resources given;
    /// `otherHttp` replaces the real HTTP client.
    std::unique_ptr<platform::Platform> makePlatform(const std::string& resources,
                                                     platform::Http* otherHttp = nullptr) {
        return std::make_unique<platform::Platform>(
            platform::Platform{*loop, *clock, otherHttp ? *otherHttp : *http, location,
                               notifications, push, browser, vibration, camera, screenSaver,
                               platform::Paths{data.str(), resources}, bluetooth, *radio});
    }

    TempDir data;
    std::unique_ptr<platform::VirtualClock> clock;
    std::unique_ptr<platform::VirtualMainLoop> loop;
    std::unique_ptr<platform::CurlHttp> http;
    platform::LocationAuthorization location;
    platform::RecordingNotifications notifications;
    platform::RecordingPush push;
    platform::RecordingBrowser browser;
    platform::RecordingVibration vibration;
    platform::InjectedCamera camera;
    platform::RecordingScreenSaver screenSaver;
    platform::SimulatedBluetoothAdapter bluetooth;
    std::unique_ptr<platform::SimulatedBeaconRadio> radio;
    platform::CapturedLog log;
};

} // namespace testing_support
