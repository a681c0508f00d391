#pragma once
// The app core both front-ends run: the HTTP client, the platform bundle, the context with
// every feature installed, and the delegate, made in one declared order and torn down in the
// reverse, screens first.

#include "Launch.h"
#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "platform/CurlHttp.h"
#include "platform/Platform.h"

#include <optional>
#include <string>

namespace shell {

/// What a front-end brings: its loop and clock, and the devices it has.
struct Devices {
    platform::MainLoop& loop;
    platform::Clock& clock;
    platform::LocationAuthorization& location;
    platform::Notifications& notifications;
    platform::PushRegistration& push;
    platform::Browser& browser;
    platform::Vibration& vibration;
    platform::Camera& camera;
    platform::ScreenSaver& screenSaver;
    platform::BluetoothAdapter& bluetooth;
    platform::BeaconRadio& radio;
};

/// The one place every feature plugs into the context: its screens, start-up work and hooks.
void installFeatures(app::AppContext& context);

class Core {
public:
    /// The core on a settled launch, with every feature installed; nothing runs until
    /// `launch`, so a front-end can watch the window first.
    Core(const Launch& launch, const Devices& devices);
    /// The window's screens go while the delegate they hold still lives.
    ~Core();
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    /// The app finishes launching: the shortcut it was started with, then the main screen.
    void launch(const std::optional<std::string>& shortcut);

    platform::Platform& platform() { return platform_; }
    app::AppContext& context() { return context_; }
    app::AppDelegate& delegate() { return delegate_; }

private:
    platform::CurlHttp http_;
    platform::Platform platform_;
    app::AppContext context_;
    app::AppDelegate delegate_;
};

} // namespace shell
