#include "carriers/ScanParts.h"

#include "carriers/CarrierTexts.h"

namespace carriers {

const char* carrierSeenText(bool seen, bool looking) {
    if (seen)
        return kNearText;
    return looking ? kLookingText : kNotFoundText;
}

void showScanning(ui::Button& refresh, ui::ImageView& searching, bool scanning) {
    refresh.setHidden(scanning);
    searching.setHidden(!scanning);
}

} // namespace carriers
