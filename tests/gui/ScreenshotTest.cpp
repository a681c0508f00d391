// The real app, offscreen: the main screen rendered to PNG at start-up.
#include "AppProcess.h"
#include "TempDir.h"
#include "storage/DBClass.h"

#include <QImage>
#include <QSet>
#include <ctime>
#include <future>
#include <gtest/gtest.h>
#include <map>
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
        return shootIn(dir.file("data"), extra);
    }
    /// A start with that data folder.
    QImage shootIn(const std::string& data, const std::vector<std::string>& extra) {
        const std::string png = dir.file("shot-" + std::to_string(++shots) + ".png");
        std::vector<std::string> args{"--data-dir", data, "--screenshot", png};
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(runApp(args).status, 0);
        return QImage(QString::fromStdString(png));
    }
    testing_support::TempDir dir;
    int shots = 0;
};

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

// ---- every screen at the default and the smallest phone size --------------------------

/// A step of the driver protocol for --step.
std::string step(const std::string& cmd, const std::string& outlet, const std::string& extra = {}) {
    return "{\"cmd\":\"" + cmd + "\",\"outlet\":\"" + outlet + "\"" + extra + "}";
}

/// Registers a demo tag (the first to reach the belt) and one that is not near.
void registerCarriers(const std::string& dataDir) {
    std::filesystem::create_directories(dataDir);
    storage::DBClass db(storage::DBClass::databasePath(dataDir));
    db.ConnectDB();
    db.createDatabase();
    for (const char* tag : {"'D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B', '100', '1', '파란캐리어'",
                            "'3D414768-A277-4413-B505-9D3C940FD678', '999', '12', '기내용가방'"})
        EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery(
                      std::string("INSERT INTO aRegistration VALUES('', ") + tag + ")"),
                  "0");
    db.DisConnectDB();
}

std::string key(const std::string& name) {
    return R"({"cmd":"key","key":")" + name + R"("})";
}

TEST_F(ScreenshotTest, EveryScreenAtBothSizesAndKeysThatCloseOrPress) {
    // Each row is one start of the app, taken to a screen by window options and steps. A row
    // differs from the main screen, or, when it names another row, looks the same as it (keys
    // do what the buttons would). Key rows run at the default size only.
    struct Row {
        const char* name;
        std::vector<std::string> args;
        const char* sameAs = nullptr; ///< looks the same as that row (to a few pixels)
        const char* unlike = "main";  ///< else differs from that row
        bool carriers = false;        ///< two tags registered beforehand
        enum { Both, Default, Small } sizes = Both;
    };
    const std::string close = "btn_Help_Close", search = "kr.vorneth.UIAirportSchedule";
    const std::string menu = R"({"cmd":"menu","index":)";
    const std::vector<std::string> toSearch{"--shortcut", search},
        toReferral{"--tap", close, "--tap", "btn_Menu3"},
        toDetail{"--shortcut", search, "--step", step("select", "airportTableView", ",\"row\":0")},
        toPicker{"--shortcut", search, "--tap", "btn_Calendar"},
        toAlert{"--tap", close, "--tap", "btn_Menu3", "--tap", "btn_Search"},
        toTags{"--tap", close, "--tap", "btn_Menu1", "--tap", "btn_Next", "--wait", "2"},
        toFound{"--tap", close, "--tap", "btn_Alarm", "--press", "확인", "--wait", "10"};
    const auto with = [](std::vector<std::string> a, std::vector<std::string> b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<Row> rows{
        {"main", {"--tap", close}, nullptr, nullptr},
        {"help overlay", {}},
        {.name = "help overlay, Escape",
         .args = {"--step", key("Escape")},
         .sameAs = "main",
         .sizes = Row::Default},
        {"floating menu", {"--tap", close, "--tap", "addButton"}},
        {.name = "floating menu, Escape",
         .args = {"--tap", close, "--tap", "addButton", "--step", key("Escape")},
         .sameAs = "main",
         .sizes = Row::Default},
        {"my flights", {"--tap", close, "--tap", "v_AirportView"}},
        {"flight search", toSearch},
        {"flight detail", toDetail},
        {.name = "flight detail, Escape",
         .args = with(toDetail, {"--step", key("Escape")}),
         .sameAs = "flight search",
         .sizes = Row::Default},
        {"date picker", toPicker},
        // The search empties its list when the picker opens.
        {.name = "date picker, its back control",
         .args = with(toPicker, {"--tap", "btn_Back"}),
         .unlike = "date picker",
         .sizes = Row::Default},
        {.name = "date picker, Escape",
         .args = with(toPicker, {"--step", key("Escape")}),
         .sameAs = "date picker, its back control",
         .sizes = Row::Default},
        {.name = "Tab past the back button to the calendar, Return",
         .args =
             with(toSearch, {"--step", key("Tab"), "--step", key("Tab"), "--step", key("Return")}),
         .sameAs = "date picker",
         .sizes = Row::Default},
        {"referral", toReferral},
        {"referral's place suggestions",
         with(toReferral, {"--step", step("type", "txt_Departure", ",\"text\":\"icn\"")})},
        {"referral's alert", toAlert},
        {.name = "referral's alert, Return",
         .args = with(toAlert, {"--step", key("Return")}),
         .sameAs = "referral",
         .sizes = Row::Default},
        {"card guide", {"--tap", close, "--tap", "addButton", "--step", menu + "1}"}},
        {"calculator", {"--tap", close, "--tap", "addButton", "--step", menu + "2}"}},
        {"currency picker",
         {"--tap", close, "--tap", "addButton", "--step", menu + "2}", "--tap",
          "img_Exchange_Nation_Top"}},
        {"camera", {"--tap", close, "--tap", "addButton", "--step", menu + "0}"}},
        {"registration guide", {"--tap", close, "--tap", "btn_Menu1"}},
        {"tags near the phone", toTags},
        {"naming dialog",
         with(toTags, {"--tap", "registrationTableView/0/btn_Registration_Select"})},
        {.name = "carrier list",
         .args = {"--tap", close, "--tap", "btn_Menu2", "--wait", "1.5"},
         .carriers = true},
        {.name = "main with carriers",
         .args = {"--tap", close},
         .unlike = nullptr,
         .carriers = true,
         .sizes = Row::Default},
        // (drawn at the default size by the carrier screens' test)
        {.name = "carrier found", .args = toFound, .carriers = true, .sizes = Row::Small},
        // The carrier search's title is drawn where it was before the search.
        {.name = "carrier found, closed",
         .args = with(toFound, {"--tap", "btn_Close"}),
         .sameAs = "main with carriers",
         .carriers = true,
         .sizes = Row::Default},
    };
    // The starts mostly wait for their screens to settle, so four run at a time.
    struct Start {
        const Row* row;
        QSize size;
        std::string data, png;
        std::future<AppRun> run;
    };
    std::vector<Start> starts;
    for (const QSize size : {QSize(375, 667), QSize(320, 568)})
        for (const Row& row : rows) {
            if (row.sizes != Row::Both && (row.sizes == Row::Default) != (size.width() == 375))
                continue;
            const std::string n = std::to_string(starts.size()), data = dir.file("data-" + n);
            if (row.carriers)
                registerCarriers(data);
            std::vector<std::string> args{
                "--data-dir",
                data,
                "--screenshot",
                dir.file(n + ".png"),
                "--virtual-time",
                "2026-12-07T09:30:00+09:00",
                "--screen-size",
                std::to_string(size.width()) + "x" + std::to_string(size.height())};
            args.insert(args.end(), row.args.begin(), row.args.end());
            if (starts.size() >= 4)
                starts[starts.size() - 4].run.wait();
            starts.push_back({&row, size, data, dir.file(n + ".png"),
                              std::async(std::launch::async, runApp, args)});
        }
    std::map<std::pair<std::string, int>, QImage> shots;
    for (Start& start : starts) {
        SCOPED_TRACE(std::string(start.row->name) + " at " + std::to_string(start.size.width()));
        EXPECT_EQ(start.run.get().status, 0);
        // Every first start creates the database in its data folder.
        EXPECT_TRUE(std::filesystem::exists(storage::DBClass::databasePath(start.data)));
        const QImage shot(QString::fromStdString(start.png));
        ASSERT_EQ(shot.size(), start.size);
        EXPECT_GT(distinctColours(shot), 60);
        const QRect all(QPoint(0, 0), start.size);
        const int w = start.size.width();
        if (start.row->sameAs) {
            EXPECT_LT(differing(shot, shots.at({start.row->sameAs, w}), all), 0.001);
        } else if (start.row->unlike) {
            EXPECT_GT(differing(shot, shots.at({start.row->unlike, w}), all), 0.1);
        }
        shots[{start.row->name, w}] = shot;
    }
}

TEST_F(ScreenshotTest, ASavedFlightIsListedInMyFlights) {
    const std::vector<std::string> toMyFlights{"--tap", "btn_Help_Close", "--tap", "v_AirportView"};
    std::vector<std::string> saved{
        "--virtual-time", "2026-12-07T09:30:00+09:00",
        "--shortcut",     "kr.vorneth.UIAirportSchedule",
        "--step",         step("select", "airportTableView", ",\"row\":0"),
        "--step",         step("tap", "btn_Insert"),
        "--press",        "OK"};
    const QImage none = shoot(toMyFlights);
    saved.insert(saved.end(), toMyFlights.begin(), toMyFlights.end());
    const QImage one = shoot(saved);
    ASSERT_EQ(one.size(), QSize(375, 667));
    EXPECT_GT(differing(none, one, QRect(0, 70, 375, 300)), 0.2);
}

} // namespace
} // namespace gui_testing
