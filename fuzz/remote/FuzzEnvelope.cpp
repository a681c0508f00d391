// Builds request envelopes from arbitrary names and values: whenever the names are XML
// names and the values XML text, the envelope must be well-formed and carry every value
// unchanged, read back with the project's own pair parser.

#include "NoHttp.h"
#include "flights/FlightText.h"
#include "remote/WebServiceHelper.h"
#include "remote/XmlDataSetParser1.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool isName(std::string_view s) {
    if (s.empty() || s.size() > 40)
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!(letter || (i > 0 && digit)))
            return false;
    }
    // Names starting with "xml" are reserved.
    return !(s.size() >= 3 && (s[0] | 0x20) == 'x' && (s[1] | 0x20) == 'm' && (s[2] | 0x20) == 'l');
}

// Strict UTF-8 holding only characters XML 1.0 allows (carriage returns excluded, since
// parsers normalise them).
bool isXmlText(std::string_view s) {
    if (!flights::isValidUtf8(s))
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b < 0x20 && b != '\t' && b != '\n') || s.substr(i, 3) == "\xEF\xBF\xBE" ||
            s.substr(i, 3) == "\xEF\xBF\xBF") // U+FFFE and U+FFFF
            return false;
    }
    return true;
}

// Splits the input at 0x01 bytes: namespace, method, then name and value alternately.
std::vector<std::string_view> fields(std::string_view input) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= input.size(); ++i) {
        if (i == input.size() || input[i] == '\x01') {
            out.push_back(input.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fields(std::string_view(reinterpret_cast<const char*>(data), size));
    testing_support::NoHttp http;
    remote::WebServiceHelper helper(http);
    helper.XMLNameSpace = std::string(parts[0]);
    if (parts.size() > 1)
        helper.MethodName = std::string(parts[1]);
    for (std::size_t i = 2; i + 1 < parts.size(); i += 2)
        helper.MethodParameters.emplace_back(parts[i], parts[i + 1]);
    const std::string envelope = helper.envelope();
    (void)helper.soapAction();

    bool checkable = isName(helper.MethodName) && isXmlText(helper.XMLNameSpace);
    for (const auto& [name, value] : helper.MethodParameters)
        checkable = checkable && isName(name) && isXmlText(value);
    // A namespace must be a URI reference to a parser with namespaces; ours reads names
    // as written, so any text will do.
    remote::XmlDataSetParser1 parser;
    parser.parse(envelope);
    if (!checkable)
        return 0;

    std::vector<remote::XMLData> expected;
    for (const auto& [name, value] : helper.MethodParameters)
        expected.push_back({name, value});
    if (expected.empty())
        expected.push_back({helper.MethodName, ""});
    std::vector<remote::XMLData> named;
    for (const auto& pair : parser.mXMLDataList())
        if (!pair.mKey.empty() && pair.mKey != "soap:Body" && pair.mKey != "soap:Envelope")
            named.push_back(pair);
    if (named != expected)
        std::abort();
    return 0;
}
