#include "remote/XmlDataSetParser2.h"

namespace remote {

const DataRow& XmlDataSetParser2::presetRow() {
    static const DataRow preset = [] {
        DataRow row;
        for (const auto name : kPresetColumns)
            row.set(name, "");
        return row;
    }();
    return preset;
}

void XmlDataSetParser2::parse(std::string_view bytes) {
    // The character data is at most about as long as the document.
    currentData_.reserve(currentData_.size() + bytes.size());
    readXml(bytes, *this);
}

void XmlDataSetParser2::startElement(std::string_view name) {
    key_.assign(name);
    foundFrom_ = currentData_.size();
    if (name == mainString_) {
        // Rows of one answer share their columns: sizing a new row like the last one
        // fills it without growing.
        row_.resetTo(presetRow(), lastRowSize_);
        rowOpen_ = true;
    }
}

void XmlDataSetParser2::endElement(std::string_view name) {
    if (name == mainString_) {
        if (rowOpen_) {
            lastRowSize_ = row_.packedSize();
            list_.push_back(std::move(row_));
            rowOpen_ = false;
        }
    } else if (rowOpen_) {
        row_.set(name, foundString());
    }
    key_.clear();
    foundFrom_ = currentData_.size();
}

void XmlDataSetParser2::characters(std::string_view piece, bool) {
    currentData_.append(piece);
}

} // namespace remote
