#pragma once
// The eleven operations of the carrier and airport services, answering from the data store.
// Every answer is text: a data-set document or one of the markers below.

#include "services/Clock.h"
#include "services/DataStore.h"
#include "services/Dates.h"
#include "services/Scenario.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace services {

inline constexpr std::string_view kAnswerNo = "<rtn>NO</rtn>";
inline constexpr std::string_view kAnswerError = "<rtn>ERROR</rtn>";
inline constexpr std::string_view kAnswerYes = "YES";

/// Rows of one Flight_List03 page.
inline constexpr int kFlightPageSize = 10;

enum class Service { Carrier, Airport };

using Parameters = std::map<std::string, std::string>;

class Operations {
public:
    /// `store` must outlive this object; `live` is asked for the flights' live state only by
    /// the operations on flights. Flight rows carry the live state of their flights;
    /// registering a flight's tracking starts its tracking there.
    Operations(DataStore& store, LiveSource live) : store_(store), live_(std::move(live)) {}

    /// The service offering `operation`; nothing for an unknown name.
    static std::optional<Service> serviceOf(std::string_view operation);

    /// Runs a known operation at the home-clock minute `now`, whose date stands for an empty
    /// date and dates the exchange rates. Parameters missing from the request count as empty
    /// text; bad values answer "<rtn>ERROR</rtn>". Storage failures throw.
    std::string call(std::string_view operation, const Parameters& parameters, HomeMinute now);

private:
    std::string unitAllSearch(const Parameters& p);
    std::string flightList(const Parameters& p);
    std::string flightOne(const Parameters& p);
    std::string unitJoin(const Parameters& p);
    std::string unitSearchLog(const Parameters& p);
    std::string flightLog(const Parameters& p);
    std::string cityView(const Parameters& p);
    std::string cityList(const Parameters& p);
    std::string nationList(const Parameters& p);
    std::string nationModified(const Parameters& p);
    std::string exchangeList(const Parameters& p);

    struct Entry {
        std::string_view name;
        Service service;
        std::string (Operations::*run)(const Parameters&);
    };
    static const Entry kEntries[];
    static const Entry* find(std::string_view operation);

    std::vector<DataRow> liveRows(std::vector<Flight> flights) const;

    DataStore& store_;
    LiveSource live_;
    // The moment of the call being served.
    HomeMinute now_ = 0;
    Date today_;
};

/// Parameter names of Log_FilghtInput01, in the order the app sends them.
extern const std::array<const char*, 22> kFlightLogParameters;
/// Parameter names of Log_Unit_SearchOK01 (the first five of Unit_Join01).
extern const std::array<const char*, 5> kUnitParameters;

} // namespace services
