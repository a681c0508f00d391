#include "remote/XmlDataSetParser1.h"

#include <utility>

namespace remote {

void XmlDataSetParser1::parse(std::string_view bytes) {
    // The character data is at most about as long as the document.
    currentData_.reserve(currentData_.size() + bytes.size());
    readXml(bytes, *this);
}

void XmlDataSetParser1::startElement(std::string_view name) {
    key_.assign(name);
    found_.clear();
}

void XmlDataSetParser1::endElement(std::string_view) {
    list_.push_back(XMLData{std::move(key_), found_.text()});
    key_.clear();
    found_.boundary();
}

void XmlDataSetParser1::characters(std::string_view piece, bool) {
    currentData_.append(piece);
    found_.add(piece);
}

} // namespace remote
