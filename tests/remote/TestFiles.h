#pragma once
// Fixture files and golden comparisons for the remote tests.

#include "remote/WebServiceHelper.h"
#include "remote/XMLData.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace remote {

// Readable failure output for pairs.
inline void PrintTo(const XMLData& pair, std::ostream* os) {
    *os << "(\"" << pair.mKey << "\", \"" << pair.mValue << "\")";
}

namespace test {

inline std::string dataPath(const std::string& name) {
    return std::string(TAMBERLINOVE_TEST_DATA) + "/remote/" + name;
}

inline std::string readFixture(const std::string& name) {
    std::ifstream in(dataPath(name), std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing fixture " << dataPath(name);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

/// Compares byte for byte; on mismatch writes NAME.actual next to the golden file.
inline void expectMatchesGolden(const std::string& actual, const std::string& name) {
    const std::string golden = readFixture(name);
    if (actual == golden)
        return;
    const std::string actualPath = dataPath(name) + ".actual";
    std::ofstream(actualPath, std::ios::binary) << actual;
    ADD_FAILURE() << "output differs from " << dataPath(name) << "\nexpected: " << golden
                  << "\nactual:   " << actual << "\n(actual output written to " << actualPath
                  << ")";
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
