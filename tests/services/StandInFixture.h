#pragma once
// A stand-in started for one test on an ephemeral loopback port, with a data file in a
// temporary directory and a fixed today, plus the app's real HTTP client.

#include "TempDir.h"

#include "platform/CurlHttp.h"
#include "platform/TaskQueue.h"
#include "remote/CacheDBCommands.h"
#include "remote/DataRow.h"
#include "services/StandIn.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <string>

namespace services_test {

inline constexpr const char* kToday = "20261207"; // a Monday
inline constexpr const char* kCarrierPath = "/sub_tamberlinove/tamberlinove02.asmx";
inline constexpr const char* kAirportPath = "/sub_airport/airport02.asmx";

/// The text of column `key` of a parsed row (empty when absent).
inline std::string col(const remote::DataRow& row, std::string_view key) {
    return std::string(row.value(key));
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
    void SetUp() override {
        services::Options options;
        options.dataFile = dir_.file("services.sqlite3");
        options.today = kToday;
        standIn_ = std::make_unique<services::StandIn>(options);
        ASSERT_TRUE(standIn_->start());
        auto config = nlohmann::json::parse(standIn_->clientConfigJson());
        commands_ = std::make_unique<remote::CacheDBCommands>(
            http_, remote::ServiceEndpoints{config["soapNamespace"], config["carrierServiceURL"],
                                            config["airportServiceURL"]});
    }

    /// POSTs `body` to `path` of the stand-in as the app does.
    platform::HttpResponse post(const std::string& path, const std::string& body) {
        auto response = http_.post(standIn_->baseUrl() + path,
                                   {{"Content-Type", "text/xml; charset=utf-8"}}, body);
        EXPECT_TRUE(response.has_value());
        return response.value_or(platform::HttpResponse{});
    }

    testing_support::TempDir dir_;
    platform::StdMainLoop loop_;
    platform::CurlHttp http_{loop_, platform::HttpOptions{}};
    std::unique_ptr<services::StandIn> standIn_;
    std::unique_ptr<remote::CacheDBCommands> commands_;
};

} // namespace services_test
