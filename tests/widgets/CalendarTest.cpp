#include "platform/Clock.h"
#include "ui/Window.h"
#include "widgets/CalendarDates.h"
#include "widgets/CalendarLayout.h"
#include "widgets/SingleSelectionController.h"
#include "widgets/WeekdayNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace widgets;
namespace d = widgets::dates;

namespace {

Day day(const char* yyyymmdd) {
    auto parsed = d::parseCompact(yyyymmdd);
    EXPECT_TRUE(parsed) << yyyymmdd;
    return parsed.value_or(Day{});
}

platform::VirtualClock clockAt(const char* iso) {
    platform::TimePoint t;
    int offset = 0;
    EXPECT_TRUE(platform::parseIsoInstant(iso, t, offset));
    return platform::VirtualClock(t, offset);
}

/// Items of a section as text: "." for a blank, else the day of the month.
std::vector<std::string> items(int section, Day first, HeadStyle style = HeadStyle::Plain) {
    std::vector<std::string> out;
    for (int i = 0; i < d::numberOfItemsInSection(section, first, style); ++i) {
        auto date = d::dateAtIndexPath({section, i}, first, style);
        out.push_back(date ? std::to_string(d::dayOfMonth(*date)) : ".");
    }
    return out;
}

} // namespace

TEST(CalendarGrid, MonthsAreWholeWeeksWithBlanksOutsideTheMonth) {
    // February 2026 starts on a Sunday and ends on a Saturday: 28 days, no blank.
    const auto feb = items(0, day("20260201"));
    ASSERT_EQ(feb.size(), 28u);
    EXPECT_EQ(feb.front(), "1");
    EXPECT_EQ(feb.back(), "28");

    // October 2026 starts on a Thursday and ends on a Saturday: four leading blanks only.
    const auto oct = items(0, day("20261001"));
    ASSERT_EQ(oct.size(), 35u);
    EXPECT_EQ(std::vector<std::string>(oct.begin(), oct.begin() + 5),
              (std::vector<std::string>{".", ".", ".", ".", "1"}));
    EXPECT_EQ(oct.back(), "31");

    // March 2026 starts on a Sunday and ends on a Tuesday: four trailing blanks.
    const auto mar = items(0, day("20260301"));
    ASSERT_EQ(mar.size(), 35u);
    EXPECT_EQ(mar.front(), "1");
    EXPECT_EQ(mar[30], "31");
    EXPECT_EQ(mar[31], ".");

    // A leap February that starts on a Saturday spans six rows.
    const auto leap = items(0, day("20200201"));
    EXPECT_EQ(leap.size(), 35u);
    EXPECT_EQ(leap[6], "1");
    EXPECT_EQ(leap[34], "29");
}

TEST(CalendarGrid, IndexPathsAndDatesAgreeOverTwoYearsFromAnyStartDay) {
    const Day first = day("20260515");
    for (Day at = d::firstDateOfMonth(first); at < day("20280601"); at += std::chrono::days{1}) {
        const IndexPath path = d::indexPathAtDate(at, first);
        ASSERT_LT(path.item, d::numberOfItemsInSection(path.section, first));
        ASSERT_EQ(d::dateAtIndexPath(path, first), at) << d::formatCompact(at);
        EXPECT_EQ(path.item % 7, d::weekday(at) - 1);
    }
    EXPECT_EQ(d::indexPathAtDate(day("20260601"), first), (IndexPath{1, 1}));
    EXPECT_EQ(d::dateForFirstDayInSection(8, first), day("20270101"));
    EXPECT_EQ(d::dateAtIndexPath({0, 35}, first), day("20260531"));
    EXPECT_FALSE(d::dateAtIndexPath({0, 36}, first));
    EXPECT_FALSE(d::dateAtIndexPath({0, 42}, first));
    EXPECT_FALSE(d::dateAtIndexPath({0, -1}, first));
}

TEST(CalendarGrid, FirstSectionCanStartAtTheWeekOfTheFirstDate) {
    // Friday 15 May 2026: the section starts on Sunday 10 May; June days are blank.
    const Day first = day("20260515");
    const auto head = items(0, first, HeadStyle::FromFirstDateWeek);
    ASSERT_EQ(head.size(), 28u);
    EXPECT_EQ(head.front(), "10");
    EXPECT_EQ(head[21], "31");
    EXPECT_EQ(head[22], ".");
    EXPECT_EQ(d::indexPathAtDate(day("20260515"), first, HeadStyle::FromFirstDateWeek),
              (IndexPath{0, 5}));
    // Days of the previous month in that first week are blank.
    const auto early = items(0, day("20260502"), HeadStyle::FromFirstDateWeek);
    EXPECT_EQ(early.front(), ".");
    EXPECT_EQ(early[4], ".");
    EXPECT_EQ(early[5], "1");
    EXPECT_EQ(early[6], "2");
    // Later sections are unchanged.
    EXPECT_EQ(items(1, first, HeadStyle::FromFirstDateWeek), items(1, first));
}

TEST(CalendarDates, MonthWeekAndCountHelpers) {
    EXPECT_EQ(d::firstDateOfMonth(day("20260215")), day("20260201"));
    EXPECT_EQ(d::lastDateOfMonth(day("20240210")), day("20240229"));
    EXPECT_EQ(d::lastDateOfMonth(day("20261231")), day("20261231"));
    EXPECT_EQ(d::firstDateOfWeek(day("20260101")), day("20251228"));
    EXPECT_EQ(d::weekday(day("20260201")), 1);
    EXPECT_EQ(d::weekday(day("20260228")), 7);
    EXPECT_TRUE(d::isWeekend(day("20260228")));
    EXPECT_FALSE(d::isWeekend(day("20260227")));
    EXPECT_TRUE(d::isSameMonthWithDate(day("20260510"), day("20270501")));
    EXPECT_EQ(d::numberOfDaysInMonth(day("21000201")), 28);
    EXPECT_EQ(d::numberOfMonthsFromDate(day("20260515"), day("20261130")), 7);
    EXPECT_EQ(d::numberOfMonthsFromDate(day("20261115"), day("20270131")), 3);
    EXPECT_EQ(d::numberOfMonthsFromDate(day("20261115"), day("20261001")), 0);
    EXPECT_EQ(d::numberOfDaysFromMonth(day("20260215"), day("20260310")), 59);
    EXPECT_EQ(d::numberOfNightsFromDate(day("20261230"), day("20270102")), 3);
}

TEST(CalendarDates, TodayIsTheUsersLocalDayEastAndWestOfGreenwich) {
    // 23:30 in Seoul is still 14:30 GMT; 20:00 in New York is already 01:00 GMT next day.
    auto seoul = clockAt("2026-05-15T23:30:00+09:00");
    EXPECT_EQ(d::today(seoul), day("20260515"));
    EXPECT_TRUE(d::isToday(day("20260515"), seoul));
    auto newYork = clockAt("2026-05-15T20:00:00-05:00");
    EXPECT_EQ(d::today(newYork), day("20260515"));
    EXPECT_TRUE(d::isToday(day("20260515"), newYork));
    EXPECT_FALSE(d::isToday(day("20260516"), newYork));
}

TEST(CalendarDates, CompactTextReadsOnlyRealDates) {
    EXPECT_EQ(d::formatCompact(day("20260305")), "20260305");
    EXPECT_EQ(d::formatDashed(day("20260305")), "2026-03-05");
    EXPECT_FALSE(d::parseCompact("20260229"));
    EXPECT_FALSE(d::parseCompact("20261301"));
    EXPECT_FALSE(d::parseCompact("2026-3-5"));
    EXPECT_FALSE(d::parseCompact("202603051"));
    EXPECT_FALSE(d::parseCompact("2026030x"));
    EXPECT_TRUE(d::parseCompact("20240229"));
}

TEST(CalendarLayoutTest, UsableWidthBecomesAMultipleOfSeven) {
    CalendarMetrics m;
    m.contentInsets = {0, 14, 0, 14};
    m.cellScale = 1.4;
    m.hasHeader = true;
    m.sectionHeaderHeight = 27;
    m.weekViewHeight = 20;

    // 320 wide: 292 usable leaves 5 over a multiple of 7, so the width grows to 294.
    auto narrow = layoutCalendar({0, 64, 320, 504}, m);
    EXPECT_EQ(narrow.insets, (Insets{0, 13, 0, 13}));
    EXPECT_EQ(narrow.usableWidth, 294);
    EXPECT_EQ(narrow.itemWidth, 42);
    EXPECT_EQ(narrow.itemHeight, 58);
    EXPECT_EQ(narrow.weekView, (Rect{0, 64, 320, 20}));
    EXPECT_EQ(narrow.grid, (Rect{0, 84, 320, 484}));
    EXPECT_EQ(narrow.headerHeight, 27);

    // 375 wide: 347 usable, 4 over, grows to 350.
    auto phone = layoutCalendar({0, 64, 375, 603}, m);
    EXPECT_EQ(phone.insets.left, 12.5);
    EXPECT_EQ(phone.insets.right, 12.5);
    EXPECT_EQ(phone.itemWidth, 50);
    EXPECT_EQ(phone.itemHeight, 70);

    // 330.6 wide: cut to 302 usable, 1 over, shrinks to 301 with the insets half a point
    // wider each.
    auto odd = layoutCalendar({0, 0, 330.6, 500}, m);
    EXPECT_EQ(odd.usableWidth, 301);
    EXPECT_EQ(odd.insets.left, 14.5);
    EXPECT_EQ(odd.itemWidth, 43);
    EXPECT_EQ(odd.itemHeight, 60);

    // Defaults: square cells, a 46-point weekday row, a 52-point header when registered.
    CalendarMetrics plain;
    plain.hasHeader = true;
    auto square = layoutCalendar({0, 0, 280, 400}, plain);
    EXPECT_EQ(square.itemWidth, 40);
    EXPECT_EQ(square.itemHeight, 40);
    EXPECT_EQ(square.weekView.height, 46);
    EXPECT_EQ(square.headerHeight, 52);
    plain.hasHeader = false;
    EXPECT_EQ(layoutCalendar({0, 0, 280, 400}, plain).headerHeight, 0);
    EXPECT_EQ(layoutCalendar({0, 0, 4, 400}, plain).usableWidth, 7);
    EXPECT_EQ(square.contentHeight({28, 35}), 52 * 2 + 9 * 40);
}

TEST(WeekdayNamesTest, VeryShortNamesOfTheLanguageUpperCasedSundayFirst) {
    const auto ko = veryShortWeekdayNames("ko_KR");
    EXPECT_EQ(ko.front(), "일");
    EXPECT_EQ(ko.back(), "토");
    const auto en = veryShortWeekdayNames("en_US");
    EXPECT_EQ(en, (std::array<std::string, 7>{"S", "M", "T", "W", "T", "F", "S"}));
    const auto fr = veryShortWeekdayNames("fr_FR");
    EXPECT_EQ(fr.front(), "D"); // dimanche, upper-cased
}

namespace {

struct Caller : AirportInfoDelegate {
    std::vector<std::pair<std::optional<Day>, std::string>> withFlag;
    std::vector<std::optional<Day>> plain;
    void getChoickDate_Flag(std::optional<Day> date, const std::string& flag) override {
        withFlag.emplace_back(date, flag);
    }
    void getChoickDate(std::optional<Day> date) override { plain.push_back(date); }
};

class Picker : public ::testing::Test {
protected:
    explicit Picker(const char* now = "2026-05-15T10:00:00+09:00") : clock(clockAt(now)) {
        window.setRoot(std::make_shared<ui::Screen>("Root"));
    }
    std::shared_ptr<SingleSelectionController> open(std::optional<std::string> flag = {}) {
        auto picker = flag ? std::make_shared<SingleSelectionController>(clock, 320, 568, *flag)
                           : std::make_shared<SingleSelectionController>(clock, 320, 568);
        picker->delegate = caller;
        window.root()->present(picker, false);
        return picker;
    }
    static const SingleSelectionCell& cell(SingleSelectionController& p, const char* date) {
        auto* c = p.calendarView.cellAtDate(day(date));
        EXPECT_TRUE(c) << date;
        return static_cast<const SingleSelectionCell&>(*c);
    }

    platform::VirtualClock clock;
    ui::Window window;
    std::shared_ptr<Caller> caller = std::make_shared<Caller>();
};

} // namespace

TEST_F(Picker, ShowsTodayToTheEndOfTheSixthMonthWithTodaySelected) {
    auto p = open();
    auto& cal = p->calendarView;
    EXPECT_EQ(cal.numberOfSections(), 7);
    EXPECT_EQ(cal.firstDate, day("20260515"));
    EXPECT_EQ(cal.lastDate, day("20261130"));
    EXPECT_EQ(cal.selectionMode(), CalendarView::SelectionMode::Single);
    EXPECT_TRUE(cal.allowsSelection());
    EXPECT_FALSE(cal.allowsMultipleSelection());

    const auto& today = cell(*p, "20260515");
    EXPECT_EQ(today.cellState, SingleSelectionCell::State::Selected);
    EXPECT_EQ(today.labelColor, calendar_colors::kToday);
    EXPECT_EQ(today.textColor, calendar_colors::kWhite);
    EXPECT_EQ(today.cornerRadius, 17);
    // Earlier days of this month are shown as ordinary days; weekends in light grey.
    const auto& earlier = cell(*p, "20260514");
    EXPECT_EQ(earlier.cellState, SingleSelectionCell::State::Normal);
    EXPECT_EQ(earlier.textColor, calendar_colors::kDarkText);
    EXPECT_EQ(earlier.text, "14");
    EXPECT_FALSE(earlier.topLineHidden);
    EXPECT_EQ(cell(*p, "20260516").textColor, calendar_colors::kLightGray);
    EXPECT_FALSE(cal.cellAtDate(day("20261201")));

    const auto json = cal.toJson();
    const auto& may = json["sections"][0];
    EXPECT_EQ(may["header"]["text"], "5月");
    EXPECT_EQ(may["header"]["centerX"], 5.5 * 42); // over Friday's column
    EXPECT_EQ(may["cells"][0]["state"], 0);
    EXPECT_EQ(may["cells"][0]["text"], "");
    EXPECT_EQ(may["cells"][0]["topLine"], false);
    EXPECT_EQ(json["sections"][6]["header"]["text"], "11月");
    EXPECT_EQ(json["layout"]["itemWidth"], 42);
    EXPECT_EQ(json["layout"]["itemHeight"], 58);
    EXPECT_EQ(json["layout"]["grid"]["y"], 84);

    const auto& week = cal.weekView;
    EXPECT_EQ(week.labels[0].tag, 10901);
    EXPECT_EQ(week.labels[6].tag, 10907);
    EXPECT_EQ(week.labels[0].fontSize, 13);
    EXPECT_EQ(week.labels[0].textColor, calendar_colors::kLightGray);
    EXPECT_EQ(week.labels[3].textColor, calendar_colors::kDarkText);
    EXPECT_EQ(week.labels[6].textColor, calendar_colors::kLightGray);
    EXPECT_EQ(week.backgroundColor, calendar_colors::kWeekRow);
    EXPECT_EQ(week.contentInsets.left, 13);
}

TEST_F(Picker, PickingADayAnswersWithTheFlagAndCloses) {
    auto p = open("1");
    ASSERT_TRUE(p->calendarView.selectDate(day("20260702")));
    ASSERT_EQ(caller->withFlag.size(), 1u);
    EXPECT_EQ(caller->withFlag[0].first, day("20260702"));
    EXPECT_EQ(caller->withFlag[0].second, "1");
    EXPECT_TRUE(caller->plain.empty());
    EXPECT_EQ(window.front(), window.root());
    // Both days were redrawn: the new one selected, today back to red text.
    EXPECT_EQ(cell(*p, "20260702").cellState, SingleSelectionCell::State::Selected);
    EXPECT_EQ(cell(*p, "20260702").labelColor, calendar_colors::kDarkText);
    EXPECT_EQ(cell(*p, "20260515").cellState, SingleSelectionCell::State::Normal);
    EXPECT_EQ(cell(*p, "20260515").textColor, calendar_colors::kToday);
}

TEST_F(Picker, WithoutAFlagItAnswersWithTheDayAloneAndABlankGivesNoDay) {
    auto p = open();
    ASSERT_TRUE(p->calendarView.selectDate(day("20260513")));
    ASSERT_EQ(caller->plain.size(), 1u);
    EXPECT_EQ(caller->plain[0], day("20260513"));

    auto again = open();
    ASSERT_TRUE(again->calendarView.selectItem({0, 0})); // blank before 1 May
    ASSERT_EQ(caller->plain.size(), 2u);
    EXPECT_FALSE(caller->plain[1]);
    EXPECT_FALSE(again->selectedDate);
    EXPECT_TRUE(caller->withFlag.empty());
}

TEST_F(Picker, DaysOutsideTheRangeAreNotTakenAndBackClosesWithoutAnAnswer) {
    auto p = open();
    EXPECT_FALSE(p->calendarView.selectDate(day("20261201")));
    EXPECT_FALSE(p->calendarView.selectDate(day("20260430")));
    EXPECT_FALSE(p->calendarView.selectItem({7, 0}));
    p->calendarView.setSelectionMode(CalendarView::SelectionMode::None);
    EXPECT_FALSE(p->calendarView.selectDate(day("20260520")));
    EXPECT_TRUE(caller->plain.empty());
    EXPECT_EQ(window.front(), p.get());
    EXPECT_TRUE(window.back()); // Escape, through the picker's back control
    EXPECT_EQ(window.front(), window.root());
    EXPECT_TRUE(caller->plain.empty());
}

namespace {
class PickerWestOfGreenwich : public Picker {
protected:
    PickerWestOfGreenwich() : Picker("2026-05-31T21:00:00-05:00") {}
};
} // namespace

TEST_F(PickerWestOfGreenwich, StartsOnTheLocalDayAndMarksItAsToday) {
    auto p = open();
    EXPECT_EQ(p->calendarView.firstDate, day("20260531"));
    EXPECT_EQ(p->calendarView.lastDate, day("20261130"));
    EXPECT_EQ(cell(*p, "20260531").labelColor, calendar_colors::kToday);
}
