// Arbitrary text where the carrier screens read numbers: a stored major or minor and a
// ranged beacon's distance. No crash, and the texts made stay in their shapes.

#include "carriers/CarrierCells.h"
#include "carriers/ScannerRules.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::uint16_t low = carriers::lowSixteenBits(text);
    // A plain decimal number below 65536 keeps its value.
    if (!text.empty() && text.size() <= 5 &&
        text.find_first_not_of("0123456789") == std::string::npos && std::stol(text) < 65536 &&
        low != std::stol(text))
        std::abort();
    const std::string distance = carriers::distanceText(text);
    if (distance != "거리 모름" && (distance.rfind("약 ", 0) != 0 || distance.back() != 'm'))
        std::abort();
    return 0;
}
