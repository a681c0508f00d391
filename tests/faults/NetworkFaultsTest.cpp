// Every remote channel of the app against every network fault, with real HTTP through a
// faulty peer on 127.0.0.1, a real database and virtual time: a broken exchange changes
// nothing and shows nothing, ends within the HTTP time-out, and the next attempt after the
// server heals brings the change.

#include "app/AppFixture.h"
#include "carriers/CarrierService.h"
#include "flights/FeedServer.h"
#include "flights/UIAirportSchedule.h"
#include "services/SoapMessage.h"

using testing_support::FaultyPeer;
using testing_support::FeedServer;
using namespace std::chrono_literals;

namespace {

// The first four break the exchange itself; the others are answers that are no good.
enum class Fault { Refused, Reset, Silence, Truncated, Http500, BadUtf8, Columns, OtherFlight };
constexpr const char* kFaultNames[] = {"Refused", "Reset",   "Silence", "Truncated",
                                       "Http500", "BadUtf8", "Columns", "OtherFlight"};

/// What a source answers about one flight. A broken answer lacks the flight number's column
/// and carries the gate's column twice.
struct Answer {
    std::string flight, gate;
    bool broken = false;
};

std::string el(const std::string& name, const std::string& value) {
    return "<" + name + ">" + value + "</" + name + ">";
}
std::string idAndGate(const Answer& a, const char* id, const char* gate) {
    const std::string g = el(gate, a.gate);
    return (a.broken ? "" : el(id, a.flight)) + g + (a.broken ? g : "");
}
std::string international(const Answer& a) {
    return "<response><body><items><item><airline>대한항공</airline>" +
           idAndGate(a, "flightId", "gatenumber") +
           "<scheduleDateTime>1030</scheduleDateTime><estimatedDateTime>1030</estimatedDateTime>"
           "</item></items></body></response>";
}
std::string flightTable(const Answer& a) {
    return "<NewDataSet><Table1><airline>대한항공</airline>" +
           idAndGate(a, "flightId", "gatenumber") +
           "<estimatedTime_Departure>1030</estimatedTime_Departure></Table1></NewDataSet>";
}
std::string domestic(const Answer& a) {
    return "<response><body><items><item>" + idAndGate(a, "airFln", "gate") +
           "<io>O</io><std>1030</std></item></items></body></response>";
}
std::string timetable(const Answer& a) {
    const std::string gate = R"("gate":")" + a.gate + "\"";
    const std::string times = R"("scheduled_time":"2026-12-07T10:30:00.000",)"
                              R"("estimated_time":"2026-12-07T10:30:00.000")";
    return R"({"response":[{"flight":{)" +
           (a.broken ? "" : R"("iata_number":")" + a.flight + "\"") +
           R"(},"status":"scheduled","departure":{"iata_code":"PUS",)" + times + "," + gate +
           (a.broken ? "," + gate : "") + R"(},"arrival":{"iata_code":"FUK",)" + times + "}}]}";
}
std::string joined(const Answer&) {
    return "YES";
}

enum class Kind { Refresh, Search, Join };

struct Channel {
    const char* name;
    Kind kind;
    const char* flightId;
    const char* date;     ///< of the tracked flight, which leaves `from` for `to` at 10:30
    const char* from;     ///< (a search and a registration track none)
    const char* to;       ///<
    const char* cityFlag; ///< the classification, for a flight that needs one
    const char* path;     ///< the requests the fault hits
    const char* soap;     ///< the SOAP operation answering, or none for a feed
    std::string (*answer)(const Answer&);
    int faults;        ///< how many of the faults, in their order, apply
    const char* after; ///< the state once the change has arrived
};

// Another flight in a search page is what a search is for; a registration's answer holds no
// flight.
const Channel kChannels[] = {
    {"FlightTable", Kind::Refresh, "KE701", "20261208", "ICN", "NRT", nullptr,
     FeedServer::kAirportService, "Flight_List04", flightTable, 8, "25/25/1"},
    {"International", Kind::Refresh, "KE701", "20261207", "ICN", "NRT", nullptr,
     FeedServer::kInternationalDepartures, nullptr, international, 8, "25/25/1"},
    {"Domestic", Kind::Refresh, "KE1201", "20261207", "GMP", "CJU", "1", FeedServer::kDomestic,
     nullptr, domestic, 8, "25/25/1"},
    {"Timetable", Kind::Refresh, "KE781", "20261207", "PUS", "FUK", "9", FeedServer::kTimetable,
     nullptr, timetable, 8, "25/25/1"},
    {"Search", Kind::Search, "KE701", nullptr, nullptr, nullptr, nullptr,
     FeedServer::kAirportService, "Flight_List03", flightTable, 7, "KE701:25/0"},
    {"Registration", Kind::Join, "", nullptr, nullptr, nullptr, nullptr,
     FeedServer::kAirportService, "Unit_Join01", joined, 5, "1/0"},
};

struct Case {
    const Channel* channel;
    Fault fault;
};

std::vector<Case> cases() {
    std::vector<Case> out;
    for (const auto& channel : kChannels)
        for (int f = 0; f < channel.faults; ++f)
            out.push_back({&channel, static_cast<Fault>(f)});
    return out;
}

constexpr auto kTimeout = 1000ms;

class NetworkFaults : public testing_support::AppFixture,
                      public ::testing::WithParamInterface<Case> {
protected:
    NetworkFaults() : c(*GetParam().channel) {
        refreshForReal = true;
        http =
            std::make_unique<platform::CurlHttp>(*loop, platform::HttpOptions{kTimeout, kTimeout});
        config.airportServiceURL = config.carrierServiceURL =
            peer.base() + FeedServer::kAirportService;
        config.internationalAirportAPI = config.domesticAirportsAPI = config.timetableAPI =
            peer.base();
        config.flightStatusServiceKey = "key";
        config.timetableKey = "01234567-89ab-cdef-0123-456789abcdef";
    }

    /// The server answers with this gate; the search's first listing finds nothing.
    void serve(const std::string& gate) {
        backend.answer(c.soap ? c.soap : c.path, c.kind == Kind::Search && gate == "23"
                                                     ? "<rtn>NO</rtn>"
                                                     : c.answer({c.flightId, gate}));
    }

    void inject(Fault fault) {
        using P = FaultyPeer::Fault;
        constexpr P kBroken[] = {P::Refuse, P::Reset, P::Silence, P::Truncate};
        if (fault < Fault::Http500)
            return peer.inject(c.path, kBroken[static_cast<int>(fault)]);
        const Answer a = fault == Fault::BadUtf8   ? Answer{c.flightId, "\xB2\xF0"}
                         : fault == Fault::Columns ? Answer{c.flightId, "25", true}
                                                   : Answer{"OZ9999", "25"};
        const std::string text = c.soap ? services::soapResponse(c.soap, c.answer(a)) : c.answer(a);
        peer.inject(c.path, P::Answer,
                    fault == Fault::Http500
                        ? FaultyPeer::httpAnswer(500, services::soapFault("soap:Server", "down"))
                        : FaultyPeer::httpAnswer(200, text));
    }

    /// One refresh tick (and the alert's delay), one search or one registration.
    void attempt() {
        if (c.kind == Kind::Join)
            return carriers::sendUnitJoin(context->commands(), "D5FC0C59", "1", "2", "1");
        if (c.kind == Kind::Search)
            search().btn_FlightId_Search.tap();
        loop->advance(c.kind == Kind::Search ? 500ms : 60s);
        loop->runUntilIdle();
        loop->advance(1s);
    }

    flights::UIAirportSchedule& search() {
        return dynamic_cast<flights::UIAirportSchedule&>(*window().front());
    }

    /// The tracked flight's stored and drawn gate, the search list, or the registrations the
    /// service confirmed; then the alerts shown.
    std::string state() {
        std::string out;
        if (c.kind == Kind::Refresh) {
            const auto rows = query("SELECT gatenumber FROM aFlightInfo WHERE flightId = '" +
                                    std::string(c.flightId) + "'");
            out = (rows.empty() ? "none" : rows[0].at("0")) + "/" + main().lbl_GateNumber.text();
        } else if (c.kind == Kind::Search) {
            for (const auto& f : search().data)
                out += f.sFlightId() + ":" + f.sGateNumber();
        } else {
            out = std::to_string(std::ranges::count(log.lines(), std::string("저장성공")));
        }
        return out + "/" + std::to_string(window().alerts().size());
    }

    const Channel& c;
    FeedServer backend;
    FaultyPeer peer{backend.base()};
};

TEST_P(NetworkFaults, ABrokenExchangeChangesNothingAndTheNextAttemptAfterHealingRecovers) {
    if (c.date)
        storeFlight({"대한항공", c.flightId, c.date, c.date,     "1030", c.date, "1030", c.date,
                     "1125",     c.date,     "1125", "",         "출발", "도착", c.from, c.to,
                     "23",       "",         "",     "정보없음", "",     "1"});
    if (c.cityFlag)
        backend.answer("City_View03", "<NewDataSet><Table1>" + el("cityFlag", c.cityFlag) +
                                          "</Table1></NewDataSet>");
    serve("23");
    launch();
    if (c.kind == Kind::Search) {
        flights::registerFlightScreens(*context);
        main().present(context->makeScreen("UIAirportSchedule"), false);
        loop->advance(500ms);
        loop->runUntilIdle();
    }
    const std::string before = state();

    serve("25");
    const Fault fault = GetParam().fault;
    inject(fault);
    log.clear();
    const auto started = std::chrono::steady_clock::now();
    attempt();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2 * kTimeout + 1s);
    EXPECT_EQ(state(), before);
    // The HTTP client logs an exchange that broke, so the fault did meet the request.
    EXPECT_EQ(std::ranges::any_of(log.lines(),
                                  [](const std::string& line) {
                                      return line.find(" failed: ") != std::string::npos;
                                  }),
              fault < Fault::Http500);

    peer.heal();
    attempt();
    EXPECT_EQ(state(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Channels, NetworkFaults, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.channel->name) + "_" +
                                    kFaultNames[static_cast<int>(info.param.fault)];
                         });

} // namespace
