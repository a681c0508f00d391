// Registering a tag: the help page, the list of tags found near the phone, the naming
// overlay, and what is stored locally and with the carrier service.
#include "CarrierFixture.h"
#include "carriers/CarrierCells.h"
#include "carriers/UIRegistration_Help.h"
#include "carriers/UIRegstrationViewController.h"

using carriers::UIRegstrationViewController;
using carriers_test::CarrierFixture;
using carriers_test::kUuidA;
using carriers_test::kUuidB;

namespace {

class Registration : public CarrierFixture {
protected:
    /// Opens the help page from the main screen's first menu, then the registration screen.
    UIRegstrationViewController& open() {
        launch();
        main().btn_Menu1.tap();
        auto* help = window().front();
        EXPECT_EQ(help->name(), "UIRegistration_Help");
        static_cast<carriers::UIRegistration_Help*>(help)->btn_Next.tap();
        loop->runUntilIdle();
        return static_cast<UIRegstrationViewController&>(*window().front());
    }
    std::vector<std::string> names(UIRegstrationViewController& screen) {
        std::vector<std::string> out;
        for (int i = 0; i < screen.registrationTableView.rowCount(); ++i)
            out.push_back(
                screen.registrationTableView.cell(i).label("txt_Registration_Name").text());
        return out;
    }
    carriers::putName& overlay(UIRegstrationViewController& screen) {
        return static_cast<carriers::putName&>(*screen.children().back());
    }
};

TEST_F(Registration, TagsNearbyAreListedOnceEachWithStoredNamesAndDisabledButtons) {
    storeCarrier(kUuidA, "2", "2", "Blue");
    tag(kUuidA, 1, 1, -59);
    tag(kUuidA, 2, 2, -70);
    auto& screen = open();
    EXPECT_FALSE(screen.img_Refresh.hidden());
    EXPECT_TRUE(screen.btn_Refresh.hidden());
    advance(3);
    auto& table = screen.registrationTableView;
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(names(screen), (std::vector<std::string>{"", "Blue"}));
    EXPECT_TRUE(table.cell(0).button("btn_Registration_Select").enabled());
    EXPECT_FALSE(table.cell(1).button("btn_Registration_Select").enabled());
    EXPECT_EQ(table.cell(1).button("btn_Registration_Select").image(), "list1_signup2.png");
    EXPECT_EQ(table.cell(0).label("lbl_Distance").text(), "약 1.0m");
}

TEST_F(Registration, NameIsStoredWithoutSpacesAndTheServiceIsToldToRegister) {
    tag(kUuidB, 300, 12);
    auto& screen = open();
    advance(1);
    ASSERT_EQ(screen.registrationTableView.rowCount(), 1);
    screen.registrationTableView.cell(0).button("btn_Registration_Select").tap();
    auto& name = overlay(screen);
    EXPECT_EQ(name.name(), "putName");

    name.txt_CarrierName.type("   ");
    name.btn_Confirm.tap();
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "오류");
    EXPECT_EQ(window().alerts().front().message, "이름을 입력하십시오.");
    EXPECT_EQ(screen.children().size(), 1u); // the overlay stays
    window().pressAlertButton("OK");

    name.txt_CarrierName.type(" My Bag ");
    name.btn_Confirm.tap();
    EXPECT_TRUE(screen.children().empty());
    EXPECT_EQ(storedCarriers(), (std::vector<std::string>{std::string(kUuidB) + "/300/12/MyBag"}));
    const auto joins = unitJoins();
    ASSERT_EQ(joins.size(), 1u);
    EXPECT_EQ(joins[0].at("sUnitUUID"), kUuidB);
    EXPECT_EQ(joins[0].at("sUnitMajor"), "300");
    EXPECT_EQ(names(screen), (std::vector<std::string>{"MyBag"}));
    EXPECT_FALSE(screen.registrationTableView.cell(0).button("btn_Registration_Select").enabled());
}

TEST_F(Registration, NameOfAnExistingCarrierIsUpdatedAndStillRegistered) {
    auto& screen = open();
    storeCarrier(kUuidA, "5", "6", "Old");
    auto record = carriers::RegistrationBeacon::ranged("New'Name", "5", "6", kUuidA, "", "");
    screen.sendCarrierName(record);
    EXPECT_EQ(storedCarriers(), (std::vector<std::string>{std::string(kUuidA) + "/5/6/New'Name"}));
    EXPECT_EQ(unitJoins().size(), 1u);

    breakTable();
    screen.sendCarrierName(record);
    EXPECT_EQ(logCount("update failed!!"), 1u);
    EXPECT_EQ(unitJoins().size(), 1u);
}

TEST_F(Registration, CancelLeavesTheTagUnregistered) {
    tag(kUuidA, 1, 1);
    auto& screen = open();
    advance(1);
    screen.registrationTableView.cell(0).button("btn_Registration_Select").tap();
    overlay(screen).txt_CarrierName.type("Bag");
    overlay(screen).btn_Cancel.tap();
    EXPECT_TRUE(screen.children().empty());
    EXPECT_TRUE(storedCarriers().empty());
    EXPECT_EQ(names(screen), (std::vector<std::string>{""}));
}

TEST_F(Registration, ScanLastsSixtySecondsAndRefreshKeepsRowsAndStartsAfresh) {
    tag(kUuidA, 1, 1);
    auto& screen = open();
    advance(1);
    EXPECT_EQ(screen.registrationTableView.rowCount(), 1);
    advance(40);
    screen.btn_Refresh_Clicked(); // before the first minute is up
    radio->removeTag(*platform::parseBeaconUuid(kUuidA), 1, 1);
    tag(kUuidB, 2, 2);
    advance(30); // past the first scan's minute: the new scan goes on
    EXPECT_TRUE(radio->scanning());
    EXPECT_EQ(screen.registrationTableView.rowCount(), 2);
    advance(30);
    EXPECT_FALSE(radio->scanning());
    EXPECT_FALSE(screen.btn_Refresh.hidden());
    EXPECT_TRUE(screen.img_Refresh.hidden());
}

TEST_F(Registration, AdapterOffAtOpeningIsReportedAndOkStopsTheScan) {
    bluetooth.setState(platform::AdapterState::PoweredOff);
    auto& screen = open();
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "경고");
    EXPECT_EQ(window().alerts().front().message,
              "블루투스가 꺼져 있습니다. 블루투스를 실행해 주세요.");
    EXPECT_TRUE(screen.btn_Refresh.hidden());
    window().pressAlertButton("OK");
    EXPECT_FALSE(screen.btn_Refresh.hidden());
    EXPECT_FALSE(radio->scanning());
}

TEST_F(Registration, BackReturnsStraightToTheMainScreen) {
    auto& screen = open();
    screen.btn_Back.tap();
    EXPECT_EQ(window().front()->name(), "UIRegistration_Help"); // closes on the next turn
    loop->runUntilIdle();
    EXPECT_EQ(window().front(), &main());
    EXPECT_FALSE(radio->scanning());
}

TEST(CarrierCells, NarrowScreensUseTheSmallFontAndUnknownDistancesSaySo) {
    auto beacon = carriers::RegistrationBeacon::ranged("", "1", "2", kUuidA, "-1.000000", "0");
    ui::Cell narrow("cell"), wide("cell");
    carriers::CustomCell_CarrierRegTableViewCell::setRegistrationBeacon(narrow, beacon, 0, 320, {});
    carriers::CustomCell_CarrierRegTableViewCell::setRegistrationBeacon(wide, beacon, 0, 321, {});
    for (const char* l : {"txt_Registration_Name", "txt_Registration_Select_Major",
                          "txt_Registration_Select_Minor"}) {
        EXPECT_EQ(narrow.label(l).fontSize(), 11) << l;
        EXPECT_EQ(wide.label(l).fontSize(), 0) << l;
    }
    EXPECT_EQ(narrow.label("lbl_Distance").text(), "거리 모름");
    EXPECT_EQ(carriers::distanceText("12.3456"), "약 12m");
    EXPECT_EQ(carriers::distanceText("0.5"), "약 0.5m");
    EXPECT_EQ(carriers::distanceText("nan"), "거리 모름");
}

} // namespace
