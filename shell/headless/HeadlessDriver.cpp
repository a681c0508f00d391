#include "HeadlessDriver.h"

#include "ui/Input.h"
#include "ui/Screen.h"

#include <cerrno>
#include <fstream>
#include <iostream>
#include <iterator>
#include <poll.h>
#include <unistd.h>

namespace shell {
namespace {

using json = nlohmann::json;

json screenJson(const ui::Screen& s) {
    json outlets = json::object();
    for (const auto& [name, o] : s.outlets())
        outlets[name] = o->toJson();
    json children = json::array();
    for (const auto& c : s.children())
        children.push_back(screenJson(*c));
    return {{"name", s.name()}, {"outlets", std::move(outlets)}, {"children", std::move(children)}};
}

json alertJson(const ui::Alert& a) {
    json buttons = json::array();
    for (const auto& b : a.buttons)
        buttons.push_back(b.title);
    return {{"title", a.title}, {"message", a.message}, {"buttons", std::move(buttons)}};
}

std::string str(const json& c, const char* key) {
    auto it = c.find(key);
    return it != c.end() && it->is_string() ? it->get<std::string>() : std::string();
}

} // namespace

HeadlessDriver::HeadlessDriver(std::ostream& out) : out_(out) {}

HeadlessDriver::~HeadlessDriver() {
    if (core_)
        core_->context().window.removeObserver(this);
    platform::setLog(nullptr);
}

void HeadlessDriver::send(const json& event) {
    // "event" leads every line, so a person at a terminal sees what each line is.
    std::string line;
    auto name = event.find("event");
    if (name != event.end()) {
        json rest = event;
        rest.erase("event");
        line = "{\"event\":" + name->dump();
        if (!rest.empty())
            line += "," + rest.dump(-1, ' ', false, json::error_handler_t::replace).substr(1);
        else
            line += "}";
    } else {
        line = event.dump(-1, ' ', false, json::error_handler_t::replace);
    }
    std::lock_guard lock(outMutex_);
    out_ << line << '\n';
    out_.flush();
}

bool HeadlessDriver::start(const LaunchOptions& options) {
    virtualTime_ = options.virtualTime.has_value();
    clock_ = virtualClock(options);
    loop_ = std::make_unique<platform::VirtualMainLoop>(*clock_);
    location_.setState(platform::LocationAuthorization::parse(options.location)
                           .value_or(platform::LocationAuthorization::State::Authorized));

    log_.onLine = [this](const std::string& line) { send({{"event", "log"}, {"text", line}}); };
    platform::setLog(&log_);

    if (auto error = launch_.start(options, *clock_)) {
        std::cerr << "tamberlinove: " << *error << '\n';
        return false;
    }

    radio_ = std::make_unique<platform::SimulatedBeaconRadio>(*loop_, bluetooth_);

    notifications_.onSchedule = [this](const platform::LocalNotification& n) {
        send({{"event", "notification"},
              {"body", n.body},
              {"action", n.action},
              {"badge", n.badge},
              {"fireIn", n.fireInSeconds}});
        // It fires unless cancelled first; in front the app does not present it.
        const int generation = notifications_.cancelCount;
        loop_->postDelayed(platform::seconds(n.fireInSeconds), [this, n, generation] {
            // Shown in the background, it sets the app's badge as a phone's would.
            if (notifications_.cancelCount == generation && core_ &&
                core_->delegate().notificationFired(n) && n.badge > 0)
                notifications_.setBadge(n.badge);
        });
    };
    // Shown at once (a flight change): reported when the app presents it, in the background.
    notifications_.onPresent = [this](const platform::LocalNotification& n) {
        if (core_ && core_->delegate().notificationFired(n))
            send({{"event", "notification"},
                  {"body", n.body},
                  {"action", n.action},
                  {"badge", n.badge},
                  {"fireIn", 0}});
    };
    notifications_.onCancelAll = [this] { send({{"event", "notifications-cancelled"}}); };
    notifications_.onBadge = [this](int v) { send({{"event", "badge"}, {"value", v}}); };
    browser_.onOpen = [this](const std::string& url) {
        send({{"event", "open-url"}, {"url", url}});
    };
    vibration_.onVibrate = [this] { send({{"event", "vibrate"}}); };

    core_ = std::make_unique<Core>(launch_, Devices{*loop_, *clock_, location_, notifications_,
                                                    push_, browser_, vibration_, camera_,
                                                    screenSaver_, bluetooth_, *radio_});
    core_->context().window.addObserver(this);
    core_->launch(options.shortcut);
    settle();
    send({{"event", "ready"}});
    return true;
}

void HeadlessDriver::syncRealTime() {
    if (virtualTime_)
        return;
    platform::SystemClock system;
    const auto now = system.now();
    // Real time passed while the driver waited (or the machine slept): what fell due runs
    // once, with the clock reading the real time.
    if (now > clock_->now())
        loop_->jump(std::chrono::duration_cast<platform::Duration>(now - clock_->now()));
}

void HeadlessDriver::settle() {
    syncRealTime();
    loop_->runUntilIdle();
    core_->context().window.releaseRetired();
}

int HeadlessDriver::run(int fd) {
    std::string buffer;
    char chunk[4096];
    for (;;) {
        for (std::size_t nl; (nl = buffer.find('\n')) != std::string::npos;) {
            std::string line = buffer.substr(0, nl);
            buffer.erase(0, nl + 1);
            if (!handleLine(line))
                return 0;
        }
        int timeout = -1;
        if (!virtualTime_) {
            // Real time: wake for the next timer while waiting for input.
            if (auto due = loop_->nextDueIn())
                timeout = static_cast<int>(std::min<long long>(due->count() + 1, 60'000));
            if (loop_->externalWorkPending())
                timeout = 50;
        }
        pollfd p{fd, POLLIN, 0};
        int ready = ::poll(&p, 1, timeout);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            settle();
            continue;
        }
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (!buffer.empty())
                handleLine(buffer);
            return 0;
        }
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

bool HeadlessDriver::handleLine(const std::string& line) {
    if (line.find_first_not_of(" \t\r") == std::string::npos)
        return true;
    json c = json::parse(line, nullptr, false);
    if (c.is_discarded() || !c.is_object() || !c.contains("cmd") || !c["cmd"].is_string()) {
        send({{"event", "error"}, {"cmd", nullptr}, {"message", "not a command object: " + line}});
        return true;
    }
    const std::string cmd = c["cmd"].get<std::string>();
    settle();
    std::optional<std::string> error;
    try {
        error = execute(cmd, c);
    } catch (const std::exception& e) {
        error = std::string("command failed: ") + e.what();
    }
    if (cmd == "quit" && !error) {
        send({{"event", "done"}, {"cmd", cmd}});
        return false;
    }
    settle();
    if (error)
        send({{"event", "error"}, {"cmd", cmd}, {"message", *error}});
    else
        send({{"event", "done"}, {"cmd", cmd}});
    return true;
}

HeadlessDriver::json HeadlessDriver::dump() const {
    json screens = json::array();
    for (ui::Screen* s : core_->context().window.stack())
        screens.push_back(screenJson(*s));
    json alerts = json::array();
    for (const auto& a : core_->context().window.alerts())
        alerts.push_back(alertJson(a));
    return {{"event", "dump"}, {"screens", std::move(screens)}, {"alerts", std::move(alerts)}};
}

std::optional<std::string> HeadlessDriver::execute(const std::string& cmd, const json& c) {
    if (cmd == "dump") {
        send(dump());
        return std::nullopt;
    }
    // What a person does to the window goes where the window's own touches go; zooming is
    // the window's gesture, not one of the driver's commands.
    if (cmd != "zoom")
        if (auto command = ui::parseCommand(c))
            return ui::perform(core_->context().window, *command);
    if (cmd == "advance") {
        if (!virtualTime_)
            return "advance needs --virtual-time";
        auto it = c.find("seconds");
        if (it == c.end() || !it->is_number() || it->get<double>() < 0)
            return "advance needs a number of seconds";
        loop_->advance(platform::seconds(it->get<double>()));
        return std::nullopt;
    }
    if (cmd == "beacon")
        return beacon(c);
    if (cmd == "bluetooth") {
        auto on = c.find("on");
        if (on == c.end() || !on->is_boolean())
            return "bluetooth needs \"on\": true or false";
        bluetooth_.setState(on->get<bool>() ? platform::AdapterState::PoweredOn
                                            : platform::AdapterState::PoweredOff);
        return std::nullopt;
    }
    if (cmd == "camera") {
        camera_.present = c.value("available", false);
        camera_.picture.reset();
        // "file": the picture file a file dialog chooses ("" cancels it); without it no
        // dialog is offered.
        camera_.fileDialog = c.contains("file");
        camera_.chosenFile = str(c, "file");
        if (const std::string path = str(c, "image"); !path.empty()) {
            std::ifstream in(path, std::ios::binary);
            if (!in)
                return "cannot read image " + path;
            camera_.picture.emplace(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
        }
        return std::nullopt;
    }
    if (cmd == "background") {
        core_->delegate().enterBackground();
        return std::nullopt;
    }
    if (cmd == "foreground") {
        core_->delegate().enterForeground();
        return std::nullopt;
    }
    if (cmd == "shortcut") {
        const std::string type = str(c, "type");
        if (!core_->delegate().performActionForShortcutItem(type))
            return "the screen for shortcut " + type + " is not available in this build";
        return std::nullopt;
    }
    if (cmd == "quit")
        return std::nullopt;
    return "unknown command " + cmd;
}

std::optional<std::string> HeadlessDriver::beacon(const json& c) {
    const auto uuid = platform::parseBeaconUuid(str(c, "uuid"));
    if (!uuid)
        return "beacon needs \"uuid\" written as 8-4-4-4-12 hexadecimal digits";
    auto number = [&](const char* key, int low, int high, std::optional<int> fallback,
                      int& into) -> std::optional<std::string> {
        auto it = c.find(key);
        if (it == c.end() && fallback) {
            into = *fallback;
            return std::nullopt;
        }
        if (it == c.end() || !it->is_number_integer() || it->get<long long>() < low ||
            it->get<long long>() > high)
            return "beacon needs \"" + std::string(key) + "\" as a whole number from " +
                   std::to_string(low) + " to " + std::to_string(high);
        into = static_cast<int>(it->get<long long>());
        return std::nullopt;
    };
    platform::SimulatedTag tag;
    tag.uuid = *uuid;
    int major = 0, minor = 0;
    if (auto e = number("major", 0, 65535, std::nullopt, major))
        return e;
    if (auto e = number("minor", 0, 65535, std::nullopt, minor))
        return e;
    tag.major = static_cast<std::uint16_t>(major);
    tag.minor = static_cast<std::uint16_t>(minor);
    if (c.value("gone", false)) {
        radio_->removeTag(tag.uuid, tag.major, tag.minor);
        return std::nullopt;
    }
    // RSSI 0 and power 0 mean "not known", as a radio reports them.
    if (auto e = number("rssi", -127, 0, -60, tag.rssi))
        return e;
    if (auto e = number("power", -127, 0, 0, tag.measuredPower))
        return e;
    radio_->setTag(tag);
    return std::nullopt;
}

int runHeadless(const LaunchOptions& options) {
    if (!options.passThrough.empty()) {
        std::cerr << "tamberlinove: unknown option " << options.passThrough.front() << '\n'
                  << usage();
        return 2;
    }
    HeadlessDriver driver(std::cout);
    if (!driver.start(options))
        return 1;
    return driver.run(STDIN_FILENO);
}

void HeadlessDriver::presented(ui::Screen& screen, bool animated) {
    send({{"event", "present"}, {"screen", screen.name()}, {"animated", animated}});
}

void HeadlessDriver::dismissed(ui::Screen& screen, bool animated) {
    send({{"event", "dismiss"}, {"screen", screen.name()}, {"animated", animated}});
}

void HeadlessDriver::alertShown(const ui::Alert& alert) {
    json e = alertJson(alert);
    e["event"] = "alert";
    send(e);
}

} // namespace shell
