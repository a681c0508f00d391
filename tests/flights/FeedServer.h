#pragma once
// Stand-ins on 127.0.0.1 for the flight tests: the three feeds answer GETs by path, the
// airport SOAP service answers its operations. Records every request.

#include "LoopbackServer.h"
#include "services/SoapMessage.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace testing_support {

class FeedServer {
public:
    static constexpr const char* kAirportService = "/sub_airport/airport02.asmx";
    static constexpr const char* kInternationalDepartures =
        "/openapi/service/StatusOfPassengerFlights/getPassengerDepartures";
    static constexpr const char* kInternationalArrivals =
        "/openapi/service/StatusOfPassengerFlights/getPassengerArrivals";
    static constexpr const char* kDomestic = "/service/rest/FlightStatusList/getFlightStatusList";
    static constexpr const char* kTimetable = "/api/v7/timetable";

    /// Computes a SOAP call's result from its operation and request body.
    using SoapResult = std::function<std::string(const std::string&, const std::string&)>;
    /// Without `soapResult`, a SOAP call gets the text answer() gave its operation, or "-1".
    explicit FeedServer(SoapResult soapResult = {}) : soapResult_(std::move(soapResult)) {}

    std::string base() const { return server_.base(); }

    /// The body a feed path, or the result text a SOAP operation, answers with.
    void answer(const std::string& pathOrOperation, std::string text) {
        std::lock_guard lock(mutex_);
        answers_[pathOrOperation] = std::move(text);
    }
    /// GETs are held unanswered until release().
    void hang() { server_.hold(); }
    void release() { server_.release(); }

    /// Path and query of every GET, in arrival order.
    std::vector<std::string> targets() const {
        std::lock_guard lock(mutex_);
        return targets_;
    }
    /// The bodies of the SOAP requests of one operation, in order.
    std::vector<std::string> requests(const std::string& operation) const {
        std::lock_guard lock(mutex_);
        std::vector<std::string> out;
        for (const auto& [called, body] : soapRequests_)
            if (called == operation)
                out.push_back(body);
        return out;
    }

private:
    void routes(httplib::Server& server) {
        server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard lock(mutex_);
                targets_.push_back(req.target);
            }
            server_.waitWhileHeld();
            std::lock_guard lock(mutex_);
            auto it = answers_.find(req.path);
            res.status = it == answers_.end() ? 404 : 200;
            res.set_content(it == answers_.end() ? "" : it->second, "text/plain; charset=utf-8");
        });
        server.Post(kAirportService, [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard lock(mutex_);
            const std::string action = req.get_header_value("SOAPAction");
            const std::string operation = action.substr(action.rfind('/') + 1);
            soapRequests_.emplace_back(operation, req.body);
            auto it = answers_.find(operation);
            const std::string result = soapResult_            ? soapResult_(operation, req.body)
                                       : it == answers_.end() ? "-1"
                                                              : it->second;
            res.set_content(services::soapResponse(operation, result), "text/xml; charset=utf-8");
        });
    }

    mutable std::mutex mutex_;
    std::map<std::string, std::string> answers_;
    std::vector<std::string> targets_;
    std::vector<std::pair<std::string, std::string>> soapRequests_;
    SoapResult soapResult_;
    LoopbackServer server_{[this](httplib::Server& server) { routes(server); }};
};

} // namespace testing_support
