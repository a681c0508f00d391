#pragma once
// The tracked flight's change history: every change the refresh announced, newest first,
// and the tracked flights' calendar file for the desktop's calendar.

#include "app/AppContext.h"
#include "flights/FlightHistory.h"
#include "ui/Screen.h"

#include <string>
#include <vector>

namespace flights {

/// The tracked flights' calendar file in the app's data folder.
std::string calendarPath(const app::AppContext& context);
/// Rewrites that file from the tracked flights (after tracking and untracking).
void rewriteCalendar(const app::AppContext& context);

class UIFlightHistory final : public ui::Screen {
public:
    static constexpr const char* kNoChanges = "아직 바뀐 내용이 없습니다";
    static constexpr const char* kNoFlight = "추적 중인 항공편이 없습니다";
    /// Shown with the file's path when the desktop has no program for calendar files.
    static constexpr const char* kCalendarOpenFailed =
        "캘린더 파일을 열 프로그램이 없습니다. 아래 파일을 캘린더 앱에서 가져오거나 구독해 "
        "주십시오.";

    explicit UIFlightHistory(app::AppContext& context);

    ui::Button btn_Back, btn_Calendar;
    /// The flight ("KE701 · ICN → NRT · 2026/12/07"), the empty state, the calendar file.
    ui::Label lbl_Title, lbl_Flight, lbl_Empty, lbl_CalendarPath;
    /// One row per change: lbl_Time ("09:41") and lbl_Change ("게이트번호 132 → 252").
    ui::Table tbl_History;

    std::vector<HistoryEntry> entries;

protected:
    void viewDidLoad() override;

private:
    void openCalendar();

    app::AppContext& context_;
    std::string today_;
};

} // namespace flights
