#include "remote/XmlDataSetParser.h"

#include <utility>

namespace remote {
namespace {

struct TextOnly final : SaxHandler {
    std::string text;
    void startElement(std::string_view) override {}
    void endElement(std::string_view) override {}
    void characters(std::string_view piece, bool) override { text.append(piece); }
};

} // namespace

void XmlDataSetParser::parse(std::string_view bytes) {
    // The character data is at most about as long as the document.
    currentData_.reserve(currentData_.size() + bytes.size());
    readXml(bytes, *this);
    flush();
}

std::string XmlDataSetParser::characterData(std::string_view bytes) {
    TextOnly handler;
    handler.text.reserve(bytes.size());
    readXml(bytes, handler);
    return std::move(handler.text);
}

void XmlDataSetParser::startElement(std::string_view name) {
    flush();
    key_.assign(name);
}

void XmlDataSetParser::endElement(std::string_view) {
    flush();
}

// The pieces libxml2 splits a run of text into are joined, so that a value arrives as one
// chunk however it was encoded; references stay chunks of their own.
void XmlDataSetParser::characters(std::string_view piece, bool reference) {
    if (!reference) {
        pending_.append(piece);
        return;
    }
    flush();
    chunk(piece);
}

void XmlDataSetParser::flush() {
    if (pending_.empty())
        return;
    chunk(pending_);
    pending_.clear();
}

void XmlDataSetParser::chunk(std::string_view text) {
    currentData_.append(text);
    if (text.front() == '\n') {
        // Whitespace after a row element still marks the row in the pair list.
        if (!key_.empty())
            list_.push_back(XMLData{key_, std::string()});
        return;
    }
    list_.push_back(XMLData{std::move(key_), std::string(text)});
    key_.clear();
}

} // namespace remote
