#include "NoHttp.h"
#include "TestFiles.h"
#include "remote/WebServiceHelper.h"

#include <gtest/gtest.h>

namespace remote {
namespace {

// The envelope and the action are made without sending anything.
WebServiceHelper helperFor(std::string ns, std::string method, SoapParameters parameters) {
    static testing_support::NoHttp http;
    WebServiceHelper helper(http);
    helper.XMLNameSpace = std::move(ns);
    helper.MethodName = std::move(method);
    helper.MethodParameters = std::move(parameters);
    return helper;
}

TEST(Envelope, MatchesGoldenFilesByteForByte) {
    const std::pair<const char*, WebServiceHelper> cases[] = {
        {"envelope_nation_list02.xml",
         helperFor("http://tempuri.org/", "Nation_List02", {{"cityCode", "ICN"}})},
        {"envelope_namespace_without_slash.xml",
         helperFor("urn:tamberlinove:airport", "Nation_List02", {{"cityCode", ""}})},
        {"envelope_city_list02.xml", helperFor("http://tempuri.org/", "City_List02", {})},
        {"envelope_escaping.xml", helperFor("http://tempuri.org/?a=1&b=\"2\"", "Unit_Join01",
                                            {{"sUserTelnum", "</sUserTelnum><x>"},
                                             {"sUnitMacAddress", "Tom & Jerry's \"bag\""},
                                             {"sUnitUUID", "캐리어 > 1"}})},
    };
    for (const auto& [golden, helper] : cases) {
        SCOPED_TRACE(golden);
        test::expectMatchesGolden(helper.envelope(), golden);
    }
}

TEST(SoapAction, JoinsNamespaceAndMethodWithExactlyOneSlash) {
    EXPECT_EQ(helperFor("http://tempuri.org/", "Nation_List02", {}).soapAction(),
              "http://tempuri.org/Nation_List02");
    EXPECT_EQ(helperFor("http://tempuri.org", "Nation_List02", {}).soapAction(),
              "http://tempuri.org/Nation_List02");
    EXPECT_EQ(helperFor("", "City_List02", {}).soapAction(), "/City_List02");
}

} // namespace
} // namespace remote
