#include "TestFiles.h"
#include "remote/WebServiceHelper.h"

#include <gtest/gtest.h>

namespace remote {
namespace {

// The envelope is built without sending anything; this Http must never be reached.
class NoHttp final : public platform::Http {
public:
    std::optional<platform::HttpResponse> post(const std::string&, const platform::HttpHeaders&,
                                               const std::string&) override {
        ADD_FAILURE() << "unexpected request";
        return std::nullopt;
    }
    void get(const std::string&,
             std::function<void(std::optional<platform::HttpResponse>)>) override {}
};

WebServiceHelper helperFor(platform::Http& http, std::string ns, std::string method,
                           SoapParameters parameters) {
    WebServiceHelper helper(http);
    helper.XMLNameSpace = std::move(ns);
    helper.MethodName = std::move(method);
    helper.MethodParameters = std::move(parameters);
    return helper;
}

TEST(Envelope, MatchesGoldenFilesByteForByte) {
    NoHttp http;
    struct Case {
        const char* golden;
        WebServiceHelper helper;
    };
    const Case cases[] = {
        {"envelope_nation_list02.xml",
         helperFor(http, "http://tempuri.org/", "Nation_List02", {{"cityCode", "ICN"}})},
        {"envelope_namespace_without_slash.xml",
         helperFor(http, "urn:tamberlinove:airport", "Nation_List02", {{"cityCode", ""}})},
        {"envelope_city_list02.xml", helperFor(http, "http://tempuri.org/", "City_List02", {})},
        {"envelope_city_view03.xml", helperFor(http, "http://tempuri.org/", "City_View03",
                                               {{"cityCode1", "GMP"}, {"cityCode2", "CJU"}})},
        {"envelope_escaping.xml", helperFor(http, "http://tempuri.org/?a=1&b=\"2\"", "Unit_Join01",
                                            {{"sUserTelnum", "</sUserTelnum><x>"},
                                             {"sUnitMacAddress", "Tom & Jerry's \"bag\""},
                                             {"sUnitUUID", "캐리어 > 1"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        test::expectMatchesGolden(c.helper.envelope(), c.golden);
    }
}

TEST(Envelope, HostileValuesStayWellFormedAndCarryTheirText) {
    NoHttp http;
    const std::string value = "a&b<c>d\"e'f]]>g&amp;";
    auto helper = helperFor(http, "http://tempuri.org/", "Unit_Join01", {{"sUnitUUID", value}});
    const auto op = test::readOperation(helper.envelope());
    EXPECT_EQ(op.parameters, (SoapParameters{{"sUnitUUID", value}}));
}

TEST(Envelope, ParametersAsStringGoVerbatimBeforeTheMappedOnes) {
    NoHttp http;
    auto helper = helperFor(http, "http://tempuri.org/", "M", {{"b", "2"}});
    helper.MethodParametersAsString = "<a>1</a>";
    EXPECT_NE(helper.envelope().find("<M xmlns=\"http://tempuri.org/\"><a>1</a><b>2</b></M>"),
              std::string::npos);
}

TEST(SoapAction, JoinsNamespaceAndMethodWithExactlyOneSlash) {
    NoHttp http;
    EXPECT_EQ(helperFor(http, "http://tempuri.org/", "Nation_List02", {}).soapAction(),
              "http://tempuri.org/Nation_List02");
    EXPECT_EQ(helperFor(http, "http://tempuri.org", "Nation_List02", {}).soapAction(),
              "http://tempuri.org/Nation_List02");
    EXPECT_EQ(helperFor(http, "", "City_List02", {}).soapAction(), "/City_List02");
}

} // namespace
} // namespace remote
