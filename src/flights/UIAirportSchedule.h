#pragma once
// The flight search: a day's flights at the airport service, optionally one flight number,
// ten to a page with the next page fetched when the list's end comes into view. A selected
// flight opens its detail view, from which it can be tracked.

#include "app/AppContext.h"
#include "flights/AirportInfo.h"
#include "platform/Lifetime.h"
#include "ui/Screen.h"
#include "widgets/SingleSelectionController.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace flights {

/// Told by the flight detail view once a flight was saved or its tracking stopped.
class AirportDetailDelegate {
public:
    virtual ~AirportDetailDelegate() = default;
    virtual void endAirportDetail() = 0;
};

/// The busy label and spinner of the flight screens (the spinner runs while shown).
void startBusyIndicator(ui::Label& label, ui::View& spinner);
void stopBusyIndicator(ui::Label& label, ui::View& spinner);

/// An alert with the one button "OK", which runs `then` while the owner of `lifetime` lives.
ui::Alert okAlert(const platform::Lifetime& lifetime, std::string title, std::string message,
                  std::function<void()> then);
/// The question "등록을 취소하시겠습니까?": "확인" runs `then` while the owner of `lifetime`
/// lives, "취소" does nothing.
ui::Alert untrackQuestion(const platform::Lifetime& lifetime, std::function<void()> then);

/// Registers the flight search, the tracked-flights list and the detail view in the
/// context's screen registry under their class names.
void registerFlightScreens(app::AppContext& context);

class UIAirportSchedule final : public ui::Screen,
                                public widgets::AirportInfoDelegate,
                                public AirportDetailDelegate {
public:
    /// The tag of the loading row at the end of the list.
    static constexpr int kLoadingRowTag = 1273;
    /// Rows are this high on a screen 667 points high, in proportion on others.
    static constexpr double kRowHeight = 249;
    /// Pages hold at most this many flights; a shorter page is the last.
    static constexpr std::size_t kPageSize = 10;
    static constexpr double kRequestDelay = 0.5;

    explicit UIAirportSchedule(app::AppContext& context);

    // ---- outlets
    ui::TextField txt_Calendar, txt_FlightId;
    ui::Button btn_Calendar, btn_FlightId_Search, btn_Back;
    ui::Table airportTableView;
    ui::Label lbl_Indicator;
    ui::View netIndic, superView;

    // ---- state
    std::vector<AirportInfo> data;
    int _currentPage = 1;
    int _totalPages = 1000;
    int io = 0;
    /// The page being read, one list per column of a flight row (AirLine_List ... Io_List),
    /// indexed by the record's fields.
    std::array<std::vector<std::string>, AirportInfo::kStoredCount> columnLists;

    /// Asks for the next page of a day ("yyyyMMdd") and flight number, then shows it.
    void getAirportData(const std::string& searchDate, const std::string& flightId);
    void getAirportDataParsing(const std::string& searchDate, const std::string& flightId);

    // AirportInfoDelegate (the date picker)
    void getChoickDate(std::optional<widgets::Day> date) override;
    // AirportDetailDelegate
    void endAirportDetail() override;

protected:
    void viewDidLoad() override;

private:
    void resetPaging();
    /// Shows the busy indicator and asks for the next page 0.5 seconds later, with the
    /// texts of the date and flight fields as they are then (or the values given).
    void requestLater(std::optional<std::pair<std::string, std::string>> query);
    void openDetail(int row);
    void btnCalendarClicked();
    void btnFlightIdSearchClicked();

    app::AppContext& context_;
    bool requestPending_ = false;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace flights
