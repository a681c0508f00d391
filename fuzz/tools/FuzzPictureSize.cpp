// Arbitrary bytes as a picture header: no read past the end, and any size found is positive.

#include "widgets/PictureSize.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto found = widgets::pictureSize({reinterpret_cast<const char*>(data), size});
    if (found && (found->width <= 0 || found->height <= 0))
        std::abort();
    return 0;
}
