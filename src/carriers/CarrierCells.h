#pragma once
// The rows of the registration list and of the carrier list.

#include "carriers/CarrierRegDelegate.h"
#include "ui/Outlets.h"

#include <memory>
#include <string>
#include <string_view>

namespace carriers {

/// Labels of narrow screens (320 points wide or less) use this system font size.
inline constexpr double kNarrowFontSize = 11;
inline constexpr double kNarrowWidth = 320;

/// How far a found tag is, for its row: "약 1.4m" below ten metres, "약 12m" from there,
/// "거리 모름" when the distance is not known.
std::string distanceText(std::string_view accuracy);

/// A tag found near the phone, with its register button.
struct CustomCell_CarrierRegTableViewCell {
    /// Fills `cell` for `beacon` at `row` on a screen `width` points wide; the register
    /// button sends getRegistrationBeaconTable to `delegate`, disabled once registered.
    static void setRegistrationBeacon(ui::Cell& cell, const BeaconRecord& beacon, int row,
                                      double width, std::weak_ptr<CarrierRegDelegate> delegate);
};

/// A registered carrier with its seen status, rename and delete buttons.
struct UICarrierListCell {
    static void setRegistrationBeacon(ui::Cell& cell, const BeaconRecord& beacon, int row,
                                      double width, std::weak_ptr<CarrierRegDelegate> delegate);
};

} // namespace carriers
