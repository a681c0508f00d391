#pragma once
// Answer parser that makes one row dictionary per row element.

#include "remote/DataRow.h"
#include "remote/SaxReader.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace remote {

/// Reads a data-set answer into rows: one DataRow per element named mainString(), holding
/// the text of each of its child elements under the child's name.
///
/// Every row starts with the nine preset keys of presetRow() set to empty text, so a row
/// lacking one of them still yields empty text for it. A column that occurs twice in a
/// row keeps its last value. The value of an element is the character data read since the
/// previous element start or end, its pieces (split around entity references, or by
/// libxml2) joined. Elements outside any row are ignored, and a completed row never
/// changes.
///
/// One object serves one parse.
class XmlDataSetParser2 : private SaxHandler {
public:
    /// @param rowElement the name of the row element, e.g. "Table1" or "item".
    explicit XmlDataSetParser2(std::string rowElement) : mainString_(std::move(rowElement)) {}

    /// Parses `bytes` (up to the first NUL). A parse error keeps the rows completed before it.
    void parse(std::string_view bytes);

    /// All character data, in document order.
    [[nodiscard]] const std::string& currentData() const { return currentData_; }
    /// Name of the element last opened, or empty.
    [[nodiscard]] const std::string& mXMLKey() const { return key_; }
    /// The character data read since the previous element start or end.
    [[nodiscard]] std::string_view foundString() const {
        return std::string_view(currentData_).substr(foundFrom_);
    }
    /// The completed rows, in document order.
    [[nodiscard]] const std::vector<DataRow>& mXMLDataList() const { return list_; }
    /// The row element's name.
    [[nodiscard]] const std::string& mainString() const { return mainString_; }
    /// The row being filled, or the last completed one between rows.
    [[nodiscard]] const DataRow& DicData() const {
        return rowOpen_ || list_.empty() ? row_ : list_.back();
    }

    /// The row every new row starts from: the kPresetColumns ("airlineKorean", "airFln",
    /// "std", "etd", "airport", "city", "gate", "io", "rmkKor"), each empty.
    [[nodiscard]] static const DataRow& presetRow();

private:
    void startElement(std::string_view name) override;
    void endElement(std::string_view name) override;
    void characters(std::string_view piece, bool reference) override;

    std::string mainString_;
    std::string currentData_;
    std::string key_;
    // The element's text is the end of currentData_, from here: no second copy.
    std::size_t foundFrom_ = 0;
    std::vector<DataRow> list_;
    DataRow row_;
    std::size_t lastRowSize_ = 0; // packed bytes of the last completed row
    bool rowOpen_ = false;
};

} // namespace remote
