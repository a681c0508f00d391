#pragma once
/// @file
/// The answer handling of each flight-status source as pure functions of the answer text
/// and the tracked flight: what changed (the alert's message) and what is written back.

#include "flights/FlightStatements.h"
#include "flights/FlightText.h"
#include "flights/TrackedFlight.h"
#include "remote/DataRow.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flights {

/// A change found in an answer: the alert's message, the values the write-back stores, the
/// flight they are stored for, and the message's lines as changes from the tracked values.
struct FlightUpdate {
    std::string message;
    LiveFields fields;
    FlightKey key;
    std::vector<FieldChange> changes;

    bool operator==(const FlightUpdate&) const = default;
};

/// Answer text as it reaches a handler: nothing when no answer (or no UTF-8 text) came.
using AnswerText = std::optional<std::string>;

/// The international-airport feed's answer (first flight of the answer only).
///
/// A missing gate, carousel, exit, remark or check-in counter keeps the tracked value; an
/// empty one is stored but not announced. A missing or empty "scheduleDateTime" and a missing
/// "estimatedDateTime" keep the tracked times of the flight's side. The estimated time is
/// compared whole with the first four characters of the tracked estimate of the flight's
/// side. Nothing when the answer names no airline, is not about the tracked flight number or
/// shows no change.
std::optional<FlightUpdate>
internationalUpdate(const AnswerText& text, const TrackedFlight& tracked, std::string_view today);

/// The maker's flight-table answer (its first flight row). Every compared field that
/// differs counts, the empty value included; a field or time the answer lacks keeps the
/// tracked value. Nothing when the answer's first flight is not the tracked flight number, or
/// the answer shows no change.
std::optional<FlightUpdate> makerTableUpdate(const AnswerText& text, const TrackedFlight& tracked);

/// The rows of the domestic-airports feed's answer ("item" elements), empty for a failed
/// answer. A document cut short yields the rows completed before the cut.
std::vector<remote::DataRow> domesticRows(const AnswerText& text);
/// True when the row is about the tracked flight number.
bool isTrackedRow(const remote::DataRow& row, const TrackedFlight& tracked);
/// One row of the domestic feed about the tracked flight: a departure row ("io" "O") updates
/// the departure side and the gate, any other row the arrival side and the exit (from its
/// "gate"). Empty values never count as changes and never replace a stored gate, exit or
/// status; an empty "etd" is stored as the estimate when something else changed. Nothing
/// when the row shows no change.
std::optional<FlightUpdate> domesticRowUpdate(const remote::DataRow& row,
                                              const TrackedFlight& tracked, std::string_view today);

/// The timetable feed's outcome for the tracked flight.
struct TimetableOutcome {
    std::optional<FlightUpdate> update;
    bool statusUnknown = false;       ///< the entry's status is empty: show "정보없음" at once
    std::optional<std::string> error; ///< the JSON could not be read: its description
    bool confirms = false;            ///< the answer is a list of entries, changed or not
};
/// The timetable feed's answer: the first entry with the tracked flight number, departure
/// and arrival codes. Times missing from it are stored empty, as are a missing gate,
/// carousel ("baggage") and exit ("terminal"); an entry without "status" keeps the tracked
/// remark; the check-in counter is never in the answer and stays as tracked.
TimetableOutcome timetableUpdate(const AnswerText& text, const TrackedFlight& tracked);

/// "yyyyMMdd" and "HHmm" of a timetable time ("2026-12-07T10:30:00.000"): every "-", " ",
/// ":" and "T" removed, then the first eight and the next four characters.
struct DateAndTime {
    std::string date, time;
};
DateAndTime timetableDateAndTime(std::string_view value);

/// Whether an answer of the two Korean airport feeds is a regular one (result code "00" in
/// its header): it confirms the tracked values, whether it changes them or not.
bool feedAnswerConfirms(const AnswerText& text);
/// Whether the maker's flight-table answer lists a flight.
bool makerTableConfirms(const AnswerText& text);

/// The first "cityFlag" of the maker's classification answer, or nothing.
std::optional<std::string> classificationFlag(const AnswerText& text);

} // namespace flights
