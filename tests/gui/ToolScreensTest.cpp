// The real app, offscreen: each travel tool's own view rendered to PNG.
#include "AppProcess.h"
#include "TempDir.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace gui_testing {
namespace {

int distinctColours(const QImage& image, QRect area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           40;
}

class ToolScreens : public ::testing::Test {
protected:
    QImage shoot(const std::vector<std::string>& steps,
                 const std::vector<std::string>& extra = {}) {
        const std::string png = dir.file("shot-" + std::to_string(++shots) + ".png");
        std::vector<std::string> args{"--data-dir", dir.file("data"), "--screenshot", png};
        for (const auto& s : steps) {
            args.push_back("--step");
            args.push_back(s);
        }
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(runApp(args).status, 0);
        QImage image(QString::fromStdString(png));
        EXPECT_FALSE(image.isNull());
        return image;
    }
    /// The tool screens' title band runs from navy to teal; the fallback view's is plain navy.
    static bool ownView(const QImage& shot) {
        return near(shot.pixelColor(shot.width() - 4, 20), QColor("#087E8B"));
    }
    testing_support::TempDir dir;
    int shots = 0;
};

TEST_F(ToolScreens, CalculatorAndItsPicker) {
    const QImage calc = shoot({"present:UIExchange", "type:txt_Exchange_Cost_Top=1000"});
    ASSERT_EQ(calc.size(), QSize(375, 667));
    EXPECT_TRUE(ownView(calc));
    EXPECT_GT(distinctColours(calc, QRect(0, 64, 375, 600)), 150);

    const QImage picker = shoot({"present:UIExchange", "tap:img_Exchange_Nation_Top"});
    // The dimmed calculator above the sheet.
    EXPECT_LT(picker.pixelColor(200, 30).lightness(), calc.pixelColor(200, 30).lightness());
}

TEST_F(ToolScreens, CardGuideShowsTheCardAndZoomsIt) {
    const QImage empty = shoot({"present:UIInOut"});
    EXPECT_TRUE(ownView(empty));
    const QRect cardArea(20, 170, 335, 200);
    const QImage card =
        shoot({"present:UIInOut", "type:txt_InOutImage_Nation=japan", "select:tableView=0"});
    EXPECT_GT(distinctColours(card, cardArea), 3 * distinctColours(empty, cardArea));
    const QImage zoomed = shoot({"present:UIInOut", "type:txt_InOutImage_Nation=japan",
                                 "select:tableView=0", "zoom:imageZoom=0.3"});
    int differ = 0;
    for (int y = cardArea.top(); y <= cardArea.bottom(); y += 4)
        for (int x = cardArea.left(); x <= cardArea.right(); x += 4)
            differ += card.pixel(x, y) != zoomed.pixel(x, y);
    EXPECT_GT(differ, 500);
}

TEST_F(ToolScreens, FlightSearchFitsTheNarrowestPhone) {
    const QImage search =
        shoot({"present:VURavEravazo", "type:txt_Departure=icn"}, {"--phone-width", "320"});
    ASSERT_EQ(search.size(), QSize(320, 667));
    EXPECT_TRUE(ownView(search));
    EXPECT_GT(distinctColours(search, QRect(0, 64, 320, 600)), 150);
}

TEST_F(ToolScreens, UnusableStepsStopTheStart) {
    EXPECT_EQ(runApp({"--step", "present"}).status, 2);
    EXPECT_EQ(runApp({"--step", "zoom:imageZoom"}).status, 2);
    EXPECT_EQ(runApp({"--phone-width", "100"}).status, 2);
}

} // namespace
} // namespace gui_testing
