#include "remote/XmlEscape.h"

namespace remote {

void appendXmlEscaped(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view ref;
        switch (text[i]) {
        case '&':
            ref = "&amp;";
            break;
        case '<':
            ref = "&lt;";
            break;
        case '>':
            ref = "&gt;";
            break;
        case '"':
            ref = "&quot;";
            break;
        case '\'':
            ref = "&apos;";
            break;
        default:
            continue;
        }
        out.append(text.substr(start, i - start));
        out.append(ref);
        start = i + 1;
    }
    out.append(text.substr(start));
}

std::string xmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendXmlEscaped(out, text);
    return out;
}

} // namespace remote
