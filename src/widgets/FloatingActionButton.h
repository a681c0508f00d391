#pragma once
// A round button that darkens the screen and unfolds a column of menu rows upward from
// itself; a tapped row is reported to the delegate by index. It can hide itself while a
// watched scroll view scrolls down. This is the model; front-ends draw and animate it.

#include "ui/Outlets.h"
#include "widgets/Geometry.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace widgets {

class floatMenuDelegate {
public:
    virtual ~floatMenuDelegate() = default;
    virtual void didSelectMenuOptionAtIndex(int index) = 0;
};

class FloatingActionButton final : public ui::Outlet {
public:
    static constexpr double kAnimationTime = 0.55;
    static constexpr double kHalfAnimationTime = kAnimationTime / 2; ///< open, close, rows
    static constexpr double kRowHeight = 60;
    static constexpr double kScrollThreshold = 15;
    static constexpr double kRowStartScale = 0.95;

    /// `scrollOffset` is the watched scroll view's vertical offset, or nothing without one.
    FloatingActionButton(Rect frame, double screenWidth, double screenHeight,
                         std::string normalImage, std::string pressedImage,
                         std::optional<double> scrollOffset);

    std::vector<std::string> imageArray;
    std::vector<std::string> labelArray;
    std::weak_ptr<floatMenuDelegate> delegate;

    /// Only with a scroll view: stores the flag (it starts observing the offset).
    void setHideWhileScrolling(bool flag);
    bool hideWhileScrolling() const { return hideWhileScrolling_; }

    bool isMenuVisible() const { return isMenuVisible_; }
    /// Rows currently shown: the number of titles while open, 0 while closed.
    int rowCount() const { return rowCount_; }
    /// Toggles the menu (a tap on the button, its copy or the backdrop).
    void handleTap();
    /// A tap on row `row` of the open menu; the menu stays open. False for no such row.
    bool selectRow(int row);

    /// The watched scroll view moved to vertical offset `y`.
    void contentOffsetChanged(double y);
    /// False while scrolling has hidden the button.
    bool shownByScroll() const { return shownByScroll_; }
    /// How far the button moves down when hidden by scrolling.
    double hideDistance() const { return 6 * buttonToBottom_; }

    const Rect& frame() const { return frame_; }
    double buttonToBottom() const { return buttonToBottom_; }
    /// The rows' list: right three quarters of the screen, from the top to the button's bottom.
    Rect menuTableFrame() const;
    /// Delay before row `row` appears when the menu opens.
    static double rowAppearanceDelay(int row) { return 0.004 * row * row; }

    const std::string& normalImage() const { return normalImage_; }
    const std::string& pressedImage() const { return pressedImage_; }

    bool tappable() const override { return true; }
    bool tap() override {
        handleTap();
        return true;
    }
    bool isOpen() const override { return isMenuVisible_; }
    nlohmann::json toJson() const override;

private:
    void showMenuDuringScroll(bool show);

    Rect frame_;
    double screenWidth_, screenHeight_;
    std::string normalImage_, pressedImage_;
    bool hasScrollView_;
    bool hideWhileScrolling_ = false;
    bool isMenuVisible_ = false;
    bool shownByScroll_ = true;
    int rowCount_ = 0;
    double buttonToBottom_;
    double lastOffset_;
};

} // namespace widgets
