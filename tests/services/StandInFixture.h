#pragma once
// A stand-in started for one test on an ephemeral loopback port, with a data file in a
// temporary directory and a clock the test holds, plus the app's real HTTP client.

#include "TempDir.h"

#include "platform/Clock.h"
#include "platform/CurlHttp.h"
#include "platform/TaskQueue.h"
#include "remote/Answer.h"
#include "remote/CacheDBCommands.h"
#include "remote/DataRow.h"
#include "remote/XmlDataSetParser2.h"
#include "services/StandIn.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <map>
#include <string>

namespace services_test {

inline constexpr const char* kToday = "20261207"; // a Monday
inline constexpr const char* kMorning = "2026-12-07T09:30:00+09:00";

/// A clock that stands still until the test moves it; the stand-in reads it from its server
/// threads.
class TestClock {
public:
    explicit TestClock(std::string_view iso) { set(iso); }
    void set(std::string_view iso) {
        platform::TimePoint at;
        int offset = 0;
        ASSERT_TRUE(platform::parseIsoInstant(iso, at, offset)) << iso;
        ms_ = at.time_since_epoch().count();
        offset_ = offset;
    }
    void advanceMinutes(int minutes) { ms_ += minutes * 60'000LL; }
    services::ClockFunction function() {
        return [this] {
            return services::ClockReading{services::Instant(std::chrono::milliseconds(ms_.load())),
                                          offset_.load()};
        };
    }

private:
    std::atomic<long long> ms_{0};
    std::atomic<int> offset_{0};
};
inline constexpr const char* kCarrierPath = "/sub_tamberlinove/tamberlinove02.asmx";
inline constexpr const char* kAirportPath = "/sub_airport/airport02.asmx";

/// The text of column `key` of a parsed row (empty when absent).
inline std::string col(const remote::DataRow& row, std::string_view key) {
    return std::string(row.value(key));
}

/// The Table1 rows of a data-set answer, which must not be a failure.
inline std::vector<remote::DataRow> rows(const std::optional<std::string>& answer) {
    EXPECT_FALSE(remote::isFailure(answer));
    remote::XmlDataSetParser2 parser("Table1");
    parser.parse(answer.value_or(""));
    return parser.mXMLDataList();
}

/// A SOAP 1.1 request envelope as the app writes it.
inline std::string envelope(const std::string& operation,
                            const std::map<std::string, std::string>& parameters = {}) {
    std::string body = "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
                       "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                       "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
                       "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><" +
                       operation + " xmlns=\"http://tempuri.org/\">";
    for (const auto& [name, value] : parameters)
        body += "<" + name + ">" + value + "</" + name + ">";
    return body + "</" + operation + "></soap:Body></soap:Envelope>";
}

class StandInTest : public ::testing::Test {
protected:
    void SetUp() override { start("demo"); }

    /// (Re)starts the stand-in with `scenario` on the same data file and clock.
    void start(const std::string& scenario) {
        commands_.reset();
        standIn_.reset();
        services::Options options;
        options.dataFile = dir_.file("services.sqlite3");
        options.clock = clock_.function();
        options.scenario = scenario;
        standIn_ = std::make_unique<services::StandIn>(options);
        ASSERT_TRUE(standIn_->start());
        config_ = nlohmann::json::parse(standIn_->clientConfigJson());
        commands_ = std::make_unique<remote::CacheDBCommands>(
            http_, remote::ServiceEndpoints{config_["soapNamespace"], config_["carrierServiceURL"],
                                            config_["airportServiceURL"]});
    }

    /// GETs `target` (path and query) from the stand-in.
    platform::HttpResponse get(const std::string& target) {
        httplib::Client client(standIn_->baseUrl());
        auto result = client.Get(target);
        EXPECT_TRUE(result) << target;
        return result ? platform::HttpResponse{result->status, result->body}
                      : platform::HttpResponse{};
    }

    /// POSTs `body` to `path` of the stand-in as the app does.
    platform::HttpResponse post(const std::string& path, const std::string& body) {
        auto response = http_.post(standIn_->baseUrl() + path,
                                   {{"Content-Type", "text/xml; charset=utf-8"}}, body);
        EXPECT_TRUE(response.has_value());
        return response.value_or(platform::HttpResponse{});
    }

    testing_support::TempDir dir_;
    TestClock clock_{kMorning};
    nlohmann::json config_;
    platform::StdMainLoop loop_;
    platform::CurlHttp http_{loop_, platform::HttpOptions{}};
    std::unique_ptr<services::StandIn> standIn_;
    std::unique_ptr<remote::CacheDBCommands> commands_;
};

} // namespace services_test
