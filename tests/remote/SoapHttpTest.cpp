#include "SoapTestServer.h"
#include "TestFiles.h"
#include "platform/CurlHttp.h"
#include "platform/TaskQueue.h"
#include "remote/CacheDBCommands.h"
#include "remote/WebServiceHelper.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace remote {
namespace {

using namespace std::chrono_literals;

constexpr const char* kNamespace = "http://tempuri.org/";
constexpr const char* kCarrierPath = "/sub_tamberlinove/tamberlinove02.asmx";
constexpr const char* kAirportPath = "/sub_airport/airport02.asmx";

std::string answerEnvelope(const std::string& result) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
           "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><R><RResult>" +
           result + "</RResult></R></soap:Body></soap:Envelope>";
}

class SoapHttp : public ::testing::Test {
protected:
    platform::StdMainLoop loop;
    platform::CurlHttp http{loop, platform::HttpOptions{2000ms, 5000ms}};
    test::SoapTestServer server;

    ServiceEndpoints endpoints() const {
        return {kNamespace, server.base() + kCarrierPath, server.base() + kAirportPath};
    }
};

TEST_F(SoapHttp, UnreachableEndpointGivesNoAnswer) {
    std::string deadBase;
    {
        test::SoapTestServer gone;
        deadBase = gone.base();
    }
    CacheDBCommands commands(http, {kNamespace, deadBase + kCarrierPath, "not a url"});
    EXPECT_EQ(commands.Unit_AllSearch01(), std::nullopt);
    EXPECT_EQ(commands.City_List02(), std::nullopt);
}

TEST_F(SoapHttp, ServerErrorWithSoapFaultGivesTheFault) {
    const std::string fault = test::readFixture("soap_fault_envelope.xml");
    server.reply(500, fault);
    WebServiceHelper helper(http);
    helper.XMLNameSpace = kNamespace;
    helper.XMLURLAddress = server.base() + kAirportPath;
    helper.MethodName = "Exchange_List01";
    EXPECT_EQ(helper.initiateConnection(), fault);

    CacheDBCommands commands(http, endpoints());
    EXPECT_EQ(commands.Exchange_List01(),
              "soap:ServerServer was unable to process request. ---> Object reference not set "
              "to an instance of an object.");
}

TEST_F(SoapHttp, SilentServerIsCutOffByTheTimeout) {
    platform::CurlHttp impatient(loop, platform::HttpOptions{300ms, 300ms});
    server.hang();
    CacheDBCommands commands(impatient, endpoints());
    EXPECT_EQ(commands.Nation_Modify_List01(), std::nullopt);
    server.release();
}

TEST_F(SoapHttp, AnswerTextIsTheEnvelopesCharacterDataAndEmptyBodyIsNoAnswer) {
    CacheDBCommands commands(http, endpoints());
    server.reply(200, test::readFixture("city_list02_envelope.xml"));
    EXPECT_EQ(commands.City_List02(), test::readFixture("city_list02_dataset.xml"));
    server.reply(200, answerEnvelope("&lt;rtn&gt;NO&lt;/rtn&gt;"));
    EXPECT_EQ(commands.Flight_List03("20261207", "", "", "KE1", "", "2"), "<rtn>NO</rtn>");
    server.reply(200, "");
    EXPECT_EQ(commands.Unit_AllSearch01(), std::nullopt);
}

// "name=value" pairs separated by blanks, in order.
SoapParameters parametersFrom(std::string_view text) {
    SoapParameters out;
    while (!text.empty()) {
        const auto blank = std::min(text.find(' '), text.size());
        const auto item = text.substr(0, blank);
        const auto eq = item.find('=');
        out.emplace_back(item.substr(0, eq), item.substr(eq + 1));
        text.remove_prefix(std::min(blank + 1, text.size()));
    }
    return out;
}

TEST_F(SoapHttp, EachOperationSendsItsMethodActionAndParameters) {
    server.reply(200, answerEnvelope("YES"));
    FlightLogInput log{"v01", "v02", "v03", "v04", "v05", "v06", "v07", "v08", "v09",
                       "v10", "v11", "v12", "v13", "v14", "v15", "v16", "v17", "v18",
                       "v19", "v20", "v21", "v22", "v23", "v24", "v25", "v26"};
    struct Case {
        const char* method;
        const char* path;
        std::function<std::optional<std::string>(CacheDBCommands&)> call;
        const char* sent;
    };
    const Case cases[] = {
        {"Unit_AllSearch01", kCarrierPath, [](auto& c) { return c.Unit_AllSearch01(); }, ""},
        {"Flight_List03", kAirportPath,
         [](auto& c) { return c.Flight_List03("20261207", "", "", "", "", "1"); },
         "scheduleDateTime=20261207 airportcode_departure= airportcode_arrival= filghtid= "
         "flag= sPageNum=1"},
        {"Flight_List04", kAirportPath,
         [](auto& c) { return c.Flight_List04("d", "a", "b", "f", "g", "p"); },
         "scheduleDateTime=d airportcode_departure=a airportcode_arrival=b filghtid=f flag=g "
         "sPageNum=p"},
        {"Unit_Join01", kCarrierPath,
         [](auto& c) { return c.Unit_Join01("t", "m", "u", "1", "2", "3"); },
         "sUserTelnum=t sUnitMacAddress=m sUnitUUID=u sUnitMajor=1 sUnitMinor=2 sFlag=3"},
        {"Log_Unit_SearchOK01", kCarrierPath,
         [](auto& c) { return c.Log_Unit_SearchOK01("t", "m", "u", "1", "2"); },
         "sUserTelnum=t sUnitMacAddress=m sUnitUUID=u sUnitMajor=1 sUnitMinor=2"},
        // Flight number, airline and the two airport names (v05 to v08) are not sent.
        {"Log_FilghtInput01", kAirportPath, [&](auto& c) { return c.Log_FilghtInput01(log); },
         "airportcode_departure=v01 airportcode_arrival=v02 scheduleDate=v03 scheduleTime=v04 "
         "estimatedDate=v09 EstimatedTime=v10 exitnumber=v11 gatenumber=v12 chkinrange=v13 "
         "carousel=v14 remark=v15 flag=v16 inputTime=v17 etc=v18 scheduleDate1=v19 "
         "scheduleTime1=v20 estimatedDate1=v21 EstimatedTime1=v22 sUnitUUID=v23 sUnitMajor=v24 "
         "sUnitMinor=v25 sLogStatus=v26"},
        {"City_View03", kAirportPath, [](auto& c) { return c.City_View03("GMP", "CJU"); },
         "cityCode1=GMP cityCode2=CJU"},
        {"City_List02", kAirportPath, [](auto& c) { return c.City_List02(); }, ""},
        {"Nation_List02", kAirportPath, [](auto& c) { return c.Nation_List02(""); }, "cityCode="},
        {"Nation_Modify_List01", kAirportPath, [](auto& c) { return c.Nation_Modify_List01(); },
         ""},
        {"Exchange_List01", kAirportPath, [](auto& c) { return c.Exchange_List01(); }, ""},
    };

    // Headers the HTTP stack itself adds, and the ones the test server records.
    const std::set<std::string> transport{"Host",        "Accept",      "Content-Length",
                                          "REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR",
                                          "LOCAL_PORT"};
    CacheDBCommands commands(http, endpoints());
    std::size_t sent = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        EXPECT_EQ(c.call(commands), "YES");
        const auto requests = server.received();
        ASSERT_EQ(requests.size(), ++sent);
        const auto& req = requests.back();
        EXPECT_EQ(req.path, c.path);
        std::multimap<std::string, std::string> ours;
        for (const auto& [name, value] : req.headers)
            if (!transport.count(name))
                ours.emplace(name, value);
        EXPECT_EQ(ours, (std::multimap<std::string, std::string>{
                            {"Content-Type", "text/xml; charset=utf-8"},
                            {"SOAPAction", std::string(kNamespace) + c.method}}));
        const auto op = test::readOperation(req.body);
        EXPECT_EQ(op.name, c.method);
        EXPECT_EQ(op.ns, kNamespace);
        EXPECT_EQ(op.parameters, parametersFrom(c.sent));
        if (c.method == std::string("City_View03")) // the envelope as written, byte for byte
            test::expectMatchesGolden(req.body, "envelope_city_view03.xml");
    }
}

} // namespace
} // namespace remote
