#pragma once
// Fixture files and golden comparisons for the remote tests.

#include "GoldenFiles.h"
#include "remote/WebServiceHelper.h"
#include "remote/XMLData.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <gtest/gtest.h>

#include <string>

namespace remote {

// Readable failure output for pairs.
inline void PrintTo(const XMLData& pair, std::ostream* os) {
    *os << "(\"" << pair.mKey << "\", \"" << pair.mValue << "\")";
}

namespace test {

inline std::string readFixture(const std::string& name) {
    return testing_support::readTestData("remote/" + name);
}
inline void expectMatchesGolden(const std::string& actual, const std::string& name) {
    testing_support::expectMatchesGolden(actual, "remote/" + name);
}

/// The operation element of a request envelope, read with libxml2's tree API.
struct SentOperation {
    std::string name;
    std::string ns;
    SoapParameters parameters;
};

inline SentOperation readOperation(const std::string& envelope) {
    SentOperation op;
    xmlDocPtr doc = xmlReadMemory(envelope.data(), static_cast<int>(envelope.size()), nullptr,
                                  nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR);
    if (doc == nullptr) {
        ADD_FAILURE() << "ill-formed envelope: " << envelope;
        return op;
    }
    xmlNodePtr body = xmlFirstElementChild(xmlDocGetRootElement(doc));
    xmlNodePtr method = body ? xmlFirstElementChild(body) : nullptr;
    if (method != nullptr) {
        op.name = reinterpret_cast<const char*>(method->name);
        if (method->ns != nullptr)
            op.ns = reinterpret_cast<const char*>(method->ns->href);
        for (xmlNodePtr p = xmlFirstElementChild(method); p; p = xmlNextElementSibling(p)) {
            xmlChar* text = xmlNodeGetContent(p);
            op.parameters.emplace_back(reinterpret_cast<const char*>(p->name),
                                       reinterpret_cast<const char*>(text));
            xmlFree(text);
        }
    }
    xmlFreeDoc(doc);
    return op;
}

} // namespace test
} // namespace remote
