#include "LoopbackServer.h"
#include "TestFiles.h"

#include "platform/CurlHttp.h"
#include "platform/TaskQueue.h"
#include "remote/CacheDBCommands.h"
#include "remote/WebServiceHelper.h"

#include <gtest/gtest.h>

#include <mutex>

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

/// A SOAP endpoint on 127.0.0.1: records the requests, answers as told.
class SoapHttp : public ::testing::Test {
protected:
    void reply(int status, std::string body) {
        std::lock_guard lock(mutex);
        status_ = status;
        reply_ = std::move(body);
    }
    std::vector<httplib::Request> received() {
        std::lock_guard lock(mutex);
        return received_;
    }
    ServiceEndpoints endpoints() const {
        return {kNamespace, server.base() + kCarrierPath, server.base() + kAirportPath};
    }

    platform::StdMainLoop loop;
    platform::CurlHttp http{loop, platform::HttpOptions{2000ms, 5000ms}};
    std::mutex mutex;
    std::vector<httplib::Request> received_;
    int status_ = 200;
    std::string reply_;
    testing_support::LoopbackServer server{[this](httplib::Server& s) {
        s.Post(".*", [this](const httplib::Request& req, httplib::Response& res) {
            std::unique_lock lock(mutex);
            received_.push_back(req);
            lock.unlock();
            server.waitWhileHeld();
            lock.lock();
            res.status = status_;
            res.set_content(reply_, "text/xml; charset=utf-8");
        });
    }};
};

TEST_F(SoapHttp, UnreachableEndpointGivesNoAnswer) {
    std::string deadBase;
    {
        testing_support::LoopbackServer gone{[](httplib::Server&) {}};
        deadBase = gone.base();
    }
    CacheDBCommands commands(http, {kNamespace, deadBase + kCarrierPath, "not a url"});
    EXPECT_EQ(commands.Unit_AllSearch01(), std::nullopt);
    EXPECT_EQ(commands.City_List02(), std::nullopt);
}

TEST_F(SoapHttp, ServerErrorWithSoapFaultGivesTheFault) {
    const std::string fault = test::readFixture("soap_fault_envelope.xml");
    reply(500, fault);
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
    server.hold();
    CacheDBCommands commands(impatient, endpoints());
    EXPECT_EQ(commands.Nation_Modify_List01(), std::nullopt);
    server.release();
}

TEST_F(SoapHttp, AnswerTextIsTheEnvelopesCharacterDataAndEmptyBodyIsNoAnswer) {
    CacheDBCommands commands(http, endpoints());
    reply(200, answerEnvelope("&lt;rtn&gt;NO&lt;/rtn&gt;"));
    EXPECT_EQ(commands.Flight_List03("20261207", "", "", "KE1", "", "2"), "<rtn>NO</rtn>");
    reply(200, "");
    EXPECT_EQ(commands.Unit_AllSearch01(), std::nullopt);
}

// What each operation sends, and where, is checked against another SOAP framework's schema in
// InteropTest; here, the headers and the envelope as written, byte for byte.
TEST_F(SoapHttp, RequestCarriesTheActionHeaderAndTheGoldenEnvelope) {
    reply(200, answerEnvelope("YES"));
    CacheDBCommands commands(http, endpoints());
    EXPECT_EQ(commands.City_View03("GMP", "CJU"), "YES");
    const auto requests = received();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].path, kAirportPath);
    EXPECT_EQ(requests[0].headers.find("Content-Type")->second, "text/xml; charset=utf-8");
    EXPECT_EQ(requests[0].headers.find("SOAPAction")->second,
              std::string(kNamespace) + "City_View03");
    EXPECT_EQ(requests[0].headers.count("SOAPAction"), 1u);
    test::expectMatchesGolden(requests[0].body, "envelope_city_view03.xml");
}

} // namespace
} // namespace remote
