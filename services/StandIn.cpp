#include "services/StandIn.h"

#include "services/DataStore.h"
#include "services/Dates.h"
#include "services/DemoData.h"
#include "services/Feeds.h"
#include "services/Operations.h"
#include "services/Scenario.h"
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
    ClockFunction clock;
    long shiftDays = 0;                         // set by start(); moves the clock to options.today
    ScenarioKind scenario = ScenarioKind::Demo; // set by start()
    mutable std::mutex mutex;                   // guards everything from here to `server`
    // The demo data and the scenario are made when a request first needs them, so that a
    // start opens the seeded store and nothing more.
    std::optional<DemoData> data;
    std::unique_ptr<LiveFlights> live;
    std::unique_ptr<DataStore> store;
    std::unique_ptr<Operations> operations;
    Date preparedDay;
    std::unique_ptr<httplib::Server> server;
    std::thread thread;
    std::atomic<bool> finished{false};
    int port = 0;

    HomeMinute now() const;
    const DemoData& demoData();
    DemoSource demoSource() {
        return [this]() -> const DemoData& { return demoData(); };
    }
    LiveFlights& liveFlights();
    void keepUp(HomeMinute now);
    void handle(Service service, const httplib::Request& req, httplib::Response& res);
    using Feed = FeedAnswer (*)(const Query&, const FeedSource&);
    void serveFeed(Feed feed, const httplib::Request& req, httplib::Response& res);
    void installRoutes();
    std::vector<std::map<std::string, std::string>>
    read(const std::function<std::vector<Record>(DataStore&)>& query) const;
};

HomeMinute StandIn::State::now() const {
    ClockReading reading = clock();
    reading.at += std::chrono::days(shiftDays);
    return homeMinute(reading);
}

// Called with the mutex held.
const DemoData& StandIn::State::demoData() {
    if (!data)
        data = DemoData::load();
    return *data;
}

// Called with the mutex held.
LiveFlights& StandIn::State::liveFlights() {
    if (!live)
        live = std::make_unique<LiveFlights>(demoData(), scenario);
    return *live;
}

/// The timetable covers a window of days around the clock's date; it follows the clock when
/// the date changes. Called with the mutex held.
void StandIn::State::keepUp(HomeMinute now) {
    Date today = localMoment(now).date;
    if (today == preparedDay)
        return;
    store->prepare(demoSource(), today);
    preparedDay = today;
}

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
        HomeMinute at = now();
        std::lock_guard lock(mutex);
        keepUp(at);
        answer = operations->call(request->operation, request->parameters, at);
    } catch (const std::exception& e) {
        platform::logLine("stand-in services: " + request->operation + " failed: " + e.what());
        return answerFault(res, "soap:Server", "the service could not complete the request");
    }
    res.set_content(soapResponse(request->operation, answer), kContentType);
}

void StandIn::State::serveFeed(Feed feed, const httplib::Request& req, httplib::Response& res) {
    FeedAnswer answer;
    try {
        HomeMinute at = now();
        std::lock_guard lock(mutex);
        keepUp(at);
        answer = feed(req.params, FeedSource{*store, liveFlights(), at});
    } catch (const std::exception& e) {
        platform::logLine("stand-in services: " + req.path + " failed: " + e.what());
        res.status = 500;
        res.set_content("the service could not complete the request", "text/plain");
        return;
    }
    res.status = answer.status;
    res.set_content(answer.body, answer.contentType);
}

void StandIn::State::installRoutes() {
    server->set_payload_max_length(kMaxRequestBytes);
    auto get = [this](std::string_view path, Feed feed) {
        server->Get(routePattern(path),
                    [this, feed](const httplib::Request& req, httplib::Response& res) {
                        serveFeed(feed, req, res);
                    });
    };
    get(kInternationalDeparturesPath, [](const Query& q, const FeedSource& s) {
        return internationalFlights(Side::Departure, q, s);
    });
    get(kInternationalArrivalsPath, [](const Query& q, const FeedSource& s) {
        return internationalFlights(Side::Arrival, q, s);
    });
    get(kDomesticPath, &domesticFlights);
    get(kTimetablePath, &timetable);
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
    state_->clock = state_->options.clock ? state_->options.clock : &systemClockReading;
}

StandIn::~StandIn() {
    stop();
    state_->operations.reset();
    state_->live.reset();
    state_->store.reset();
}

bool StandIn::start() {
    State& s = *state_;
    if (s.thread.joinable())
        return true;
    std::optional<ScenarioKind> scenario = scenarioNamed(s.options.scenario);
    if (!scenario) {
        platform::logLine("stand-in services: unknown scenario " + s.options.scenario);
        return false;
    }
    s.shiftDays = 0;
    if (!s.options.today.empty()) {
        std::optional<Date> today = Date::parse(s.options.today);
        if (!today) {
            platform::logLine("stand-in services: bad date " + s.options.today +
                              " (expected yyyyMMdd)");
            return false;
        }
        s.shiftDays = today->toDays() - localMoment(s.now()).date.toDays();
    }
    try {
        Date today = localMoment(s.now()).date;
        std::lock_guard lock(s.mutex);
        s.operations.reset();
        s.live.reset();
        s.store.reset();
        s.scenario = *scenario;
        s.store = openStore(s.options.dataFile);
        s.store->prepare(s.demoSource(), today);
        s.preparedDay = today;
        s.operations = std::make_unique<Operations>(
            *s.store, [&s]() -> LiveFlights& { return s.liveFlights(); });
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
    config["flightStatusServiceKey"] = percentEncodeKey(kDemoServiceKey);
    config["timetableKey"] = std::string(kDemoTimetableKey);
    config["referralBase"] = base;
    config["referralKey"] = "DEMO-REFERRAL-KEY";
    config["hotelURL"] = base + "/hotel";
    config["hotelAffiliateId"] = "1000";
    config["requestTimeoutSeconds"] = 30;
    return config.dump();
}

std::string StandIn::today() const {
    return localMoment(state_->now()).date.text();
}

std::vector<std::string> StandIn::demoTagUuids() {
    return openStore("")->beaconUuids();
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
