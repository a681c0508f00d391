#include "widgets/PictureSize.h"

#include <cstdint>
#include <fstream>

namespace widgets {
namespace {

constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

std::uint32_t byteAt(std::string_view b, std::size_t i) {
    return static_cast<unsigned char>(b[i]);
}

std::uint32_t big16(std::string_view b, std::size_t i) {
    return byteAt(b, i) << 8 | byteAt(b, i + 1);
}

std::uint32_t big32(std::string_view b, std::size_t i) {
    return big16(b, i) << 16 | big16(b, i + 2);
}

std::optional<PixelSize> made(std::uint32_t width, std::uint32_t height) {
    // Sizes beyond int are no picture anyone can show.
    if (width == 0 || height == 0 || width > 0x7fffffffu || height > 0x7fffffffu)
        return std::nullopt;
    return PixelSize{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<PixelSize> pngSize(std::string_view b) {
    // Signature, then the IHDR chunk: length, "IHDR", width, height.
    if (b.size() < 24 || b.substr(12, 4) != "IHDR")
        return std::nullopt;
    return made(big32(b, 16), big32(b, 20));
}

bool isFrameHeader(std::uint32_t marker) {
    // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PixelSize> jpegSize(std::string_view b) {
    std::size_t i = 2; // after SOI
    while (i + 4 <= b.size()) {
        if (byteAt(b, i) != 0xFF)
            return std::nullopt;
        const std::uint32_t marker = byteAt(b, i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2; // markers without a segment
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // end of image, or scan data before any frame
            return std::nullopt;
        const std::size_t length = big16(b, i + 2);
        if (length < 2)
            return std::nullopt;
        if (isFrameHeader(marker)) {
            // Length, precision, height, width.
            if (length < 7 || i + 9 > b.size())
                return std::nullopt;
            return made(big16(b, i + 7), big16(b, i + 5));
        }
        i += 2 + length;
    }
    return std::nullopt;
}

} // namespace

std::optional<PixelSize> pictureSize(std::string_view bytes) {
    if (bytes.substr(0, kPngSignature.size()) == kPngSignature)
        return pngSize(bytes);
    if (bytes.size() >= 2 && byteAt(bytes, 0) == 0xFF && byteAt(bytes, 1) == 0xD8)
        return jpegSize(bytes);
    return std::nullopt;
}

std::optional<PixelSize> pictureSizeOfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Headers sit at the start, after at most a few metadata segments (camera pictures carry
    // thumbnails of some tens of kilobytes in theirs).
    std::string head(256 * 1024, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return pictureSize(head);
}

} // namespace widgets
