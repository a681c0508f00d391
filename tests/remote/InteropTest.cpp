// The SOAP client against the carrier and airport services as another SOAP framework (spyne)
// makes them: spyne validates every request against the services' schema, records the
// values it read, and answers data-set documents that the callers' parsers read back.

#include "platform/CurlHttp.h"
#include "platform/TaskQueue.h"
#include "remote/CacheDBCommands.h"
#include "remote/XmlDataSetParser.h"
#include "remote/XmlDataSetParser1.h"
#include "remote/XmlDataSetParser2.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace remote {
namespace {

using namespace std::chrono_literals;

constexpr const char* kNamespace = "http://tempuri.org/";

/// The services as a child process on a free port of 127.0.0.1, stopped with the object: a
/// shell prints its process id and becomes the services, which print their port once they
/// listen (or end, their error going to our standard error).
class SpyneServices {
public:
    SpyneServices() : out_(::popen(command().c_str(), "r")) {
        char pid[32] = "", port[32] = "";
        if (out_ && std::fgets(pid, sizeof pid, out_) && std::fgets(port, sizeof port, out_))
            base_ = "http://127.0.0.1:" + std::to_string(std::atoi(port));
        pid_ = std::atoi(pid);
    }
    ~SpyneServices() {
        if (pid_ > 0)
            ::kill(pid_, SIGTERM);
        if (out_)
            ::pclose(out_);
    }
    SpyneServices(const SpyneServices&) = delete;
    SpyneServices& operator=(const SpyneServices&) = delete;

    /// "http://127.0.0.1:PORT", or empty when the services did not start.
    const std::string& base() const { return base_; }

private:
    static std::string command() {
        return std::string("echo $$; exec " TAMBERLINOVE_SPYNE_PYTHON
                           " " TAMBERLINOVE_SPYNE_SERVICES " ") +
               kNamespace;
    }
    std::FILE* out_;
    pid_t pid_ = -1;
    std::string base_;
};

/// The parser a caller reads an operation's answer with.
enum class Reader { Text, Pairs, Pairs1, Rows };

/// The pairs a parser reads from `answer`, as "name=value" joined by blanks.
template <class Parser> std::string pairsText(const std::string& answer) {
    Parser parser;
    parser.parse(answer);
    std::string out;
    for (const auto& pair : parser.mXMLDataList())
        if (!pair.mKey.empty() && pair.mValue != "\n")
            out += (out.empty() ? "" : " ") + pair.mKey + "=" + pair.mValue;
    return out;
}

/// What the reader gets from the answer: pairs, or rows (without the preset columns) joined
/// by " | ".
std::string read(Reader reader, const std::string& answer) {
    if (reader == Reader::Pairs)
        return pairsText<XmlDataSetParser>(answer);
    if (reader == Reader::Pairs1)
        return pairsText<XmlDataSetParser1>(answer);
    if (reader == Reader::Text)
        return answer;
    XmlDataSetParser2 parser("Table1");
    parser.parse(answer);
    std::string out;
    for (const auto& row : parser.mXMLDataList()) {
        std::string columns;
        for (const auto& [name, text] : row)
            if (std::find(kPresetColumns.begin(), kPresetColumns.end(), name) ==
                kPresetColumns.end())
                columns += std::string(columns.empty() ? "" : " ") + std::string(name) + "=" +
                           std::string(text);
        out += (out.empty() ? "" : " | ") + columns;
    }
    return out;
}

TEST(SpyneInterop, EveryOperationPassesTheSchemaSendsItsValuesIntactAndReadsBack) {
    SpyneServices services;
    ASSERT_FALSE(services.base().empty()) << "the spyne services did not start";
    platform::StdMainLoop loop;
    platform::CurlHttp http{loop, platform::HttpOptions{5000ms, 10000ms}};
    CacheDBCommands commands(http,
                             {kNamespace, services.base() + "/sub_tamberlinove/tamberlinove02.asmx",
                              services.base() + "/sub_airport/airport02.asmx"});

    const std::string uuid = "E2C56DB5-DFFB-48D2-B060-D0F5A71096E0";
    // Flight number, airline and the airport names (5th to 8th) are not sent.
    const FlightLogInput log{"GMP",      "CJU",  "20261207",      "0930", "KE1203", "대한항공",
                             "김포",     "제주", "20261207",      "1015", "2",      "",
                             "A01-A12",  "",     "지연 & <재개>", "1",    "",       "",
                             "20261207", "1040", "20261207",      "1125", uuid,     "501",
                             "7",        "1"};
    struct Case {
        const char* method;
        std::function<std::optional<std::string>(CacheDBCommands&)> call;
        std::vector<std::string> received; // as the service read them, in the declared order
        Reader reader;
        const char* read;
    };
    const Case cases[] = {
        {"Unit_AllSearch01",
         [](auto& c) { return c.Unit_AllSearch01(); },
         {},
         Reader::Pairs,
         "sUnitUUID=E2C56DB5-DFFB-48D2-B060-D0F5A71096E0 "
         "SUNITUUID=B9407F30-F5F8-466E-AFF9-25556B57FE6D"},
        {"Flight_List03",
         [](auto& c) { return c.Flight_List03("20261207", "", "", "", "", "1"); },
         {"20261207", "", "", "", "", "1"},
         Reader::Pairs1,
         "airline=대한항공 flightId=KE1203 gatenumber= remark=지연 & <결항 검토> flag=1 "
         "airline=제주항공 flightId=7C101 gatenumber=3 remark=출발 flag=1"},
        {"Flight_List04",
         [](auto& c) { return c.Flight_List04("20261207", "GMP", "CJU", "KE1203", "1", "1"); },
         {"20261207", "GMP", "CJU", "KE1203", "1", "1"},
         Reader::Pairs1,
         "flightId=KE1203 estimatedTime_Departure=1015 gatenumber=23 carousel= remark=탑승중"},
        {"Unit_Join01",
         [&](auto& c) { return c.Unit_Join01("", "", uuid, "501", "7", "1"); },
         {"", "", uuid, "501", "7", "1"},
         Reader::Text,
         "YES"},
        {"Log_Unit_SearchOK01",
         [&](auto& c) { return c.Log_Unit_SearchOK01("", "", uuid, "501", "7"); },
         {"", "", uuid, "501", "7"},
         Reader::Text,
         "YES"},
        {"Log_FilghtInput01",
         [&](auto& c) { return c.Log_FilghtInput01(log); },
         {"GMP", "CJU", "20261207", "0930", "20261207",      "1015",
          "2",   "",    "A01-A12",  "",     "지연 & <재개>", "1",
          "",    "",    "20261207", "1040", "20261207",      "1125",
          uuid,  "501", "7",        "1"},
         Reader::Text,
         "YES"},
        {"City_View03",
         [](auto& c) { return c.City_View03("GMP", "CJU"); },
         {"GMP", "CJU"},
         Reader::Pairs1,
         "cityCode=GMP cityFlag=2 cityCode=CJU cityFlag=2"},
        {"City_List02",
         [](auto& c) { return c.City_List02(); },
         {},
         Reader::Rows,
         "cityCode=ICN cityEng=Seoul Incheon cityKor=서울/인천 cityFlag=1 NationCode=KR | "
         "cityCode=NRT cityEng=Tokyo & <Narita> cityKor=도쿄 cityFlag=3 NationCode=JP"},
        {"Nation_List02",
         [](auto& c) { return c.Nation_List02(""); },
         {""},
         Reader::Rows,
         "NationCode=KR NationEng=Korea NationKor=대한민국 sFileName=kr.png"},
        {"Nation_Modify_List01",
         [](auto& c) { return c.Nation_Modify_List01(); },
         {},
         Reader::Rows,
         "Nation=20261201 CityInfo=20261130 sDate=20261201"},
        {"Exchange_List01",
         [](auto& c) { return c.Exchange_List01(); },
         {},
         Reader::Rows,
         "sDATE=20261207 CUR_UNIT=USD CUR_NM=미국 달러 TTB=1,297.5 TTS=1,323.7 "
         "DEAL_BAS_R=1,310.6 LASTDATE=20261207110000"},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        const auto answer = c.call(commands);
        ASSERT_TRUE(answer.has_value());
        // A refused request comes back as a SOAP fault, whose text reads as nothing here.
        EXPECT_EQ(read(c.reader, *answer), c.read) << "answer: " << *answer;
    }
    httplib::Client client(services.base());
    const auto recorded = client.Get("/received");
    ASSERT_TRUE(recorded);
    const auto received = nlohmann::json::parse(recorded->body);
    for (const auto& c : cases)
        EXPECT_EQ(received.value(c.method, std::vector<std::string>{"(nothing)"}), c.received)
            << c.method;
}

} // namespace
} // namespace remote
