#include "carriers/RegistrationBeacon.h"

namespace carriers {

std::shared_ptr<RegistrationBeacon> RegistrationBeacon::ranged(std::string name, std::string major,
                                                               std::string minor, std::string uuid,
                                                               std::string accuracy,
                                                               std::string rssi) {
    auto b = std::make_shared<RegistrationBeacon>();
    b->sRegistration_Name = std::move(name);
    b->sRegistration_Select_Major = std::move(major);
    b->sRegistration_Select_Minor = std::move(minor);
    b->sRegistration_UUID = std::move(uuid);
    b->sRegistration_Accuracy = std::move(accuracy);
    b->sRegistration_Rssi = std::move(rssi);
    return b;
}

std::shared_ptr<RegistrationBeacon> RegistrationBeacon::listed(std::string name, std::string major,
                                                               std::string minor, std::string uuid,
                                                               std::string status) {
    auto b = std::make_shared<RegistrationBeacon>();
    b->sRegistration_Name = std::move(name);
    b->sRegistration_Select_Major = std::move(major);
    b->sRegistration_Select_Minor = std::move(minor);
    b->sRegistration_UUID = std::move(uuid);
    b->sStatus = std::move(status);
    return b;
}

} // namespace carriers
