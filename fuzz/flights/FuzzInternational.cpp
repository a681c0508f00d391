// Arbitrary answers through the handlers that read name and value pairs: the international
// airport feed, the maker's flight table and its classification.

#include "FuzzFlights.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto tracked = fuzz_flights::trackedFor(data[0]);
    const auto text = fuzz_flights::answerText(data + 1, size - 1);
    if (auto u = flights::internationalUpdate(text, tracked, "20261207"))
        fuzz_flights::check(*u, tracked);
    if (auto u = flights::makerTableUpdate(text, tracked))
        fuzz_flights::check(*u, tracked);
    if (auto flag = flights::classificationFlag(text))
        if (!flights::isValidUtf8(*flag))
            std::abort();
    return 0;
}
