#pragma once
/// @file
/// The refresh of the tracked flight: choosing the source, asking it, announcing what
/// changed and writing it back.

#include "flights/FeedAnswers.h"
#include "flights/RefreshPlan.h"
#include "platform/Lifetime.h"
#include "platform/Platform.h"
#include "remote/CacheDBCommands.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace flights {

/// The change alert's title ("InfoText") and text ("Message").
struct StatusPopup {
    std::string InfoText;
    std::string Message;
};

/// The screen that holds the tracked flight (the main screen).
class RefreshHost {
public:
    /// The tracked flight as last loaded.
    [[nodiscard]] virtual const TrackedFlight& trackedFlight() const = 0;
    /// Reloads the tracked flight from the database and redraws it; false when there is none.
    virtual bool getAirportInfo() = 0;
    /// Presents the change alert with one button "확인".
    virtual void changeStatusPopup(const StatusPopup& info) = 0;
    /// Shows "정보없음" as the flight's status at once.
    virtual void showStatusUnknown() = 0;
    /// A tick's requests were answered: the flight's confirmation or staleness may differ.
    virtual void freshnessChanged() = 0;

protected:
    ~RefreshHost() = default;
};

/// Where the refresh finds its sources and its database.
struct RefreshSetup {
    remote::ServiceEndpoints services; ///< the maker's SOAP services
    FeedEndpoints feeds;
    std::string databaseFile;
    /// The tracked flights' calendar file, rewritten after the refresh writes; none if empty.
    std::string calendarFile;
};

/// Runs the refresh for one host. Everything happens on the main loop: the maker's services
/// are asked synchronously, the feeds asynchronously with their answers handled on the loop,
/// and each change is announced 0.5 seconds after it is found, then written and reloaded.
///
/// An answer is only applied to the flight it was asked for: when the host tracks another
/// flight by the time it arrives, it is dropped. A feed request that is still unanswered is
/// not sent again, so a slow feed never piles up requests; the HTTP time-out ends it, and the
/// next refresh asks again.
///
/// Every change announced is also kept in the flight's history, written with the change in
/// one transaction. Each getRenewData is a tick: it confirms the tracked values when one of
/// its requests (the maker's table or a feed) gets a regular answer, changed or not, and
/// fails when all of them fail; a tick that sends nothing counts neither way.
class FlightRefresh {
public:
    FlightRefresh(RefreshHost& host, platform::Platform& platform, RefreshSetup setup);
    ~FlightRefresh();
    FlightRefresh(const FlightRefresh&) = delete;
    FlightRefresh& operator=(const FlightRefresh&) = delete;

    /// Chooses the sources for the tracked flight and asks them.
    void getRenewData();

    /// Asks the maker's flight table for one flight and handles the answer.
    void getInchonDBData(const std::string& scheduleDate, const std::string& flightId,
                         const std::string& io);
    void receivedDBAirportData(const AnswerText& text);

    /// Asks the maker how the two airports are classified and sends the feed requests the
    /// classification calls for. @p ioType ("O" or "I") is carried along, not used.
    void GetCityCode(const std::string& departureCode, const std::string& arrivalCode,
                     const std::string& ioType);
    void receivedCityCodeData(const AnswerText& answer, const std::string& ioType);

    /// GET base + "?" + parameters; the answer goes to the international, domestic or
    /// timetable handler. False (nothing sent) while the same request is unanswered.
    bool SendURL(const std::string& baseURL, const std::string& parameters);
    bool SendURL_Local(const std::string& baseURL, const std::string& parameters);
    bool SendURL_International(const std::string& baseURL, const std::string& parameters);

    /// The feeds' answers. Dates written back are those of @p requestDay ("yyyyMMdd"), the
    /// day the request was sent, so an answer that arrives after midnight still writes the
    /// day it was asked about; without it, today.
    void receivedAirportData(const AnswerText& text, std::optional<std::string> requestDay = {});
    void receivedLocalAirportData(const AnswerText& text,
                                  std::optional<std::string> requestDay = {});
    void getInternationalAirportDataParsing(const AnswerText& text);

    /// Writes the live fields of one flight (the refresh UPDATE).
    void insertInfo(const LiveFields& fields, const FlightKey& key);

    /// Feed requests sent and not yet answered.
    [[nodiscard]] std::size_t requestsInFlight() const { return inFlight_.size(); }

    /// When a source last confirmed the tracked flight's values (kept across restarts).
    [[nodiscard]] std::optional<platform::TimePoint> lastConfirmed();
    /// True after kStaleTicks ticks in a row whose requests all failed.
    [[nodiscard]] bool stale();

    /// Rewrites the calendar file a moment later, once for all the writes made until then
    /// (an answer may change several rows); the tick's own work stays one commit.
    void rewriteCalendarSoon();
    static constexpr double kCalendarDelaySeconds = 1;

private:
    enum class Outcome { Confirmed, Failed, Dropped };
    struct Tick {
        int pending = 1; // the tick itself, until getRenewData has sent everything
        bool confirmed = false, failed = false;
    };

    bool send(Feed feed, const std::string& baseURL, const std::string& parameters,
              unsigned tick = 0);
    void send(const FeedRequest& request, unsigned tick);
    void handle(Feed feed, const AnswerText& text, const std::string& requestDay);
    /// Announces, writes and reloads.
    void apply(const FlightUpdate& update);
    /// The refresh UPDATE with the change's history, in one transaction.
    void write(const FlightUpdate& update);
    void sendClassified(const AnswerText& answer, unsigned tick);
    /// Counts one answer of @p tick; a confirmation is written with the change @p handle
    /// makes, if any.
    void answered(unsigned tick, Outcome outcome, const std::function<void()>& handle);
    void settle(unsigned tick);
    /// The confirmation state follows the tracked flight: loaded again when it is another.
    void follow();
    [[nodiscard]] std::string today() const;
    [[nodiscard]] remote::CacheDBCommands commands() const;

    RefreshHost& host_;
    platform::Platform& platform_;
    RefreshSetup setup_;
    std::set<std::string> inFlight_;
    std::map<unsigned, Tick> ticks_;
    unsigned lastTick_ = 0;
    std::optional<FlightKey> followed_;
    std::optional<platform::TimePoint> confirmedAt_;
    bool confirmationUnwritten_ = false;
    int failedTicks_ = 0;
    bool calendarDue_ = false;
    platform::Lifetime lifetime_{platform_.loop};
};

} // namespace flights
