// The bridge between the UI model and QML, driven by the real app core.
#include "CoreFixture.h"

#include <QPointer>
#include <QSignalSpy>

namespace gui_testing {
namespace {

using qtshell::ScreenItem;

class BridgeTest : public CoreFixture {};

TEST_F(BridgeTest, MainScreenOutletsReachTheModel) {
    launch();
    ASSERT_EQ(bridge->stack()->count(), 1);
    EXPECT_EQ(item(0)->name(), "ViewController");
    // Every outlet, listed in the screen's own order.
    EXPECT_EQ(item(0)->outletNames().size(), item(0)->outlets().size());
    EXPECT_EQ(item(0)->outletNames().value(0), "lbl_Date");

    const QVariantMap status = outlet(0, "lbl_Status");
    EXPECT_EQ(status.value("kind").toString(), "label");
    EXPECT_EQ(status.value("text").toString(), "정보없음");
    EXPECT_EQ(status.value("cornerRadius").toDouble(), 8.0);
    const QVariantMap button = outlet(0, "addButton");
    EXPECT_EQ(button.value("kind").toString(), "floatingMenu");
    EXPECT_DOUBLE_EQ(button.value("frame").toMap().value("y").toDouble(), 667 - 44 - 80);
    EXPECT_EQ(button.value("titles").toStringList(),
              (QStringList{"여권사진", "출입국신고서", "환율계산기", "도움말"}));
    EXPECT_EQ(outlet(0, "Img_BottomBackgroud").value("image").toString(), "main1_background2.jpg");
}

TEST_F(BridgeTest, OutletAddedWhileTheScreenLoadsIsInTheModel) {
    // Without the help overlay nothing changes the floating button after it is added,
    // so only a re-read of the screen's outlets can bring it in.
    helpAlreadySeen();
    launch();
    const QVariantMap button = outlet(0, "addButton");
    ASSERT_FALSE(button.isEmpty());
    EXPECT_FALSE(button.value("hidden").toBool());
    EXPECT_TRUE(outlet(0, "View_Help").value("hidden").toBool());
}

TEST_F(BridgeTest, EventsReachTheCoreOnlyThroughTouchableOutlets) {
    launch(); // first start: the help overlay covers the screen and hides the floating button
    ScreenItem* main = item(0);
    EXPECT_FALSE(main->tap("addButton"));
    EXPECT_TRUE(main->tap("btn_Help_Close"));
    EXPECT_TRUE(main->tap("addButton"));
    EXPECT_TRUE(outlet(0, "addButton").value("open").toBool());
    EXPECT_EQ(outlet(0, "addButton").value("rows").toList().size(), 4);
    EXPECT_TRUE(main->menuSelect(3)); // help
    EXPECT_FALSE(outlet(0, "View_Help").value("hidden").toBool());
    EXPECT_TRUE(outlet(0, "addButton").value("hidden").toBool());
}

TEST_F(BridgeTest, ABurstOfChangesIsAnnouncedOnce) {
    launch();
    ScreenItem* main = item(0);
    QSignalSpy changed(main, &ScreenItem::outletsChanged);
    main->tap("btn_Help_Close"); // hides the overlay, shows the button
    main->tap("addButton");
    EXPECT_EQ(changed.count(), 0); // not yet: the views redraw on the next turn
    drain();
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(BridgeTest, AlertQueueFrontIsExposedAndPressed) {
    location.setState(platform::LocationAuthorization::State::Denied);
    launch();
    ASSERT_EQ(bridge->alertCount(), 1);
    EXPECT_EQ(bridge->alert().value("title").toString(), "서비스 안내");
    EXPECT_EQ(bridge->alert().value("buttons").toList().value(0).toMap().value("title"), "확인");

    QSignalSpy changed(bridge.get(), &qtshell::WindowBridge::alertsChanged);
    EXPECT_FALSE(bridge->pressAlertButton("취소"));
    EXPECT_TRUE(bridge->pressAlertButton("확인"));
    EXPECT_EQ(bridge->alertCount(), 0);
    EXPECT_TRUE(bridge->alert().isEmpty());
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(BridgeTest, PresentedScreenJoinsTheStackAndLeavesWhenDismissed) {
    helpAlreadySeen();
    camera.present = true;
    launch();
    QSignalSpy presented(bridge.get(), &qtshell::WindowBridge::screenPresented);
    QSignalSpy dismissed(bridge.get(), &qtshell::WindowBridge::screenDismissed);

    item(0)->tap("addButton");
    item(0)->menuSelect(0); // passport photo: the camera picker slides up
    ASSERT_EQ(presented.count(), 1);
    EXPECT_TRUE(presented[0][1].toBool());
    ASSERT_EQ(bridge->stack()->count(), 2);
    QPointer<ScreenItem> picker = item(1);
    EXPECT_EQ(picker->name(), "UIImagePickerController");
    EXPECT_EQ(picker->outlets().value("btn_Capture").toMap().value("title").toString(), "촬영");

    // The picker dismisses itself from its own button; the event ends safely.
    EXPECT_TRUE(picker->tap("btn_Cancel"));
    ASSERT_EQ(dismissed.count(), 1);
    EXPECT_EQ(dismissed[0][0].value<QObject*>(), picker.data());
    EXPECT_TRUE(dismissed[0][1].toBool());
    EXPECT_EQ(bridge->stack()->count(), 1);
    EXPECT_FALSE(picker->attached());
    EXPECT_FALSE(picker->tap("btn_Capture")); // gone from the window: no more events

    picker->release(); // the view has finished sliding it away
    drain();
    EXPECT_TRUE(picker.isNull());
}

} // namespace
} // namespace gui_testing
