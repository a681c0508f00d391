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

/// Window steps in the driver's own words.
std::string tap(const std::string& outlet) {
    return R"({"cmd":"tap","outlet":")" + outlet + R"("})";
}
std::string type(const std::string& outlet, const std::string& text) {
    return R"({"cmd":"type","outlet":")" + outlet + R"(","text":")" + text + R"("})";
}
std::string select(const std::string& outlet, int row) {
    return R"({"cmd":"select","outlet":")" + outlet + R"(","row":)" + std::to_string(row) + "}";
}
std::string menu(int index) {
    return R"({"cmd":"menu","index":)" + std::to_string(index) + "}";
}

// The screens are reached as a person reaches them: past the first start's help overlay,
// through the floating menu or the menu buttons.
const std::vector<std::string> kCalculator{tap("btn_Help_Close"), tap("addButton"), menu(2)};
const std::vector<std::string> kCardGuide{tap("btn_Help_Close"), tap("addButton"), menu(1)};
const std::vector<std::string> kReferral{tap("btn_Help_Close"), tap("btn_Menu3")};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
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
    const QImage calc = shoot(kCalculator + std::vector{type("txt_Exchange_Cost_Top", "1000")});
    ASSERT_EQ(calc.size(), QSize(375, 667));
    EXPECT_TRUE(ownView(calc));
    EXPECT_GT(distinctColours(calc, QRect(0, 64, 375, 600)), 150);

    const QImage picker = shoot(kCalculator + std::vector{tap("img_Exchange_Nation_Top")});
    // The dimmed calculator above the sheet.
    EXPECT_LT(picker.pixelColor(200, 30).lightness(), calc.pixelColor(200, 30).lightness());
}

TEST_F(ToolScreens, CardGuideShowsTheCardAndZoomsIt) {
    const QImage empty = shoot(kCardGuide);
    EXPECT_TRUE(ownView(empty));
    const QRect cardArea(20, 170, 335, 200);
    const auto japan =
        kCardGuide + std::vector{type("txt_InOutImage_Nation", "japan"), select("tableView", 0)};
    const QImage card = shoot(japan);
    EXPECT_GT(distinctColours(card, cardArea), 3 * distinctColours(empty, cardArea));
    const QImage zoomed = shoot(
        japan + std::vector<std::string>{R"({"cmd":"zoom","outlet":"imageZoom","scale":0.3})"});
    int differ = 0;
    for (int y = cardArea.top(); y <= cardArea.bottom(); y += 4)
        for (int x = cardArea.left(); x <= cardArea.right(); x += 4)
            differ += card.pixel(x, y) != zoomed.pixel(x, y);
    EXPECT_GT(differ, 500);
}

TEST_F(ToolScreens, FlightSearchFitsTheNarrowestPhone) {
    const QImage search =
        shoot(kReferral + std::vector{type("txt_Departure", "icn")}, {"--screen-size", "320x568"});
    ASSERT_EQ(search.size(), QSize(320, 568));
    EXPECT_TRUE(ownView(search));
    EXPECT_GT(distinctColours(search, QRect(0, 64, 320, 500)), 150);
}

} // namespace
} // namespace gui_testing
