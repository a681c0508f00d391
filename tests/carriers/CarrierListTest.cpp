// The carrier list: seen statuses, renaming, removal, the refresh scan and the adapter.
#include "CarrierFixture.h"
#include "carriers/UICarrierList.h"

using carriers::UICarrierList;
using carriers_test::CarrierFixture;
using carriers_test::kUuidA;
using carriers_test::kUuidB;

namespace {

class CarrierList : public CarrierFixture {
protected:
    UICarrierList& open() {
        launch();
        main().btn_Menu2.tap();
        loop->runUntilIdle();
        return static_cast<UICarrierList&>(*window().front());
    }
    /// The row's status picture and the line under its name.
    static std::string status(UICarrierList& list, int row) {
        auto& cell = list.carrierTableView.cell(row);
        return cell.image("img_Status").image() + " " + cell.label("lbl_SeenText").text();
    }
    /// Stored last-seen times as "major@seconds".
    std::vector<std::string> seenRows() {
        std::vector<std::string> out;
        for (const auto& r : query("SELECT sMajor, nSeenAt FROM aCarrierSeen ORDER BY sMajor"))
            out.push_back(r.at("0") + "@" + r.at("1"));
        return out;
    }
    std::vector<std::string> alertsSeen() {
        std::vector<std::string> out;
        while (!window().alerts().empty()) {
            out.push_back(window().alerts().front().title + ": " +
                          window().alerts().front().message);
            window().pressAlertButton(window().alerts().front().buttons.front().title);
        }
        return out;
    }
};

TEST_F(CarrierList, RangedCarrierTurnsSeenOnceAndTheOtherIsLookedForAWhile) {
    storeCarrier(kUuidA, "1", "1", "Red");
    storeCarrier(kUuidA, "2", "2", "Blue");
    auto& list = open();
    ASSERT_EQ(list.carrierTableView.rowCount(), 2);
    EXPECT_EQ(list.carrierTableView.cell(0).label("lbl_Name").text(), "Red");
    EXPECT_EQ(status(list, 0), "m2_btn_off.png 찾는 중");
    EXPECT_FALSE(list.img_Search.hidden());

    log.clear();
    tag(kUuidA, 2, 2);
    advance(1);
    EXPECT_EQ(status(list, 1), "m2_btn_on.png 근처에 있음");
    EXPECT_EQ(status(list, 0), "m2_btn_off.png 찾는 중");
    EXPECT_EQ(logCount("RowCount == 1"), 1u); // redrawn once
    advance(3);
    EXPECT_EQ(logCount("RowCount == 1"), 1u); // later results change nothing
    advance(carriers::kLookingSeconds - 5);
    EXPECT_EQ(status(list, 0), "m2_btn_off.png 찾는 중");
    advance(1);
    EXPECT_EQ(status(list, 0), "m2_btn_off.png 본 적 없음");
}

TEST_F(CarrierList, LastSeenTimeOutlivesTheVisitIsWrittenOnceAMinuteAndGoesWithTheCarrier) {
    storeCarrier(kUuidA, "1", "1", "Red");
    storeCarrier(kUuidA, "2", "2", "Blue");
    auto* list = &open();
    tag(kUuidA, 1, 1);
    tag(kUuidA, 2, 2);
    advance(2);
    const auto firstWrites = seenRows();
    ASSERT_EQ(firstWrites.size(), 2u);
    advance(58); // heard every second of the first scan
    EXPECT_EQ(seenRows(), firstWrites);
    list->btn_Refresh.tap();
    advance(2); // heard a minute after the first write
    const auto rewritten = seenRows();
    EXPECT_NE(rewritten, firstWrites);
    for (int major : {1, 2})
        radio->removeTag(*platform::parseBeaconUuid(kUuidA), major, major);
    advance(150);
    EXPECT_EQ(status(*list, 0), "m2_btn_on.png 근처에 있음 · 2분 전"); // seen stays seen

    list->btn_Back.tap(); // a new screen knows only what was stored
    main().btn_Menu2.tap();
    loop->runUntilIdle();
    list = &static_cast<UICarrierList&>(*window().front());
    EXPECT_EQ(status(*list, 0), "m2_btn_off.png 찾는 중 · 2분 전");
    advance(85); // nothing but the minute moves the line now
    EXPECT_EQ(status(*list, 0), "m2_btn_off.png 찾지 못함 · 3분 전");

    list->carrierTableView.cell(0).button("btn_Delete").tap();
    EXPECT_EQ(seenRows(), std::vector<std::string>{rewritten[1]});
}

TEST_F(CarrierList, RemovalDeletesTheRowAndDeregistersOnlyWhenTheDeleteSucceeded) {
    storeCarrier(kUuidA, "1", "1", "Red");
    storeCarrier(kUuidB, "2", "2", "Blue");
    auto& list = open();
    // The service knows both: a removal deregisters (flag "2") rather than registering again.
    for (const char* uuid : {kUuidA, kUuidB})
        (void)context->commands().Unit_Join01("", "", uuid, "1", "1", "1");
    list.carrierTableView.cell(0).button("btn_Delete").tap();
    EXPECT_EQ(alertsSeen(), (std::vector<std::string>{"확인: 삭제완료하였습니다."}));
    ASSERT_EQ(unitJoins().size(), 1u);
    EXPECT_EQ(unitJoins()[0].at("sUnitUUID"), kUuidB);
    EXPECT_EQ(list.carrierTableView.rowCount(), 1);
    EXPECT_EQ(list.carrierTableView.cell(0).label("lbl_Name").text(), "Blue");
    EXPECT_EQ(storedCarriers(), (std::vector<std::string>{std::string(kUuidB) + "/2/2/Blue"}));
    EXPECT_EQ(logCount("저장성공"), 1u); // the service answered the deregistration

    breakTable();
    list.carrierTableView.cell(0).button("btn_Delete").tap();
    EXPECT_EQ(alertsSeen(),
              (std::vector<std::string>{"확인: 실패하였습니다. 다시시도해 주십시오."}));
    EXPECT_EQ(list.carrierTableView.rowCount(), 0);
    EXPECT_EQ(logCount("저장성공"), 1u);
}

TEST_F(CarrierList, RenameStoresTheNameShowsItAndCallsNoService) {
    storeCarrier(kUuidA, "1", "1", "Red");
    auto& list = open();
    tag(kUuidA, 1, 1);
    advance(1);
    list.carrierTableView.cell(0).button("btn_Nickname").tap();
    auto& name = static_cast<carriers::putName&>(*list.children().back());
    name.txt_CarrierName.type("Big Red");
    name.btn_Confirm.tap();
    EXPECT_EQ(alertsSeen(), (std::vector<std::string>{"확인: 이름이 변경되었습니다."}));
    EXPECT_EQ(list.carrierTableView.cell(0).label("lbl_Name").text(), "BigRed");
    EXPECT_EQ(status(list, 0), "m2_btn_on.png 근처에 있음"); // the status is kept
    EXPECT_EQ(storedCarriers(), (std::vector<std::string>{std::string(kUuidA) + "/1/1/BigRed"}));
    EXPECT_TRUE(unitJoins().empty());

    breakTable();
    list.carrierTableView.cell(0).button("btn_Nickname").tap();
    static_cast<carriers::putName&>(*list.children().back()).txt_CarrierName.type("X");
    static_cast<carriers::putName&>(*list.children().back()).btn_Confirm.tap();
    EXPECT_EQ(alertsSeen(),
              (std::vector<std::string>{"확인: 실패하였습니다. 다시시도해 주십시오."}));
    EXPECT_EQ(list.carrierTableView.cell(0).label("lbl_Name").text(), "X");
}

TEST_F(CarrierList, FirstScanEndsAfterAMinuteAndRefreshScansTheServiceUuidsWithoutLimit) {
    storeCarrier(kUuidA, "1", "1", "Red");
    auto& list = open();
    EXPECT_TRUE(list.scanTimerRunning());
    advance(60);
    EXPECT_FALSE(radio->scanning());
    EXPECT_FALSE(list.btn_Refresh.hidden());
    EXPECT_TRUE(list.img_Search.hidden());

    EXPECT_EQ(status(list, 0), "m2_btn_off.png 본 적 없음");
    list.btn_Refresh.tap();
    EXPECT_TRUE(list.btn_Refresh.hidden());
    EXPECT_FALSE(list.img_Search.hidden());
    EXPECT_EQ(status(list, 0), "m2_btn_off.png 찾는 중");         // looking again
    EXPECT_EQ(list.bluetoothScanner->ar_beaconRegion.size(), 3u); // the service's UUIDs
    advance(600);
    EXPECT_EQ(status(list, 0), "m2_btn_off.png 본 적 없음");
    EXPECT_TRUE(radio->scanning());
    tag(kUuidA, 1, 1);
    advance(1);
    EXPECT_EQ(status(list, 0), "m2_btn_on.png 근처에 있음");
    list.btn_Back.tap();
    EXPECT_FALSE(radio->scanning());
}

TEST_F(CarrierList, EmptyTableOffersRefreshAtOnceAndItsScanReachesNobody) {
    auto& list = open();
    EXPECT_EQ(list.carrierTableView.rowCount(), 0);
    EXPECT_FALSE(list.btn_Refresh.hidden());
    EXPECT_FALSE(radio->scanning());
    list.btn_Refresh.tap();
    tag(kUuidA, 1, 1);
    advance(2);
    EXPECT_EQ(list.carrierTableView.rowCount(), 0);
    EXPECT_FALSE(list.img_Search.hidden());
}

TEST_F(CarrierList, AdapterSwitchedOffDuringTheScanIsReported) {
    storeCarrier(kUuidA, "1", "1", "Red");
    auto& list = open();
    bluetooth.setState(platform::AdapterState::PoweredOff);
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().title, "경고");
    EXPECT_TRUE(list.btn_Refresh.hidden()); // until the alert is acknowledged
    window().pressAlertButton("OK");
    EXPECT_FALSE(list.btn_Refresh.hidden());
    EXPECT_FALSE(radio->scanning());
    EXPECT_EQ(status(list, 0), "m2_btn_off.png 본 적 없음"); // no longer looked for
}

} // namespace
