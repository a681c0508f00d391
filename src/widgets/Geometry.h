#pragma once
// Points on the phone screen: rectangles and edge insets.

namespace widgets {

struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
    double bottom() const { return y + height; }
    bool operator==(const Rect&) const = default;
};

struct Insets {
    double top = 0, left = 0, bottom = 0, right = 0;
    bool operator==(const Insets&) const = default;
};

} // namespace widgets
