// The real app, offscreen: the main screen rendered to PNG at start-up.
#include "AppProcess.h"
#include "TempDir.h"
#include "storage/DBClass.h"

#include <QImage>
#include <QSet>
#include <ctime>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace gui_testing {
namespace {

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[9];
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

/// Share of the pixels in `area` that differ between two pictures of the same size.
double differing(const QImage& a, const QImage& b, QRect area) {
    int differ = 0, total = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++total)
            differ += a.pixel(x, y) != b.pixel(x, y);
    return total ? double(differ) / total : 0;
}

/// Creates the database the way the app does and stores one flight of today.
void storeTodaysFlight(const std::string& dataDir) {
    const std::string file = storage::DBClass::databasePath(dataDir);
    {
        storage::DBClass db(file);
        db.ConnectDB();
        db.createDatabase();
        db.DisConnectDB();
    }
    const std::string d = today();
    const std::string sql = "INSERT INTO aFlightInfo VALUES('KE','KE0017','" + d + "','" + d +
                            "','2330','" + d + "','2355','" + d + "','2345','" + d +
                            "','2359','ICN','인천','로스앤젤레스','ICN','LAX',"
                            "'248','12','B','출발','G01-G19','1')";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

class ScreenshotTest : public ::testing::Test {
protected:
    QImage shoot(const std::vector<std::string>& extra = {}) {
        const std::string png = dir.file("shot-" + std::to_string(++shots) + ".png");
        std::vector<std::string> args{"--data-dir", dir.file("data"), "--screenshot", png};
        args.insert(args.end(), extra.begin(), extra.end());
        const AppRun run = runApp(args);
        EXPECT_EQ(run.status, 0);
        return QImage(QString::fromStdString(png));
    }
    testing_support::TempDir dir;
    int shots = 0;
};

TEST_F(ScreenshotTest, FirstStartWithoutFlightRendersThePhoneWindow) {
    const QImage shot = shoot();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(375, 667));
    EXPECT_GT(distinctColours(shot), 300);
    // The first start created the database in the data folder.
    EXPECT_TRUE(std::filesystem::exists(storage::DBClass::databasePath(dir.file("data"))));
}

TEST_F(ScreenshotTest, StoredFlightChangesTheCard) {
    std::filesystem::create_directories(dir.file("data"));
    const QImage empty = shoot();
    storeTodaysFlight(dir.file("data"));
    const QImage flight = shoot();
    ASSERT_FALSE(empty.isNull());
    ASSERT_FALSE(flight.isNull());
    ASSERT_EQ(flight.size(), QSize(375, 667));
    EXPECT_GT(distinctColours(flight), 300);
    // The card is drawn anew and the bottom picture changes.
    EXPECT_GT(differing(empty, flight, QRect(16, 72, 343, 240)), 0.05);
    EXPECT_GT(differing(empty, flight, QRect(0, 600, 375, 60)), 0.5);
}

TEST_F(ScreenshotTest, ScaledWindowKeepsThePhoneShape) {
    const QImage shot = shoot({"--scale", "1.5"});
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(563, 1001));
}

TEST_F(ScreenshotTest, UnusableOptionsStopTheStart) {
    EXPECT_EQ(runApp({"--scale", "big"}).status, 2);
    EXPECT_EQ(runApp({"--location", "maybe"}).status, 2);
}

// ---- the flight screens and the date picker ------------------------------------------

/// A step of the driver protocol for --step.
std::string step(const std::string& cmd, const std::string& outlet, const std::string& extra = {}) {
    return "{\"cmd\":\"" + cmd + "\",\"outlet\":\"" + outlet + "\"" + extra + "}";
}

class FlightScreenshots : public ScreenshotTest {
protected:
    QImage shootFlights(std::vector<std::string> extra) {
        std::vector<std::string> args{"--virtual-time", "2026-12-07T09:30:00+09:00"};
        args.insert(args.end(), extra.begin(), extra.end());
        return shoot(args);
    }
    static constexpr const char* kSearch = "kr.vorneth.UIAirportSchedule";
};

TEST_F(FlightScreenshots, SearchListsTodaysFlightsAndTheDetailOpensOverThem) {
    const QImage list = shootFlights({"--shortcut", kSearch});
    const QImage detail = shootFlights(
        {"--shortcut", kSearch, "--step", step("select", "airportTableView", ",\"row\":0")});
    ASSERT_EQ(list.size(), QSize(375, 667));
    ASSERT_EQ(detail.size(), QSize(375, 667));
    EXPECT_GT(distinctColours(list), 300);
    // The first flight's card below the search bar is drawn, not an empty page.
    EXPECT_GT(distinctColours(list.copy(QRect(0, 190, 375, 240))), 50);
    EXPECT_GT(differing(list, detail, QRect(40, 250, 295, 160)), 0.3);
}

TEST_F(FlightScreenshots, CalendarAndSearchAt320Wide) {
    const QImage calendar = shootFlights(
        {"--screen-size", "320x568", "--shortcut", kSearch, "--step", step("tap", "btn_Calendar")});
    const QImage search = shootFlights({"--screen-size", "320x568", "--shortcut", kSearch});
    ASSERT_EQ(calendar.size(), QSize(320, 568));
    EXPECT_GT(distinctColours(calendar), 100);
    EXPECT_GT(differing(calendar, search, QRect(0, 64, 320, 504)), 0.3);
}

TEST_F(FlightScreenshots, MyFlightsEmptyAndWithASavedFlight) {
    const std::vector<std::string> toMyFlights{"--step", step("tap", "btn_Help_Close"), "--step",
                                               step("tap", "v_AirportView")};
    auto empty = toMyFlights;
    const QImage none = shootFlights(empty);
    std::vector<std::string> saved{"--shortcut", kSearch,
                                   "--step",     step("select", "airportTableView", ",\"row\":0"),
                                   "--step",     step("tap", "btn_Insert"),
                                   "--step",     "{\"cmd\":\"alert\",\"button\":\"OK\"}"};
    saved.insert(saved.end(), toMyFlights.begin(), toMyFlights.end());
    const QImage one = shootFlights(saved);
    ASSERT_EQ(none.size(), QSize(375, 667));
    ASSERT_EQ(one.size(), QSize(375, 667));
    EXPECT_GT(distinctColours(none), 100);
    EXPECT_GT(differing(none, one, QRect(0, 70, 375, 300)), 0.2);
}

} // namespace
} // namespace gui_testing
