#include "flights/UIFlightHistory.h"

#include "app/CardText.h"
#include "flights/FlightCalendar.h"
#include "flights/RefreshPlan.h"
#include "flights/TrackedFlight.h"
#include "platform/Paths.h"
#include "storage/Connection.h"

namespace flights {

std::string calendarPath(const app::AppContext& context) {
    return context.platform.paths.documents + "/" + std::string(kCalendarFileName);
}

void rewriteCalendar(const app::AppContext& context) {
    (void)writeFlightCalendar(context.databaseFile(), calendarPath(context),
                              context.platform.clock);
}

UIFlightHistory::UIFlightHistory(app::AppContext& context)
    : ui::Screen("UIFlightHistory"), context_(context) {
    addOutlet("btn_Back", btn_Back);
    addOutlet("btn_Calendar", btn_Calendar);
    addOutlet("lbl_Title", lbl_Title);
    addOutlet("lbl_Flight", lbl_Flight);
    addOutlet("lbl_Empty", lbl_Empty);
    addOutlet("lbl_CalendarPath", lbl_CalendarPath);
    addOutlet("tbl_History", tbl_History);

    btn_Back.setTitle("뒤로");
    btn_Calendar.setTitle("캘린더에 추가");
    lbl_Title.setText("변경 내역");
    lbl_CalendarPath.setHidden(true);

    btn_Back.onTap = [this] { dismiss(true); };
    btn_Calendar.onTap = [this] { openCalendar(); };
    tbl_History.rowHeight = 52;
    tbl_History.numberOfRows = [this] { return static_cast<int>(entries.size()); };
    tbl_History.cellForRow = [this](int row, ui::Cell& cell) {
        const HistoryEntry& e = entries[static_cast<std::size_t>(row)];
        cell.label("lbl_Time").setText(historyTime(context_.platform.clock, e, today_));
        cell.label("lbl_Change").setText(historyChange(e));
    };
}

void UIFlightHistory::viewDidLoad() {
    auto& clock = context_.platform.clock;
    today_ = platform::formatLocal(clock, clock.now(), "yyyyMMdd");
    // The flight the main card shows: the next unfinished one.
    const std::string day =
        platform::formatLocal(clock, clock.now() - std::chrono::seconds(3600), "yyyyMMdd");
    const storage::Connection db(context_.databaseFile());
    const auto rows = db->query(nextFlightStatement(day)).valueOr({});
    entries.clear();
    if (!rows.empty()) {
        TrackedFlight t;
        t.assign(rows.front());
        entries = flightHistory(*db, t.key());
        const auto first = [](const TrackedFlight::List& l) { return TrackedFlight::first(l); };
        lbl_Flight.setText(first(t.FlightId_List) + " · " + first(t.AirportCode_Departure_List) +
                           " → " + first(t.AirportCode_Arrival_List) + " · " +
                           app::cardDate(first(t.ScheduleDate_List)));
    }
    lbl_Empty.setText(rows.empty() ? kNoFlight : kNoChanges);
    lbl_Empty.setHidden(!entries.empty());
    tbl_History.reloadData();
}

void UIFlightHistory::openCalendar() {
    // Written afresh, so the file is there even before the first change.
    rewriteCalendar(context_);
    const std::string path = calendarPath(context_);
    lbl_CalendarPath.setText(path);
    lbl_CalendarPath.setHidden(false);
    // Each part of the path is encoded, so a folder name with blanks or Hangul stays one
    // address.
    std::string url = "file://";
    for (std::size_t at = 0; at < path.size();) {
        const std::size_t slash = std::min(path.find('/', at), path.size());
        url += percentEncoded(std::string_view(path).substr(at, slash - at));
        if (slash < path.size())
            url += '/';
        at = slash + 1;
    }
    context_.openUrl(url, kCalendarOpenFailed, path);
}

} // namespace flights
