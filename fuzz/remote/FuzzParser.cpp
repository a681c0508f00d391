// Arbitrary bytes through the per-chunk pair parser: no crash, and every pair value is
// part of the gathered character data.

#include "remote/XmlDataSetParser.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    remote::XmlDataSetParser parser;
    parser.parse(bytes);
    std::size_t valueBytes = 0;
    for (const auto& pair : parser.mXMLDataList()) {
        if (parser.currentData().find(pair.mValue) == std::string::npos)
            std::abort();
        valueBytes += pair.mValue.size();
    }
    if (valueBytes > parser.currentData().size())
        std::abort();
    if (remote::XmlDataSetParser::characterData(bytes) != parser.currentData())
        std::abort();
    return 0;
}
