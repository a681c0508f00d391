// The carrier screens of the real app, offscreen: each reached by taps from the main screen
// and rendered to PNG.
#include "AppProcess.h"
#include "TempDir.h"
#include "storage/DBClass.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace gui_testing {
namespace {

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

/// Mostly white pixels in a band across the picture: a card of the list is there.
bool whiteBand(const QImage& image, int y) {
    int white = 0;
    for (int x = 40; x < image.width() - 40; ++x)
        white += image.pixelColor(x, y).lightness() > 245;
    return white > (image.width() - 80) * 0.6;
}

class CarrierScreens : public ::testing::Test {
protected:
    QImage shoot(std::vector<std::string> steps) {
        const std::string png = dir.file("shot-" + std::to_string(++shots) + ".png");
        std::vector<std::string> args{"--data-dir", dir.file("data"), "--tap", "btn_Help_Close"};
        args.insert(args.end(), steps.begin(), steps.end());
        args.insert(args.end(), {"--screenshot", png});
        EXPECT_EQ(runApp(args).status, 0);
        return QImage(QString::fromStdString(png));
    }
    /// Registers the first of the demo's tags (and one that is not near) beforehand.
    void registerCarriers() {
        std::filesystem::create_directories(dir.file("data"));
        const std::string file = storage::DBClass::databasePath(dir.file("data"));
        storage::DBClass db(file);
        db.ConnectDB();
        db.createDatabase();
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery(
                      "INSERT INTO aRegistration VALUES('', "
                      "'D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B', '100', '1', '파란캐리어')"),
                  "0");
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery(
                      "INSERT INTO aRegistration VALUES('', "
                      "'3D414768-A277-4413-B505-9D3C940FD678', '999', '12', '기내용가방')"),
                  "0");
        db.DisConnectDB();
    }
    /// The carrier screens' header bar: navy on the left edge.
    static bool carrierHeader(const QImage& shot) {
        const QColor c = shot.pixelColor(4, 20);
        return c.blue() > c.red() && c.lightness() < 90;
    }

    testing_support::TempDir dir;
    int shots = 0;
};

TEST_F(CarrierScreens, RegistrationGuide) {
    const QImage shot = shoot({"--tap", "btn_Menu1"});
    ASSERT_EQ(shot.size(), QSize(375, 667));
    EXPECT_TRUE(carrierHeader(shot));
    EXPECT_GT(distinctColours(shot), 300);
}

TEST_F(CarrierScreens, TagsNearThePhoneAndTheNamingOverlay) {
    const QImage list = shoot({"--tap", "btn_Menu1", "--tap", "btn_Next", "--wait", "2"});
    ASSERT_EQ(list.size(), QSize(375, 667));
    EXPECT_TRUE(carrierHeader(list));
    // The demo's three tags are listed as cards.
    for (int y : {150, 250, 345})
        EXPECT_TRUE(whiteBand(list, y)) << y;

    const QImage named = shoot({"--tap", "btn_Menu1", "--tap", "btn_Next", "--wait", "2", "--tap",
                                "registrationTableView/0/btn_Registration_Select"});
    ASSERT_FALSE(named.isNull());
    // The overlay dims the list; its card stays white.
    EXPECT_LT(named.pixelColor(187, 500).lightness(), list.pixelColor(187, 500).lightness());
    EXPECT_TRUE(whiteBand(named, 180));
}

TEST_F(CarrierScreens, CarrierListOnANarrowPhone) {
    registerCarriers();
    const QImage shot = shoot({"--screen-size", "320x568", "--tap", "btn_Menu2", "--wait", "1.5"});
    ASSERT_EQ(shot.size(), QSize(320, 568));
    EXPECT_TRUE(carrierHeader(shot));
    EXPECT_TRUE(whiteBand(shot, 150));
    EXPECT_TRUE(whiteBand(shot, 240));
}

TEST_F(CarrierScreens, SearchOnTheMainScreenThenTheFoundScreen) {
    registerCarriers();
    const QImage idle = shoot({});
    const QImage searching = shoot({"--tap", "btn_Alarm", "--press", "확인", "--wait", "1"});
    ASSERT_FALSE(idle.isNull());
    ASSERT_FALSE(searching.isNull());
    int changed = 0;
    for (int x = 16; x < 359; ++x)
        changed += idle.pixel(x, 351) != searching.pixel(x, 351);
    EXPECT_GT(changed, 50); // the alarm button shows the search

    const QImage found = shoot({"--tap", "btn_Alarm", "--press", "확인", "--wait", "10"});
    ASSERT_EQ(found.size(), QSize(375, 667));
    const QColor top = found.pixelColor(187, 10);
    EXPECT_GT(top.green(), top.red()); // the found screen's teal fills the window
    EXPECT_LT(top.lightness(), 120);
    EXPECT_GT(distinctColours(found), 300);
}

} // namespace
} // namespace gui_testing
