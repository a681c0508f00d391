#pragma once
// The automation driver: the whole app core on the simulated platform, driven by JSON
// lines on standard input and reporting JSON lines on standard output.

#include "Core.h"
#include "Launch.h"
#include "platform/Log.h"
#include "platform/SimulatedRadio.h"
#include "platform/TaskQueue.h"
#include "ui/Window.h"

#include <iosfwd>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>

namespace shell {

class HeadlessDriver final : public ui::WindowObserver {
public:
    explicit HeadlessDriver(std::ostream& out);
    ~HeadlessDriver() override;

    /// Starts the app; false (with a message on stderr) when it cannot start.
    bool start(const LaunchOptions& options);
    /// Reads commands from file descriptor `fd` until "quit" or end of input; returns the
    /// exit status.
    int run(int fd);
    /// Handles one command line; returns false after "quit".
    bool handleLine(const std::string& line);

    // WindowObserver
    void presented(ui::Screen& screen, bool animated) override;
    void dismissed(ui::Screen& screen, bool animated) override;
    void alertShown(const ui::Alert& alert) override;

private:
    using json = nlohmann::json;
    void send(const json& event);
    std::optional<std::string> execute(const std::string& cmd, const json& c);
    json dump() const;
    std::optional<std::string> beacon(const json& c);
    void settle();
    void syncRealTime();

    std::ostream& out_;
    std::mutex outMutex_;
    bool virtualTime_ = false;
    /// Forwards each line as an event and keeps none, so a long run does not grow with it.
    /// Declared before every part that writes to it (the HTTP worker, the stand-in services'
    /// threads), so it is destroyed after all of them have stopped.
    platform::CapturedLog log_{0};
    std::unique_ptr<platform::VirtualClock> clock_;
    std::unique_ptr<platform::VirtualMainLoop> loop_;
    platform::LocationAuthorization location_;
    platform::RecordingNotifications notifications_;
    platform::RecordingPush push_;
    platform::RecordingBrowser browser_;
    platform::RecordingVibration vibration_;
    platform::InjectedCamera camera_;
    platform::RecordingScreenSaver screenSaver_;
    platform::SimulatedBluetoothAdapter bluetooth_;
    std::unique_ptr<platform::SimulatedBeaconRadio> radio_;
    Launch launch_;
    std::unique_ptr<Core> core_;
};

/// Runs the automation driver on standard input and output; returns the exit status.
int runHeadless(const LaunchOptions& options);

} // namespace shell
