#pragma once
// The row of the flight lists: one flight with its date and weekday, the two airports, the
// scheduled and changed times, check-in counters, gate, carousel, exit and status. It only
// presents; the hosting screen fills it with setAiportInfo.

#include "flights/AirportInfo.h"
#include "ui/Outlets.h"

namespace flights {

class UIAirportCustomCell {
public:
    /// The outlets live in `cell`, a row of the hosting screen's table.
    explicit UIAirportCustomCell(ui::Cell& cell) : cell_(cell) {}

    /// Fills every label from the flight; `row` picks the background, `width` (the hosting
    /// screen's) the font size.
    void setAiportInfo(const AirportInfo& info, int row, double width);

    ui::Label& lbl_DateTime() { return cell_.label("lbl_DateTime"); }
    ui::Label& lbl_AirportCode1() { return cell_.label("lbl_AirportCode1"); }
    ui::Label& lbl_AirportName1() { return cell_.label("lbl_AirportName1"); }
    ui::Label& lbl_FlightId() { return cell_.label("lbl_FlightId"); }
    ui::Label& lbl_AirportCode2() { return cell_.label("lbl_AirportCode2"); }
    ui::Label& lbl_AirportName2() { return cell_.label("lbl_AirportName2"); }
    ui::Label& lbl_ScheduledTime() { return cell_.label("lbl_ScheduledTime"); }
    ui::Label& lbl_EstimatedTime() { return cell_.label("lbl_EstimatedTime"); }
    ui::Label& lbl_ChkInRange() { return cell_.label("lbl_ChkInRange"); }
    ui::Label& lbl_GeteNumber() { return cell_.label("lbl_GeteNumber"); }
    ui::Label& lbl_ScheduledTime1() { return cell_.label("lbl_ScheduledTime1"); }
    ui::Label& lbl_EstimatedTime1() { return cell_.label("lbl_EstimatedTime1"); }
    ui::Label& lbl_Carousel() { return cell_.label("lbl_Carousel"); }
    ui::Label& lbl_ExitNumber() { return cell_.label("lbl_ExitNumber"); }
    ui::Label& lbl_Status() { return cell_.label("lbl_Status"); }
    ui::ImageView& img_Top() { return cell_.image("img_Top"); }

private:
    ui::Cell& cell_;
};

} // namespace flights
