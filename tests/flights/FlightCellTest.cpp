#include "flights/FlightText.h"
#include "flights/UIAirportCustomCell.h"
#include "flights/UIAirportCustomCellText.h"
#include "flights/UIAirportDetailViewController.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace flights;

namespace {
const ui::Color kRed{1, 0, 0, 1};

AirportInfo flight() {
    return AirportInfo::airportInfo("대한항공", "KE701", "20170305", "20170305", "1210", "", "123",
                                    "20170306", "0105", "20170306", "0130", "", "인천", "나리타",
                                    "ICN", "NRT", "", "3", "", "landed", "A01-A12", "1", "대한항공",
                                    "1");
}
} // namespace

TEST(FlightCellText, DateLineNamesTheWeekdayOfTheLastDateInRed) {
    const auto both = cellDateLine("20170305", "20170306");
    EXPECT_EQ(both.text, " 출발일:2017.03.05/일요일  도착일:2017.03.06/월요일");
    ASSERT_EQ(both.runs.size(), 1u);
    EXPECT_EQ(both.runs[0], (ui::TextRun{ui::characterCount(both.text) - 3, 3, false, kRed}));

    const auto single = cellDateLine("20170305", "");
    EXPECT_EQ(single.text, "2017.03.05/일요일");
    EXPECT_EQ(single.runs.at(0).from, 11);
    EXPECT_EQ(cellDateLine("20170305", "20170305").text, "2017.03.05/일요일");

    // A date that does not read as one gets no weekday and no red.
    const auto broken = cellDateLine("2017", "");
    EXPECT_EQ(broken.text, "2017../");
    EXPECT_TRUE(broken.runs.empty());
    EXPECT_EQ(cellWeekday("20170230"), "");
}

TEST(FlightCellText, TimesStatusesAndEmptyValues) {
    EXPECT_EQ(cellTime("1210"), "12:10");
    EXPECT_EQ(cellTime("123"), "");
    EXPECT_EQ(cellEstimatedTime("123", "1210"), "12:10");
    EXPECT_EQ(cellEstimatedTime("1305", "1210"), "13:05");
    // A stored remark, the word shown for it and the tone its badge is drawn in.
    const std::tuple<const char*, const char*, const char*> statuses[] = {
        {"active", "출발", "underWay"},       {"운항중", "운항중", "underWay"},
        {"landed", "착륙", "arrived"},        {"도착", "도착", "arrived"},
        {"cancelled", "취소", "cancelled"},   {"결항", "결항", "cancelled"},
        {"diverted", "회항", "diverted"},     {"지연", "지연", "delayed"},
        {"탑승마감", "탑승마감", "boarding"}, {"scheduled", "정보없음", "unknown"},
        {"", "정보없음", "unknown"},          {"-", "-", "unknown"},
        {"결항 ", "결항 ", "other"}};
    for (const auto& [remark, word, tone] : statuses) {
        EXPECT_EQ(cellStatus(remark), word) << remark;
        EXPECT_EQ(toneName(statusTone(word)), tone) << remark;
    }
    EXPECT_EQ(cellValue(""), "-");
}

TEST(FlightCell, FillsEveryLabelWithStruckScheduleAndFallbacks) {
    ui::Cell cell("cell");
    UIAirportCustomCell c(cell);
    c.setAiportInfo(flight(), 0, 375);
    EXPECT_EQ(c.img_Top().state(), "first");
    EXPECT_EQ(c.lbl_ScheduledTime().text(), "12:10");
    EXPECT_TRUE(c.lbl_ScheduledTime().attributes().at(0).strike);
    EXPECT_EQ(c.lbl_EstimatedTime().text(), "12:10"); // a three-character estimate is absent
    EXPECT_EQ(c.lbl_ScheduledTime1().text(), "01:05");
    EXPECT_TRUE(c.lbl_ScheduledTime1().attributes().at(0).strike);
    EXPECT_EQ(c.lbl_EstimatedTime1().text(), "01:30");
    EXPECT_EQ(c.lbl_GeteNumber().text(), "-");
    EXPECT_EQ(c.lbl_Carousel().text(), "3");
    EXPECT_EQ(c.lbl_Status().text(), "착륙");
    EXPECT_EQ(c.lbl_Status().state(), "arrived");
    EXPECT_EQ(c.lbl_DateTime().attributes().at(0).color, kRed);

    auto noTimes = flight();
    noTimes.setSScheduleTime_Departure("");
    noTimes.setSEstimatedTime_Departure("");
    c.setAiportInfo(noTimes, 4, 375);
    EXPECT_EQ(c.lbl_ScheduledTime().text(), "");
    EXPECT_TRUE(c.lbl_ScheduledTime().attributes().empty());
    EXPECT_EQ(c.lbl_EstimatedTime().text(), "");
    EXPECT_EQ(c.img_Top().state(), "");
}

TEST(FlightCell, ScreensNarrowerThan320UseTheSmallFontExceptForAirportCodes) {
    ui::Cell at320("cell"), at319("cell");
    UIAirportCustomCell(at320).setAiportInfo(flight(), 1, 320);
    UIAirportCustomCell(at319).setAiportInfo(flight(), 1, 319);
    EXPECT_EQ(at320.label("lbl_Status").fontSize(), 0);
    EXPECT_EQ(at319.label("lbl_Status").fontSize(), 11);
    EXPECT_EQ(at319.label("lbl_AirportCode1").fontSize(), 0);
}

TEST(FlightDetailText, ScheduleLinesUseTheEstimateWhenThereIsOne) {
    EXPECT_EQ(detailScheduleLine("", "20170305", "1210", "1300"), "2017/03/05 12:10");
    EXPECT_EQ(detailScheduleLine("20170305", "20170305", "1210", "1300"), "2017/03/05 13:00");
    EXPECT_EQ(detailScheduleLine("", "20170305", "", "1300"), "");
}
