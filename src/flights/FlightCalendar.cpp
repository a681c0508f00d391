#include "flights/FlightCalendar.h"

#include "flights/AirportInfo.h"
#include "flights/AirportZones.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Log.h"
#include "storage/Connection.h"

#include <libical/ical.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace flights {

namespace {

struct FreeComponent {
    void operator()(icalcomponent* c) const noexcept { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, FreeComponent>;

struct FreeText {
    void operator()(char* text) const noexcept { icalmemory_free_buffer(text); }
};

// Every tracked flight, whatever its date, in record order.
std::string calendarFlightsStatement() {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < kFlightColumns.size(); ++i)
        (sql += i ? ", " : "") += kFlightColumns[i];
    return sql + " FROM aFlightInfo ORDER BY scheduleDate, scheduleTime_Departure";
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) {
    int n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

// A "yyyyMMdd" date; nothing when the text is not a real date.
std::optional<icaltimetype> dateOf(std::string_view text) {
    if (text.size() != 8 || !allDigits(text))
        return std::nullopt;
    icaltimetype t = icaltime_null_date();
    t.year = number(text.substr(0, 4));
    t.month = number(text.substr(4, 2));
    t.day = number(text.substr(6, 2));
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > icaltime_days_in_month(t.month, t.year))
        return std::nullopt;
    return t;
}

// Whether the text starts with an "HHmm" time of day.
bool isTime(std::string_view text) {
    return text.size() >= 4 && allDigits(text.substr(0, 4)) && number(text.substr(0, 2)) < 24 &&
           number(text.substr(2, 2)) < 60;
}

// The day and "HHmm" time of one end of a flight: the live (changed) time when the row has
// one, on its own date when it has that too, else the scheduled time.
struct End {
    std::optional<icaltimetype> day;
    std::string_view time;
};

End endOf(std::optional<icaltimetype> scheduledDay, std::string_view scheduledTime,
          std::string_view liveDate, std::string_view liveTime) {
    if (!isTime(liveTime))
        return {scheduledDay, scheduledTime};
    const auto liveDay = dateOf(liveDate);
    return {liveDay ? liveDay : scheduledDay, liveTime};
}

// The day at the end's time in the zone (floating without one).
icaltimetype at(icaltimetype day, std::string_view time, icaltimezone* zone) {
    day.is_date = 0;
    day.hour = number(time.substr(0, 2));
    day.minute = number(time.substr(2, 2));
    day.second = 0;
    icaltime_set_timezone(&day, zone);
    return day;
}

// Compared as instants when both times have a zone, else by their clocks.
bool earlier(icaltimetype a, icaltimetype b) {
    if (!a.zone || !b.zone)
        a.zone = b.zone = nullptr;
    return icaltime_compare(a, b) < 0;
}

icaltimezone* zoneOf(std::string_view airportCode) {
    const auto name = airportZone(airportCode);
    return name.empty() ? nullptr : icaltimezone_get_builtin_timezone(std::string(name).c_str());
}

// Stays the same across rewrites and refreshes, so a calendar replaces the event it has.
std::string uidOf(const AirportInfo& f) {
    std::string uid;
    const std::string* parts[] = {&f.sAirportCode_Departure(), &f.sAirportCode_Arrival(),
                                  &f.sFlightId(), &f.sScheduleDate()};
    for (const std::string* part : parts) {
        if (part != parts[0])
            uid += '-';
        for (const unsigned char c : *part) {
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
                uid += static_cast<char>(c);
            } else {
                char escaped[4];
                std::snprintf(escaped, sizeof escaped, "%%%02X", c);
                uid += escaped;
            }
        }
    }
    return uid + "@tamberlinove";
}

std::string place(const std::string& name, const std::string& code) {
    if (name.empty() || code.empty())
        return name + code;
    return name + "(" + code + ")";
}

std::string descriptionOf(const AirportInfo& f) {
    std::string text;
    const std::pair<std::string_view, const std::string*> lines[] = {
        {"체크인카운터: ", &f.sChkInRange()},
        {"수화물수취대: ", &f.sCarousel()},
        {"출구번호: ", &f.sExitNumber()}};
    for (const auto& [label, value] : lines)
        if (!value->empty())
            ((text += text.empty() ? "" : "\n") += label) += *value;
    return text;
}

// The flight's event; nothing when the row has no date to place it on. The zones its times
// use are added to @p zones by name.
Component eventOf(const AirportInfo& f, icaltimetype stamp,
                  std::map<std::string, icaltimezone*>& zones) {
    auto departureDay = dateOf(f.sScheduleDate_Departure());
    if (!departureDay)
        departureDay = dateOf(f.sScheduleDate());
    const End departure = endOf(departureDay, f.sScheduleTime_Departure(),
                                f.sEstimatedDate_Departure(), f.sEstimatedTime_Departure());
    if (!departure.day)
        return nullptr;

    Component event(icalcomponent_new_vevent());
    icalcomponent_set_uid(event.get(), uidOf(f).c_str());
    icalcomponent_set_dtstamp(event.get(), stamp);
    icalcomponent_set_summary(event.get(),
                              (f.sFlightId() + " " +
                               place(f.sAirport_Departure(), f.sAirportCode_Departure()) + " → " +
                               place(f.sAirport_Arrival(), f.sAirportCode_Arrival()))
                                  .c_str());
    std::string location = place(f.sAirport_Departure(), f.sAirportCode_Departure());
    if (!f.sGateNumber().empty())
        location += " 게이트 " + f.sGateNumber();
    icalcomponent_set_location(event.get(), location.c_str());
    if (const auto description = descriptionOf(f); !description.empty())
        icalcomponent_set_description(event.get(), description.c_str());

    // Without a departure time the flight is a whole-day event on its date.
    if (!isTime(departure.time)) {
        icalcomponent_set_dtstart(event.get(), *departure.day);
        return event;
    }
    icaltimezone* departureZone = zoneOf(f.sAirportCode_Departure());
    const icaltimetype start = at(*departure.day, departure.time, departureZone);
    icalcomponent_set_dtstart(event.get(), start);
    if (departureZone)
        zones.emplace(airportZone(f.sAirportCode_Departure()), departureZone);

    const End arrival = endOf(dateOf(f.sScheduleDate_Arrival()), f.sScheduleTime_Arrival(),
                              f.sEstimatedDate_Arrival(), f.sEstimatedTime_Arrival());
    if (!isTime(arrival.time))
        return event;
    icaltimezone* arrivalZone = zoneOf(f.sAirportCode_Arrival());
    icaltimetype end = at(arrival.day.value_or(*departure.day), arrival.time, arrivalZone);
    // Without an arrival date, an arrival before the departure lands on the next day.
    if (!arrival.day && earlier(end, start))
        icaltime_adjust(&end, 1, 0, 0, 0);
    icalcomponent_set_dtend(event.get(), end);
    if (arrivalZone)
        zones.emplace(airportZone(f.sAirportCode_Arrival()), arrivalZone);
    return event;
}

} // namespace

bool writeFlightCalendar(const std::string& databaseFile, const std::string& icsPath,
                         const platform::Clock& clock) {
    const auto read = storage::Connection(databaseFile)->query(calendarFlightsStatement());
    if (!read) {
        platform::logLine("flight calendar: the tracked flights could not be read from " +
                          databaseFile);
        return false;
    }

    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(clock.now().time_since_epoch()).count();
    const icaltimetype stamp = icaltime_from_timet_with_zone(static_cast<time_t>(seconds), 0,
                                                             icaltimezone_get_utc_timezone());
    std::map<std::string, icaltimezone*> zones;
    std::vector<Component> events;
    for (const storage::Row& row : *read) {
        const AirportInfo flight = AirportInfo::fromListRow(row);
        if (Component event = eventOf(flight, stamp, zones))
            events.push_back(std::move(event));
        else
            platform::logLine("flight calendar: " + flight.sFlightId() +
                              " has no date and is left out");
    }

    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//tamberlinove//flights//KO"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // The zones go into the file, so that it reads the same on a machine without them.
    for (const auto& [name, zone] : zones)
        icalcomponent_add_component(calendar.get(),
                                    icalcomponent_new_clone(icaltimezone_get_component(zone)));
    for (Component& event : events)
        icalcomponent_add_component(calendar.get(), event.release());

    const std::unique_ptr<char, FreeText> text(icalcomponent_as_ical_string_r(calendar.get()));
    if (!text || !platform::writeFileAtomically(icsPath, text.get())) {
        platform::logLine("flight calendar could not be written to " + icsPath);
        return false;
    }
    return true;
}

bool writeFlightCalendar(const std::string& databaseFile, const std::string& icsPath) {
    return writeFlightCalendar(databaseFile, icsPath, platform::SystemClock());
}

} // namespace flights
