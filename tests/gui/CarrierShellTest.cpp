// The window's carrier parts: reading tags from what Qt Bluetooth discovers, the adapter's
// states, and the screenshot steps.
#include "QtOptions.h"
#include "QtTestApp.h"
#include "platform/QtBeaconRadio.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using platform::AdapterState;
using qtshell::QtBeaconRadio;
using qtshell::QtBluetoothAdapter;

QBluetoothDeviceInfo device(quint16 company, const QByteArray& data) {
    QBluetoothDeviceInfo info(QBluetoothAddress(QStringLiteral("C4:7C:8D:6A:10:01")),
                              QStringLiteral("tag"), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    info.setRssi(-64);
    if (!data.isEmpty())
        info.setManufacturerData(company, data);
    return info;
}

TEST(QtBluetooth, IBeaconFrameIsReadFromTheDiscoveredManufacturerData) {
    const QByteArray frame = QByteArray::fromHex("0215D5FC0C59E3AF4493B85A4CEA5A1EDB9B012C000CC5");
    const auto read = QtBeaconRadio::frameOf(device(0x004C, frame));
    ASSERT_TRUE(read);
    EXPECT_EQ(platform::formatBeaconUuid(read->uuid), "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B");
    EXPECT_EQ(read->major, 300);
    EXPECT_EQ(read->minor, 12);
    EXPECT_EQ(read->measuredPower, -59);

    EXPECT_FALSE(QtBeaconRadio::frameOf(device(0x004C, {})));             // no data
    EXPECT_FALSE(QtBeaconRadio::frameOf(device(0x0075, frame)));          // another company
    EXPECT_FALSE(QtBeaconRadio::frameOf(device(0x004C, frame.left(10)))); // cut short
}

TEST(QtBluetooth, AdapterOfThisMachineIsReportedAsItIs) {
    gui_testing::qtApp();
    QtBluetoothAdapter adapter;
    if (QBluetoothLocalDevice::allDevices().isEmpty())
        EXPECT_EQ(adapter.state(), AdapterState::Unsupported);
    else
        EXPECT_TRUE(adapter.state() == AdapterState::PoweredOn ||
                    adapter.state() == AdapterState::PoweredOff);
    // Discovery that fails for want of an adapter or of power says so.
    adapter.discoveryFailed(QBluetoothDeviceDiscoveryAgent::PoweredOffError);
    EXPECT_EQ(adapter.state(), AdapterState::PoweredOff);
    adapter.discoveryFailed(QBluetoothDeviceDiscoveryAgent::MissingPermissionsError);
    EXPECT_EQ(adapter.state(), AdapterState::Unauthorized);
}

TEST(QtOptions, StepsRadioAndScreenSizeAreTaken) {
    std::vector<std::string> args{"--tap",         "btn_Menu1",
                                  "--tap",         "list/2/btn_Delete",
                                  "--press",       "확인",
                                  "--wait",        "1.5",
                                  "--step",        R"({"cmd":"select","outlet":"t","row":1})",
                                  "--radio",       "bluetooth",
                                  "--screen-size", "320x568",
                                  "-platform",     "offscreen"};
    qtshell::QtOptions o;
    ASSERT_FALSE(qtshell::takeQtOptions(args, o));
    EXPECT_EQ(args, (std::vector<std::string>{"-platform", "offscreen"}));
    ASSERT_EQ(o.steps.size(), 5u);
    // The shorthands become the driver's own commands.
    EXPECT_EQ(nlohmann::json::parse(o.steps[0].command),
              nlohmann::json({{"cmd", "tap"}, {"outlet", "btn_Menu1"}}));
    EXPECT_EQ(
        nlohmann::json::parse(o.steps[1].command),
        nlohmann::json({{"cmd", "tap"}, {"table", "list"}, {"row", 2}, {"outlet", "btn_Delete"}}));
    EXPECT_EQ(nlohmann::json::parse(o.steps[2].command),
              nlohmann::json({{"cmd", "alert"}, {"button", "확인"}}));
    EXPECT_TRUE(o.steps[3].command.empty());
    EXPECT_EQ(o.steps[3].waitMs, 1500);
    EXPECT_EQ(o.steps[4].command, R"({"cmd":"select","outlet":"t","row":1})");
    EXPECT_EQ(o.radio, qtshell::QtOptions::Radio::Bluetooth);
    ASSERT_TRUE(o.screenSize);
    EXPECT_DOUBLE_EQ(o.screenSize->first, 320);
    EXPECT_DOUBLE_EQ(o.screenSize->second, 568);

    for (std::vector<std::string> bad : {std::vector<std::string>{"--tap"},
                                         {"--tap", "list/x/btn"},
                                         {"--tap", "list/1"},
                                         {"--wait", "soon"},
                                         {"--wait", "-1"},
                                         {"--step", "tap"},
                                         {"--step", R"({"outlet":"x"})"},
                                         {"--radio", "wifi"},
                                         {"--screen-size", "320"},
                                         {"--screen-size", "20x30"}}) {
        qtshell::QtOptions rejected;
        EXPECT_TRUE(qtshell::takeQtOptions(bad, rejected)) << bad.front() << " " << bad.back();
    }
}

} // namespace
