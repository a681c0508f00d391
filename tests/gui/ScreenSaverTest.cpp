// Keeping the display on through a screen-saver service on a real session bus.
#include "BusService.h"
#include "platform/QtScreenSaver.h"

#include <QObject>
#include <QSignalSpy>
#include <QStringList>
#include <gtest/gtest.h>

namespace gui_testing {
namespace {

/// The desktop's screen saver: hands out cookies and records what it is asked.
class ScreenSaverService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList inhibitedBy;
    QList<uint> released;
    uint nextCookie = 41;

public slots:
    uint Inhibit(const QString& application, const QString& reason) {
        inhibitedBy.append(application + QStringLiteral(": ") + reason);
        return ++nextCookie;
    }
    void UnInhibit(uint cookie) { released.append(cookie); }
};

class ScreenSaverTest : public BusTest {
protected:
    ScreenSaverService fake;
    BusService service{QStringLiteral("org.freedesktop.ScreenSaver")};
};

TEST_F(ScreenSaverTest, InhibitsWhileAskedAndLetsGoWithTheSameCookieAlsoWhenEnding) {
    ASSERT_TRUE(service.start(fake));
    {
        qtshell::QtScreenSaver saver;
        saver.setInhibited(true);
        saver.setInhibited(true); // asking twice holds one inhibition
        waitUntil([&] { return saver.holding(); });
        EXPECT_EQ(fake.inhibitedBy,
                  QStringList{QStringLiteral("tamberlinove: 다음 항공편을 표시하는 중")});

        saver.setInhibited(false);
        EXPECT_FALSE(saver.holding());
        waitUntil([&] { return !fake.released.isEmpty(); });
        EXPECT_EQ(fake.released, QList<uint>{42});

        // Shown again: a fresh inhibition, let go when the saver ends.
        saver.setInhibited(true);
        waitUntil([&] { return saver.holding(); });
        EXPECT_EQ(fake.inhibitedBy.size(), 2);
    }
    waitUntil([&] { return fake.released.size() == 2; });
    EXPECT_EQ(fake.released.last(), 43u);
}

TEST_F(ScreenSaverTest, CoveredBeforeTheDesktopAnsweredStillLetsGo) {
    ASSERT_TRUE(service.start(fake));
    qtshell::QtScreenSaver saver;
    QSignalSpy holding(&saver, &qtshell::QtScreenSaver::holdingChanged);
    saver.setInhibited(true);
    saver.setInhibited(false); // before the answer arrives
    waitUntil([&] { return !fake.released.isEmpty(); });
    EXPECT_EQ(fake.inhibitedBy.size(), 1);
    EXPECT_EQ(fake.released, QList<uint>{42});
    EXPECT_FALSE(saver.holding());
    EXPECT_FALSE(saver.waiting());
    ASSERT_EQ(holding.count(), 2);
    EXPECT_FALSE(holding.last().at(0).toBool());
}

TEST_F(ScreenSaverTest, WithoutAScreenSaverNothingIsHeldOrRetried) {
    qtshell::QtScreenSaver saver;
    saver.setInhibited(true);
    EXPECT_TRUE(saver.waiting());
    waitUntil([&] { return !saver.waiting(); });
    EXPECT_FALSE(saver.holding());
    // A service that appears later is used at the next request.
    ASSERT_TRUE(service.start(fake));
    saver.setInhibited(false);
    saver.setInhibited(true);
    waitUntil([&] { return saver.holding(); });
    EXPECT_EQ(fake.inhibitedBy.size(), 1);
}

} // namespace
} // namespace gui_testing

#include "ScreenSaverTest.moc"
