#pragma once
// Desktop services a test stands in for, on the private session bus (SessionBus.h).

#include "QtTestApp.h"
#include "SessionBus.h"

#include <QDBusConnection>
#include <gtest/gtest.h>

namespace gui_testing {

/// A test that talks to desktop services; skipped where no dbus-daemon runs.
class BusTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (SessionBus::address().empty())
            GTEST_SKIP() << "dbus-daemon is not available";
    }
};

/// A connection of its own to the private bus, named as the service it offers by start();
/// it leaves the bus when it ends.
struct BusService {
    explicit BusService(const QString& name)
        : name((qtApp(), name)), connection(QDBusConnection::connectToBus(
                                     QString::fromStdString(SessionBus::address()), name)) {}
    ~BusService() {
        connection.unregisterService(name);
        QDBusConnection::disconnectFromBus(name);
    }
    /// Offers @p object's slots and signals at the path the service's name spells.
    bool start(QObject& object) {
        return connection.registerObject(u'/' + QString(name).replace(u'.', u'/'), &object,
                                         QDBusConnection::ExportAllSlots |
                                             QDBusConnection::ExportAllSignals) &&
               connection.registerService(name);
    }
    const QString name;
    QDBusConnection connection;
};

} // namespace gui_testing
