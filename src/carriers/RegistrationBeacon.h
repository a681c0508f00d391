#pragma once
// One carrier, or one ranged beacon: all values as text.

#include <memory>
#include <string>

namespace carriers {

struct RegistrationBeacon {
    std::string sRegistration_Name;         ///< the user's name; empty when not registered
    std::string sRegistration_Select_Major; ///< decimal text
    std::string sRegistration_Select_Minor; ///< decimal text
    std::string sRegistration_UUID;         ///< canonical upper-case text
    std::string sRegistration_Accuracy;     ///< metres as text (ranged beacons only)
    std::string sRegistration_Rssi;         ///< dBm as text (ranged beacons only)
    std::string sStatus;                    ///< "1" seen in this visit, "0" not (carrier list only)

    /// A ranged beacon (no status).
    static std::shared_ptr<RegistrationBeacon> ranged(std::string name, std::string major,
                                                      std::string minor, std::string uuid,
                                                      std::string accuracy, std::string rssi);
    /// A row of the carrier list (no accuracy, no RSSI).
    static std::shared_ptr<RegistrationBeacon> listed(std::string name, std::string major,
                                                      std::string minor, std::string uuid,
                                                      std::string status);

    /// The same carrier: UUID, major and minor equal as exact text.
    bool sameCarrier(const RegistrationBeacon& other) const {
        return sRegistration_UUID == other.sRegistration_UUID &&
               sRegistration_Select_Major == other.sRegistration_Select_Major &&
               sRegistration_Select_Minor == other.sRegistration_Select_Minor;
    }
};

/// Records are shared between a screen's list and its table cells, not copied.
using BeaconRecord = std::shared_ptr<RegistrationBeacon>;

} // namespace carriers
