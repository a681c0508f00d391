// Any bytes as a config file: applied or refused, never a crash, never a half-applied config.
#include "app/Config.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    app::Config config;
    const std::string before = config.toJson();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (config.apply(text) && config.toJson() != before)
        std::abort(); // a refused config must leave the previous values untouched
    return 0;
}
