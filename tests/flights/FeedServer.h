#pragma once
// Stand-ins on 127.0.0.1 for the refresh tests: the three feeds answer GETs by path, the
// airport SOAP service answers City_View03 and Flight_List04. Records every request.

#include "remote/XmlEscape.h"

#include <httplib.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
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

    FeedServer() {
        server_.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            std::unique_lock lock(mutex_);
            targets_.push_back(req.target);
            cv_.wait(lock, [this] { return !hang_; });
            auto it = answers_.find(req.path);
            res.status = it == answers_.end() ? 404 : 200;
            res.set_content(it == answers_.end() ? "" : it->second, "text/plain; charset=utf-8");
        });
        server_.Post(kAirportService, [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard lock(mutex_);
            const std::string action = req.get_header_value("SOAPAction");
            const std::string operation = action.substr(action.rfind('/') + 1);
            soapCalls_.push_back(operation);
            auto it = answers_.find(operation);
            res.set_content(envelope(operation, it == answers_.end() ? "-1" : it->second),
                            "text/xml; charset=utf-8");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }

    ~FeedServer() {
        release();
        while (!server_.is_running())
            std::this_thread::yield();
        server_.stop();
        thread_.join();
    }

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

    /// The body a feed path, or the result text a SOAP operation, answers with.
    void answer(const std::string& pathOrOperation, std::string text) {
        std::lock_guard lock(mutex_);
        answers_[pathOrOperation] = std::move(text);
    }
    /// GETs are held unanswered until release().
    void hang() {
        std::lock_guard lock(mutex_);
        hang_ = true;
    }
    void release() {
        {
            std::lock_guard lock(mutex_);
            hang_ = false;
        }
        cv_.notify_all();
    }

    /// Path and query of every GET, in arrival order.
    std::vector<std::string> targets() const {
        std::lock_guard lock(mutex_);
        return targets_;
    }
    /// Names of the SOAP operations called, in order.
    std::vector<std::string> soapCalls() const {
        std::lock_guard lock(mutex_);
        return soapCalls_;
    }

private:
    static std::string envelope(const std::string& operation, const std::string& result) {
        return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope "
               "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><" +
               operation + "Response xmlns=\"http://tempuri.org/\"><" + operation + "Result>" +
               remote::xmlEscaped(result) + "</" + operation + "Result></" + operation +
               "Response></soap:Body></soap:Envelope>";
    }

    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::map<std::string, std::string> answers_;
    std::vector<std::string> targets_;
    std::vector<std::string> soapCalls_;
    bool hang_ = false;
};

} // namespace testing_support
