#include "widgets/CalendarView.h"

#include "widgets/WeekdayNames.h"

#include <nlohmann/json.hpp>

namespace widgets {

using json = nlohmann::json;

json colorJson(const ui::Color& c) {
    return {c.r, c.g, c.b, c.a};
}

namespace {

json insetsJson(const Insets& i) {
    return {{"top", i.top}, {"left", i.left}, {"bottom", i.bottom}, {"right", i.right}};
}

json rectJson(const Rect& r) {
    return {{"x", r.x}, {"y", r.y}, {"width", r.width}, {"height", r.height}};
}

} // namespace

// ---- CalendarWeekView ------------------------------------------------------------

CalendarWeekView::CalendarWeekView() {
    for (int i = 0; i < 7; ++i)
        labels[static_cast<std::size_t>(i)].tag = kFirstLabelTag + i;
}

void CalendarWeekView::reloadWeekView() {
    const auto names = veryShortWeekdayNames(locale);
    for (int i = 0; i < 7; ++i) {
        WeekDayLabel& label = labels[static_cast<std::size_t>(i)];
        label.text = names[static_cast<std::size_t>(i)];
        label.fontSize = 15;
        label.textColor = ui::Color{0, 0, 0, 1};
        if (delegate)
            delegate->calendarWeekView_configureWeekDayLabel(*this, label, i);
    }
}

json CalendarWeekView::toJson() const {
    json out = json::array();
    for (const auto& l : labels)
        out.push_back({{"tag", l.tag},
                       {"text", l.text},
                       {"fontSize", l.fontSize},
                       {"color", colorJson(l.textColor)}});
    return {{"labels", std::move(out)},
            {"insets", insetsJson(contentInsets)},
            {"background", colorJson(backgroundColor)}};
}

// ---- CalendarView ----------------------------------------------------------------

CalendarView::CalendarView() : ui::Outlet(Kind::Calendar) {
    weekView.delegate = this;
}

void CalendarView::setSelectionMode(SelectionMode mode) {
    selectionMode_ = mode;
    allowsSelection_ = mode != SelectionMode::None;
    allowsMultipleSelection_ = mode == SelectionMode::Multiple;
    changed();
}

void CalendarView::setFrame(Rect frame) {
    frame_ = frame;
    layoutSubviews();
}

void CalendarView::layoutSubviews() {
    CalendarMetrics m;
    m.contentInsets = contentInsets;
    m.cellScale = cellScale;
    m.minimumLineSpacing = minimumLineSpacing;
    m.weekViewHeight = weekViewHeight;
    m.sectionHeaderHeight = sectionHeaderHeight;
    m.sectionFooterHeight = sectionFooterHeight;
    m.hasHeader = static_cast<bool>(makeHeader_);
    m.hasFooter = static_cast<bool>(makeFooter_);
    layout_ = layoutCalendar(frame_, m);
    weekView.contentInsets = layout_.insets;
    changed();
}

std::pair<double, double> CalendarView::contentSize() const {
    std::vector<int> items;
    for (int s = 0; s < numberOfSections(); ++s)
        items.push_back(numberOfItemsInSection(s));
    return {layout_.grid.width, layout_.contentHeight(items)};
}

int CalendarView::numberOfSections() const {
    return dates::numberOfMonthsFromDate(firstDate, lastDate);
}

int CalendarView::numberOfItemsInSection(int section) const {
    if (section < 0 || section >= numberOfSections())
        return 0;
    return dates::numberOfItemsInSection(section, firstDate, headStyle);
}

std::optional<Day> CalendarView::dateAtIndexPath(IndexPath path) const {
    if (path.section < 0 || path.section >= numberOfSections())
        return std::nullopt;
    return dates::dateAtIndexPath(path, firstDate, headStyle);
}

IndexPath CalendarView::indexPathAtDate(Day date) const {
    return dates::indexPathAtDate(date, firstDate, headStyle);
}

bool CalendarView::shown(IndexPath path) const {
    return path.section >= 0 && path.section < static_cast<int>(sections_.size()) &&
           path.item >= 0 &&
           path.item <
               static_cast<int>(sections_[static_cast<std::size_t>(path.section)].cells.size());
}

void CalendarView::configureCell(int section, int item) {
    auto& cell = sections_[static_cast<std::size_t>(section)].cells[static_cast<std::size_t>(item)];
    if (auto source = dataSource.lock())
        source->calendarView_configureCell(*this, *cell, dateAtIndexPath({section, item}));
}

void CalendarView::buildSection(int section) {
    Section& s = sections_[static_cast<std::size_t>(section)];
    const Day first = dates::dateForFirstDayInSection(section, firstDate);
    auto source = dataSource.lock();
    s.header = makeHeader_ ? makeHeader_() : nullptr;
    s.footer = makeFooter_ ? makeFooter_() : nullptr;
    if (source && s.header)
        source->calendarView_configureSectionHeaderView(*this, *s.header, first);
    if (source && s.footer)
        source->calendarView_configureSectionFooterView(*this, *s.footer,
                                                        dates::lastDateOfMonth(first));
    s.cells.clear();
    if (!makeCell_)
        return;
    const int items = numberOfItemsInSection(section);
    for (int i = 0; i < items; ++i) {
        s.cells.push_back(makeCell_());
        configureCell(section, i);
    }
}

void CalendarView::reloadData() {
    weekView.reloadWeekView();
    sections_.clear();
    sections_.resize(static_cast<std::size_t>(numberOfSections()));
    for (int s = 0; s < static_cast<int>(sections_.size()); ++s)
        buildSection(s);
    layoutSubviews();
}

void CalendarView::reloadItemsAtDates(const std::vector<Day>& days) {
    for (Day d : days) {
        const IndexPath path = indexPathAtDate(d);
        if (shown(path) && dateAtIndexPath(path) == d)
            configureCell(path.section, path.item);
    }
    changed();
}

void CalendarView::reloadItemsAtMonths(const std::vector<Day>& days) {
    for (Day d : days) {
        const int section = indexPathAtDate(d).section;
        if (section >= 0 && section < static_cast<int>(sections_.size()))
            buildSection(section);
    }
    changed();
}

CalendarCell* CalendarView::cellAtDate(Day date) const {
    const IndexPath path = indexPathAtDate(date);
    if (!shown(path) || dateAtIndexPath(path) != date)
        return nullptr;
    return sections_[static_cast<std::size_t>(path.section)]
        .cells[static_cast<std::size_t>(path.item)]
        .get();
}

bool CalendarView::selectItem(IndexPath path) {
    if (!allowsSelection_ || !shown(path))
        return false;
    const std::optional<Day> date = dateAtIndexPath(path);
    auto d = delegate.lock();
    if (d && !d->calendarView_shouldSelectDate(*this, date))
        return false;
    CalendarCell* cell = sections_[static_cast<std::size_t>(path.section)]
                             .cells[static_cast<std::size_t>(path.item)]
                             .get();
    if (d)
        d->calendarView_didSelectDate(*this, date, cell);
    return true;
}

bool CalendarView::selectDate(Day date) {
    const IndexPath path = indexPathAtDate(date);
    if (dateAtIndexPath(path) != date)
        return false;
    return selectItem(path);
}

void CalendarView::calendarWeekView_configureWeekDayLabel(CalendarWeekView&, WeekDayLabel& label,
                                                          int weekday) {
    if (auto source = dataSource.lock())
        source->calendarView_configureWeekDayLabel(*this, label, weekday);
}

json CalendarView::toJson() const {
    const CalendarLayout& l = layout_;
    const auto [contentWidth, contentHeight] = contentSize();
    json sections = json::array();
    for (const Section& s : sections_) {
        json cells = json::array();
        for (const auto& c : s.cells)
            cells.push_back(c->toJson());
        sections.push_back({{"header", s.header ? s.header->toJson() : json()},
                            {"footer", s.footer ? s.footer->toJson() : json()},
                            {"cells", std::move(cells)}});
    }
    return {{"hidden", hidden()},
            {"firstDate", dates::formatCompact(firstDate)},
            {"lastDate", dates::formatCompact(lastDate)},
            {"selectionMode", static_cast<int>(selectionMode_)},
            {"background", colorJson(backgroundColor)},
            {"layout",
             {{"frame", rectJson(frame_)},
              {"weekView", rectJson(l.weekView)},
              {"grid", rectJson(l.grid)},
              {"insets", insetsJson(l.insets)},
              {"itemWidth", l.itemWidth},
              {"itemHeight", l.itemHeight},
              {"lineSpacing", l.lineSpacing},
              {"headerHeight", l.headerHeight},
              {"footerHeight", l.footerHeight},
              {"contentWidth", contentWidth},
              {"contentHeight", contentHeight}}},
            {"weekView", weekView.toJson()},
            {"sections", std::move(sections)}};
}

} // namespace widgets
