#pragma once
// A month-by-month calendar: a row of weekday names over a grid of seven columns in which
// every month is a section of whole weeks. What each day shows is up to the data source;
// taps go to the delegate. This is the model; front-ends draw it from its JSON.

#include "ui/Outlets.h"
#include "widgets/CalendarDates.h"
#include "widgets/CalendarLayout.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace widgets {

class CalendarView;
class CalendarWeekView;

/// What the calendar shows for one item: a day, or a blank before or after the month.
class CalendarCell {
public:
    virtual ~CalendarCell() = default;
    virtual nlohmann::json toJson() const = 0;
};

/// A section header or footer.
class CalendarSectionView {
public:
    virtual ~CalendarSectionView() = default;
    virtual nlohmann::json toJson() const = 0;
};

/// One label of the weekday row.
struct WeekDayLabel {
    int tag = 0;
    std::string text;
    double fontSize = 15;
    ui::Color textColor{0, 0, 0, 1};
};

class CalendarWeekViewDelegate {
public:
    virtual ~CalendarWeekViewDelegate() = default;
    virtual void calendarWeekView_configureWeekDayLabel(CalendarWeekView& view, WeekDayLabel& label,
                                                        int weekday) = 0;
};

/// The row of weekday names above the grid, Sunday first like the grid's columns.
class CalendarWeekView {
public:
    /// The labels carry this tag and the six numbers after it, Sunday first.
    static constexpr int kFirstLabelTag = 10901;

    CalendarWeekView();
    std::array<WeekDayLabel, 7> labels;
    Insets contentInsets;
    ui::Color backgroundColor{1, 1, 1, 1};
    /// Locale of the names (an ICU id); empty: the user's.
    std::string locale;
    /// Not owned; the calendar view that holds this row.
    CalendarWeekViewDelegate* delegate = nullptr;

    /// Writes the very short weekday names, upper-cased, in dark 15-point text, then offers
    /// each label to the delegate with its index (0 Sunday to 6 Saturday).
    void reloadWeekView();
    nlohmann::json toJson() const;
};

/// Fills the calendar's views. Every operation is optional.
class CalendarDataSource {
public:
    virtual ~CalendarDataSource() = default;
    /// `date` is nothing for a blank cell.
    virtual void calendarView_configureCell(CalendarView&, CalendarCell&, std::optional<Day>) {}
    virtual void calendarView_configureSectionHeaderView(CalendarView&, CalendarSectionView&,
                                                         Day /*firstDateOfMonth*/) {}
    virtual void calendarView_configureSectionFooterView(CalendarView&, CalendarSectionView&,
                                                         Day /*lastDateOfMonth*/) {}
    /// `weekday` is the label's index, 0 (Sunday) to 6.
    virtual void calendarView_configureWeekDayLabel(CalendarView&, WeekDayLabel&, int /*weekday*/) {
    }
};

/// Hears of taps. Every operation is optional.
class CalendarDelegate {
public:
    virtual ~CalendarDelegate() = default;
    /// Selection is allowed unless this says no. `date` is nothing for a blank cell.
    virtual bool calendarView_shouldSelectDate(CalendarView&, std::optional<Day>) { return true; }
    virtual void calendarView_didSelectDate(CalendarView&, std::optional<Day>, CalendarCell*) {}
};

class CalendarView final : public ui::Outlet, private CalendarWeekViewDelegate {
public:
    enum class SelectionMode { None = 0, Single = 1, Multiple = 2 };

    CalendarView();

    std::weak_ptr<CalendarDataSource> dataSource;
    std::weak_ptr<CalendarDelegate> delegate;
    Day firstDate{};
    Day lastDate{};
    HeadStyle headStyle = HeadStyle::Plain;
    CalendarWeekView weekView;
    ui::Color backgroundColor{1, 1, 1, 1};

    // ---- layout properties (used on the next layout pass)
    Insets contentInsets;
    double minimumLineSpacing = 0;
    double weekViewHeight = 0;
    double sectionHeaderHeight = 0;
    double sectionFooterHeight = 0;
    double cellScale = 0;

    SelectionMode selectionMode() const { return selectionMode_; }
    /// Multiple allows selection and multiple selection, Single selection only, None neither.
    void setSelectionMode(SelectionMode mode);
    bool allowsSelection() const { return allowsSelection_; }
    bool allowsMultipleSelection() const { return allowsMultipleSelection_; }

    // ---- views of the items and sections
    template <typename Cell> void registerCellClass(std::string identifier) {
        cellIdentifier = std::move(identifier);
        makeCell_ = [] { return std::make_unique<Cell>(); };
    }
    template <typename Header> void registerSectionHeader(std::string identifier) {
        sectionHeaderIdentifier = std::move(identifier);
        makeHeader_ = [] { return std::make_unique<Header>(); };
    }
    template <typename Footer> void registerSectionFooter(std::string identifier) {
        sectionFooterIdentifier = std::move(identifier);
        makeFooter_ = [] { return std::make_unique<Footer>(); };
    }
    std::string cellIdentifier, sectionHeaderIdentifier, sectionFooterIdentifier;

    // ---- frame and layout
    void setFrame(Rect frame);
    const Rect& frame() const { return frame_; }
    /// Recomputes the layout from the frame and the layout properties.
    void layoutSubviews();
    const CalendarLayout& layout() const { return layout_; }
    /// Width and height of everything the grid scrolls through.
    std::pair<double, double> contentSize() const;

    // ---- months and days
    int numberOfSections() const;
    int numberOfItemsInSection(int section) const;
    std::optional<Day> dateAtIndexPath(IndexPath path) const;
    IndexPath indexPathAtDate(Day date) const;

    /// Rebuilds every view from the data source (and the weekday row).
    void reloadData();
    /// Redraws the cells of these days (days not shown are skipped).
    void reloadItemsAtDates(const std::vector<Day>& days);
    /// Redraws the whole sections of the months of these days.
    void reloadItemsAtMonths(const std::vector<Day>& days);
    /// The cell drawn for a day, or none when the day is not shown.
    CalendarCell* cellAtDate(Day date) const;

    /// A tap on an item: allowed when selection is on and the delegate agrees; the delegate
    /// then hears of it. False when refused or when the item does not exist.
    bool selectItem(IndexPath path);
    /// A tap on the cell of a day; false when the day is not shown or the tap is refused.
    bool selectDate(Day date);

    nlohmann::json toJson() const override;

private:
    struct Section {
        std::unique_ptr<CalendarSectionView> header, footer;
        std::vector<std::unique_ptr<CalendarCell>> cells;
    };
    void calendarWeekView_configureWeekDayLabel(CalendarWeekView& view, WeekDayLabel& label,
                                                int weekday) override;
    void buildSection(int section);
    void configureCell(int section, int item);
    bool shown(IndexPath path) const;

    SelectionMode selectionMode_ = SelectionMode::Multiple;
    bool allowsSelection_ = true;
    bool allowsMultipleSelection_ = true;
    Rect frame_;
    CalendarLayout layout_{};
    std::function<std::unique_ptr<CalendarCell>()> makeCell_;
    std::function<std::unique_ptr<CalendarSectionView>()> makeHeader_, makeFooter_;
    std::vector<Section> sections_;
};

/// A colour as the JSON of outlets writes it: [r, g, b, a].
nlohmann::json colorJson(const ui::Color& c);

} // namespace widgets
