#include "widgets/FloatingActionButton.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace widgets {

FloatingActionButton::FloatingActionButton(Rect frame, double screenWidth, double screenHeight,
                                           std::string normalImage, std::string pressedImage,
                                           std::optional<double> scrollOffset)
    : ui::Outlet(Kind::FloatingMenu), frame_(frame), screenWidth_(screenWidth),
      screenHeight_(screenHeight), normalImage_(std::move(normalImage)),
      pressedImage_(std::move(pressedImage)), hasScrollView_(scrollOffset.has_value()),
      buttonToBottom_(screenHeight - frame.bottom()), lastOffset_(scrollOffset.value_or(0)) {}

void FloatingActionButton::setHideWhileScrolling(bool flag) {
    if (!hasScrollView_)
        return;
    hideWhileScrolling_ = flag;
    changed();
}

void FloatingActionButton::handleTap() {
    if (isMenuVisible_) {
        rowCount_ = 0;
        isMenuVisible_ = false;
    } else {
        rowCount_ = static_cast<int>(labelArray.size());
        isMenuVisible_ = true;
    }
    changed();
}

bool FloatingActionButton::selectRow(int row) {
    if (!isMenuVisible_ || row < 0 || row >= rowCount_)
        return false;
    if (auto d = delegate.lock())
        d->didSelectMenuOptionAtIndex(row);
    return true;
}

void FloatingActionButton::contentOffsetChanged(double y) {
    if (!hasScrollView_ || !hideWhileScrolling_)
        return;
    const double d = lastOffset_ - y;
    if (std::fabs(d) <= kScrollThreshold)
        return;
    if (y <= 0) {
        showMenuDuringScroll(true); // at the top: the recorded offset stays
        return;
    }
    showMenuDuringScroll(lastOffset_ > y);
    lastOffset_ = y;
}

void FloatingActionButton::showMenuDuringScroll(bool show) {
    if (!hideWhileScrolling_ || shownByScroll_ == show)
        return;
    shownByScroll_ = show;
    changed();
}

Rect FloatingActionButton::menuTableFrame() const {
    return Rect{0.25 * screenWidth_, 0, 0.75 * screenWidth_, frame_.bottom()};
}

nlohmann::json FloatingActionButton::toJson() const {
    nlohmann::json rows = nlohmann::json::array();
    for (int i = 0; i < rowCount_; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        rows.push_back({{"image", idx < imageArray.size() ? imageArray[idx] : ""},
                        {"title", idx < labelArray.size() ? labelArray[idx] : ""}});
    }
    return {{"image", isMenuVisible_ ? pressedImage_ : normalImage_},
            {"open", isMenuVisible_},
            {"rows", std::move(rows)},
            {"shown", shownByScroll_},
            {"hidden", hidden()}};
}

} // namespace widgets
