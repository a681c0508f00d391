// The SOAP layer of the stand-in over raw HTTP: answer envelopes, faults, bad input.

#include "StandInFixture.h"

#include "remote/XmlDataSetParser.h"

namespace services_test {
namespace {

/// The fault code and fault string of a fault envelope, run together.
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
    EXPECT_EQ(remote::XmlDataSetParser::characterData(response.body), "YES");

    auto list =
        post(kAirportPath,
             envelope("Flight_List03",
                      {{"scheduleDateTime", kToday}, {"filghtid", "NOSUCH1"}, {"sPageNum", "1"}}));
    EXPECT_EQ(remote::XmlDataSetParser::characterData(list.body), "<rtn>NO</rtn>");
}

TEST_F(SoapServer, UnknownOrMisplacedOperationsAnswerClientFaults) {
    auto unknown = post(kAirportPath, envelope("Flight_List99"));
    EXPECT_EQ(unknown.status, 500);
    EXPECT_EQ(faultText(unknown).rfind("soap:Client", 0), 0u) << unknown.body;
    EXPECT_NE(unknown.body.find("<soap:Fault>"), std::string::npos);

    // Each operation belongs to one of the two services.
    auto misplaced = post(kCarrierPath, envelope("City_List02"));
    EXPECT_EQ(misplaced.status, 500);
    EXPECT_EQ(faultText(misplaced).rfind("soap:Client", 0), 0u);
    EXPECT_EQ(post(kAirportPath, envelope("Unit_AllSearch01")).status, 500);
}

TEST_F(SoapServer, MalformedRequestsAnswerFaultsAndServingGoesOn) {
    const std::string soapBody = "<soap:Envelope xmlns:soap="
                                 "\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>";
    const std::vector<std::string> bad = {
        "",
        "not xml at all",
        envelope("City_List02").substr(0, 120),
        "<Envelope><Body><City_List02/></Body></Envelope>",
        soapBody + "</soap:Body></soap:Envelope>",
        "<?xml version=\"1.0\"?><!DOCTYPE lol [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>" +
            soapBody +
            "<Log_Unit_SearchOK01><sUnitUUID>&b;</sUnitUUID>"
            "</Log_Unit_SearchOK01></soap:Body></soap:Envelope>",
        "<?xml version=\"1.0\"?><!DOCTYPE x SYSTEM \"http://127.0.0.1:9/x.dtd\">" + soapBody +
            "<City_List02/></soap:Body></soap:Envelope>",
        std::string("\x00\xff\xfe<\x01", 5),
    };
    for (const auto& body : bad) {
        auto response = post(kAirportPath, body);
        EXPECT_EQ(response.status, 500) << body;
        EXPECT_EQ(faultText(response).rfind("soap:Client", 0), 0u) << body;
    }
    EXPECT_TRUE(standIn_->unitSearchLogs().empty());
    EXPECT_EQ(post(kAirportPath, envelope("City_List02")).status, 200);
}

TEST_F(SoapServer, BadParametersAnswerTheErrorMarker) {
    auto answer = [&](const std::string& path, const std::string& op,
                      const std::map<std::string, std::string>& params) {
        return remote::XmlDataSetParser::characterData(post(path, envelope(op, params)).body);
    };
    for (const char* page : {"abc", "0", "", "-1", "1e3", "99999999999"})
        EXPECT_EQ(answer(kAirportPath, "Flight_List03",
                         {{"scheduleDateTime", kToday}, {"sPageNum", page}}),
                  "<rtn>ERROR</rtn>")
            << page;
    for (const char* date : {"2026-12-07", "20261332", "tomorrow"})
        EXPECT_EQ(
            answer(kAirportPath, "Flight_List03", {{"scheduleDateTime", date}, {"sPageNum", "1"}}),
            "<rtn>ERROR</rtn>")
            << date;
    EXPECT_EQ(answer(kAirportPath, "Flight_List04", {{"scheduleDateTime", kToday}}),
              "<rtn>ERROR</rtn>");
    EXPECT_EQ(answer(kAirportPath, "City_View03", {}), "<rtn>ERROR</rtn>");
    EXPECT_EQ(
        answer(kCarrierPath, "Unit_Join01",
               {{"sUnitUUID", "U"}, {"sUnitMajor", "1"}, {"sUnitMinor", "2"}, {"sFlag", "3"}}),
        "<rtn>ERROR</rtn>");
    EXPECT_EQ(
        answer(kCarrierPath, "Unit_Join01",
               {{"sUnitUUID", "U"}, {"sUnitMajor", "x"}, {"sUnitMinor", "2"}, {"sFlag", "1"}}),
        "<rtn>ERROR</rtn>");
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
