#pragma once
// Geometry of the month calendar: the weekday row over a grid of seven equal columns.

#include "widgets/Geometry.h"

#include <vector>

namespace widgets {

/// What the layout is asked to fit.
struct CalendarMetrics {
    Insets contentInsets;
    double cellScale = 0;           ///< cell height as a multiple of its width; 0: square
    double minimumLineSpacing = 0;  ///< between rows of a section
    double weekViewHeight = 0;      ///< 0 or less: the default height
    double sectionHeaderHeight = 0; ///< 0 or less: the default height
    double sectionFooterHeight = 0;
    bool hasHeader = false; ///< a header view is registered
    bool hasFooter = false; ///< a footer view is registered
};

/// The calendar laid out in a frame.
struct CalendarLayout {
    static constexpr double kDefaultWeekViewHeight = 46;
    static constexpr double kDefaultSectionHeaderHeight = 52;

    Rect weekView;       ///< across the top, full width
    Rect grid;           ///< the rest of the frame
    Insets insets;       ///< of the grid and the weekday row, side insets adjusted
    double usableWidth;  ///< a multiple of 7
    double itemWidth;    ///< usableWidth / 7
    double itemHeight;   ///< itemWidth x cellScale, whole points
    double headerHeight; ///< 0 without a header
    double footerHeight; ///< 0 without a footer
    double lineSpacing;

    /// Height of a section of `items` items (whole weeks) with its header and footer.
    double sectionHeight(int items) const;
    /// Height of all sections with the grid's top and bottom insets.
    double contentHeight(const std::vector<int>& itemsPerSection) const;
};

/// Lays the calendar out in `frame`. The usable width (frame width less the side insets,
/// cut to whole points) is made a multiple of 7 by moving both side insets by half the
/// difference: shrinking it when it is 1 to 3 points over, growing it when 4 to 6 under.
CalendarLayout layoutCalendar(Rect frame, const CalendarMetrics& metrics);

} // namespace widgets
