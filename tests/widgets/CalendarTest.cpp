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
std::vector<std::string> items(int section, Day first) {
    std::vector<std::string> out;
    for (int i = 0; i < d::numberOfItemsInSection(section, first); ++i) {
        auto date = d::dateAtIndexPath({section, i}, first);
        out.push_back(date ? std::to_string(d::dayOfMonth(*date)) : ".");
    }
    return out;
}

} // namespace

TEST(CalendarGrid, MonthsAreWholeWeeksWithBlanksOutsideTheMonth) {
    const struct {
        const char* first;
        std::size_t items, dayOne, lastDay; ///< where the 1st and the month's last day sit
    } months[] = {
        {"20260201", 28, 0, 27}, // Sunday to Saturday: no blank
        {"20261001", 35, 4, 34}, // Thursday to Saturday: leading blanks only
        {"20260301", 35, 0, 30}, // Sunday to Tuesday: trailing blanks
        {"20200201", 35, 6, 34}, // a leap February from a Saturday
    };
    for (const auto& m : months) {
        const auto grid = items(0, day(m.first));
        ASSERT_EQ(grid.size(), m.items) << m.first;
        EXPECT_EQ(grid[m.dayOne], "1") << m.first;
        EXPECT_EQ(std::stoi(grid[m.lastDay]), d::numberOfDaysInMonth(day(m.first))) << m.first;
        for (std::size_t i = 0; i < grid.size(); ++i)
            EXPECT_EQ(grid[i] == ".", i < m.dayOne || i > m.lastDay) << m.first << " " << i;
    }
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
    EXPECT_FALSE(d::dateAtIndexPath({0, 36}, first));
    EXPECT_FALSE(d::dateAtIndexPath({0, -1}, first));
}

TEST(CalendarDates, MonthWeekAndCountHelpersAcrossLeapDaysAndYearEnds) {
    EXPECT_EQ(d::lastDateOfMonth(day("20240210")), day("20240229"));
    EXPECT_EQ(d::lastDateOfMonth(day("20261231")), day("20261231"));
    EXPECT_EQ(d::firstDateOfWeek(day("20260101")), day("20251228"));
    EXPECT_TRUE(d::isWeekend(day("20260228")));
    EXPECT_FALSE(d::isWeekend(day("20260227")));
    EXPECT_EQ(d::numberOfDaysInMonth(day("21000201")), 28);
    EXPECT_EQ(d::numberOfMonthsFromDate(day("20261115"), day("20270131")), 3);
    EXPECT_EQ(d::numberOfMonthsFromDate(day("20261115"), day("20261001")), 0);
}

TEST(CalendarDates, TodayIsTheUsersLocalDayEastAndWestOfGreenwich) {
    // 23:30 in Seoul is still 14:30 GMT; 20:00 in New York is already 01:00 GMT next day.
    for (const char* now : {"2026-05-15T23:30:00+09:00", "2026-05-15T20:00:00-05:00"}) {
        auto clock = clockAt(now);
        EXPECT_EQ(d::today(clock), day("20260515")) << now;
        EXPECT_TRUE(d::isToday(day("20260515"), clock)) << now;
        EXPECT_FALSE(d::isToday(day("20260516"), clock)) << now;
    }
}

TEST(CalendarDates, CompactTextReadsOnlyRealDates) {
    EXPECT_EQ(d::formatCompact(day("20260305")), "20260305");
    EXPECT_EQ(d::formatDashed(day("20260305")), "2026-03-05");
    for (const char* bad : {"20260229", "20261301", "2026-3-5", "202603051", "2026030x"})
        EXPECT_FALSE(d::parseCompact(bad)) << bad;
    EXPECT_TRUE(d::parseCompact("20240229"));
}

TEST(CalendarLayoutTest, UsableWidthBecomesAMultipleOfSeven) {
    CalendarMetrics m;
    m.contentInsets = {0, 14, 0, 14};
    m.cellScale = 1.4;
    m.hasHeader = true;
    m.sectionHeaderHeight = 27;
    m.weekViewHeight = 20;
    const struct {
        double width, usable, inset, item, itemHeight;
    } cases[] = {
        {320, 294, 13, 42, 58},     // 292 usable, 5 over a multiple of 7: grows
        {375, 350, 12.5, 50, 70},   // 347, 4 over: grows
        {330.6, 301, 14.5, 43, 60}, // cut to 302, 1 over: shrinks, the insets wider each
    };
    for (const auto& c : cases) {
        const auto l = layoutCalendar({0, 64, c.width, 504}, m);
        EXPECT_EQ(l.usableWidth, c.usable) << c.width;
        EXPECT_EQ(l.insets, (Insets{0, c.inset, 0, c.inset})) << c.width;
        EXPECT_EQ(l.itemWidth, c.item) << c.width;
        EXPECT_EQ(l.itemHeight, c.itemHeight) << c.width;
        EXPECT_EQ(l.weekView, (Rect{0, 64, c.width, 20})) << c.width;
        EXPECT_EQ(l.grid, (Rect{0, 84, c.width, 484})) << c.width;
        EXPECT_EQ(l.headerHeight, 27);
    }

    CalendarMetrics plain;
    plain.hasHeader = true;
    auto square = layoutCalendar({0, 0, 280, 400}, plain);
    EXPECT_EQ(square.itemWidth, 40);
    EXPECT_EQ(square.weekView.height, 46);
    EXPECT_EQ(square.contentHeight({28, 35}), 52 * 2 + 9 * 40); // square cells, 52-point headers
    plain.hasHeader = false;
    EXPECT_EQ(layoutCalendar({0, 0, 280, 400}, plain).headerHeight, 0);
    EXPECT_EQ(layoutCalendar({0, 0, 4, 400}, plain).usableWidth, 7);
}

TEST(WeekdayNamesTest, VeryShortNamesOfTheLanguageUpperCasedSundayFirst) {
    EXPECT_EQ(veryShortWeekdayNames("ko_KR"),
              (std::array<std::string, 7>{"일", "월", "화", "수", "목", "금", "토"}));
    EXPECT_EQ(veryShortWeekdayNames("en_US"),
              (std::array<std::string, 7>{"S", "M", "T", "W", "T", "F", "S"}));
    EXPECT_EQ(veryShortWeekdayNames("fr_FR").front(), "D"); // dimanche, upper-cased
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
    Picker() { window.setRoot(std::make_shared<ui::Screen>("Root")); }
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

    // Still the 14th in Greenwich: a picker counting days there starts a day early.
    platform::VirtualClock clock = clockAt("2026-05-15T08:00:00+09:00");
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

    const auto& today = cell(*p, "20260515");
    EXPECT_EQ(today.cellState, SingleSelectionCell::State::Selected);
    EXPECT_EQ(today.labelColor, calendar_colors::kToday);
    EXPECT_EQ(today.textColor, calendar_colors::kWhite);
    // Earlier days of this month are shown as ordinary days; weekends in light grey.
    const auto& earlier = cell(*p, "20260514");
    EXPECT_EQ(earlier.cellState, SingleSelectionCell::State::Normal);
    EXPECT_EQ(earlier.textColor, calendar_colors::kDarkText);
    EXPECT_EQ(earlier.text, "14");
    EXPECT_EQ(cell(*p, "20260516").textColor, calendar_colors::kLightGray);
    EXPECT_EQ(cal.weekView.labels[0].textColor, calendar_colors::kLightGray);
    EXPECT_EQ(cal.weekView.labels[3].textColor, calendar_colors::kDarkText);

    const auto json = cal.toJson();
    const auto& may = json["sections"][0];
    EXPECT_EQ(may["header"]["text"], "5月");
    EXPECT_EQ(may["header"]["centerX"], 5.5 * 42); // over Friday's column
    EXPECT_EQ(may["cells"][0]["text"], "");
}

TEST_F(Picker, PickingADayAnswersWithTheFlagIfAnyAndClosesAndABlankGivesNoDay) {
    auto p = open("1");
    ASSERT_TRUE(p->calendarView.selectDate(day("20260702")));
    EXPECT_EQ(caller->withFlag, (decltype(caller->withFlag){{day("20260702"), "1"}}));
    EXPECT_EQ(window.front(), window.root());
    // Both days were redrawn: the new one selected, today back to red text.
    EXPECT_EQ(cell(*p, "20260702").cellState, SingleSelectionCell::State::Selected);
    EXPECT_EQ(cell(*p, "20260702").labelColor, calendar_colors::kDarkText);
    EXPECT_EQ(cell(*p, "20260515").cellState, SingleSelectionCell::State::Normal);
    EXPECT_EQ(cell(*p, "20260515").textColor, calendar_colors::kToday);

    ASSERT_TRUE(open()->calendarView.selectDate(day("20260513")));
    auto blank = open();
    ASSERT_TRUE(blank->calendarView.selectItem({0, 0})); // blank before 1 May
    EXPECT_EQ(caller->plain, (std::vector<std::optional<Day>>{day("20260513"), std::nullopt}));
    EXPECT_FALSE(blank->selectedDate);
    EXPECT_EQ(caller->withFlag.size(), 1u);
}

TEST_F(Picker, DaysOutsideTheRangeAreNotTakenAndBackClosesWithoutAnAnswer) {
    auto p = open();
    EXPECT_FALSE(p->calendarView.selectDate(day("20261201")));
    EXPECT_FALSE(p->calendarView.selectDate(day("20260430")));
    EXPECT_FALSE(p->calendarView.selectItem({7, 0}));
    p->calendarView.setSelectionMode(CalendarView::SelectionMode::None);
    EXPECT_FALSE(p->calendarView.selectDate(day("20260520")));
    EXPECT_EQ(window.front(), p.get());
    EXPECT_TRUE(window.back()); // Escape, through the picker's back control
    EXPECT_EQ(window.front(), window.root());
    EXPECT_TRUE(caller->plain.empty());
}
