#include "services/StandIn.h"

#include "services/DataStore.h"
#include "services/Dates.h"
#include "services/DemoData.h"
#include "services/Operations.h"
#include "services/SeedImage.h"
#include "services/SoapMessage.h"

#include "platform/Log.h"

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>

namespace services {
namespace {

constexpr const char* kCarrierPath = "/sub_tamberlinove/tamberlinove02.asmx";
constexpr const char* kAirportPath = "/sub_airport/airport02.asmx";
constexpr const char* kContentType = "text/xml; charset=utf-8";
constexpr std::size_t kMaxRequestBytes = 1 << 20;

/// httplib routes are regular expressions; the paths contain dots.
std::string routePattern(std::string_view path) {
    std::string pattern;
    for (char c : path) {
        if (c == '.')
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

void answerFault(httplib::Response& res, std::string_view code, std::string_view text) {
    res.status = 500;
    res.set_content(soapFault(code, text), kContentType);
}

/// A store opened from the seeded image: in memory when `path` is empty, else the file at
/// `path`, which starts as a copy of the image when it is new or empty.
std::unique_ptr<DataStore> openStore(const std::string& path) {
    std::optional<std::string_view> image = seed::embeddedFile(seed::kImageName);
    if (!image)
        throw std::runtime_error("the seeded data file is missing from the build");
    if (path.empty())
        return std::make_unique<DataStore>(Database::Image{*image});
    std::error_code error;
    if (!std::filesystem::exists(path, error) || std::filesystem::file_size(path, error) == 0) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(image->data(), static_cast<std::streamsize>(image->size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + path);
    }
    return std::make_unique<DataStore>(path);
}

} // namespace

struct StandIn::State {
    Options options;
    std::string today;
    std::optional<DemoData> data; // loaded when first needed
    mutable std::mutex mutex;     // guards data, store and operations
    std::unique_ptr<DataStore> store;
    std::unique_ptr<Operations> operations;
    std::unique_ptr<httplib::Server> server;
    std::thread thread;
    std::atomic<bool> finished{false};
    int port = 0;

    void handle(Service service, const httplib::Request& req, httplib::Response& res);
    void installRoutes();
    std::vector<std::map<std::string, std::string>>
    read(const std::function<std::vector<Record>(DataStore&)>& query) const;
};

void StandIn::State::handle(Service service, const httplib::Request& req, httplib::Response& res) {
    std::string error;
    std::optional<SoapRequest> request = parseSoapRequest(req.body, error);
    if (!request)
        return answerFault(res, "soap:Client", error);
    std::optional<Service> offered = Operations::serviceOf(request->operation);
    std::string shownName = request->operation.substr(0, 100);
    if (!offered)
        return answerFault(res, "soap:Client", "unknown operation " + shownName);
    if (*offered != service)
        return answerFault(res, "soap:Client",
                           "operation " + shownName + " is not offered at this address");
    std::string answer;
    try {
        std::lock_guard lock(mutex);
        answer = operations->call(request->operation, request->parameters);
    } catch (const std::exception& e) {
        platform::logLine("stand-in services: " + request->operation + " failed: " + e.what());
        return answerFault(res, "soap:Server", "the service could not complete the request");
    }
    res.set_content(soapResponse(request->operation, answer), kContentType);
}

void StandIn::State::installRoutes() {
    server->set_payload_max_length(kMaxRequestBytes);
    server->Post(routePattern(kCarrierPath),
                 [this](const httplib::Request& req, httplib::Response& res) {
                     handle(Service::Carrier, req, res);
                 });
    server->Post(routePattern(kAirportPath),
                 [this](const httplib::Request& req, httplib::Response& res) {
                     handle(Service::Airport, req, res);
                 });
}

std::vector<std::map<std::string, std::string>>
StandIn::State::read(const std::function<std::vector<Record>(DataStore&)>& query) const {
    std::lock_guard lock(mutex);
    if (!store)
        return {};
    try {
        return query(*store);
    } catch (const std::exception& e) {
        platform::logLine(std::string("stand-in services: reading records failed: ") + e.what());
        return {};
    }
}

StandIn::StandIn(Options options) : state_(std::make_unique<State>()) {
    state_->options = std::move(options);
    state_->today =
        state_->options.today.empty() ? Date::todayInKorea().text() : state_->options.today;
}

StandIn::~StandIn() {
    stop();
    state_->operations.reset();
    state_->store.reset();
}

bool StandIn::start() {
    State& s = *state_;
    if (s.thread.joinable())
        return true;
    std::optional<Date> today = Date::parse(s.today);
    if (!today) {
        platform::logLine("stand-in services: bad date " + s.today + " (expected yyyyMMdd)");
        return false;
    }
    try {
        std::lock_guard lock(s.mutex);
        s.operations.reset();
        s.store.reset();
        s.store = openStore(s.options.dataFile);
        // Called with the mutex held: by prepare() here, later by requests for flights.
        s.store->prepare(
            [&s]() -> const DemoData& {
                if (!s.data)
                    s.data = DemoData::load();
                return *s.data;
            },
            *today);
        s.operations = std::make_unique<Operations>(*s.store, *today);
    } catch (const std::exception& e) {
        platform::logLine(std::string("stand-in services: cannot prepare data: ") + e.what());
        return false;
    }

    s.server = std::make_unique<httplib::Server>();
    s.installRoutes();
    int port = s.options.port;
    if (port == 0)
        port = s.server->bind_to_any_port(s.options.host);
    else if (!s.server->bind_to_port(s.options.host, port))
        port = -1;
    if (port <= 0) {
        platform::logLine("stand-in services: cannot listen on " + s.options.host + ":" +
                          std::to_string(s.options.port));
        s.server.reset();
        return false;
    }
    s.port = port;
    s.finished = false;
    s.thread = std::thread([&s] {
        s.server->listen_after_bind();
        s.finished = true;
    });
    // The server can only be stopped once its accept loop runs; wait for that here so that
    // stop() never races it.
    while (!s.server->is_running() && !s.finished)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (s.finished) {
        s.thread.join();
        s.server.reset();
        platform::logLine("stand-in services: the server stopped at once");
        return false;
    }
    return true;
}

void StandIn::stop() {
    State& s = *state_;
    if (!s.thread.joinable())
        return;
    s.server->stop();
    s.thread.join();
    s.server.reset();
}

int StandIn::port() const {
    return state_->port;
}

std::string StandIn::baseUrl() const {
    std::string host = state_->options.host;
    if (host.empty() || host == "0.0.0.0")
        host = "127.0.0.1";
    else if (host == "::")
        host = "[::1]";
    else if (host.find(':') != std::string::npos)
        host = "[" + host + "]";
    return "http://" + host + ":" + std::to_string(port());
}

std::string StandIn::clientConfigJson() const {
    std::string base = baseUrl();
    nlohmann::ordered_json config;
    config["soapNamespace"] = std::string(kServiceNamespace);
    config["carrierServiceURL"] = base + kCarrierPath;
    config["airportServiceURL"] = base + kAirportPath;
    config["internationalAirportAPI"] = base;
    config["domesticAirportsAPI"] = base;
    config["timetableAPI"] = base;
    config["flightStatusServiceKey"] = "DEMO-FLIGHT-STATUS-KEY";
    config["timetableKey"] = "5d1c8e2a-7b3f-4c61-9e0d-2a4f6b8c1e37";
    config["referralBase"] = base;
    config["referralKey"] = "DEMO-REFERRAL-KEY";
    config["hotelURL"] = base + "/hotel";
    config["hotelAffiliateId"] = "1000";
    config["requestTimeoutSeconds"] = 30;
    return config.dump();
}

const std::string& StandIn::today() const {
    return state_->today;
}

std::vector<std::map<std::string, std::string>> StandIn::unitRegistry() const {
    return state_->read([](DataStore& store) { return store.units(); });
}

std::vector<std::map<std::string, std::string>> StandIn::flightLogs() const {
    return state_->read([](DataStore& store) { return store.logs("Log_FilghtInput01"); });
}

std::vector<std::map<std::string, std::string>> StandIn::unitSearchLogs() const {
    return state_->read([](DataStore& store) { return store.logs("Log_Unit_SearchOK01"); });
}

} // namespace services
