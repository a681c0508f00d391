#include "widgets/FloatingActionButton.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using widgets::FloatingActionButton;
using widgets::Rect;

namespace {

struct Recorder : widgets::floatMenuDelegate {
    std::vector<int> picked;
    void didSelectMenuOptionAtIndex(int index) override { picked.push_back(index); }
};

std::unique_ptr<FloatingActionButton> makeButton(std::optional<double> scroll = std::nullopt) {
    auto b =
        std::make_unique<FloatingActionButton>(Rect{375 / 2.0 - 25, 667 - 44 - 80, 50, 50}, 375,
                                               667, "main_butten", "main_butten_x", scroll);
    b->labelArray = {"여권사진", "출입국신고서", "환율계산기", "도움말"};
    b->imageArray = {"popup1_camera", "popup1_immigration", "popup1__money", "popup1_help"};
    return b;
}

} // namespace

TEST(FloatingActionButton, TapsToggleTheMenuAndItsRows) {
    auto bp = makeButton();
    auto& b = *bp;
    EXPECT_FALSE(b.isMenuVisible());
    EXPECT_EQ(b.rowCount(), 0);
    b.handleTap();
    EXPECT_TRUE(b.isMenuVisible());
    EXPECT_EQ(b.rowCount(), 4);
    EXPECT_EQ(b.toJson()["rows"][3]["title"], "도움말");
    EXPECT_EQ(b.toJson()["image"], "main_butten_x");
    b.handleTap();
    EXPECT_FALSE(b.isMenuVisible());
    EXPECT_EQ(b.rowCount(), 0);
}

TEST(FloatingActionButton, SelectingARowTellsTheDelegateOnceAndLeavesTheMenuOpen) {
    auto bp = makeButton();
    auto& b = *bp;
    auto delegate = std::make_shared<Recorder>();
    b.delegate = delegate;
    EXPECT_FALSE(b.selectRow(1)); // closed: no rows to pick
    b.handleTap();
    EXPECT_TRUE(b.selectRow(2));
    EXPECT_FALSE(b.selectRow(4));
    EXPECT_EQ(delegate->picked, std::vector<int>{2});
    EXPECT_TRUE(b.isMenuVisible());
    delegate.reset(); // a delegate that went away is simply not called
    EXPECT_TRUE(b.selectRow(0));
}

TEST(FloatingActionButton, GeometryFollowsTheScreen) {
    auto bp = makeButton();
    auto& b = *bp;
    EXPECT_DOUBLE_EQ(b.frame().x, 162.5);
    EXPECT_DOUBLE_EQ(b.frame().y, 543);
    EXPECT_DOUBLE_EQ(b.buttonToBottom(), 74);
    EXPECT_DOUBLE_EQ(b.hideDistance(), 444);
    EXPECT_EQ(b.menuTableFrame(), (Rect{93.75, 0, 281.25, 593}));
    EXPECT_DOUBLE_EQ(FloatingActionButton::rowAppearanceDelay(0), 0);
    EXPECT_DOUBLE_EQ(FloatingActionButton::rowAppearanceDelay(1), 0.004);
    EXPECT_DOUBLE_EQ(FloatingActionButton::rowAppearanceDelay(2), 0.016);
    EXPECT_DOUBLE_EQ(FloatingActionButton::rowAppearanceDelay(3), 0.036);
}

TEST(FloatingActionButton, ScrollingHidesAndShowsTheButtonPastTheThreshold) {
    auto bp = makeButton(0.0);
    auto& b = *bp;
    b.setHideWhileScrolling(true);
    b.contentOffsetChanged(10); // within 15 points: nothing
    EXPECT_TRUE(b.shownByScroll());
    b.contentOffsetChanged(20); // down by 20
    EXPECT_FALSE(b.shownByScroll());
    b.contentOffsetChanged(60); // further down
    EXPECT_FALSE(b.shownByScroll());
    b.contentOffsetChanged(30); // up by 30
    EXPECT_TRUE(b.shownByScroll());
    b.contentOffsetChanged(80);
    EXPECT_FALSE(b.shownByScroll());
    b.contentOffsetChanged(0); // back at the top
    EXPECT_TRUE(b.shownByScroll());
}

TEST(FloatingActionButton, HidingWhileScrollingNeedsAScrollView) {
    auto bp = makeButton();
    auto& b = *bp;
    b.setHideWhileScrolling(true);
    EXPECT_FALSE(b.hideWhileScrolling());
    b.contentOffsetChanged(500);
    EXPECT_TRUE(b.shownByScroll());
}
