#pragma once
// What the carrier screens and the scanner need of the app: the platform, the carrier
// service, the database file and the size of the phone screen.

#include "platform/Platform.h"
#include "remote/CacheDBCommands.h"

#include <string>

namespace carriers {

struct CarrierContext {
    platform::Platform& platform;
    remote::ServiceEndpoints endpoints;
    std::string databaseFile;
    double screenWidth = 375;
    double screenHeight = 667;

    /// A catalogue for one remote call.
    remote::CacheDBCommands commands() const { return {platform.http, endpoints}; }
};

} // namespace carriers
