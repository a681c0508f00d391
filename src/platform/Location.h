#pragma once
// Location-service state as the main screen sees it.

#include <optional>
#include <string_view>

namespace platform {

/// Authorisation statuses as the phone platform numbers them.
enum class LocationStatus {
    NotDetermined = 0,
    Restricted = 1,
    Denied = 2,
    Always = 3,
    WhenInUse = 4
};

class LocationAuthorization {
public:
    /// Restricted: the user may not change the permission (parental controls); the
    /// platform reports it as its own status.
    enum class State { Authorized, Denied, Undetermined, Off, Restricted };

    explicit LocationAuthorization(State s = State::Authorized) : state_(s) {}
    bool servicesEnabled() const { return state_ != State::Off; }
    LocationStatus status() const;
    State state() const { return state_; }
    void setState(State s) { state_ = s; }

    /// "authorized", "denied", "undetermined" or "off".
    static std::optional<State> parse(std::string_view text);

private:
    State state_;
};

} // namespace platform
