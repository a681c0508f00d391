// Arbitrary answers through the domestic-airports feed's handler: every row about the tracked
// flight yields a well-formed update or none.

#include "FuzzFlights.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto tracked = fuzz_flights::trackedFor(data[0]);
    for (const auto& row : flights::domesticRows(fuzz_flights::answerText(data + 1, size - 1))) {
        if (!flights::isTrackedRow(row, tracked))
            continue;
        if (auto u = flights::domesticRowUpdate(row, tracked, "20261207"))
            fuzz_flights::check(*u, tracked);
    }
    return 0;
}
