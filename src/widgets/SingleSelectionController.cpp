#include "widgets/SingleSelectionController.h"

#include "platform/Clock.h"

#include <nlohmann/json.hpp>

namespace widgets {

using json = nlohmann::json;
namespace colors = calendar_colors;

// ---- SingleSelectionCell ---------------------------------------------------------

void SingleSelectionCell::setDate(std::optional<Day> day, State state, bool isToday) {
    date = day;
    cellState = day ? state : State::Blank;
    labelColor = colors::kWhite;
    cornerRadius = 0;
    switch (cellState) {
    case State::Blank:
        text.clear();
        topLineHidden = true;
        return;
    case State::Normal:
        textColor = dates::isWeekend(*day) ? colors::kLightGray
                    : isToday              ? colors::kToday
                                           : colors::kDarkText;
        break;
    case State::Selected:
        textColor = colors::kWhite;
        labelColor = isToday ? colors::kToday : colors::kDarkText;
        cornerRadius = kLabelSize / 2;
        break;
    }
    text = std::to_string(dates::dayOfMonth(*day));
    topLineHidden = false;
}

json SingleSelectionCell::toJson() const {
    return {{"date", date ? json(dates::formatCompact(*date)) : json()},
            {"state", static_cast<int>(cellState)},
            {"text", text},
            {"textColor", colorJson(textColor)},
            {"labelColor", colorJson(labelColor)},
            {"cornerRadius", cornerRadius},
            {"fontSize", fontSize},
            {"labelSize", kLabelSize},
            {"labelRaise", kLabelRaise},
            {"topLine", !topLineHidden}};
}

// ---- SingleSelectionHeaderView ---------------------------------------------------

void SingleSelectionHeaderView::setFirstDateOfMonth(Day first, double columnWidth) {
    firstDateOfMonth = first;
    weekday = dates::weekday(first);
    monthLabel = std::to_string(dates::monthNumber(first)) + "月";
    // Over the middle of the column where the month's first day stands.
    centerX = (weekday - 0.5) * columnWidth;
}

json SingleSelectionHeaderView::toJson() const {
    return {{"text", monthLabel},
            {"month", dates::formatCompact(firstDateOfMonth).substr(0, 6)},
            {"weekday", weekday},
            {"centerX", centerX},
            {"height", kLabelHeight},
            {"fontSize", fontSize},
            {"color", colorJson(textColor)}};
}

// ---- SingleSelectionController ---------------------------------------------------

SingleSelectionController::SingleSelectionController(const platform::Clock& clock,
                                                     double screenWidth, double screenHeight)
    : ui::Screen("SingleSelectionController"), clock_(clock), screenWidth_(screenWidth),
      screenHeight_(screenHeight) {
    addOutlet("calendarView", calendarView);
    addOutlet("btn_Back", btn_Back);
    btn_Back.onTap = [this] { dismiss(true); };
    setBackControl(btn_Back);
}

SingleSelectionController::SingleSelectionController(const platform::Clock& clock,
                                                     double screenWidth, double screenHeight,
                                                     std::string flag)
    : SingleSelectionController(clock, screenWidth, screenHeight) {
    sFlag = std::move(flag);
}

void SingleSelectionController::viewDidLoad() {
    const Day today = dates::today(clock_);
    calendarView.firstDate = today;
    calendarView.lastDate = dates::lastDateOfMonth(dates::dateForFirstDayInSection(6, today));
    selectedDate = today;

    auto self = std::static_pointer_cast<SingleSelectionController>(shared_from_this());
    calendarView.registerCellClass<SingleSelectionCell>("singleCell");
    calendarView.registerSectionHeader<SingleSelectionHeaderView>("singleSectionHeader");
    calendarView.setSelectionMode(CalendarView::SelectionMode::Single);
    calendarView.dataSource = self;
    calendarView.delegate = self;
    calendarView.backgroundColor = colors::kWhite;
    calendarView.contentInsets = Insets{0, 14, 0, 14};
    calendarView.cellScale = 1.4;
    calendarView.sectionHeaderHeight = 27;
    calendarView.weekViewHeight = 20;
    calendarView.weekView.backgroundColor = colors::kWeekRow;
    calendarView.setFrame(Rect{0, kTopOffset, screenWidth_, screenHeight_ - kTopOffset});
    calendarView.reloadData();
}

void SingleSelectionController::calendarView_configureCell(CalendarView&, CalendarCell& cell,
                                                           std::optional<Day> date) {
    auto& day = static_cast<SingleSelectionCell&>(cell);
    if (!date) {
        day.setDate(std::nullopt, SingleSelectionCell::State::Blank, false);
        return;
    }
    day.setDate(date,
                date == selectedDate ? SingleSelectionCell::State::Selected
                                     : SingleSelectionCell::State::Normal,
                dates::isToday(*date, clock_));
}

void SingleSelectionController::calendarView_configureSectionHeaderView(CalendarView& view,
                                                                        CalendarSectionView& header,
                                                                        Day firstDateOfMonth) {
    static_cast<SingleSelectionHeaderView&>(header).setFirstDateOfMonth(firstDateOfMonth,
                                                                        view.layout().itemWidth);
}

void SingleSelectionController::calendarView_configureWeekDayLabel(CalendarView&,
                                                                   WeekDayLabel& label,
                                                                   int weekday) {
    label.fontSize = 13;
    if (weekday == 0 || weekday == 6)
        label.textColor = colors::kLightGray;
}

void SingleSelectionController::calendarView_didSelectDate(CalendarView& view,
                                                           std::optional<Day> date, CalendarCell*) {
    const std::optional<Day> previous = selectedDate;
    selectedDate = date;
    std::vector<Day> redraw;
    for (const auto& d : {previous, date})
        if (d)
            redraw.push_back(*d);
    view.reloadItemsAtDates(redraw);

    if (auto caller = delegate.lock()) {
        if (sFlag)
            caller->getChoickDate_Flag(date, *sFlag);
        else
            caller->getChoickDate(date);
    }
    dismiss(true);
}

} // namespace widgets
