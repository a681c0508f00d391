#include "platform/Location.h"

namespace platform {

LocationStatus LocationAuthorization::status() const {
    switch (state_) {
    case State::Authorized:
        return LocationStatus::Always;
    case State::Denied:
        return LocationStatus::Denied;
    case State::Restricted:
        return LocationStatus::Restricted;
    case State::Undetermined:
    case State::Off:
        break;
    }
    return LocationStatus::NotDetermined;
}

std::optional<LocationAuthorization::State> LocationAuthorization::parse(std::string_view t) {
    if (t == "authorized")
        return State::Authorized;
    if (t == "denied")
        return State::Denied;
    if (t == "undetermined")
        return State::Undetermined;
    if (t == "off")
        return State::Off;
    return std::nullopt;
}

} // namespace platform
