#include "app/AppContext.h"

#include "app/ViewController.h"
#include "carriers/UICarrierList.h"
#include "carriers/UIRegistration_Help.h"
#include "platform/Log.h"
#include "storage/DBClass.h"

namespace app {

AppContext::AppContext(platform::Platform& p, Config c) : platform(p), config(std::move(c)) {}

void install(AppContext& context) {
    context.refreshFlight = [](ViewController& screen) { screen.getRenewData(); };
    context.screens["UIRegistration_Help"] = [](AppContext& app) {
        return std::make_shared<carriers::UIRegistration_Help>(app.carrierContext());
    };
    context.screens["UICarrierList"] = [](AppContext& app) {
        return std::make_shared<carriers::UICarrierList>(app.carrierContext());
    };
}

std::shared_ptr<ui::Screen> AppContext::makeScreen(const std::string& name) {
    auto it = screens.find(name);
    if (it == screens.end()) {
        platform::logLine("screen " + name + " is not available in this build");
        return nullptr;
    }
    return it->second(*this);
}

AppContext::~AppContext() {
    setIdleTimerDisabled(false);
}

void AppContext::setIdleTimerDisabled(bool disabled) {
    if (disabled == idleTimerDisabled_)
        return;
    idleTimerDisabled_ = disabled;
    platform.screenSaver.setInhibited(disabled);
}

void AppContext::openUrl(const std::string& url, const char* failedMessage, std::string shown) {
    if (shown.empty())
        shown = url;
    platform.browser.openUrl(url, lifetime_.guard([this, url, failedMessage, shown](bool opened) {
        if (opened)
            return;
        platform::logLine("the desktop could not open " + url);
        window.showAlert(ui::Alert::simple(kUrlFailedTitle,
                                           std::string(failedMessage) + "\n\n" + shown, "확인"));
    }));
}

std::string AppContext::databaseFile() const {
    return storage::DBClass::databasePath(platform.paths.documents);
}

remote::ServiceEndpoints AppContext::serviceEndpoints() const {
    return {config.soapNamespace, config.carrierServiceURL, config.airportServiceURL};
}

carriers::CarrierContext AppContext::carrierContext() const {
    return {platform, serviceEndpoints(), databaseFile(), screenWidth, screenHeight};
}

} // namespace app
