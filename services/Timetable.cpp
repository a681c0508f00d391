#include "services/Timetable.h"

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

namespace {

/// A local date and time; minutes may run past midnight until normalised.
struct Moment {
    Date date;
    int minutes = 0;

    Moment plus(int delta) const {
        long total = date.toDays() * 1440L + minutes + delta;
        long days = total >= 0 ? total / 1440 : -((-total + 1439) / 1440);
        return Moment{Date::fromDays(days), static_cast<int>(total - days * 1440)};
    }
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

class Builder {
public:
    Builder(const DemoData& data, Date today) : data_(data), today_(today) {}

    Flight build(const Route& route, Date departureDate) const {
        const Airport& from = *data_.airport(route.from);
        const Airport& to = *data_.airport(route.to);
        Moment departure{departureDate, route.departureMinutes};
        Moment arrival =
            departure.plus(route.blockMinutes + to.utcOffsetMinutes - from.utcOffsetMinutes);
        bool inbound = !from.domestic() && to.domestic();
        const Moment& home = inbound ? arrival : departure;
        const Airport& homeAirport = inbound ? to : from;

        Flight f;
        auto& c = f.columns;
        c[Airline] = data_.airlineNames.find(route.airline)->second;
        c[FlightId] = route.flightId;
        c[ScheduleDate] = home.date.text();
        c[ScheduleDateDeparture] = departure.date.text();
        c[ScheduleTimeDeparture] = clockText(departure.minutes);
        c[ScheduleDateArrival] = arrival.date.text();
        c[ScheduleTimeArrival] = clockText(arrival.minutes);
        c[AirportName] = homeAirport.boardName;
        c[AirportDeparture] = from.boardName;
        c[AirportArrival] = to.boardName;
        c[AirportCodeDeparture] = from.code;
        c[AirportCodeArrival] = to.code;
        c[Flag] = inbound ? kFlagArrival : kFlagDeparture;
        f.sortTime = clockText(home.minutes);

        std::uint64_t h = mix(route.flightId, c[ScheduleDate]);
        fillFacilities(c, from, to, inbound, h);
        fillStatus(c, departure, arrival, inbound, home.date, h);
        return f;
    }

private:
    void fillFacilities(std::array<std::string, FlightColumnCount>& c, const Airport& from,
                        const Airport& to, bool inbound, std::uint64_t h) const {
        const Facility* gateSide = facility(inbound ? to : from);
        c[GateNumber] = gateSide ? pick(gateSide->gates, h >> 3) : std::to_string(1 + h % 60);
        if (const Facility* f = facility(from))
            c[ChkInRange] = counterRange(*f, h >> 17);
        if (const Facility* f = facility(to)) {
            c[Carousel] = pick(f->carousels, h >> 23);
            c[ExitNumber] = pick(f->exits, h >> 31);
        }
    }

    void fillStatus(std::array<std::string, FlightColumnCount>& c, const Moment& departure,
                    const Moment& arrival, bool inbound, Date home, std::uint64_t h) const {
        long day = home.toDays() - today_.toDays();
        int delay = 0;
        if (day < 0) {
            // Finished: actual times a few minutes off the schedule, now and then late.
            delay = (h >> 37) % 7 == 0 ? 20 + static_cast<int>((h >> 40) % 40)
                                       : static_cast<int>((h >> 40) % 12) - 3;
            c[Remark] = inbound ? "도착" : "출발";
        } else if (day <= 1 && (h >> 37) % 9 == 0) {
            delay = 30 + 5 * static_cast<int>((h >> 40) % 25);
            c[Remark] = "지연";
        } else {
            return;
        }
        Moment estDeparture = departure.plus(delay);
        Moment estArrival = arrival.plus(delay - static_cast<int>((h >> 48) % 10));
        c[EstimatedDateDeparture] = estDeparture.date.text();
        c[EstimatedTimeDeparture] = clockText(estDeparture.minutes);
        c[EstimatedDateArrival] = estArrival.date.text();
        c[EstimatedTimeArrival] = clockText(estArrival.minutes);
    }

    const Facility* facility(const Airport& airport) const {
        auto it = data_.facilities.find(airport.code);
        return it == data_.facilities.end() ? nullptr : &it->second;
    }

    const DemoData& data_;
    Date today_;
};

} // namespace

namespace {

/// Rows dated from day `first` to day `last` (as day numbers).
std::vector<Flight> buildDays(const DemoData& data, Date today, long first, long last) {
    Builder builder(data, today);
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
    return buildDays(data, today, today.toDays() - daysBefore, today.toDays() + daysAfter);
}

std::vector<Flight> buildTimetableDay(const DemoData& data, Date today, Date day) {
    return buildDays(data, today, day.toDays(), day.toDays());
}

} // namespace services
