// Arbitrary bytes through the row parser: no crash, every row holds the preset keys, and
// there are no more rows than row start tags.

#include "remote/XmlDataSetParser2.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const char* const kRowNames[] = {"Table1", "item", "a", "soap:Body"};
    const std::string rowName = kRowNames[data[0] % 4];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    remote::XmlDataSetParser2 parser(rowName);
    parser.parse(bytes);
    std::size_t tags = 0;
    const std::string tag = "<" + rowName;
    for (auto at = bytes.find(tag); at != std::string_view::npos; at = bytes.find(tag, at + 1))
        ++tags;
    if (parser.mXMLDataList().size() > tags)
        std::abort();
    for (const auto& row : parser.mXMLDataList()) {
        for (const auto& [key, value] : remote::XmlDataSetParser2::presetRow())
            if (!row.contains(key))
                std::abort();
        std::size_t n = 0;
        for (const auto& [key, value] : row) {
            if (row.find(key) == std::nullopt)
                std::abort();
            ++n;
        }
        if (n != row.size())
            std::abort();
    }
    return 0;
}
