#pragma once
// Event-driven XML reading shared by the answer parsers.

#include <string>
#include <string_view>

namespace remote {

/// The text of an element read since the last element start or end. The pieces of one
/// value (split by libxml2 or around an entity reference) join up; the first piece after an
/// element boundary starts afresh.
class FoundText {
public:
    void add(std::string_view piece) {
        if (inRun_)
            text_.append(piece);
        else
            text_.assign(piece);
        inRun_ = true;
    }
    /// An element starts or ends: the text is kept until the next piece replaces it.
    void boundary() { inRun_ = false; }
    void clear() {
        text_.clear();
        inRun_ = false;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    bool inRun_ = false;
};

/// Receives the events of one parse, in document order.
class SaxHandler {
public:
    /// An element opens; `name` is the name as written, prefix included ("soap:Body").
    virtual void startElement(std::string_view name) = 0;
    /// An element closes.
    virtual void endElement(std::string_view name) = 0;
    /// One piece of character data. libxml2 may split a run of text anywhere (buffer sizes,
    /// a switch from ASCII to other characters, line ends, read boundaries); `reference` is
    /// true for the replacement text of one entity or character reference ("&amp;",
    /// "&#65;"), which always arrives as a piece of its own. CDATA arrives as plain text.
    virtual void characters(std::string_view piece, bool reference) = 0;

protected:
    ~SaxHandler() = default;
};

/// Reads `bytes` as an XML document and reports its events to `handler`.
///
/// The input ends at its first NUL byte. No namespace processing, no external entities, no
/// DTD loading, no network access; entities other than the five predefined ones are
/// errors. A parse error stops the events; everything reported before it stays reported.
/// libxml2's size limits are lifted, so large answers read whole; input over 2 GiB is not
/// read at all.
/// @return true when the whole document was well-formed.
bool readXml(std::string_view bytes, SaxHandler& handler);

} // namespace remote
