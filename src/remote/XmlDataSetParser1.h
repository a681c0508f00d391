#pragma once
// Answer parser that makes a name and value pair at each element end.

#include "remote/SaxReader.h"
#include "remote/XMLData.h"

#include <string>
#include <string_view>
#include <vector>

namespace remote {

/// Reads an answer into name and value pairs, one per element end.
///
/// Rules: an element start makes its name the current key and empties foundString;
/// character data is appended to currentData and becomes foundString (all pieces read since
/// the previous element start or end, so a value split around entity references stays
/// whole); an element end adds (current key, foundString) and clears the key, not
/// foundString. So a leaf yields (its name, its text) and a container's end yields ("", the
/// last text seen before it, often the whitespace before its end tag); consumers pick pairs
/// by name.
///
/// One object serves one parse.
class XmlDataSetParser1 : private SaxHandler {
public:
    /// Parses `bytes` (up to the first NUL). A parse error keeps what was gathered.
    void parse(std::string_view bytes);

    /// All character data, in document order.
    [[nodiscard]] const std::string& currentData() const { return currentData_; }
    /// Name of the element last opened, or empty.
    [[nodiscard]] const std::string& mXMLKey() const { return key_; }
    /// The character data read since the previous element start or end.
    [[nodiscard]] const std::string& foundString() const { return found_.text(); }
    /// The pairs made.
    [[nodiscard]] const std::vector<XMLData>& mXMLDataList() const { return list_; }

private:
    void startElement(std::string_view name) override;
    void endElement(std::string_view name) override;
    void characters(std::string_view piece, bool reference) override;

    std::string currentData_;
    std::string key_;
    FoundText found_;
    std::vector<XMLData> list_;
};

} // namespace remote
