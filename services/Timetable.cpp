#include "services/Timetable.h"

#include "services/Clock.h"

#include <cstdio>

namespace services {

const std::array<const char*, FlightColumnCount> kFlightColumnNames = {
    "airline",
    "flightId",
    "scheduleDate",
    "scheduleDate_Departure",
    "scheduleTime_Departure",
    "estimatedDate_Departure",
    "estimatedTime_Departure",
    "scheduleDate_Arrival",
    "scheduleTime_Arrival",
    "estimatedDate_Arrival",
    "estimatedTime_Arrival",
    "airport",
    "airport_departure",
    "airport_arrival",
    "airportcode_departure",
    "airportcode_arrival",
    "gatenumber",
    "carousel",
    "exitnumber",
    "remark",
    "chkinrange",
    "flag",
};

std::uint64_t mix(std::string_view a, std::string_view b) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::string_view part : {a, std::string_view("|"), b})
        for (unsigned char c : part) {
            hash ^= c;
            hash *= 1099511628211ULL;
        }
    // Spread the low bits, which the choices below read.
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ULL;
    hash ^= hash >> 32;
    return hash;
}

const std::string& pick(const std::vector<std::string>& values, std::uint64_t h) {
    return values[h % values.size()];
}

std::string counterRange(const Facility& f, std::uint64_t h) {
    const std::string& row = pick(f.counterRows, h);
    int block = static_cast<int>((h >> 12) % 3);
    int first = block * f.counterBlock + 1;
    int last = first + f.counterBlock - 1;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%02d-%s%02d", row.c_str(), first, row.c_str(), last);
    return buf;
}

namespace {

class Builder {
public:
    explicit Builder(const DemoData& data) : data_(data) {}

    Flight build(const Route& route, Date departureDate) const {
        const Airport& from = *data_.airport(route.from);
        const Airport& to = *data_.airport(route.to);
        LocalMoment departure{departureDate, route.departureMinutes};
        LocalMoment arrival =
            localMoment(homeMinute(departureDate, route.departureMinutes, from.offsetFromHome()) +
                            route.blockMinutes,
                        to.offsetFromHome());
        bool inbound = !from.domestic() && to.domestic();
        const LocalMoment& home = inbound ? arrival : departure;
        const Airport& homeAirport = inbound ? to : from;

        Flight f;
        auto& c = f.columns;
        c[Airline] = data_.airlineNames.find(route.airline)->second;
        c[FlightId] = route.flightId;
        c[ScheduleDate] = home.date.text();
        c[ScheduleDateDeparture] = departure.date.text();
        c[ScheduleTimeDeparture] = clockText(departure.minuteOfDay);
        c[ScheduleDateArrival] = arrival.date.text();
        c[ScheduleTimeArrival] = clockText(arrival.minuteOfDay);
        c[AirportName] = homeAirport.boardName;
        c[AirportDeparture] = from.boardName;
        c[AirportArrival] = to.boardName;
        c[AirportCodeDeparture] = from.code;
        c[AirportCodeArrival] = to.code;
        c[Flag] = inbound ? kFlagArrival : kFlagDeparture;
        f.sortTime = clockText(home.minuteOfDay);

        fillFacilities(c, from, to, inbound, mix(route.flightId, c[ScheduleDate]));
        return f;
    }

private:
    void fillFacilities(std::array<std::string, FlightColumnCount>& c, const Airport& from,
                        const Airport& to, bool inbound, std::uint64_t h) const {
        const Facility* gateSide = data_.facility(inbound ? to.code : from.code);
        c[GateNumber] = gateSide ? pick(gateSide->gates, h >> 3) : std::to_string(1 + h % 60);
        if (const Facility* f = data_.facility(from.code))
            c[ChkInRange] = counterRange(*f, h >> 17);
        if (const Facility* f = data_.facility(to.code)) {
            c[Carousel] = pick(f->carousels, h >> 23);
            c[ExitNumber] = pick(f->exits, h >> 31);
        }
    }

    const DemoData& data_;
};

/// Rows dated from day `first` to day `last` (as day numbers).
std::vector<Flight> buildDays(const DemoData& data, long first, long last) {
    Builder builder(data);
    std::vector<Flight> flights;
    // Inbound flights are dated by their arrival, up to two days after they leave.
    for (long d = first - 2; d <= last; ++d) {
        Date departure = Date::fromDays(d);
        char weekday = static_cast<char>('0' + departure.isoWeekday());
        for (const Route& route : data.routes) {
            if (route.days.find(weekday) == std::string::npos)
                continue;
            Flight flight = builder.build(route, departure);
            long dated = Date::parse(flight.columns[ScheduleDate])->toDays();
            if (dated >= first && dated <= last)
                flights.push_back(std::move(flight));
        }
    }
    return flights;
}

} // namespace

std::vector<Flight> buildTimetable(const DemoData& data, Date today, int daysBefore,
                                   int daysAfter) {
    return buildDays(data, today.toDays() - daysBefore, today.toDays() + daysAfter);
}

std::vector<Flight> buildTimetableDay(const DemoData& data, Date day) {
    return buildDays(data, day.toDays(), day.toDays());
}

} // namespace services
