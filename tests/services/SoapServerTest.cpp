// The SOAP layer of the stand-in over raw HTTP: answer envelopes, faults, bad input.

#include "StandInFixture.h"

#include "remote/XmlDataSetParser.h"

namespace services_test {
namespace {

/// The result text of an answer envelope; of a fault envelope, its code and string run together.
std::string faultText(const platform::HttpResponse& response) {
    return remote::XmlDataSetParser::characterData(response.body);
}

using SoapServer = StandInTest;

TEST_F(SoapServer, AnswerEnvelopeCarriesOnlyTheResultText) {
    auto response = post(
        kCarrierPath,
        envelope("Unit_Join01",
                 {{"sUnitUUID", "U"}, {"sUnitMajor", "1"}, {"sUnitMinor", "2"}, {"sFlag", "1"}}));
    EXPECT_EQ(response.status, 200);
    EXPECT_NE(response.body.find("<Unit_Join01Response xmlns=\"http://tempuri.org/\">"
                                 "<Unit_Join01Result>YES</Unit_Join01Result>"),
              std::string::npos);
    EXPECT_EQ(faultText(response), "YES");
}

TEST_F(SoapServer, UnknownMisplacedOrMalformedRequestsAnswerClientFaultsAndServingGoesOn) {
    const std::string soapBody = "<soap:Envelope xmlns:soap="
                                 "\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>";
    const std::pair<const char*, std::string> bad[] = {
        {kAirportPath, envelope("Flight_List99")},
        // Each operation belongs to one of the two services.
        {kCarrierPath, envelope("City_List02")},
        {kAirportPath, envelope("Unit_AllSearch01")},
        {kAirportPath, ""},
        {kAirportPath, "not xml at all"},
        {kAirportPath, envelope("City_List02").substr(0, 120)},
        {kAirportPath, "<Envelope><Body><City_List02/></Body></Envelope>"},
        {kAirportPath, soapBody + "</soap:Body></soap:Envelope>"},
    };
    for (const auto& [path, body] : bad) {
        auto response = post(path, body);
        EXPECT_EQ(response.status, 500) << body;
        EXPECT_EQ(faultText(response).rfind("soap:Client", 0), 0u) << body;
        EXPECT_NE(response.body.find("<soap:Fault>"), std::string::npos);
    }
    EXPECT_EQ(post(kAirportPath, envelope("City_List02")).status, 200);
}

TEST_F(SoapServer, BadParametersAnswerTheErrorMarker) {
    using Params = std::map<std::string, std::string>;
    std::vector<std::tuple<const char*, const char*, Params>> bad = {
        {kAirportPath, "Flight_List04", {{"scheduleDateTime", kToday}}},
        {kAirportPath, "City_View03", {}},
        {kCarrierPath,
         "Unit_Join01",
         {{"sUnitUUID", "U"}, {"sUnitMajor", "1"}, {"sUnitMinor", "2"}, {"sFlag", "3"}}},
        {kCarrierPath,
         "Unit_Join01",
         {{"sUnitUUID", "U"}, {"sUnitMajor", "x"}, {"sUnitMinor", "2"}, {"sFlag", "1"}}},
    };
    for (const char* page : {"abc", "0", "99999999999"})
        bad.emplace_back(kAirportPath, "Flight_List03",
                         Params{{"scheduleDateTime", kToday}, {"sPageNum", page}});
    for (const char* date : {"2026-12-07", "20261332"})
        bad.emplace_back(kAirportPath, "Flight_List03",
                         Params{{"scheduleDateTime", date}, {"sPageNum", "1"}});
    for (const auto& [path, op, params] : bad)
        EXPECT_EQ(faultText(post(path, envelope(op, params))), "<rtn>ERROR</rtn>")
            << op << " " << testing::PrintToString(params);
    EXPECT_TRUE(standIn_->unitRegistry().empty());
}

TEST_F(SoapServer, ParameterTextIsUnescapedAndAnswersAreEscaped) {
    post(kCarrierPath, envelope("Log_Unit_SearchOK01", {{"sUnitUUID", "a&amp;b&lt;c"},
                                                        {"sUnitMajor", "<![CDATA[<1>]]>"},
                                                        {"sUnitMinor", "2"}}));
    auto logs = standIn_->unitSearchLogs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].at("sUnitUUID"), "a&b<c");
    EXPECT_EQ(logs[0].at("sUnitMajor"), "<1>");

    // Markup inside the result text is escaped once, so the envelope stays well-formed.
    auto response = post(kAirportPath, envelope("Nation_Modify_List01"));
    EXPECT_NE(response.body.find("<Nation_Modify_List01Result>&lt;NewDataSet&gt;&lt;Table1&gt;"),
              std::string::npos);
}

} // namespace
} // namespace services_test
