#pragma once
// What the registration screen and the carrier list share about a running scan: how long it
// looks for a carrier, and the refresh button against the searching picture.

#include "ui/Screen.h"

namespace carriers {

/// How long a scan keeps looking for a carrier before one not seen counts as not found. A
/// tag in range is heard within a few seconds; the demo's tags reach the belt 8 to 16
/// seconds after a search for them starts, and the list's scan is such a search.
inline constexpr double kLookingSeconds = 20;

/// The line under a carrier of the list: near when it was seen in this visit, still looking
/// while the scan is in its first kLookingSeconds, not found otherwise.
[[nodiscard]] const char* carrierSeenText(bool seen, bool looking);

/// While scanning the searching picture shows; otherwise the refresh button does.
void showScanning(ui::Button& refresh, ui::ImageView& searching, bool scanning);

} // namespace carriers
