#include "remote/WebServiceHelper.h"

#include "remote/XmlEscape.h"

#include <string_view>

namespace remote {
namespace {

constexpr std::string_view kEnvelopeStart =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<soap:Envelope xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
    "<soap:Body>";
constexpr std::string_view kEnvelopeEnd = "</soap:Body></soap:Envelope>";

// A line break in a header value would end the header and start another one.
std::string headerSafe(std::string value) {
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
    return value;
}

} // namespace

std::string WebServiceHelper::soapAction() const {
    if (!XMLNameSpace.empty() && XMLNameSpace.back() == '/')
        return XMLNameSpace + MethodName;
    return XMLNameSpace + "/" + MethodName;
}

std::string WebServiceHelper::envelope() const {
    std::string out;
    std::size_t size = kEnvelopeStart.size() + kEnvelopeEnd.size() + 2 * MethodName.size() +
                       XMLNameSpace.size() + 16;
    for (const auto& [name, value] : MethodParameters)
        size += 2 * name.size() + value.size() + 5;
    out.reserve(size);

    out.append(kEnvelopeStart);
    out.push_back('<');
    appendXmlEscaped(out, MethodName);
    out.append(" xmlns=\"");
    appendXmlEscaped(out, XMLNameSpace);
    out.append("\">");
    if (MethodParametersAsString)
        out.append(*MethodParametersAsString);
    for (const auto& [name, value] : MethodParameters) {
        out.push_back('<');
        appendXmlEscaped(out, name);
        out.push_back('>');
        appendXmlEscaped(out, value);
        out.append("</");
        appendXmlEscaped(out, name);
        out.push_back('>');
    }
    out.append("</");
    appendXmlEscaped(out, MethodName);
    out.push_back('>');
    out.append(kEnvelopeEnd);
    return out;
}

std::optional<std::string> WebServiceHelper::initiateConnection() {
    SOAPActionURL = soapAction();
    const platform::HttpHeaders headers{{"Content-Type", "text/xml; charset=utf-8"},
                                        {"SOAPAction", headerSafe(SOAPActionURL)}};
    auto response = http_.post(XMLURLAddress, headers, envelope());
    if (!response)
        return std::nullopt;
    return std::move(response->body);
}

} // namespace remote
