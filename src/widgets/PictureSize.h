#pragma once
// The pixel size of a JPEG or PNG picture, read from its header.

#include <optional>
#include <string>
#include <string_view>

namespace widgets {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

/// The size a JPEG (from its first frame header) or PNG (from its IHDR chunk) declares;
/// nothing for any other bytes or a header that ends early or declares no pixels.
[[nodiscard]] std::optional<PixelSize> pictureSize(std::string_view bytes);

/// The size of the picture in the file at `path`, reading only as far as its header.
[[nodiscard]] std::optional<PixelSize> pictureSizeOfFile(const std::string& path);

} // namespace widgets
