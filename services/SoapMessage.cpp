#include "services/SoapMessage.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <memory>
#include <mutex>

namespace services {
namespace {

constexpr std::string_view kEnvelopeNamespace = "http://schemas.xmlsoap.org/soap/envelope/";

constexpr std::string_view kEnvelopeStart =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\""
    " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
    " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body>";
constexpr std::string_view kEnvelopeEnd = "</soap:Body></soap:Envelope>";

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

std::string_view name(const xmlNode* node) {
    return node->name ? reinterpret_cast<const char*>(node->name) : "";
}

bool inEnvelopeNamespace(const xmlNode* node) {
    return node->ns && node->ns->href &&
           reinterpret_cast<const char*>(node->ns->href) == kEnvelopeNamespace;
}

const xmlNode* firstElement(const xmlNode* node) {
    for (; node; node = node->next)
        if (node->type == XML_ELEMENT_NODE)
            return node;
    return nullptr;
}

const xmlNode* findBody(const xmlNode* envelope) {
    for (const xmlNode* child = firstElement(envelope->children); child;
         child = firstElement(child->next))
        if (name(child) == "Body" && inEnvelopeNamespace(child))
            return child;
    return nullptr;
}

std::string content(const xmlNode* node) {
    xmlChar* text = xmlNodeGetContent(node);
    if (!text)
        return {};
    std::string value(reinterpret_cast<const char*>(text));
    xmlFree(text);
    return value;
}

} // namespace

std::optional<SoapRequest> parseSoapRequest(std::string_view body, std::string& error) {
    static std::once_flag init;
    std::call_once(init, [] { xmlInitParser(); });
    if (body.empty() || body.size() > INT_MAX) {
        error = "empty or oversized request";
        return std::nullopt;
    }
    std::unique_ptr<xmlDoc, DocFree> doc(
        xmlReadMemory(body.data(), static_cast<int>(body.size()), "request.xml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!doc) {
        error = "request is not well-formed XML";
        return std::nullopt;
    }
    // A SOAP message carries no document type declaration; refusing it also keeps entity
    // expansion out of reach.
    if (doc->intSubset || doc->extSubset) {
        error = "document type declarations are not allowed";
        return std::nullopt;
    }
    const xmlNode* envelope = xmlDocGetRootElement(doc.get());
    if (!envelope || name(envelope) != "Envelope" || !inEnvelopeNamespace(envelope)) {
        error = "root element is not a SOAP 1.1 Envelope";
        return std::nullopt;
    }
    const xmlNode* soapBody = findBody(envelope);
    if (!soapBody) {
        error = "envelope has no Body";
        return std::nullopt;
    }
    const xmlNode* operation = firstElement(soapBody->children);
    if (!operation || name(operation).empty()) {
        error = "Body holds no operation";
        return std::nullopt;
    }
    SoapRequest request;
    request.operation = name(operation);
    for (const xmlNode* p = firstElement(operation->children); p; p = firstElement(p->next))
        request.parameters.emplace(std::string(name(p)), content(p));
    return request;
}

std::string xmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            // Control characters other than tab and line breaks cannot appear in XML 1.0.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
    return out;
}

std::string dataSetDocument(const std::vector<DataRow>& rows) {
    if (rows.empty())
        return "<NewDataSet />";
    std::string out = "<NewDataSet>";
    for (const DataRow& row : rows) {
        out += "<Table1>";
        for (const auto& [column, value] : row) {
            if (value.empty()) {
                out += "<" + column + " />";
                continue;
            }
            out += "<" + column + ">" + xmlEscape(value) + "</" + column + ">";
        }
        out += "</Table1>";
    }
    return out + "</NewDataSet>";
}

std::string soapResponse(std::string_view operation, std::string_view result) {
    std::string op(operation);
    std::string out(kEnvelopeStart);
    out += "<" + op + "Response xmlns=\"" + std::string(kServiceNamespace) + "\">";
    out += "<" + op + "Result>" + xmlEscape(result) + "</" + op + "Result>";
    out += "</" + op + "Response>";
    return out + std::string(kEnvelopeEnd);
}

std::string soapFault(std::string_view code, std::string_view text) {
    std::string out(kEnvelopeStart);
    out += "<soap:Fault><faultcode>" + xmlEscape(code) + "</faultcode><faultstring>" +
           xmlEscape(text) + "</faultstring><detail /></soap:Fault>";
    return out + std::string(kEnvelopeEnd);
}

} // namespace services
