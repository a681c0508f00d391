// Any bytes as an Environment.plist working copy: reading it and recording the help flag in
// it must never crash, and a recorded copy must read back with the flag set.

#include "app/Environment.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto entries = app::readStringDictionary(bytes);
    const auto recorded = app::withHelpRecorded(bytes);
    if (entries.has_value() != recorded.has_value())
        std::abort();
    if (recorded) {
        const auto again = app::readStringDictionary(*recorded);
        if (!again || again->count("Help") == 0 || again->at("Help") != "1")
            std::abort();
    }
    return 0;
}
