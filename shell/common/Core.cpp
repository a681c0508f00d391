#include "Core.h"

#include "flights/UIAirportSchedule.h"
#include "tools/Install.h"

namespace shell {

void installFeatures(app::AppContext& context) {
    app::install(context);
    flights::registerFlightScreens(context);
    tools::install(context);
}

Core::Core(const Launch& launch, const Devices& d)
    : http_(d.loop, launch.httpOptions()), platform_{d.loop,        d.clock,         http_,
                                                     d.location,    d.notifications, d.push,
                                                     d.browser,     d.vibration,     d.camera,
                                                     d.screenSaver, launch.paths(),  d.bluetooth,
                                                     d.radio},
      context_(platform_, launch.config()), delegate_(context_) {
    installFeatures(context_);
}

Core::~Core() {
    context_.window.close();
}

void Core::launch(const std::optional<std::string>& shortcut) {
    delegate_.didFinishLaunching(shortcut);
}

} // namespace shell
