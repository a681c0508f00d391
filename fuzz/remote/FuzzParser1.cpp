// Arbitrary bytes through the element-end pair parser: no crash, one pair per element end,
// and every value is part of the gathered character data.

#include "remote/XmlDataSetParser1.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    remote::XmlDataSetParser1 parser;
    parser.parse(bytes);
    for (const auto& pair : parser.mXMLDataList())
        if (parser.currentData().find(pair.mValue) == std::string::npos)
            std::abort();
    if (parser.currentData().find(parser.foundString()) == std::string::npos)
        std::abort();
    return 0;
}
