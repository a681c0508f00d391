#pragma once
// Answer parser that makes a name and value pair at each chunk of character data.

#include "remote/SaxReader.h"
#include "remote/XMLData.h"

#include <string>
#include <string_view>
#include <vector>

namespace remote {

/// Reads an answer into name and value pairs, one per chunk of character data, and
/// gathers all character data (the envelope pass reads that text as the answer).
///
/// A chunk is one run of text, or the replacement of one entity or character reference.
/// Rules: an element start makes its name the current key. A chunk is appended to
/// currentData; a chunk starting with a line feed adds (current key, "") when there is a
/// current key and keeps the key; any other chunk adds (current key, chunk) and clears the
/// key. So a value split around an entity reference gives one pair under the element's
/// name and further pairs with empty names.
///
/// One object serves one parse.
class XmlDataSetParser : private SaxHandler {
public:
    /// Parses `bytes` (up to the first NUL). A parse error keeps what was gathered.
    void parse(std::string_view bytes);

    /// All character data, in document order.
    [[nodiscard]] const std::string& currentData() const { return currentData_; }
    /// Name of the element last opened, or empty.
    [[nodiscard]] const std::string& mXMLKey() const { return key_; }
    /// The pairs made.
    [[nodiscard]] const std::vector<XMLData>& mXMLDataList() const { return list_; }

    /// All character data of `bytes`: what currentData() holds after parse(), without
    /// making the pairs.
    [[nodiscard]] static std::string characterData(std::string_view bytes);

private:
    void startElement(std::string_view name) override;
    void endElement(std::string_view name) override;
    void characters(std::string_view piece, bool reference) override;
    void chunk(std::string_view text);
    void flush();

    std::string currentData_;
    std::string pending_; // the run of text read so far
    std::string key_;
    std::vector<XMLData> list_;
};

} // namespace remote
