// The real app, offscreen: every screen rendered to PNG at the default and the smallest phone
// size, reached by window options and the driver's steps as a person reaches it.
#include "AppProcess.h"
#include "TempDir.h"
#include "storage/DBClass.h"

#include <QImage>
#include <QSet>
#include <future>
#include <gtest/gtest.h>
#include <map>

namespace gui_testing {
namespace {

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

/// Share of the pixels that differ between two pictures of the same size.
double differing(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differ += a.pixel(x, y) != b.pixel(x, y);
    return double(differ) / (a.width() * a.height());
}

/// Creates the database the way the app does and runs `inserts` on it.
void seed(const std::string& dataDir, const std::vector<std::string>& inserts) {
    std::filesystem::create_directories(dataDir);
    storage::DBClass db(storage::DBClass::databasePath(dataDir));
    db.ConnectDB();
    db.createDatabase();
    for (const std::string& sql : inserts)
        EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery(sql), "0") << sql;
    db.DisConnectDB();
}

/// A demo tag (the first to reach the belt) and one that is not near.
const std::vector<std::string> kCarriers{
    "INSERT INTO aRegistration VALUES('', 'D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B', '100', '1', "
    "'파란캐리어')",
    "INSERT INTO aRegistration VALUES('', '3D414768-A277-4413-B505-9D3C940FD678', '999', '12', "
    "'기내용가방')"};
/// A flight later on the day of the virtual time.
const std::vector<std::string> kTodaysFlight{
    "INSERT INTO aFlightInfo VALUES('KE','KE0017','20261207','20261207','2330','20261207','2355',"
    "'20261207','2345','20261207','2359','ICN','인천','로스앤젤레스','ICN','LAX','248','12','B',"
    "'출발','G01-G19','1')"};

class ScreenshotTest : public ::testing::Test {
protected:
    testing_support::TempDir dir;
};

TEST_F(ScreenshotTest, ScaleEnlargesThePhoneAndUnusableOptionsStopTheStart) {
    const std::string png = dir.file("scaled.png");
    EXPECT_EQ(
        runApp({"--data-dir", dir.file("data"), "--screenshot", png, "--scale", "1.5"}).status, 0);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(563, 1001));
    EXPECT_EQ(runApp({"--scale", "big"}).status, 2);
    EXPECT_EQ(runApp({"--location", "maybe"}).status, 2);
}

/// A step of the driver protocol for --step.
std::string step(const std::string& cmd, const std::string& outlet, const std::string& extra = {}) {
    return "{\"cmd\":\"" + cmd + "\",\"outlet\":\"" + outlet + "\"" + extra + "}";
}

std::string key(const std::string& name) {
    return R"({"cmd":"key","key":")" + name + R"("})";
}

TEST_F(ScreenshotTest, EveryScreenAtBothSizesAndKeysThatCloseOrPress) {
    // Each row is one start of the app, taken to a screen by window options and steps. A row
    // differs from the main screen, or, when it names another row, looks the same as it (keys
    // do what the buttons would). Key rows run at the default size only.
    using Look = std::function<bool(const QImage&)>;
    struct Row {
        const char* name;
        std::vector<std::string> args;
        const char* sameAs = nullptr;       ///< looks the same as that row (to a few pixels)
        const char* unlike = "main";        ///< else differs from that row
        std::vector<std::string> seed = {}; ///< rows stored beforehand
        enum { Both, Default, Small } sizes = Both;
        Look looks = nullptr; ///< what the screen's own view shows
    };
    // The tool screens' title band runs from navy to teal; the fallback view's is plain navy.
    const Look toolView = [](const QImage& s) {
        const QColor c = s.pixelColor(s.width() - 4, 20);
        return std::abs(c.red() - 0x08) + std::abs(c.green() - 0x7E) + std::abs(c.blue() - 0x8B) <
               40;
    };
    // The carrier screens' header bar is navy on the left edge.
    const Look carrierView = [](const QImage& s) {
        const QColor c = s.pixelColor(4, 20);
        return c.blue() > c.red() && c.lightness() < 90;
    };
    // The found screen's teal fills the window.
    const Look foundView = [](const QImage& s) {
        const QColor c = s.pixelColor(s.width() / 2, 10);
        return c.green() > c.red() && c.lightness() < 120;
    };
    const std::string close = "btn_Help_Close", search = "kr.vorneth.UIAirportSchedule";
    const std::string menu = R"({"cmd":"menu","index":)";
    const std::vector<std::string> toSearch{"--shortcut", search},
        toReferral{"--tap", close, "--tap", "btn_Menu3"},
        toDetail{"--shortcut", search, "--step", step("select", "airportTableView", ",\"row\":0")},
        toPicker{"--shortcut", search, "--tap", "btn_Calendar"},
        toAlert{"--tap", close, "--tap", "btn_Menu3", "--tap", "btn_Search"},
        toMyFlights{"--tap", close, "--tap", "v_AirportView"},
        toCardGuide{"--tap", close, "--tap", "addButton", "--step", menu + "1}"},
        toCalculator{"--tap", close, "--tap", "addButton", "--step", menu + "2}"},
        toCard{"--step", step("type", "txt_InOutImage_Nation", ",\"text\":\"japan\""), "--step",
               step("select", "tableView", ",\"row\":0")},
        toTags{"--tap", close, "--tap", "btn_Menu1", "--tap", "btn_Next", "--wait", "2"},
        toFound{"--tap", close, "--tap", "btn_Alarm", "--press", "확인", "--wait", "10"};
    const auto with = [](std::vector<std::string> a, std::vector<std::string> b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<Row> rows{
        {"main", {"--tap", close}, nullptr, nullptr},
        {.name = "main with today's flight", .args = {"--tap", close}, .seed = kTodaysFlight},
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
        {"my flights", toMyFlights},
        {"flight search", toSearch},
        {"flight detail", toDetail},
        {.name = "flight detail, Escape",
         .args = with(toDetail, {"--step", key("Escape")}),
         .sameAs = "flight search",
         .sizes = Row::Default},
        {.name = "my flights, one saved from the detail",
         .args = with(with(toDetail, {"--step", step("tap", "btn_Insert"), "--press", "OK"}),
                      toMyFlights),
         .unlike = "my flights",
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
        {.name = "referral", .args = toReferral, .looks = toolView},
        {.name = "referral's place suggestions",
         .args = with(toReferral, {"--step", step("type", "txt_Departure", ",\"text\":\"icn\"")}),
         .looks = toolView},
        {"referral's alert", toAlert},
        {.name = "referral's alert, Return",
         .args = with(toAlert, {"--step", key("Return")}),
         .sameAs = "referral",
         .sizes = Row::Default},
        {.name = "card guide", .args = toCardGuide, .looks = toolView},
        {.name = "card guide, a country's card",
         .args = with(toCardGuide, toCard),
         .unlike = "card guide",
         .sizes = Row::Default},
        {.name = "card guide, the card zoomed out",
         .args = with(with(toCardGuide, toCard),
                      {"--step", R"({"cmd":"zoom","outlet":"imageZoom","scale":0.3})"}),
         .unlike = "card guide, a country's card",
         .sizes = Row::Default},
        {.name = "calculator", .args = toCalculator, .looks = toolView},
        {.name = "currency picker",
         .args = with(toCalculator, {"--tap", "img_Exchange_Nation_Top"}),
         .unlike = "calculator"},
        {"camera", {"--tap", close, "--tap", "addButton", "--step", menu + "0}"}},
        {.name = "registration guide",
         .args = {"--tap", close, "--tap", "btn_Menu1"},
         .looks = carrierView},
        {.name = "tags near the phone", .args = toTags, .looks = carrierView},
        {.name = "naming dialog",
         .args = with(toTags, {"--tap", "registrationTableView/0/btn_Registration_Select"}),
         .unlike = "tags near the phone"},
        {.name = "carrier list",
         .args = {"--tap", close, "--tap", "btn_Menu2", "--wait", "1.5"},
         .seed = kCarriers,
         .looks = carrierView},
        {.name = "main with carriers",
         .args = {"--tap", close},
         .unlike = nullptr,
         .seed = kCarriers,
         .sizes = Row::Default},
        {.name = "carrier found", .args = toFound, .seed = kCarriers, .looks = foundView},
        // The carrier search's title is drawn where it was before the search.
        {.name = "carrier found, closed",
         .args = with(toFound, {"--tap", "btn_Close"}),
         .sameAs = "main with carriers",
         .seed = kCarriers,
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
            if (!row.seed.empty())
                seed(data, row.seed);
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
        const int w = start.size.width();
        if (start.row->sameAs) {
            EXPECT_LT(differing(shot, shots.at({start.row->sameAs, w})), 0.001);
        } else if (start.row->unlike) {
            EXPECT_GT(differing(shot, shots.at({start.row->unlike, w})), 0.1);
        }
        EXPECT_TRUE(!start.row->looks || start.row->looks(shot));
        shots[{start.row->name, w}] = shot;
    }
}

} // namespace
} // namespace gui_testing
