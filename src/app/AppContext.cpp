#include "app/AppContext.h"

#include "app/ViewController.h"
#include "platform/Log.h"
#include "storage/DBClass.h"

namespace app {

AppContext::AppContext(platform::Platform& p, Config c)
    : platform(p), config(std::move(c)),
      refreshFlight([](ViewController& screen) { screen.getRenewData(); }) {}

std::shared_ptr<ui::Screen> AppContext::makeScreen(const std::string& name) {
    auto it = screens.find(name);
    if (it == screens.end()) {
        platform::logLine("screen " + name + " is not available in this build");
        return nullptr;
    }
    return it->second(*this);
}

std::string AppContext::databaseFile() const {
    return storage::DBClass::databasePath(platform.paths.documents);
}

remote::ServiceEndpoints AppContext::serviceEndpoints() const {
    return {config.soapNamespace, config.carrierServiceURL, config.airportServiceURL};
}

} // namespace app
