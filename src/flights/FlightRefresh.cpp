#include "flights/FlightRefresh.h"

#include "flights/FlightText.h"
#include "platform/Log.h"
#include "storage/DBClass.h"

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
    const TrackedFlight& t = host_.trackedFlight();
    const RenewPlan plan = chooseRenewSources(t, today());
    if (plan.makerTable) {
        getInchonDBData(TrackedFlight::first(t.ScheduleDate_List),
                        TrackedFlight::first(t.FlightId_List), TrackedFlight::first(t.Io_List));
        return;
    }
    if (plan.international)
        send(*plan.international);
    if (plan.classification)
        GetCityCode(TrackedFlight::first(t.AirportCode_Departure_List),
                    TrackedFlight::first(t.AirportCode_Arrival_List), *plan.classification);
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
    const auto flag = classificationFlag(answer);
    if (!flag)
        return;
    const long now =
        leadingInteger(platform::formatLocal(platform_.clock, platform_.clock.now(), "HHmm"));
    for (const auto& request : classifiedRequests(*flag, host_.trackedFlight(), now))
        send(request);
}

void FlightRefresh::send(const FeedRequest& request) {
    const FeedAddress address = feedAddress(request, setup_.feeds);
    send(feedOf(request.kind), address.base, address.parameters);
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

bool FlightRefresh::send(Feed feed, const std::string& baseURL, const std::string& parameters) {
    const std::string url = baseURL + "?" + parameters;
    if (!inFlight_.insert(url).second)
        return false;
    const FlightKey askedFor = host_.trackedFlight().key();
    std::weak_ptr<int> alive = alive_;
    platform_.http.get(url, [this, alive, feed, url, askedFor,
                             day = today()](std::optional<platform::HttpResponse> response) {
        if (alive.expired())
            return;
        inFlight_.erase(url);
        // A transport failure is silent; the next refresh asks again.
        if (!response)
            return;
        if (host_.trackedFlight().key() != askedFor)
            return;
        AnswerText text;
        if (isValidUtf8(response->body))
            text = std::move(response->body);
        handle(feed, text, day);
    });
    return true;
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
    std::weak_ptr<int> alive = alive_;
    platform_.loop.postDelayed(
        platform::seconds(kAlertDelaySeconds),
        [this, alive, popup = StatusPopup{std::string(kChangeTitle), update.message}] {
            if (!alive.expired())
                host_.changeStatusPopup(popup);
        });
    insertInfo(update.fields, update.key);
    host_.getAirportInfo();
}

void FlightRefresh::insertInfo(const LiveFields& fields, const FlightKey& key) {
    storage::DBClass db(setup_.databaseFile);
    db.ConnectDB();
    const std::string result =
        db.InsertUpdateDeleteExcuteQuery(refreshFlightStatement(fields, key));
    db.DisConnectDB();
    if (result != storage::kStatementDone)
        platform::logLine("flight refresh could not be written: " + result);
}

} // namespace flights
