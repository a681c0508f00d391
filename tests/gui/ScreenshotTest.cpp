// The real app, offscreen: every screen rendered to PNG at the default and the smallest phone
// size, reached by window options and the driver's steps as a person reaches it.
#include "AppProcess.h"
#include "TempDir.h"
#include "storage/Connection.h"

#include <QImage>
#include <QSet>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <ranges>

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
    storage::createDatabase(db);
    const storage::Connection connection(db);
    for (const std::string& sql : inserts)
        EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery(sql), "0") << sql;
}

/// A demo tag (the first to reach the belt) and one that is not near.
const std::vector<std::string> kCarriers{
    "INSERT INTO aRegistration VALUES('', 'D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B', '100', '1', "
    "'파란캐리어')",
    "INSERT INTO aRegistration VALUES('', '3D414768-A277-4413-B505-9D3C940FD678', '999', '12', "
    "'기내용가방')"};
/// A flight later on the day of the virtual time, cancelled.
const std::vector<std::string> kTodaysFlight{
    "INSERT INTO aFlightInfo VALUES('KE','KE0017','20261207','20261207','2330','20261207','2355',"
    "'20261207','2345','20261207','2359','ICN','인천','로스앤젤레스','ICN','LAX','248','12','B',"
    "'결항','G01-G19','1')"};

// A flight tracked since the morning: three changes kept and last confirmed at 09:26.
const std::vector<std::string> kFlightWithHistory{
    "INSERT INTO aFlightInfo VALUES('OZ','OZ541','20261207','20261207','1040','20261207','1525',"
    "'20261207','1105','20261207','1550','ICN','인천','프랑크푸르트','ICN','FRA','252','','',"
    "'탑승준비','L01-L18','1')",
    "INSERT INTO aFlightHistory VALUES('ICN','FRA','OZ541','20261207',1796594700,'checkin','',"
    "'L01-L18'),('ICN','FRA','OZ541','20261207',1796600820,'status','','탑승준비'),"
    "('ICN','FRA','OZ541','20261207',1796602320,'time','1040','1105'),"
    "('ICN','FRA','OZ541','20261207',1796602320,'gate','132','252')",
    "INSERT INTO aFlightConfirmed VALUES('ICN','FRA','OZ541','20261207',1796603160)"};

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

/// A command line's words, apart by spaces.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    for (auto word : std::views::split(line, ' '))
        if (!word.empty())
            out.emplace_back(word.begin(), word.end());
    return out;
}

TEST_F(ScreenshotTest, EveryScreenAtBothSizesAndKeysThatCloseOrPress) {
    // Each row is one start of the app, taken to a screen by window options and steps. A row
    // differs from another (the main screen unless it says), or looks the same as it (keys do
    // what the buttons would). Key rows run at the default size only.
    using Look = std::function<bool(const QImage&)>;
    enum Sizes { Both, Default, Small };
    enum Compare { Unlike, Same };
    struct Row {
        const char* name;
        std::string args; ///< window options and steps, apart by spaces
        Sizes sizes = Both;
        const char* other = "main"; ///< the row it differs from or looks the same as

        Compare compare = Unlike;
        Look looks = nullptr;                           ///< what the screen's own view shows
        const std::vector<std::string>* seed = nullptr; ///< rows stored beforehand
    };
    // The tool screens' title band runs from navy to teal; the fallback view's is plain navy.
    const Look toolView = [](const QImage& s) {
        const QColor c = s.pixelColor(s.width() - 4, 20);
        return std::abs(c.red() - 8) + std::abs(c.green() - 126) + std::abs(c.blue() - 139) < 40;
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
    // A cancelled flight's status badge is coral.
    const Look cancelledBadge = [](const QImage& s) {
        const QImage rgb = s.convertToFormat(QImage::Format_RGB32);
        const auto* p = reinterpret_cast<const QRgb*>(rgb.constBits());
        return std::count(p, p + rgb.width() * rgb.height(), qRgb(0xF2, 0x70, 0x5E)) > 500;
    };
    const auto key = [](const char* name) {
        return std::string(R"(--step {"cmd":"key","key":")") + name + R"("} )";
    };
    const std::string
        close = "--tap btn_Help_Close ",
        menu = close + R"(--tap addButton --step {"cmd":"menu","index":)",
        search = "--shortcut kr.vorneth.UIAirportSchedule ",
        detail = search + R"(--step {"cmd":"select","outlet":"airportTableView","row":0} )",
        picker = search + "--tap btn_Calendar ", referral = close + "--tap btn_Menu3 ",
        alert = referral + "--tap btn_Search ", myFlights = close + "--tap v_AirportView",
        card = menu + R"(1} --step {"cmd":"type","outlet":"txt_InOutImage_Nation","text":"japan"} )"
                      R"(--step {"cmd":"select","outlet":"tableView","row":0} )",
        tags = close + "--tap btn_Menu1 --tap btn_Next --wait 2 ",
        found = close + "--tap btn_Alarm --press 확인 --wait 10 ";
    const std::vector<Row> rows{
        {"main", close, Both, nullptr},
        {"main with today's flight", close, Both, "main", Unlike, cancelledBadge, &kTodaysFlight},
        {"main with a flight's freshness", close, Both, "main", Unlike, nullptr,
         &kFlightWithHistory},
        {"flight history", close + "--tap btn_History", Both, "main", Unlike, toolView,
         &kFlightWithHistory},
        {"help overlay", ""},
        {"help overlay, Escape", key("Escape"), Default, "main", Same},
        {"floating menu", close + "--tap addButton"},
        {"floating menu, Escape", close + "--tap addButton " + key("Escape"), Default, "main",
         Same},
        {"my flights", myFlights},
        {"flight search", search},
        {"flight detail", detail},
        {"flight detail, Escape", detail + key("Escape"), Default, "flight search", Same},
        {"my flights, one saved from the detail",
         detail + R"(--step {"cmd":"tap","outlet":"btn_Insert"} --press OK )" + myFlights, Default,
         "my flights"},
        {"date picker", picker},
        // The search empties its list when the picker opens.
        {"date picker, its back control", picker + "--tap btn_Back", Default, "date picker"},
        {"date picker, Escape", picker + key("Escape"), Default, "date picker, its back control",
         Same},
        {"Tab past the back button to the calendar, Return",
         search + key("Tab") + key("Tab") + key("Return"), Default, "date picker", Same},
        {"referral", referral, Both, "main", Unlike, toolView},
        {"referral's place suggestions",
         referral + R"(--step {"cmd":"type","outlet":"txt_Departure","text":"icn"})", Both, "main",
         Unlike, toolView},
        {"referral's alert", alert},
        {"referral's alert, Return", alert + key("Return"), Default, "referral", Same},
        {"card guide", menu + "1}", Both, "main", Unlike, toolView},
        {"card guide, a country's card", card, Default, "card guide"},
        {"card guide, the card zoomed out",
         card + R"(--step {"cmd":"zoom","outlet":"imageZoom","scale":0.3})", Default,
         "card guide, a country's card"},
        {"calculator", menu + "2}", Both, "main", Unlike, toolView},
        {"currency picker", menu + "2} --tap img_Exchange_Nation_Top", Both, "calculator"},
        {"camera", menu + "0}"},
        {"registration guide", close + "--tap btn_Menu1", Both, "main", Unlike, carrierView},
        {"tags near the phone", tags, Both, "main", Unlike, carrierView},
        {"naming dialog", tags + "--tap registrationTableView/0/btn_Registration_Select", Both,
         "tags near the phone"},
        {"carrier list", close + "--tap btn_Menu2 --wait 1.5", Both, "main", Unlike, carrierView,
         &kCarriers},
        {"main with carriers", close, Default, nullptr, Unlike, nullptr, &kCarriers},
        {"carrier found", found, Both, "main", Unlike, foundView, &kCarriers},
        // The carrier search's title is drawn where it was before the search.
        {"carrier found, closed", found + "--tap btn_Close", Default, "main with carriers", Same,
         nullptr, &kCarriers},
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
            if (row.sizes != Both && (row.sizes == Default) != (size.width() == 375))
                continue;
            const std::string n = std::to_string(starts.size()), data = dir.file("data-" + n);
            if (row.seed)
                seed(data, *row.seed);
            const auto args = words("--data-dir " + data + " --screenshot " + dir.file(n + ".png") +
                                    " --virtual-time 2026-12-07T09:30:00+09:00 --screen-size " +
                                    std::to_string(size.width()) + "x" +
                                    std::to_string(size.height()) + " " + row.args);
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
        if (!start.row->other) {
        } else if (start.row->compare == Same) {
            EXPECT_LT(differing(shot, shots.at({start.row->other, w})), 0.001); // a few pixels
        } else {
            EXPECT_GT(differing(shot, shots.at({start.row->other, w})), 0.1);
        }
        EXPECT_TRUE(!start.row->looks || start.row->looks(shot));
        shots[{start.row->name, w}] = shot;
    }
}

} // namespace
} // namespace gui_testing
