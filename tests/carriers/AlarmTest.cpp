// The carrier arrival alarm of the main screen and the found screen.
#include "CarrierFixture.h"
#include "carriers/UIFind.h"

using carriers_test::CarrierFixture;
using carriers_test::kUuidA;

namespace {

class Alarm : public CarrierFixture {
protected:
    /// Presses the alarm button and confirms the start.
    void startSearch() {
        main().btn_Alarm.tap();
        ASSERT_EQ(window().alerts().size(), 1u);
        ASSERT_TRUE(window().pressAlertButton("확인"));
    }
    const ui::Alert* frontAlert() {
        return window().alerts().empty() ? nullptr : &window().alerts().front();
    }
    std::vector<std::string> arrivals() {
        std::vector<std::string> out;
        for (const auto& n : notifications.history)
            out.push_back(n.body);
        return out;
    }
};

TEST_F(Alarm, WithoutCarriersTheSearchDoesNotStart) {
    launch();
    main().btn_Alarm.tap();
    const auto* alert = frontAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title, "확인");
    EXPECT_EQ(alert->message, "등록한 캐리어가 없습니다.");
    EXPECT_FALSE(delegate->isState);
    EXPECT_EQ(main().btn_Alarm.image(), "off.png");
    EXPECT_FALSE(radio->scanning());
}

TEST_F(Alarm, ScanStartsOnlyWhenTheStartNoticeIsConfirmed) {
    storeCarrier(kUuidA, "300", "12", "Bag");
    launch();
    main().btn_Alarm.tap();
    const auto* alert = frontAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title, "알림");
    EXPECT_EQ(alert->message, "캐리어 검색을 시작합니다.\n공항환경(전파간섭 등)이나 휴대폰의\n"
                              "환경(블루투스 간섭 및 앱충돌 등)에 따라\n작동오류가 발생할 수 "
                              "있습니다.");
    EXPECT_TRUE(delegate->isState);
    EXPECT_EQ(main().btn_Alarm.image(), "off.png");
    EXPECT_FALSE(radio->scanning());
    window().pressAlertButton("확인");
    EXPECT_EQ(main().btn_Alarm.image(), "on.png");
    EXPECT_TRUE(radio->scanning());

    // A second press offers to stop; "취소" keeps searching, "확인" stops.
    main().btn_Alarm.tap();
    EXPECT_EQ(frontAlert()->message, "캐리어 검색을 종료하시겠습니까?");
    window().pressAlertButton("취소");
    EXPECT_TRUE(delegate->isState);
    EXPECT_TRUE(radio->scanning());
    main().btn_Alarm.tap();
    window().pressAlertButton("확인");
    EXPECT_FALSE(delegate->isState);
    EXPECT_EQ(main().btn_Alarm.image(), "off.png");
    EXPECT_FALSE(radio->scanning());
}

TEST_F(Alarm, RegisteredCarrierInRangeEndsTheSearchWithNotificationLogAndFoundScreen) {
    storeCarrier(kUuidA, "300", "12", "Bag");
    launch();
    startSearch();
    advance(5);
    EXPECT_TRUE(arrivals().empty());
    tag(kUuidA, 300, 12);
    advance(1);
    EXPECT_EQ(arrivals(), (std::vector<std::string>{"캐리어가 도착했습니다."}));
    EXPECT_EQ(notifications.attentionRequests, 1);
    EXPECT_EQ(notifications.history.back().action, "GOGO");
    EXPECT_DOUBLE_EQ(notifications.history.back().fireInSeconds, 1);
    const auto logs = standIn->unitSearchLogs();
    ASSERT_FALSE(logs.empty());
    EXPECT_EQ(logs.back().at("sUnitUUID"), kUuidA);
    EXPECT_EQ(logs.back().at("sUnitMajor"), "300");
    EXPECT_EQ(logs.back().at("sUnitMinor"), "12");
    EXPECT_EQ(window().front()->name(), "UIFind");
    EXPECT_FALSE(delegate->isState);
    EXPECT_EQ(main().btn_Alarm.image(), "off.png");
    EXPECT_FALSE(radio->scanning());
    advance(30);
    EXPECT_EQ(arrivals().size(), 1u);
}

TEST_F(Alarm, TagOfARegisteredUuidWithAnotherMajorIsIgnored) {
    storeCarrier(kUuidA, "300", "12", "Bag");
    launch();
    startSearch();
    // A region of the exact carrier never reports another tag, so ask directly too.
    tag(kUuidA, 301, 12);
    advance(3);
    main().carrierAlarm().getRegistrationBeacon(
        carriers::RegistrationBeacon::ranged("", "301", "12", kUuidA, "1.000000", "-60"));
    EXPECT_TRUE(arrivals().empty());
    EXPECT_TRUE(delegate->isState);
}

TEST_F(Alarm, ArrivalWhileAnotherScreenIsUpNotifiesWithoutTheFoundScreen) {
    storeCarrier(kUuidA, "300", "12", "Bag");
    launch();
    startSearch();
    // A screen without a scanner of its own, so the carrier's found log is the alarm's.
    main().present(std::make_shared<ui::Screen>("Cover"), false);
    tag(kUuidA, 300, 12);
    advance(1);
    EXPECT_EQ(arrivals(), (std::vector<std::string>{"캐리어가 도착했습니다."}));
    const auto logs = standIn->unitSearchLogs(); // the scanner's entry log "11" besides
    EXPECT_EQ(std::count_if(logs.begin(), logs.end(),
                            [](const auto& log) { return log.at("sUnitUUID") == kUuidA; }),
              1);
    EXPECT_EQ(window().front()->name(), "Cover");
    EXPECT_FALSE(delegate->isState);
}

TEST_F(Alarm, AdapterSwitchedOffStopsTheSearchAndOkResetsTheButton) {
    storeCarrier(kUuidA, "300", "12", "Bag");
    launch();
    startSearch();
    bluetooth.setState(platform::AdapterState::PoweredOff);
    EXPECT_EQ(frontAlert()->title, "경고");
    EXPECT_FALSE(radio->scanning()); // stopped at once
    EXPECT_TRUE(delegate->isState);
    window().pressAlertButton("OK");
    EXPECT_FALSE(delegate->isState);
    EXPECT_EQ(main().btn_Alarm.image(), "off.png");

    // Started while the adapter is off: no region is left behind to alarm later.
    startSearch();
    EXPECT_EQ(frontAlert()->title, "경고");
    window().pressAlertButton("OK");
    bluetooth.setState(platform::AdapterState::PoweredOn);
    tag(kUuidA, 300, 12);
    advance(3);
    EXPECT_TRUE(arrivals().empty());
    EXPECT_EQ(main().btn_Alarm.image(), "off.png");
}

class Found : public CarrierFixture {
protected:
    carriers::UIFind& show() {
        launch();
        main().present(std::make_shared<carriers::UIFind>(*plat), false);
        return static_cast<carriers::UIFind&>(*window().front());
    }
};

TEST_F(Found, VibratesElevenTimesOneSecondApart) {
    auto& find = show();
    advance(0.5);
    EXPECT_EQ(vibration.pulses, 0);
    advance(0.5);
    EXPECT_EQ(vibration.pulses, 1);
    advance(20);
    EXPECT_EQ(vibration.pulses, 11);
    EXPECT_FALSE(find.timerRunning());
    EXPECT_FALSE(find.isTimerStart);
}

TEST_F(Found, ClosingOrLeavingTheScreenStopsTheVibration) {
    auto& find = show();
    advance(3);
    find.btn_Close1.tap();
    EXPECT_EQ(window().front()->name(), "UIFind");
    advance(0.1); // it leaves a tenth of a second later
    EXPECT_EQ(window().front(), &main());
    advance(10);
    EXPECT_EQ(vibration.pulses, 3);

    auto& again = show();
    advance(2);
    main().dismiss(false);
    advance(10);
    EXPECT_EQ(vibration.pulses, 3 + 2);
    EXPECT_FALSE(again.timerRunning());
}

} // namespace
