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
#include "services/Feeds.h"
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
inline constexpr const char* kCarrierPath = "/sub_tamberlinove/tamberlinove02.asmx";
inline constexpr const char* kAirportPath = "/sub_airport/airport02.asmx";
inline constexpr std::string_view kDepartures = services::kInternationalDeparturesPath,
                                  kArrivals = services::kInternationalArrivalsPath,
                                  kDomestic = services::kDomesticPath,
                                  kTimetable = services::kTimetablePath;

/// A clock that stands still until the test moves it; the stand-in reads it from its server
/// threads.
class TestClock {
public:
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

inline std::string col(const remote::DataRow& row, std::string_view key) {
    return std::string(row.value(key));
}

/// The `table` rows of an answer (Table1 of a data set, item of a feed), which must not be a
/// failure.
inline std::vector<remote::DataRow> rows(const std::optional<std::string>& answer,
                                         const char* table = "Table1") {
    EXPECT_FALSE(remote::isFailure(answer));
    remote::XmlDataSetParser2 parser(table);
    parser.parse(answer.value_or(""));
    return parser.mXMLDataList();
}

/// A SOAP 1.1 request envelope as the app writes it.
inline std::string envelope(const std::string& operation,
                            const std::map<std::string, std::string>& parameters = {}) {
    std::string body = "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
                       "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><" +
                       operation + " xmlns=\"http://tempuri.org/\">";
    for (const auto& [name, value] : parameters)
        body += "<" + name + ">" + value + "</" + name + ">";
    return body + "</" + operation + "></soap:Body></soap:Envelope>";
}

class StandInTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock_.set(kMorning);
        start("demo");
    }

    /// (Re)starts the stand-in with `scenario` on the same data file and clock, moved by
    /// whole days to `today` if one is given.
    void start(const std::string& scenario, const std::string& today = "") {
        commands_.reset();
        standIn_.reset();
        services::Options options;
        options.dataFile = dir_.file("services.sqlite3");
        options.clock = clock_.function();
        options.scenario = scenario;
        options.today = today;
        standIn_ = std::make_unique<services::StandIn>(options);
        ASSERT_TRUE(standIn_->start());
        config_ = nlohmann::json::parse(standIn_->clientConfigJson());
        commands_ = std::make_unique<remote::CacheDBCommands>(
            http_, remote::ServiceEndpoints{config_["soapNamespace"], config_["carrierServiceURL"],
                                            config_["airportServiceURL"]});
    }

    /// GETs `target` (path and query) from the stand-in.
    platform::HttpResponse get(const std::string& target) {
        auto result = httplib::Client(standIn_->baseUrl()).Get(target);
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

    /// The feeds' targets with the query keys the app sends (the service key URL-encoded).
    std::string key() const { return config_["flightStatusServiceKey"]; }
    std::string international(std::string_view path, const std::string& airport = "",
                              const std::string& flight = "", const std::string& from = "0000",
                              const std::string& to = "2400") const {
        return std::string(path) + "?ServiceKey=" + key() + "&from_time=" + from +
               "&to_time=" + to + "&airport=" + airport + "&flight_id=" + flight;
    }
    std::string domestic(const std::string& io, const std::string& line, const std::string& code,
                         const std::string& from = "0000", const std::string& to = "2400") const {
        return std::string(kDomestic) + "?ServiceKey=" + key() + "&schStTime=" + from +
               "&schEdTime=" + to + "&schIOType=" + io + "&schLineType=" + line +
               "&schAirCode=" + code + "&pageNo=1&numOfRows=99999";
    }
    std::string timetable(const std::string& code, const std::string& type) const {
        return std::string(kTimetable) + "?api_key=" + config_["timetableKey"].get<std::string>() +
               "&iata_code=" + code + "&type=" + type;
    }

    testing_support::TempDir dir_;
    TestClock clock_;
    nlohmann::json config_;
    platform::StdMainLoop loop_;
    platform::CurlHttp http_{loop_, platform::HttpOptions{}};
    std::unique_ptr<services::StandIn> standIn_;
    std::unique_ptr<remote::CacheDBCommands> commands_;
};

} // namespace services_test
