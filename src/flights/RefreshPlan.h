#pragma once
/// @file
/// Which source refreshes the tracked flight, and the requests sent to the three feeds.

#include "flights/TrackedFlight.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flights {

/// Base addresses and keys of the three flight-status feeds.
struct FeedEndpoints {
    std::string internationalAirportAPI; ///< scheme, host and port; paths are appended
    std::string domesticAirportsAPI;
    std::string timetableAPI;
    std::string flightStatusServiceKey; ///< sent as it stands (already percent-encoded)
    std::string timetableKey;
};

/// One request to a feed.
struct FeedRequest {
    enum class Kind {
        InternationalDepartures,
        InternationalArrivals,
        DomesticDepartures, ///< schIOType=O
        DomesticArrivals,   ///< schIOType=I
        TimetableDepartures,
        TimetableArrivals,
    };
    Kind kind;
    std::string airport;  ///< the airport asked about ("airport", "schAirCode", "iata_code")
    char lineType = 'D';  ///< domestic requests: 'D' domestic or 'I' international lines
    std::string flightId; ///< international requests only

    bool operator==(const FeedRequest&) const = default;
};

/// Which answer handler a feed's answer goes to.
enum class Feed { International, Domestic, Timetable };
Feed feedOf(FeedRequest::Kind kind);

/// The address of a request, split as the request operations take it.
struct FeedAddress {
    std::string base;       ///< endpoint and path
    std::string parameters; ///< query text without the "?"

    std::string url() const { return base + "?" + parameters; }
};

/// @p value with every byte but ASCII letters, digits and "-._~" written as %XX.
std::string percentEncoded(std::string_view value);

/// The address of @p request. Airport codes and flight numbers are percent-encoded (codes
/// and numbers as they occur are left as they are); the service key is sent as configured.
FeedAddress feedAddress(const FeedRequest& request, const FeedEndpoints& endpoints);

/// What a refresh starts, in this order: a lookup in the maker's flight table, an
/// international-airport request, and the maker's airport classification ("O" or "I").
struct RenewPlan {
    bool makerTable = false;
    std::optional<FeedRequest> international;
    std::optional<std::string> classification;

    bool operator==(const RenewPlan&) const = default;
};

/// The sources for the tracked flight on @p today ("yyyyMMdd"): the maker's table for
/// another day; for a departure from ICN the international feed (while in flight or departed
/// only when its departure time has not changed) and, once it is in flight or departed, the
/// classification too; for an arrival at ICN the international feed; otherwise the
/// classification. Nothing without a tracked flight.
RenewPlan chooseRenewSources(const TrackedFlight& tracked, std::string_view today);

/// The feed requests for classification @p flag ("1", "2", "3" or another value) of the
/// tracked flight at local time @p nowHHmm (HHmm read as a number).
std::vector<FeedRequest> classifiedRequests(std::string_view flag, const TrackedFlight& tracked,
                                            long nowHHmm);

} // namespace flights
