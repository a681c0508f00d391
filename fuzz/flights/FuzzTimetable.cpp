// Arbitrary answers through the timetable feed's JSON handler: an error and an update never
// come together, and an update is well-formed.

#include "FuzzFlights.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto tracked = fuzz_flights::trackedFor(data[0]);
    const auto outcome =
        flights::timetableUpdate(fuzz_flights::answerText(data + 1, size - 1), tracked);
    if (outcome.error && (outcome.update || outcome.statusUnknown))
        std::abort();
    if (outcome.update)
        fuzz_flights::check(*outcome.update, tracked);
    return 0;
}
