#pragma once
// The stand-in for the maker's carrier and airport SOAP services and the three public
// flight-status services, served over HTTP on loopback from a demo data set whose flights a
// scenario moves through time. The app embeds it in demo mode; tests start one directly.

#include "services/Clock.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace services {

struct Options {
    std::string host = "127.0.0.1";
    int port = 0;         ///< 0: an ephemeral port
    std::string dataFile; ///< SQLite file; empty: a private store in memory
    /// "yyyyMMdd": the clock is moved by whole days so that this is the date at start (the
    /// time of day is kept). Empty: the clock's own date.
    std::string today;
    /// Where the services read the time; empty: the system clock and time zone.
    ClockFunction clock;
    std::string scenario = "demo"; ///< "demo" or "ontime"
};

class StandIn {
public:
    explicit StandIn(Options options);
    ~StandIn(); ///< stops
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    /// Seeds the data if needed, binds, and serves on a background thread. Returns false
    /// (and writes a log line) on failure.
    bool start();
    /// Stops serving and waits for the server thread; safe to call more than once.
    void stop();

    /// The bound port; 0 before start().
    int port() const;
    /// "http://HOST:PORT" (a wildcard host is written as the loopback address).
    std::string baseUrl() const;
    /// A JSON object with the app's config keys pointing at this instance.
    std::string clientConfigJson() const;
    /// The date on the services' clock now, "yyyyMMdd".
    std::string today() const;

    /// The UUIDs of the demo's luggage tags, as the carrier service lists them; read from the
    /// seeded data, so no instance needs to run.
    static std::vector<std::string> demoTagUuids();

    /// Registered carrier units (Unit_Join01), each row parameter name -> value.
    std::vector<std::map<std::string, std::string>> unitRegistry() const;
    /// Records of Log_FilghtInput01, in arrival order.
    std::vector<std::map<std::string, std::string>> flightLogs() const;
    /// Records of Log_Unit_SearchOK01, in arrival order.
    std::vector<std::map<std::string, std::string>> unitSearchLogs() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace services
