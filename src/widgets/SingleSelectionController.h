#pragma once
// The single-date picker: a calendar from today to the end of the sixth month ahead in
// which one tap picks a day, answers the caller and closes the picker.

#include "ui/Screen.h"
#include "widgets/CalendarView.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {
class Clock;
}

namespace widgets {

/// The picker's caller. It answers with the picked day and the caller's flag when the
/// picker was made with one, else with the day alone; the day is nothing when the tap hit a
/// blank cell.
class AirportInfoDelegate {
public:
    virtual ~AirportInfoDelegate() = default;
    /// getChoickDate:Flag:
    virtual void getChoickDate_Flag(std::optional<Day> /*date*/, const std::string& /*flag*/) {}
    /// getChoickDate:
    virtual void getChoickDate(std::optional<Day> /*date*/) {}
};

namespace calendar_colors {
inline constexpr ui::Color kWhite{1, 1, 1, 1};
inline constexpr ui::Color kDarkText{0, 0, 0, 1};
inline constexpr ui::Color kLightGray{2.0 / 3, 2.0 / 3, 2.0 / 3, 1};
/// Today's red.
inline constexpr ui::Color kToday{1.0, 0.2352941176, 0.2235294118, 1};
inline constexpr ui::Color kWeekRow{0.9764705896, 0.9764705896, 0.9764705896, 1};
} // namespace calendar_colors

/// A day of the picker: blank, a plain day, or the selected day on a filled circle.
class SingleSelectionCell final : public CalendarCell {
public:
    enum class State { Blank = 0, Normal = 1, Selected = 2 };
    static constexpr double kLabelSize = 34;
    /// The label's centre lies this far above the cell's centre.
    static constexpr double kLabelRaise = 13;

    /// Draws the cell for a day (nothing: blank) in a state.
    void setDate(std::optional<Day> date, State state, bool isToday);

    std::optional<Day> date;
    State cellState = State::Blank;
    // The date label's look.
    std::string text;
    ui::Color textColor = calendar_colors::kDarkText;
    ui::Color labelColor = calendar_colors::kWhite;
    double cornerRadius = 0;
    double fontSize = 17;
    bool topLineHidden = true;

    nlohmann::json toJson() const override;
};

/// A month's header: its number, centred over the column of the month's first day.
class SingleSelectionHeaderView final : public CalendarSectionView {
public:
    static constexpr double kLabelHeight = 20;

    /// `columnWidth` is the width of a day column of the grid.
    void setFirstDateOfMonth(Day first, double columnWidth);

    Day firstDateOfMonth{};
    std::string monthLabel;
    int weekday = 1;
    double centerX = 0;
    double fontSize = 17;
    ui::Color textColor = calendar_colors::kDarkText;

    nlohmann::json toJson() const override;
};

class SingleSelectionController final : public ui::Screen,
                                        public CalendarDataSource,
                                        public CalendarDelegate {
public:
    static constexpr double kTopOffset = 64;

    /// A picker without a flag; `screenWidth` and `screenHeight` are the phone screen's.
    SingleSelectionController(const platform::Clock& clock, double screenWidth,
                              double screenHeight);
    /// A picker that answers with `flag` (initWithData).
    SingleSelectionController(const platform::Clock& clock, double screenWidth, double screenHeight,
                              std::string flag);

    std::optional<std::string> sFlag;
    std::weak_ptr<AirportInfoDelegate> delegate;
    CalendarView calendarView;
    /// Closes the picker without answering, so the caller keeps its date (drawn in the title
    /// band above the calendar).
    ui::Button btn_Back;
    std::optional<Day> selectedDate;

    // CalendarDataSource
    void calendarView_configureCell(CalendarView& view, CalendarCell& cell,
                                    std::optional<Day> date) override;
    void calendarView_configureSectionHeaderView(CalendarView& view, CalendarSectionView& header,
                                                 Day firstDateOfMonth) override;
    void calendarView_configureWeekDayLabel(CalendarView& view, WeekDayLabel& label,
                                            int weekday) override;
    // CalendarDelegate
    void calendarView_didSelectDate(CalendarView& view, std::optional<Day> date,
                                    CalendarCell* cell) override;

protected:
    void viewDidLoad() override;

private:
    const platform::Clock& clock_;
    double screenWidth_, screenHeight_;
};

} // namespace widgets
