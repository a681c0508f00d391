#include "widgets/CalendarLayout.h"

#include <cmath>

namespace widgets {

CalendarLayout layoutCalendar(Rect frame, const CalendarMetrics& m) {
    CalendarLayout out{};
    const double weekHeight =
        m.weekViewHeight > 0 ? m.weekViewHeight : CalendarLayout::kDefaultWeekViewHeight;
    out.weekView = Rect{frame.x, frame.y, frame.width, weekHeight};
    out.grid = Rect{frame.x, frame.y + weekHeight, frame.width, frame.height - weekHeight};

    out.insets = m.contentInsets;
    double w = std::trunc(out.grid.width - m.contentInsets.left - m.contentInsets.right);
    if (w < 0)
        w = 0;
    const int r = static_cast<int>(std::fmod(w, 7.0));
    if (r >= 1 && r <= 3) {
        out.insets.left = out.insets.right = m.contentInsets.left + r * 0.5;
        w -= r;
    } else if (r >= 4) {
        out.insets.left = out.insets.right = m.contentInsets.left - (7 - r) * 0.5;
        w += 7 - r;
    }
    out.usableWidth = w;
    out.itemWidth = w / 7;
    out.itemHeight = m.cellScale > 0 ? std::trunc(out.itemWidth * m.cellScale) : out.itemWidth;
    out.lineSpacing = m.minimumLineSpacing;
    out.headerHeight = !m.hasHeader                ? 0
                       : m.sectionHeaderHeight > 0 ? m.sectionHeaderHeight
                                                   : CalendarLayout::kDefaultSectionHeaderHeight;
    out.footerHeight = m.hasFooter ? m.sectionFooterHeight : 0;
    return out;
}

double CalendarLayout::sectionHeight(int items) const {
    const int rows = (items + 6) / 7;
    return headerHeight + footerHeight + rows * itemHeight +
           (rows > 1 ? rows - 1 : 0) * lineSpacing;
}

double CalendarLayout::contentHeight(const std::vector<int>& itemsPerSection) const {
    double h = insets.top + insets.bottom;
    for (int items : itemsPerSection)
        h += sectionHeight(items);
    return h;
}

} // namespace widgets
