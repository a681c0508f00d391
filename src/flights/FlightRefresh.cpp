#include "flights/FlightRefresh.h"

#include "flights/FlightCalendar.h"
#include "flights/FlightHistory.h"
#include "flights/FlightText.h"
#include "platform/Log.h"
#include "storage/Connection.h"

namespace flights {
namespace {

constexpr double kAlertDelaySeconds = 0.5;

} // namespace

FlightRefresh::FlightRefresh(RefreshHost& host, platform::Platform& platform, RefreshSetup setup)
    : host_(host), platform_(platform), setup_(std::move(setup)) {}

FlightRefresh::~FlightRefresh() = default;

std::string FlightRefresh::today() const {
    return platform::formatLocal(platform_.clock, platform_.clock.now(), "yyyyMMdd");
}

remote::CacheDBCommands FlightRefresh::commands() const {
    return {platform_.http, setup_.services};
}

void FlightRefresh::getRenewData() {
    follow();
    const TrackedFlight& t = host_.trackedFlight();
    const RenewPlan plan = chooseRenewSources(t, today());
    const unsigned tick = ++lastTick_;
    ticks_[tick];
    auto first = [](const TrackedFlight::List& l) { return TrackedFlight::first(l); };
    if (plan.makerTable) {
        const AnswerText answer = commands().Flight_List04(
            first(t.ScheduleDate_List), "", "", first(t.FlightId_List), first(t.Io_List), "1");
        ++ticks_[tick].pending;
        answered(tick, makerTableConfirms(answer) ? Outcome::Confirmed : Outcome::Failed,
                 [&] { receivedDBAirportData(answer); });
    } else {
        if (plan.international)
            send(*plan.international, tick);
        if (plan.classification) {
            const AnswerText answer = commands().City_View03(first(t.AirportCode_Departure_List),
                                                             first(t.AirportCode_Arrival_List));
            // Without the classification no feed can be asked: the tick's request failed.
            if (classificationFlag(answer)) {
                sendClassified(answer, tick);
            } else {
                ++ticks_[tick].pending;
                answered(tick, Outcome::Failed, [] {});
            }
        }
    }
    settle(tick);
}

void FlightRefresh::getInchonDBData(const std::string& scheduleDate, const std::string& flightId,
                                    const std::string& io) {
    receivedDBAirportData(commands().Flight_List04(scheduleDate, "", "", flightId, io, "1"));
}

void FlightRefresh::receivedDBAirportData(const AnswerText& text) {
    if (auto update = makerTableUpdate(text, host_.trackedFlight()))
        apply(*update);
}

void FlightRefresh::GetCityCode(const std::string& departureCode, const std::string& arrivalCode,
                                const std::string& ioType) {
    receivedCityCodeData(commands().City_View03(departureCode, arrivalCode), ioType);
}

void FlightRefresh::receivedCityCodeData(const AnswerText& answer, const std::string&) {
    sendClassified(answer, 0);
}

void FlightRefresh::sendClassified(const AnswerText& answer, unsigned tick) {
    const auto flag = classificationFlag(answer);
    if (!flag)
        return;
    const long now =
        leadingInteger(platform::formatLocal(platform_.clock, platform_.clock.now(), "HHmm"));
    for (const auto& request : classifiedRequests(*flag, host_.trackedFlight(), now))
        send(request, tick);
}

void FlightRefresh::send(const FeedRequest& request, unsigned tick) {
    const FeedAddress address = feedAddress(request, setup_.feeds);
    send(feedOf(request.kind), address.base, address.parameters, tick);
}

bool FlightRefresh::SendURL(const std::string& baseURL, const std::string& parameters) {
    return send(Feed::International, baseURL, parameters);
}

bool FlightRefresh::SendURL_Local(const std::string& baseURL, const std::string& parameters) {
    return send(Feed::Domestic, baseURL, parameters);
}

bool FlightRefresh::SendURL_International(const std::string& baseURL,
                                          const std::string& parameters) {
    return send(Feed::Timetable, baseURL, parameters);
}

bool FlightRefresh::send(Feed feed, const std::string& baseURL, const std::string& parameters,
                         unsigned tick) {
    const std::string url = baseURL + "?" + parameters;
    if (!inFlight_.insert(url).second)
        return false;
    if (auto it = ticks_.find(tick); it != ticks_.end())
        ++it->second.pending;
    const FlightKey askedFor = host_.trackedFlight().key();
    platform_.http.get(url, lifetime_.guard([this, feed, url, askedFor, tick, day = today()](
                                                std::optional<platform::HttpResponse> response) {
        inFlight_.erase(url);
        // An answer about a flight no longer tracked counts neither way.
        if (host_.trackedFlight().key() != askedFor) {
            answered(tick, Outcome::Dropped, [] {});
            return;
        }
        // A transport failure is silent; the next refresh asks again.
        AnswerText text;
        if (response && isValidUtf8(response->body))
            text = std::move(response->body);
        const bool confirms = feed == Feed::Timetable
                                  ? timetableUpdate(text, host_.trackedFlight()).confirms
                                  : feedAnswerConfirms(text);
        answered(tick, confirms ? Outcome::Confirmed : Outcome::Failed, [&] {
            if (response)
                handle(feed, text, day);
        });
    }));
    return true;
}

void FlightRefresh::answered(unsigned tick, Outcome outcome, const std::function<void()>& handle) {
    auto it = ticks_.find(tick);
    if (it == ticks_.end()) {
        handle();
        return;
    }
    if (outcome == Outcome::Confirmed) {
        it->second.confirmed = true;
        follow();
        confirmedAt_ = platform_.clock.now();
        confirmationUnwritten_ = true;
        failedTicks_ = 0;
    }
    it->second.failed = it->second.failed || outcome == Outcome::Failed;
    handle(); // a change found is written with the confirmation
    if (confirmationUnwritten_ && followed_) {
        confirmationUnwritten_ = false;
        (void)recordConfirmation(*storage::Connection(setup_.databaseFile), *followed_,
                                 *confirmedAt_);
    }
    settle(tick);
}

void FlightRefresh::settle(unsigned tick) {
    auto it = ticks_.find(tick);
    if (it == ticks_.end() || --it->second.pending > 0)
        return;
    if (!it->second.confirmed && it->second.failed)
        ++failedTicks_;
    const bool counted = it->second.confirmed || it->second.failed;
    ticks_.erase(it);
    if (counted)
        host_.freshnessChanged();
}

void FlightRefresh::follow() {
    const FlightKey key = host_.trackedFlight().key();
    if (followed_ == key)
        return;
    followed_ = key;
    failedTicks_ = 0;
    confirmationUnwritten_ = false;
    confirmedAt_ = lastConfirmation(*storage::Connection(setup_.databaseFile), key);
}

std::optional<platform::TimePoint> FlightRefresh::lastConfirmed() {
    follow();
    return confirmedAt_;
}

bool FlightRefresh::stale() {
    follow();
    return failedTicks_ >= kStaleTicks;
}

void FlightRefresh::handle(Feed feed, const AnswerText& text, const std::string& requestDay) {
    switch (feed) {
    case Feed::International:
        receivedAirportData(text, requestDay);
        return;
    case Feed::Domestic:
        receivedLocalAirportData(text, requestDay);
        return;
    case Feed::Timetable:
        getInternationalAirportDataParsing(text);
        return;
    }
}

void FlightRefresh::receivedAirportData(const AnswerText& text,
                                        std::optional<std::string> requestDay) {
    const std::string day = requestDay ? std::move(*requestDay) : today();
    if (auto update = internationalUpdate(text, host_.trackedFlight(), day))
        apply(*update);
}

void FlightRefresh::receivedLocalAirportData(const AnswerText& text,
                                             std::optional<std::string> requestDay) {
    const std::string day = requestDay ? std::move(*requestDay) : today();
    const FlightKey askedFor = host_.trackedFlight().key();
    for (const auto& row : domesticRows(text)) {
        // Each write reloads the tracked flight; once it is another one (the written status
        // finished this one), the remaining rows are not about it.
        const TrackedFlight& t = host_.trackedFlight();
        if (t.key() != askedFor)
            return;
        if (!isTrackedRow(row, t))
            continue;
        if (auto update = domesticRowUpdate(row, t, day))
            apply(*update);
    }
}

void FlightRefresh::getInternationalAirportDataParsing(const AnswerText& text) {
    const TimetableOutcome outcome = timetableUpdate(text, host_.trackedFlight());
    if (outcome.error) {
        platform::logLine("error : " + *outcome.error);
        return;
    }
    if (outcome.statusUnknown)
        host_.showStatusUnknown();
    if (outcome.update)
        apply(*outcome.update);
}

void FlightRefresh::apply(const FlightUpdate& update) {
    lifetime_.post(platform::seconds(kAlertDelaySeconds),
                   [this, popup = StatusPopup{std::string(kChangeTitle), update.message}] {
                       host_.changeStatusPopup(popup);
                   });
    write(update);
    host_.getAirportInfo();
}

void FlightRefresh::write(const FlightUpdate& update) {
    const storage::Connection db(setup_.databaseFile);
    // The change, its history and the confirmation that came with it are one commit: a
    // tick writes the file once. A history row that fails is logged and the change stays.
    storage::Status result = storage::Status::NotOpen;
    db->inTransaction("flight refresh", [&] {
        result = db->execute(refreshFlightStatement(update.fields, update.key));
        if (result != storage::Status::Ok)
            return false;
        (void)recordChanges(*db, update.key, platform_.clock.now(), update.changes);
        if (confirmationUnwritten_ && followed_ == update.key) {
            confirmationUnwritten_ = false;
            (void)recordConfirmation(*db, update.key, *confirmedAt_);
        }
        return true;
    });
    // A failing file is logged by the database itself with SQLite's message.
    if (result != storage::Status::Ok)
        platform::logLine("flight refresh could not be written");
    else
        rewriteCalendarSoon();
}

void FlightRefresh::rewriteCalendarSoon() {
    if (setup_.calendarFile.empty() || calendarDue_)
        return;
    calendarDue_ = true;
    lifetime_.post(platform::seconds(kCalendarDelaySeconds), [this] {
        calendarDue_ = false;
        (void)writeFlightCalendar(setup_.databaseFile, setup_.calendarFile, platform_.clock);
    });
}

void FlightRefresh::insertInfo(const LiveFields& fields, const FlightKey& key) {
    if (storage::Connection(setup_.databaseFile)->execute(refreshFlightStatement(fields, key)) !=
        storage::Status::Ok)
        platform::logLine("flight refresh could not be written");
}

} // namespace flights
