// Local notifications against a real session bus (a private dbus-daemon).
#include "QtTestApp.h"
#include "SessionBus.h"
#include "platform/QtNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QObject>
#include <QSignalSpy>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace gui_testing {
namespace {

/// A notification server: records what it is asked to show.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList bodies;

public slots:
    uint Notify(const QString&, uint, const QString&, const QString&, const QString& body,
                const QStringList&, const QVariantMap&, int) {
        bodies.append(body);
        return static_cast<uint>(bodies.size());
    }
};

class NotificationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        if (SessionBus::address().empty())
            GTEST_SKIP() << "dbus-daemon is not available";
    }

    /// Registers the server on its own connection; returns false when it could not.
    bool startServer() {
        server = QDBusConnection::connectToBus(QString::fromStdString(SessionBus::address()),
                                               QStringLiteral("server"));
        return server.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake,
                                     QDBusConnection::ExportAllSlots) &&
               server.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void TearDown() override {
        if (server.isConnected()) {
            server.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
            QDBusConnection::disconnectFromBus(QStringLiteral("server"));
        }
    }

    static platform::LocalNotification alert(const char* body, double fireIn = 0) {
        platform::LocalNotification n;
        n.body = body;
        n.badge = 1;
        n.fireInSeconds = fireIn;
        n.sound = "default";
        return n;
    }

    NotificationServer fake;
    QDBusConnection server{QString()};
};

TEST_F(NotificationsTest, WithoutAServerTheWindowShowsABanner) {
    qtshell::QtNotifications notifications;
    EXPECT_FALSE(qtshell::QtNotifications::serverAvailable());
    QSignalSpy banner(&notifications, &qtshell::QtNotifications::banner);
    notifications.schedule(alert("캐리어가 도착했습니다."));
    EXPECT_EQ(banner.count(), 0); // it fires later, never at once
    waitUntil([&] { return banner.count() == 1; });
    EXPECT_EQ(banner[0][0].toString(), QStringLiteral("캐리어가 도착했습니다."));
    EXPECT_EQ(notifications.badge(), 1);
}

TEST_F(NotificationsTest, WithAServerTheDesktopShowsIt) {
    ASSERT_TRUE(startServer());
    qtshell::QtNotifications notifications;
    EXPECT_TRUE(qtshell::QtNotifications::serverAvailable());
    QSignalSpy banner(&notifications, &qtshell::QtNotifications::banner);
    notifications.schedule(alert("프로그램을 종료하시면 캐리어 검색이 안됩니다."));
    waitUntil([&] { return !fake.bodies.isEmpty(); });
    EXPECT_EQ(fake.bodies,
              QStringList{QStringLiteral("프로그램을 종료하시면 캐리어 검색이 안됩니다.")});
    EXPECT_EQ(banner.count(), 0);
}

TEST_F(NotificationsTest, CancelAllDropsWhatHasNotFiredYet) {
    qtshell::QtNotifications notifications;
    QSignalSpy banner(&notifications, &qtshell::QtNotifications::banner);
    notifications.schedule(alert("first", 0.05));
    notifications.schedule(alert("second", 0.05));
    EXPECT_EQ(notifications.pending(), 2);
    notifications.cancelAll();
    EXPECT_EQ(notifications.pending(), 0);
    notifications.schedule(alert("after"));
    waitUntil([&] { return banner.count() >= 1; });
    // A later one still arrives; the cancelled ones never do.
    QSignalSpy more(&notifications, &qtshell::QtNotifications::banner);
    notifications.schedule(alert("marker", 0.1));
    waitUntil([&] { return more.count() == 1; });
    EXPECT_EQ(banner.count(), 2);
    EXPECT_EQ(banner[0][0].toString(), "after");
    EXPECT_EQ(banner[1][0].toString(), "marker");
}

TEST_F(NotificationsTest, BadgeChangesAreAnnounced) {
    qtshell::QtNotifications notifications;
    QSignalSpy badge(&notifications, &qtshell::QtNotifications::badgeChanged);
    notifications.setBadge(0); // unchanged
    notifications.setBadge(3);
    notifications.setBadge(0);
    ASSERT_EQ(badge.count(), 2);
    EXPECT_EQ(badge[0][0].toInt(), 3);
    EXPECT_EQ(notifications.badge(), 0);
}

} // namespace
} // namespace gui_testing

#include "NotificationsTest.moc"
