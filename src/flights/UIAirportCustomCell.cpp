#include "flights/UIAirportCustomCell.h"

#include "flights/FlightText.h"
#include "flights/UIAirportCustomCellText.h"
#include "platform/Log.h"

namespace flights {
namespace {

void setStruck(ui::Label& label, std::string text) {
    const int n = ui::characterCount(text);
    std::vector<ui::TextRun> runs;
    if (n > 0)
        runs.push_back(ui::TextRun{0, n, true, std::nullopt});
    label.setAttributedText(std::move(text), std::move(runs));
}

} // namespace

void UIAirportCustomCell::setAiportInfo(const AirportInfo& info, int row, double width) {
    img_Top().setImage(row == 0 ? kCellTopImageFirst : kCellTopImage);
    img_Top().setState(row == 0 ? "first" : "");

    if (width < kCellNarrowWidth) {
        platform::logLine("test  320=======");
        for (ui::Label* l :
             {&lbl_DateTime(), &lbl_AirportName1(), &lbl_FlightId(), &lbl_AirportName2(),
              &lbl_ScheduledTime(), &lbl_EstimatedTime(), &lbl_ChkInRange(), &lbl_GeteNumber(),
              &lbl_ScheduledTime1(), &lbl_EstimatedTime1(), &lbl_Carousel(), &lbl_ExitNumber(),
              &lbl_Status()})
            l->setFontSize(kCellSmallFont);
    }

    CellDateLine line = cellDateLine(info.sScheduleDate(), info.sScheduleDate_Arrival());
    lbl_DateTime().setAttributedText(std::move(line.text), std::move(line.runs));
    lbl_FlightId().setText(info.sFlightId());

    setStruck(lbl_ScheduledTime(), cellTime(info.sScheduleTime_Departure()));
    lbl_EstimatedTime().setText(
        cellEstimatedTime(info.sEstimatedTime_Departure(), info.sScheduleTime_Departure()));
    setStruck(lbl_ScheduledTime1(), cellTime(info.sScheduleTime_Arrival()));
    lbl_EstimatedTime1().setText(
        cellEstimatedTime(info.sEstimatedTime_Arrival(), info.sScheduleTime_Arrival()));

    lbl_AirportCode1().setText(info.sAirportCode_Departure());
    lbl_AirportName1().setText(info.sAirport_Departure());
    lbl_AirportCode2().setText(info.sAirportCode_Arrival());
    lbl_AirportName2().setText(info.sAirport_Arrival());

    lbl_ChkInRange().setText(cellValue(info.sChkInRange()));
    lbl_GeteNumber().setText(cellValue(info.sGateNumber()));
    lbl_Carousel().setText(cellValue(info.sCarousel()));
    lbl_ExitNumber().setText(cellValue(info.sExitNumber()));
    lbl_Status().setText(cellStatus(info.sRemark()));
    lbl_Status().setState(std::string(toneName(statusTone(lbl_Status().text()))));
}

} // namespace flights
