// The application going to the background and coming back, and notifications that fire
// while it is in front.
#include "CarrierFixture.h"

using carriers_test::CarrierFixture;
using carriers_test::kUuidA;

namespace {

class Lifecycle : public CarrierFixture {
protected:
    void searching() {
        storeCarrier(kUuidA, "1", "1", "Bag");
        launch();
        main().btn_Alarm.tap();
        window().pressAlertButton("확인");
    }
};

TEST_F(Lifecycle, BackgroundDuringASearchWarnsOnceAndReturningToTheMainScreenDropsIt) {
    searching();
    delegate->enterBackground();
    delegate->enterBackground(); // still in the background: nothing more
    ASSERT_EQ(notifications.scheduled.size(), 1u);
    EXPECT_EQ(notifications.scheduled[0].body, "프로그램을 종료하시면 캐리어 검색이 안됩니다.");
    notifications.badge = 1;
    delegate->enterForeground(); // within the second: the warning never fires
    EXPECT_TRUE(notifications.scheduled.empty());
    EXPECT_EQ(notifications.badge, 0);
    EXPECT_TRUE(main().timerRunning());
}

TEST_F(Lifecycle, ReturningToAnotherScreenLeavesPendingNotificationsAlone) {
    searching();
    main().btn_Menu2.tap();
    delegate->enterBackground();
    delegate->enterForeground();
    EXPECT_EQ(notifications.scheduled.size(), 1u);
    delegate->enterForeground();             // not in the background: nothing happens
    EXPECT_EQ(notifications.cancelCount, 2); // only the main screen's load and appearance
}

TEST_F(Lifecycle, NotificationsAreNotPresentedInFrontButFromTheBackground) {
    launch();
    const auto n = app::AppDelegate::localAlert("캐리어가 도착했습니다.");
    EXPECT_FALSE(delegate->notificationFired(n));
    EXPECT_EQ(logCount("Handle push from foreground"), 1u);
    delegate->enterBackground();
    EXPECT_TRUE(delegate->notificationFired(n));
    delegate->notificationOpened(n);
    EXPECT_EQ(logCount("Handle push from background or closed"), 1u);
}

} // namespace
