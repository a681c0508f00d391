#include "AppFixture.h"
#include "app/CardText.h"

#include <filesystem>
#include <fstream>

using testing_support::AppFixture;

namespace {

class MainScreen : public AppFixture {
protected:
    // The passport entry of the floating menu, then the picker's capture button.
    bool capture() {
        main().addButton->handleTap();
        main().addButton->selectRow(0);
        return window().front()->name() == "UIImagePickerController" &&
               window().front()->findOutlet("btn_Capture")->tap();
    }
};

class JustAfterMidnight : public AppFixture {
protected:
    JustAfterMidnight() : AppFixture("2026-12-08T00:30:00+09:00") {}
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The labels' texts, each followed by "|".
std::string texts(std::initializer_list<const ui::Label*> labels) {
    std::string out;
    for (const ui::Label* l : labels)
        out += l->text() + "|";
    return out;
}

} // namespace

TEST(CardText, StatusWordsTimesDatesAndEmptyValues) {
    std::string statuses;
    for (const char* word :
         {"", "active", "출발", "cancelled", "diverted", "landed", "scheduled", "지연"})
        statuses += app::cardStatus(word) + "|";
    EXPECT_EQ(statuses, "정보없음|운항중|운항중|취소|회항|착륙|정보없음|지연|");
    EXPECT_EQ(app::cardTime("0935"), "09:35");
    EXPECT_EQ(app::cardTime("9"), "9:"); // short values never read past the end
    EXPECT_EQ(app::cardDate("20261207"), "2026/12/07");
    EXPECT_EQ(app::cardValue(""), "-");
}

TEST_F(MainScreen, CardShowsTheNextFlightWithStruckScheduleAndWhiteDateSuffix) {
    auto f = flight("KE701", "20261207", "1030", "20261207");
    f[5] = "20261207"; // estimated departure date
    f[6] = "1105";     // estimated departure time
    f[16] = "";        // gate empty
    f[17] = "12";      // carousel
    f[19] = "cancelled";
    storeFlight(f);
    launch();
    auto& m = main();
    EXPECT_FALSE(m.v_BeAirSchedule.hidden());
    EXPECT_TRUE(m.v_NoAirSchedule.hidden());
    EXPECT_EQ(m.Img_BottomBackgroud.image(), "main2_background2.png");
    EXPECT_EQ(
        texts({&m.lbl_FlightId, &m.lbl_Schedule_DepartureTime, &m.lbl_Change_DepartureTime,
               &m.lbl_Schedule_ArrivalTime, &m.lbl_Change_ArrivalTime, &m.lbl_Status, &m.lbl_Date,
               &m.lbl_Departure_Code, &m.lbl_Arrival_Name, &m.lbl_GateNumber, &m.lbl_Carousel}),
        "KE701|10:30|11:05|13:00||취소|2026/12/07|ICN|나리타|-|12|");
    ASSERT_EQ(m.lbl_Schedule_DepartureTime.attributes().size(), 1u);
    EXPECT_TRUE(m.lbl_Schedule_DepartureTime.attributes()[0].strike);
    EXPECT_EQ(m.lbl_Schedule_DepartureTime.attributes()[0].length, 5);
    ASSERT_EQ(m.lbl_Date.attributes().size(), 1u);
    EXPECT_EQ(m.lbl_Date.attributes()[0].from, 7);
    EXPECT_EQ(m.lbl_Date.attributes()[0].length, 3);
    EXPECT_EQ(m.lbl_Date.attributes()[0].color, (ui::Color{1, 1, 1, 1}));
    EXPECT_EQ(m.tracked.Io_List, std::vector<std::string>{"1"});
}

TEST_F(MainScreen, WithoutAnEstimatedTimeTheChangedTimeRepeatsTheSchedule) {
    auto f = flight("OZ102", "20261207", "2215", "20261208", "지연");
    f[5] = "20261207"; // a feed stored its date with an empty estimate
    storeFlight(f);
    launch();
    EXPECT_EQ(main().lbl_Change_DepartureTime.text(), "22:15");
    EXPECT_EQ(main().lbl_Status.text(), "지연");
}

TEST_F(MainScreen, TheCardShowsTheEarliestUnfinishedFlightOfTodayOrOneArrivingToday) {
    const struct {
        std::vector<std::vector<std::string>> flights;
        const char* shown;
    } cases[] = {
        {{flight("KE001", "20261207", "0900", "20261207", "착륙"),
          flight("OZ222", "20261207", "1800", "20261207"),
          flight("KE111", "20261207", "1200", "20261207"),
          flight("7C333", "20261206", "0700", "20261206", "도착")},
         "KE111"},
        {{flight("KE081", "20261206", "2330", "20261207")}, "KE081"},
        {{flight("KE081", "20261205", "2330", "20261206")}, ""}, // past: no card
    };
    for (const auto& c : cases) {
        execute("DELETE FROM aFlightInfo");
        for (const auto& f : c.flights)
            storeFlight(f);
        launch();
        EXPECT_EQ(main().lbl_FlightId.text(), c.shown);
    }
}

TEST_F(MainScreen, FlightThatLandedLeavesAnEmptyCardButTheTrackedValuesStay) {
    auto f = flight("KE701", "20261207", "1030", "20261207");
    f[5] = "20261207";
    f[6] = "1105";
    f[10] = "1340";
    f[16] = "12";
    storeFlight(f);
    launch();
    ASSERT_EQ(main().lbl_FlightId.text(), "KE701");
    ASSERT_EQ(main().lbl_Change_ArrivalTime.text(), "13:40");

    execute("UPDATE aFlightInfo SET remark = '착륙'");
    EXPECT_FALSE(main().getAirportInfo());

    auto& m = main();
    for (ui::Label* l : {&m.lbl_Schedule_DepartureTime, &m.lbl_Schedule_ArrivalTime, &m.lbl_Date}) {
        EXPECT_EQ(l->text(), "-");
        EXPECT_TRUE(l->attributes().empty()); // no strike or colour left from the flight
    }
    EXPECT_EQ(texts({&m.lbl_Change_DepartureTime, &m.lbl_Change_ArrivalTime, &m.lbl_Carousel,
                     &m.lbl_ExitNumber, &m.lbl_CheckInRange, &m.lbl_GateNumber, &m.lbl_Status,
                     &m.lbl_Departure_Code, &m.lbl_Departure_Name, &m.lbl_Arrival_Code,
                     &m.lbl_Arrival_Name, &m.lbl_FlightId}),
              "-|-|-|-|-|-|정보없음||||||");
    EXPECT_FALSE(m.v_NoAirSchedule.hidden());
    EXPECT_TRUE(m.v_BeAirSchedule.hidden());
    EXPECT_EQ(m.Img_BottomBackgroud.image(), "main1_background2.jpg");
    // The tracked lists still hold the flight last shown.
    EXPECT_EQ(m.tracked.FlightId_List, std::vector<std::string>{"KE701"});
    EXPECT_EQ(m.tracked.EstimatedTime_Departure_List, std::vector<std::string>{"1105"});
    EXPECT_EQ(m.tracked.GateNumber_List, std::vector<std::string>{"12"});
}

TEST_F(JustAfterMidnight, PreviousDaysFlightStaysForOneMoreHour) {
    storeFlight(flight("KE999", "20261207", "2350", "20261207"));
    launch();
    EXPECT_EQ(main().lbl_FlightId.text(), "KE999");
    loop->advance(std::chrono::minutes(31)); // 01:01: the day of one hour ago is the 8th
    EXPECT_EQ(main().lbl_FlightId.text(), "");
    EXPECT_FALSE(main().v_NoAirSchedule.hidden());
}

TEST_F(MainScreen, MenuButtonsOpenTheirScreensOrTheHotelSite) {
    launch();
    ASSERT_TRUE(main().btn_Menu4.tap());
    ASSERT_EQ(browser.opened.size(), 1u);
    const std::string hotel =
        context->config.hotelURL + "?a_aid=" + context->config.hotelAffiliateId;
    EXPECT_EQ(browser.opened[0], hotel);
    EXPECT_TRUE(window().alerts().empty());
    // A desktop that cannot open it shows the address to copy.
    browser.fail = true;
    ASSERT_TRUE(main().btn_Menu4.tap());
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "알림");
    EXPECT_EQ(window().alerts().front().message,
              std::string(app::AppContext::kUrlFailedMessage) + "\n\n" + hotel);
    ASSERT_TRUE(window().pressAlertButton("확인"));
    // Screens not in this build are reported, and nothing is presented.
    context->screens.erase("UICarrierList");
    log.clear();
    ASSERT_TRUE(main().btn_Menu2.tap());
    EXPECT_EQ(window().stack().size(), 1u);
    EXPECT_EQ(log.lines().back(), "screen UICarrierList is not available in this build");
}

TEST_F(MainScreen, EveryControlOpensItsScreenByName) {
    for (const char* name : {"UIAirportSchedule1", "UIRegistration_Help", "UICarrierList",
                             "VURavEravazo", "UIInOut", "UIExchange"})
        extraScreens[name] = [name](app::AppContext&) {
            return std::make_shared<ui::Screen>(name);
        };
    storeFlight(flight("KE701", "20261207", "1030", "20261207"));
    launch();
    std::vector<std::string> guides;
    context->openCardGuide = [&](app::ViewController&, const std::string& code) {
        guides.push_back(code);
    };
    ASSERT_TRUE(main().btn_Help_Close.tap());

    // Each control, and the screen it must present over the main screen.
    auto menuRow = [this](int row) {
        return [this, row] {
            main().addButton->handleTap();
            return main().addButton->selectRow(row);
        };
    };
    const std::vector<std::pair<std::function<bool()>, std::string>> controls = {
        {[this] { return main().v_AirportView.tap(); }, "UIAirportSchedule1"},
        {[this] { return main().btn_Menu1.tap(); }, "UIRegistration_Help"},
        {[this] { return main().btn_Menu2.tap(); }, "UICarrierList"},
        {[this] { return main().btn_Menu3.tap(); }, "VURavEravazo"},
        {menuRow(1), "UIInOut"},
        {menuRow(2), "UIExchange"},
    };
    for (const auto& [tap, expected] : controls) {
        ASSERT_TRUE(tap()) << expected;
        ASSERT_EQ(window().stack().size(), 2u) << expected;
        EXPECT_EQ(window().front()->name(), expected);
        EXPECT_FALSE(main().addButton->isMenuVisible()) << expected;
        window().front()->dismiss(false);
        window().releaseRetired();
    }

    // The card's halves open the arrival-card guide for their own airport.
    ASSERT_TRUE(main().v_Departure_Flight.tap());
    ASSERT_TRUE(main().v_Arrival_Flight.tap());
    EXPECT_EQ(guides, (std::vector<std::string>{"ICN", "NRT"}));

    // The floating menu's help entry shows the overlay and hides the button.
    main().addButton->handleTap();
    ASSERT_TRUE(main().addButton->selectRow(3));
    EXPECT_FALSE(main().View_Help.hidden());
    EXPECT_TRUE(main().addButton->hidden());
    EXPECT_FALSE(main().addButton->isMenuVisible());
}

TEST_F(MainScreen, WithoutCameraCameraErrorAndOnADesktopAChosenPictureFileBecomesTheNewPhoto) {
    const std::string picture = std::string(TAMBERLINOVE_ASSETS_DIR) + "/images/canada.jpg";
    std::ofstream(data.file("notes.txt")) << "not a picture";
    const std::string notAPicture = std::string("저장실패: ") + app::ViewController::kNotAPicture;
    struct Case {
        std::string file;  // chosen in the dialog; empty: the dialog is cancelled
        std::string alert; // the alert that follows, if any
        bool stored;       // the file became the new photo, and the one in use is gone
    };
    const Case cases[] = {
        {"", "", false},
        {data.file("notes.txt"), notAPicture, false},
        {data.file("missing.jpg"), notAPicture, false},
        {picture, "저장완료: 여권사진 저장이 완료되었습니다.", true},
    };
    launch();
    main().addButton->handleTap();
    main().addButton->selectRow(0);
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "Camera error");
    EXPECT_EQ(window().alerts().front().message, "카메라를 지원하지 않는 기기입니다.");
    ASSERT_EQ(window().alerts().front().buttons.size(), 1u); // no file dialog: only "OK"
    ASSERT_TRUE(window().pressAlertButton("OK"));
    EXPECT_EQ(window().stack().size(), 1u);

    camera.fileDialog = true;
    for (const Case& c : cases) {
        std::ofstream(data.file("IMG_Tamberlinove_Passport1.jpg")) << "old";
        camera.chosenFile = c.file;
        main().addButton->handleTap();
        main().addButton->selectRow(0);
        ASSERT_EQ(window().alerts().size(), 1u);
        const auto& error = window().alerts().front();
        ASSERT_EQ(error.buttons.size(), 2u);
        EXPECT_EQ(error.buttons[0].title, "OK");
        EXPECT_EQ(error.buttons[0].role, ui::AlertButton::Role::Cancel);
        EXPECT_EQ(error.buttons[1].role, ui::AlertButton::Role::Default);
        ASSERT_TRUE(window().pressAlertButton(app::ViewController::kChoosePhotoFile));
        if (!c.alert.empty()) {
            ASSERT_EQ(window().alerts().size(), 1u) << c.file;
            EXPECT_EQ(window().alerts().front().title + ": " + window().alerts().front().message,
                      c.alert);
            window().pressAlertButton("확인");
        }
        EXPECT_TRUE(window().alerts().empty()) << c.file;
        EXPECT_EQ(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport.jpg")), c.stored);
        EXPECT_EQ(readFile(data.file("IMG_Tamberlinove_Passport1.jpg")), c.stored ? "" : "old");
    }
    EXPECT_EQ(readFile(data.file("IMG_Tamberlinove_Passport.jpg")), readFile(picture));
    EXPECT_EQ(main().Img_Passport1.image(), data.file("IMG_Tamberlinove_Passport.jpg"));
}

TEST_F(MainScreen, PassportPhotoIsSavedReplacingThePhotoInUse) {
    camera.present = true;
    camera.picture = std::vector<unsigned char>{0xFF, 0xD8, 0xFF, 0xE0, 'j', 'p', 'g'};
    std::ofstream(data.file("IMG_Tamberlinove_Passport1.jpg")) << "old";
    launch();
    ASSERT_TRUE(capture());
    window().releaseRetired();
    EXPECT_EQ(window().stack().size(), 1u);
    EXPECT_EQ(readFile(data.file("IMG_Tamberlinove_Passport.jpg")), "\xFF\xD8\xFF\xE0jpg");
    EXPECT_FALSE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport1.jpg")));
    EXPECT_EQ(main().Img_Passport1.image(), data.file("IMG_Tamberlinove_Passport.jpg"));
    for (const auto& name : data.names())
        EXPECT_EQ(name.find("IMG_Tamberlinove_Passport.jpg."), std::string::npos) << name;
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "저장완료");
    EXPECT_EQ(window().alerts().front().message, "여권사진 저장이 완료되었습니다.");
}

TEST_F(MainScreen, FailedPhotoWriteKeepsThePhotoInUseAndSaysSo) {
    camera.present = true;
    camera.picture = std::vector<unsigned char>{0xFF, 0xD8};
    std::ofstream(data.file("IMG_Tamberlinove_Passport1.jpg")) << "old";
    std::filesystem::create_directory(data.file("IMG_Tamberlinove_Passport.jpg"));
    std::ofstream(data.file("IMG_Tamberlinove_Passport.jpg/blocker")) << "x";
    launch();
    const auto before = data.names();
    ASSERT_TRUE(capture());
    EXPECT_EQ(readFile(data.file("IMG_Tamberlinove_Passport1.jpg")), "old");
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "저장실패");
    EXPECT_EQ(data.names(), before); // no temporary file left behind
}

namespace {
/// A camera whose picture arrives later, as a real camera's does.
struct SlowCamera : platform::Camera {
    bool available() const override { return true; }
    void capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) override {
        pending = std::move(done);
    }
    bool canChooseFile() const override { return false; }
    void chooseFile(std::function<void(std::optional<std::vector<unsigned char>>)>) override {}
    std::function<void(std::optional<std::vector<unsigned char>>)> pending;
};
} // namespace

TEST_F(MainScreen, PictureArrivingAfterCancelIsDropped) {
    SlowCamera slow;
    std::ofstream(data.file("IMG_Tamberlinove_Passport1.jpg")) << "old";
    launch();
    auto picker = std::make_shared<app::UIImagePickerController>(
        slow, *loop, std::static_pointer_cast<app::ViewController>(main().shared_from_this()));
    main().present(picker, true);
    ASSERT_TRUE(picker->btn_Capture.tap());
    ASSERT_TRUE(picker->btn_Cancel.tap());
    window().releaseRetired();
    ASSERT_TRUE(slow.pending);
    slow.pending(std::vector<unsigned char>{0xFF, 0xD8});
    EXPECT_FALSE(std::filesystem::exists(data.file("IMG_Tamberlinove_Passport.jpg")));
    EXPECT_EQ(readFile(data.file("IMG_Tamberlinove_Passport1.jpg")), "old");
    EXPECT_TRUE(window().alerts().empty());
}
