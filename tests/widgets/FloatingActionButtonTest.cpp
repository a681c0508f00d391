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
    auto b = makeButton();
    EXPECT_FALSE(b->isMenuVisible());
    EXPECT_EQ(b->rowCount(), 0);
    b->handleTap();
    EXPECT_TRUE(b->isMenuVisible());
    EXPECT_EQ(b->rowCount(), 4);
    EXPECT_EQ(b->toJson()["rows"][3]["title"], "도움말");
    EXPECT_EQ(b->toJson()["image"], "main_butten_x");
    b->handleTap();
    EXPECT_FALSE(b->isMenuVisible());
    EXPECT_EQ(b->rowCount(), 0);
}

TEST(FloatingActionButton, SelectingARowTellsTheDelegateOnceAndLeavesTheMenuOpen) {
    auto b = makeButton();
    auto delegate = std::make_shared<Recorder>();
    b->delegate = delegate;
    EXPECT_FALSE(b->selectRow(1)); // closed: no rows to pick
    b->handleTap();
    EXPECT_TRUE(b->selectRow(2));
    EXPECT_FALSE(b->selectRow(4));
    EXPECT_EQ(delegate->picked, std::vector<int>{2});
    EXPECT_TRUE(b->isMenuVisible());
    delegate.reset(); // a delegate that went away is simply not called
    EXPECT_TRUE(b->selectRow(0));
}

TEST(FloatingActionButton, GeometryFollowsTheScreen) {
    auto b = makeButton();
    EXPECT_DOUBLE_EQ(b->frame().x, 162.5);
    EXPECT_DOUBLE_EQ(b->frame().y, 543);
    EXPECT_DOUBLE_EQ(b->buttonToBottom(), 74);
    EXPECT_DOUBLE_EQ(b->hideDistance(), 444);
    EXPECT_EQ(b->menuTableFrame(), (Rect{93.75, 0, 281.25, 593}));
    for (int row : {0, 1, 2, 3}) // growing with the square of the row
        EXPECT_DOUBLE_EQ(FloatingActionButton::rowAppearanceDelay(row), 0.004 * row * row);
}

TEST(FloatingActionButton, ScrollingHidesAndShowsTheButtonPastTheThresholdOnlyInAScrollView) {
    auto b = makeButton(0.0);
    b->setHideWhileScrolling(true);
    b->contentOffsetChanged(10); // within 15 points: nothing
    EXPECT_TRUE(b->shownByScroll());
    b->contentOffsetChanged(20); // down by 20
    EXPECT_FALSE(b->shownByScroll());
    b->contentOffsetChanged(60); // further down
    EXPECT_FALSE(b->shownByScroll());
    b->contentOffsetChanged(30); // up by 30
    EXPECT_TRUE(b->shownByScroll());
    b->contentOffsetChanged(80);
    EXPECT_FALSE(b->shownByScroll());
    b->contentOffsetChanged(0); // back at the top
    EXPECT_TRUE(b->shownByScroll());

    // Without a scroll view the button never hides.
    auto still = makeButton();
    still->setHideWhileScrolling(true);
    EXPECT_FALSE(still->hideWhileScrolling());
    still->contentOffsetChanged(500);
    EXPECT_TRUE(still->shownByScroll());
}
