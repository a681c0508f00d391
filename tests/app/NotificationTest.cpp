#include "AppFixture.h"

using testing_support::AppFixture;

namespace {
class Notifications : public AppFixture {};
} // namespace

TEST(DeviceToken, AngleBracketsAndSpacesAreRemoved) {
    EXPECT_EQ(app::AppDelegate::formatDeviceToken("<1a2b3c4d 5e6f7a8b 9c0d1e2f>"),
              "1a2b3c4d5e6f7a8b9c0d1e2f");
    EXPECT_EQ(app::AppDelegate::formatDeviceToken("<>"), "");
}

TEST_F(Notifications, PushRegistrationStoresTheTokenOrLogsTheFailure) {
    push.token = "<aa bb cc>";
    launch();
    EXPECT_EQ(delegate->strDeviceToken, "aabbcc");
    EXPECT_GE(push.requests, 2); // at launch and from the main screen

    push.token.reset();
    log.clear();
    launch();
    const auto lines = log.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Error = " + push.error), lines.end());
}

// The warning during a search: the carriers' lifecycle test.
TEST_F(Notifications, BackgroundWithoutACarrierSearchWarnsOfNothing) {
    launch();
    delegate->applicationDidEnterBackground();
    EXPECT_TRUE(notifications.scheduled.empty());
}

TEST_F(Notifications, FiredNotificationIsKeptBackOnlyWhileTheFrontEndSaysInFront) {
    launch();
    const auto n = app::AppDelegate::localAlert("캐리어가 도착했습니다.");
    EXPECT_FALSE(delegate->notificationFired(n, true));
    EXPECT_TRUE(delegate->notificationFired(n, false)); // covered, yet not in the background
}

TEST_F(Notifications, MainScreenLoadClearsTheCarrierSearchFlag) {
    plat = makePlatform(resources);
    context = std::make_unique<app::AppContext>(*plat, app::Config{});
    app::install(*context);
    delegate = std::make_unique<app::AppDelegate>(*context);
    delegate->isState = true;
    delegate->didFinishLaunching(std::nullopt);
    EXPECT_FALSE(delegate->isState);
}
