#include "flights/UIAirportSchedule1.h"

#include "flights/FlightStatements.h"
#include "flights/UIAirportCustomCell.h"
#include "flights/UIAirportDetailViewController.h"
#include "flights/UIFlightHistory.h"
#include "storage/Connection.h"

namespace flights {

UIAirportSchedule1::UIAirportSchedule1(app::AppContext& context)
    : ui::Screen("UIAirportSchedule1"), dbClass(context.databaseFile()), context_(context) {
    addOutlet("btn_Back", btn_Back);
    addOutlet("btn_ScheduleSearch", btn_ScheduleSearch);
    addOutlet("myScheduleTableView", myScheduleTableView);
    addOutlet("img_FlightData", img_FlightData);
    addOutlet("lbl_Indicator", lbl_Indicator);
    addOutlet("netIndic", netIndic);

    btn_Back.setTitle("뒤로");
    btn_ScheduleSearch.setTitle("항공편 검색");
    lbl_Indicator.setText("불러오는 중입니다");
    lbl_Indicator.setCornerRadius(15);
    lbl_Indicator.setHidden(true);
    netIndic.setHidden(true);
    img_FlightData.setImage("m2_nodata.png");

    btn_Back.onTap = [this] { dismiss(true); };
    btn_ScheduleSearch.onTap = [this] {
        if (auto search = context_.makeScreen("UIAirportSchedule"))
            present(std::move(search), false);
    };

    myScheduleTableView.rowHeight = context_.screenHeight * kRowHeight / 667;
    myScheduleTableView.numberOfRows = [this] { return static_cast<int>(data.size()); };
    myScheduleTableView.cellForRow = [this](int row, ui::Cell& cell) {
        UIAirportCustomCell(cell).setAiportInfo(data[static_cast<std::size_t>(row)], row,
                                                context_.screenWidth);
    };
    myScheduleTableView.onSelect = [this](int row) {
        // The question comes once the selection has been handled.
        lifetime_.post([this, row] { askToUntrack(row); });
    };
}

void UIAirportSchedule1::viewDidLoad() {
    data.clear();
    startBusyIndicator(lbl_Indicator, netIndic);
    img_FlightData.setHidden(false);
}

void UIAirportSchedule1::viewDidAppear(bool) {
    reloadLater();
}

void UIAirportSchedule1::reloadLater() {
    lifetime_.post(platform::seconds(kReloadDelay), [this] { getMyAirportInfo("", ""); });
}

void UIAirportSchedule1::getMyAirportInfo(const std::string&, const std::string&) {
    data.clear();
    auto& clock = context_.platform.clock;
    const std::string day =
        platform::formatLocal(clock, clock.now() - std::chrono::seconds(3600), "yyyyMMdd");
    const auto rows = storage::Connection(dbClass)->query(listFlightsStatement(day)).valueOr({});

    img_FlightData.setHidden(!rows.empty());
    for (const auto& row : rows)
        data.push_back(AirportInfo::fromListRow(row));
    stopBusyIndicator(lbl_Indicator, netIndic);
    myScheduleTableView.reloadData();
}

void UIAirportSchedule1::askToUntrack(int row) {
    if (row < 0 || row >= static_cast<int>(data.size()))
        return;
    // The flight is kept with the question, so a reload in between cannot change which
    // flight the answer removes.
    AirportInfo flight = data[static_cast<std::size_t>(row)];
    showAlert(untrackQuestion(lifetime_, [this, flight] { deleteInfo(flight); }));
}

void UIAirportSchedule1::deleteInfo(const AirportInfo& info) {
    using namespace detail_text;
    if (const storage::Connection db(context_.databaseFile());
        db->execute(deleteFlightStatement(FlightKey::of(info))) == storage::Status::Ok) {
        forgetFlight(*db, FlightKey::of(info));
        showAlert(okAlert(lifetime_, kUntrackedTitle, kUntracked, [this] { reloadLater(); }));
    } else {
        showAlert(ui::Alert::simple(kUntrackFailedTitle, kUntrackFailed, "OK"));
    }
    rewriteCalendar(context_);
    logFlightTracking(context_, info, "2");
}

void UIAirportSchedule1::endAirportDetail() {
    dismiss(true);
}

} // namespace flights
