// Arbitrary bytes through the three parsers: no crash; every pair value of the two pair
// parsers is part of the character data they gathered; every row of the row parser holds the
// preset keys, and there are no more rows than row start tags.

#include "remote/XmlDataSetParser.h"
#include "remote/XmlDataSetParser1.h"
#include "remote/XmlDataSetParser2.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

template <typename Parser> void checkPairs(const Parser& parser) {
    for (const auto& pair : parser.mXMLDataList())
        if (parser.currentData().find(pair.mValue) == std::string::npos)
            std::abort();
}

void checkRows(std::string_view bytes, const std::string& rowName) {
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    remote::XmlDataSetParser chunks;
    chunks.parse(bytes);
    checkPairs(chunks);
    std::size_t valueBytes = 0;
    for (const auto& pair : chunks.mXMLDataList())
        valueBytes += pair.mValue.size();
    if (valueBytes > chunks.currentData().size() ||
        remote::XmlDataSetParser::characterData(bytes) != chunks.currentData())
        std::abort();

    remote::XmlDataSetParser1 leaves; // one pair per element end
    leaves.parse(bytes);
    checkPairs(leaves);
    if (leaves.currentData().find(leaves.foundString()) == std::string::npos)
        std::abort();

    for (const char* rowName : {"Table1", "item", "a", "soap:Body"})
        checkRows(bytes, rowName);
    return 0;
}
