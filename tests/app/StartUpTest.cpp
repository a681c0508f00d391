#include "AppFixture.h"

#include <filesystem>

using namespace std::chrono_literals;
using testing_support::AppFixture;

namespace {
class StartUp : public AppFixture {};
} // namespace

TEST_F(StartUp, FirstStartCreatesTheDatabaseFileShowsHelpAndTheEmptyCard) {
    launch();
    EXPECT_TRUE(std::filesystem::exists(storage::DBClass::databasePath(data.str())));

    auto& m = main();
    EXPECT_TRUE(m.isOnDisplay());
    EXPECT_FALSE(m.View_Help.hidden());
    EXPECT_TRUE(m.addButton->hidden());
    EXPECT_TRUE(m.v_BeAirSchedule.hidden());
    EXPECT_FALSE(m.v_NoAirSchedule.hidden());
    EXPECT_EQ(m.lbl_Status.text(), "정보없음");
    EXPECT_TRUE(context->idleTimerDisabled());
    EXPECT_TRUE(window().alerts().empty());
    EXPECT_EQ(notifications.badge, 0);
    EXPECT_GE(notifications.cancelCount, 2); // on load and on appearing
    EXPECT_FALSE(delegate->isState);
}

TEST_F(StartUp, ReferenceCheckRunsOnlyAfterTwoTurnsOfTheLoop) {
    plat = makePlatform(resources);
    context = std::make_unique<app::AppContext>(*plat, app::Config{});
    app::install(*context);
    std::vector<std::string> order;
    context->referenceCheck = [&] { order.push_back("check"); };
    delegate = std::make_unique<app::AppDelegate>(*context);
    delegate->didFinishLaunching(std::nullopt);
    loop->post([&] { order.push_back("next turn"); });
    EXPECT_TRUE(order.empty());
    loop->runUntilIdle();
    EXPECT_EQ(order, (std::vector<std::string>{"next turn", "check"}));
}

TEST_F(StartUp, RefreshTimerTicksAndTheDisplayStaysOnOnlyWhileTheMainScreenShows) {
    storeFlight(flight("KE701", "20261207", "1030", "20261207"));
    launch();
    EXPECT_EQ(refreshes, 2); // on load and on appearing
    EXPECT_TRUE(main().timerRunning());
    loop->advance(59s);
    EXPECT_EQ(refreshes, 2);
    loop->advance(1s);
    EXPECT_EQ(refreshes, 3);
    loop->advance(120s);
    EXPECT_EQ(refreshes, 5);

    main().present(std::make_shared<ui::Screen>("Cover"), false);
    EXPECT_FALSE(main().timerRunning());
    EXPECT_FALSE(context->idleTimerDisabled());
    loop->advance(600s);
    EXPECT_EQ(refreshes, 5);

    main().dismiss(false); // coming back refreshes at once and starts a fresh timer
    EXPECT_EQ(refreshes, 6);
    loop->advance(30s);
    EXPECT_EQ(refreshes, 6);
    loop->advance(30s);
    EXPECT_EQ(refreshes, 7);
    // The app ending on the main screen lets the display sleep again.
    delegate.reset();
    context.reset();
    EXPECT_EQ(screenSaver.changes, (std::vector<bool>{true, false, true, false}));
}

TEST_F(StartUp, NoFlightMeansNoRefreshButTheTimerStillRuns) {
    launch();
    loop->advance(300s);
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(main().timerRunning());
}

TEST_F(StartUp, LocationAlertIsShownOnlyWhenLocationIsOffDeniedOrUndetermined) {
    using State = platform::LocationAuthorization::State;
    for (const auto& [state, shown] : {std::pair{State::Authorized, false},
                                       {State::Denied, true},
                                       {State::Undetermined, true},
                                       {State::Off, true},
                                       {State::Restricted, false}}) {
        location.setState(state);
        launch();
        SCOPED_TRACE(static_cast<int>(state));
        EXPECT_TRUE(main().timerRunning()); // start-up goes on
        ASSERT_EQ(window().alerts().size(), shown ? 1u : 0u);
        if (!shown)
            continue;
        const auto& a = window().alerts().front();
        EXPECT_EQ(a.title, "서비스 안내");
        EXPECT_EQ(a.message,
                  "위치서비스가 활성화되어 있지 않아 서비스를 사용할 수 없습니다. "
                  "설정>개인정보보호>위치서비스>토벨라문 메뉴에서 위치서비스를 활성화해 주십시오.");
        ASSERT_EQ(a.buttons.size(), 1u);
        EXPECT_EQ(a.buttons[0].title, "확인");
    }
}

TEST_F(StartUp, TickingTheHelpBoxKeepsTheOverlayAwayOnLaterStarts) {
    launch();
    ASSERT_TRUE(main().btn_Help_Close.tap());
    EXPECT_TRUE(main().View_Help.hidden());
    EXPECT_FALSE(main().addButton->hidden());
    EXPECT_FALSE(std::filesystem::exists(data.file("Environment.plist")));

    launch(); // closing without ticking: shown again
    EXPECT_FALSE(main().View_Help.hidden());
    ASSERT_TRUE(main().btn_Help_Check.tap());
    EXPECT_TRUE(main().View_Help.hidden());
    EXPECT_TRUE(std::filesystem::exists(data.file("Environment.plist")));

    launch();
    EXPECT_TRUE(main().View_Help.hidden());
    EXPECT_FALSE(main().addButton->hidden());
}

TEST_F(StartUp, OtherShortcutsAndMissingScreensPresentNothing) {
    launch("kr.vorneth.Other");
    EXPECT_EQ(window().stack().size(), 1u);
    EXPECT_TRUE(delegate->performActionForShortcutItem("kr.vorneth.Other"));
    // The flight search is not registered in this test: reported, nothing presented.
    EXPECT_FALSE(delegate->performActionForShortcutItem("kr.vorneth.UIAirportSchedule"));
    EXPECT_EQ(window().stack().size(), 1u);
}
