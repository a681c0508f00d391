#pragma once
// The bundle of platform services handed to the app's objects at construction.

#include "platform/BeaconRadio.h"
#include "platform/Bluetooth.h"
#include "platform/Clock.h"
#include "platform/Device.h"
#include "platform/Http.h"
#include "platform/Location.h"
#include "platform/MainLoop.h"
#include "platform/Paths.h"

namespace platform {

struct Platform {
    MainLoop& loop;
    Clock& clock;
    Http& http;
    LocationAuthorization& location;
    Notifications& notifications;
    PushRegistration& push;
    Browser& browser;
    Vibration& vibration;
    Camera& camera;
    ScreenSaver& screenSaver;
    Paths paths;
    BluetoothAdapter& bluetooth;
    BeaconRadio& beacons;
};

} // namespace platform
