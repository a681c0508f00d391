#pragma once
// Escaping of text placed into XML documents we write.

#include <string>
#include <string_view>

namespace remote {

/// Appends `text` to `out` with "&", "<", ">", '"' and "'" written as the predefined
/// entity references, so the text can stand in element content or an attribute value.
void appendXmlEscaped(std::string& out, std::string_view text);

/// `text` escaped as by appendXmlEscaped.
std::string xmlEscaped(std::string_view text);

} // namespace remote
