#pragma once
// My flights: the tracked flights from the day of one hour ago on, each in the flight row;
// selecting one offers to stop tracking it. Opens the flight search.

#include "app/AppContext.h"
#include "flights/AirportInfo.h"
#include "flights/UIAirportSchedule.h"
#include "storage/DBClass.h"
#include "ui/Screen.h"

#include <memory>
#include <vector>

namespace flights {

class UIAirportSchedule1 final : public ui::Screen, public AirportDetailDelegate {
public:
    /// Rows are this high on a screen 667 points high, in proportion on others.
    static constexpr double kRowHeight = 275;
    static constexpr double kReloadDelay = 0.5;

    explicit UIAirportSchedule1(app::AppContext& context);

    ui::Table myScheduleTableView;
    ui::ImageView img_FlightData;
    ui::Label lbl_Indicator;
    ui::View netIndic;
    ui::Button btn_Back, btn_ScheduleSearch;

    std::vector<AirportInfo> data;
    storage::DBClass dbClass;

    /// Reloads the list (both arguments are unused, as the callers pass them).
    void getMyAirportInfo(const std::string& searchDate, const std::string& flightId);
    /// Stops tracking a flight of the list and tells the airport service.
    void deleteInfo(const AirportInfo& info);

    // AirportDetailDelegate
    void endAirportDetail() override;

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;

private:
    void reloadLater();
    void askToUntrack(int row);

    app::AppContext& context_;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace flights
