// Local notifications against a real session bus (a private dbus-daemon) and real windows
// (offscreen), and when the window counts as in front of the person.
#include "BusService.h"
#include "WindowLifecycle.h"
#include "platform/Log.h"
#include "platform/QtDevices.h"
#include "platform/QtNotifications.h"

#include <QObject>
#include <QSignalSpy>
#include <QTest>
#include <QVariantMap>
#include <QWindow>
#include <gtest/gtest.h>

namespace gui_testing {
namespace {

/// A notification server as a desktop runs one: records what it is asked to show and tells
/// of clicks and closes.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList summaries, bodies;
    QVariantMap hints;

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap& h, int) {
        summaries.append(summary);
        bodies.append(body);
        hints = h;
        return static_cast<uint>(bodies.size());
    }

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);
};

/// What docks and task managers hear of the launcher entry.
class LauncherListener : public QObject {
    Q_OBJECT

public:
    QList<QPair<QString, QVariantMap>> updates;

public slots:
    void Update(const QString& uri, const QVariantMap& properties) {
        updates.append({uri, properties});
    }
};

class NotificationsTest : public BusTest {
protected:
    static platform::LocalNotification alert(const char* body, double fireIn = 0) {
        platform::LocalNotification n;
        n.body = body;
        n.badge = 1;
        n.fireInSeconds = fireIn;
        n.sound = "default";
        return n;
    }

    NotificationServer fake;
    BusService server{QStringLiteral("org.freedesktop.Notifications")};
};

TEST(WindowInFront, OnlyAnActiveWindowInTheForegroundIsInFront) {
    struct Case {
        QWindow::Visibility visibility;
        bool active, locked, inFront;
    };
    for (const Case c :
         {Case{QWindow::Windowed, true, false, true}, Case{QWindow::Maximized, true, false, true},
          Case{QWindow::FullScreen, true, false, true},
          Case{QWindow::Windowed, false, false, false}, // covered by another
          Case{QWindow::Windowed, true, true, false}, Case{QWindow::Minimized, true, false, false},
          Case{QWindow::Hidden, false, false, false}})
        EXPECT_EQ(qtshell::WindowLifecycle::inFront(c.visibility, c.active, c.locked), c.inFront)
            << c.visibility << c.active << c.locked;
}

TEST(WindowInFront, RealWindowFeedsItAndLosingTheFocusIsNoBackground) {
    qtApp();
    QWindow window, other;
    std::vector<bool> changes;
    qtshell::WindowLifecycle lifecycle(window,
                                       [&](bool background) { changes.push_back(background); });
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActive(); }));
    EXPECT_TRUE(lifecycle.inFront());
    other.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isActive(); }));
    EXPECT_FALSE(lifecycle.inFront());
    EXPECT_TRUE(changes.empty());
    window.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.visibility() == QWindow::Minimized; }));
    EXPECT_FALSE(lifecycle.inFront());
    EXPECT_EQ(changes, std::vector<bool>{true});
}

TEST_F(NotificationsTest,
       WithoutAServerTheWindowAsksForAttentionAndShowsABannerToTapOnceCancelledOnesNever) {
    qtshell::QtNotifications notifications;
    QSignalSpy banner(&notifications, &qtshell::QtNotifications::banner);
    QSignalSpy attention(&notifications, &qtshell::QtNotifications::attentionRequested);
    std::vector<std::string> opened;
    notifications.opened = [&](const platform::LocalNotification& n) { opened.push_back(n.body); };
    notifications.schedule(alert("cancelled", 0.05)); // due first, but cancelled
    notifications.cancelAll();
    EXPECT_EQ(notifications.pending(), 0);
    notifications.schedule(alert("캐리어가 도착했습니다.", 0.1));
    EXPECT_EQ(banner.count(), 0); // it fires later, never at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return banner.count() == 1; }));
    EXPECT_EQ(banner[0][0].toString(), QStringLiteral("캐리어가 도착했습니다."));
    EXPECT_EQ(attention.count(), 1);
    EXPECT_EQ(notifications.badge(), 1);
    notifications.bannerTapped();
    notifications.bannerTapped(); // the banner is gone: nothing more
    EXPECT_EQ(opened, std::vector<std::string>{"캐리어가 도착했습니다."});
}

TEST_F(NotificationsTest, DesktopShowsItAndAClickRaisesTheWindowUntilTheServerClosesIt) {
    ASSERT_TRUE(server.start(fake));
    QWindow window, other;
    window.show();
    other.show(); // takes the focus
    window.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window.visibility() == QWindow::Minimized && !window.isActive(); }));
    qtshell::QtNotifications notifications;
    notifications.setWindow(&window);
    QSignalSpy delivered(&notifications, &qtshell::QtNotifications::delivered);
    std::vector<std::string> opened;
    notifications.opened = [&](const platform::LocalNotification& n) { opened.push_back(n.body); };
    notifications.schedule(alert("프로그램을 종료하시면 캐리어 검색이 안됩니다."));
    notifications.schedule(alert("캐리어가 도착했습니다."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.count() == 2; }));
    EXPECT_EQ(fake.bodies.size(), 2);
    EXPECT_EQ(fake.hints.value(QStringLiteral("desktop-entry")),
              QStringLiteral("kr.vorneth.tamberlinove"));

    // The first is closed by the server, so a late click on it does nothing; the signals
    // arrive in order, so the second's click comes after.
    emit fake.NotificationClosed(1, 2);
    emit fake.ActionInvoked(1, QStringLiteral("default"));
    emit fake.ActionInvoked(2, QStringLiteral("default"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.empty(); }));
    EXPECT_EQ(opened, std::vector<std::string>{"캐리어가 도착했습니다."});
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActive(); }));
    EXPECT_NE(window.visibility(), QWindow::Minimized);

    // A flight change is shown at once under its own title; cancelling the scheduled ones
    // does not take it back.
    auto change = alert("탑승구가 변경되었습니다.");
    change.title = "정보변경";
    notifications.present(change);
    notifications.cancelAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.count() == 3; }));
    EXPECT_EQ(fake.summaries.last(), QStringLiteral("정보변경"));
}

TEST_F(NotificationsTest, BadgeReachesTheLauncherEntry) {
    LauncherListener launcher;
    ASSERT_TRUE(server.connection.connect(
        QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
        QStringLiteral("Update"), &launcher, SLOT(Update(QString, QVariantMap))));
    qtshell::QtNotifications notifications;
    QSignalSpy badge(&notifications, &qtshell::QtNotifications::badgeChanged);
    notifications.setBadge(0); // unchanged
    notifications.setBadge(1);
    notifications.setBadge(0);
    EXPECT_EQ(badge.count(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return launcher.updates.size() == 2; }));
    for (int i : {0, 1}) {
        const auto& [uri, properties] = launcher.updates[i];
        EXPECT_EQ(uri, QStringLiteral("application://kr.vorneth.tamberlinove.desktop"));
        EXPECT_EQ(properties.value(QStringLiteral("count")).metaType(),
                  QMetaType::fromType<qlonglong>());
        EXPECT_EQ(properties.value(QStringLiteral("count")).toLongLong(), 1 - i);
        EXPECT_EQ(properties.value(QStringLiteral("count-visible")).toBool(), i == 0);
    }
}

TEST(DesktopVibration, EveryPulseShakesTheWindowAndAMissingSoundIsLoggedOnceAtMost) {
    qtApp();
    platform::CapturedLog log;
    platform::setLog(&log);
    qtshell::QtVibration vibration;
    QSignalSpy pulses(&vibration, &qtshell::QtVibration::pulse);
    for (int i = 0; i < 3; ++i)
        vibration.vibrate();
    platform::setLog(nullptr);
    EXPECT_EQ(pulses.count(), 3);
    const auto lines = log.lines();
    EXPECT_LE(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line != "vibrate"; }),
              1);
}

} // namespace
} // namespace gui_testing

#include "NotificationsTest.moc"
