// The window's own parts: its start options, the menu backdrop's blur, and the tags read
// from what Qt Bluetooth discovers.
#include "Backdrop.h"
#include "QtOptions.h"
#include "QtTestApp.h"
#include "platform/QtBeaconRadio.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <ranges>

namespace {

using platform::AdapterState;
using qtshell::QtBeaconRadio;
using qtshell::QtOptions;
using qtshell::takeQtOptions;

/// A command line's words, apart by spaces.
std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    for (auto word : std::views::split(line, ' '))
        out.emplace_back(word.begin(), word.end());
    return out;
}

TEST(QtOptions, WindowOptionsAndStepsAreTakenAndTheRestLeftForQt) {
    std::vector<std::string> args = words(
        R"(-platform offscreen --scale 1.5 --open-menu --first-frame-exit --tap btn_Menu1 )"
        R"(--tap list/2/btn_Delete --press 확인 --step {"cmd":"select","outlet":"t","row":1} )"
        R"(--wait 1.5 --radio bluetooth --screen-size 320x568)");
    QtOptions o;
    ASSERT_FALSE(takeQtOptions(args, o));
    EXPECT_EQ(args, (std::vector<std::string>{"-platform", "offscreen"}));
    EXPECT_DOUBLE_EQ(o.scale, 1.5);
    EXPECT_TRUE(o.openMenu);
    EXPECT_TRUE(o.firstFrameExit);
    EXPECT_EQ(o.radio, QtOptions::Radio::Bluetooth);
    EXPECT_EQ(o.screenSize, (std::pair<double, double>{320, 568}));
    ASSERT_EQ(o.steps.size(), 5u);
    // A tap in a table's row becomes the driver's own command.
    EXPECT_EQ(
        nlohmann::json::parse(o.steps[1].command),
        nlohmann::json({{"cmd", "tap"}, {"table", "list"}, {"row", 2}, {"outlet", "btn_Delete"}}));
    EXPECT_TRUE(o.steps[4].command.empty());
    EXPECT_EQ(o.steps[4].waitMs, 1500);

    // Missing or unusable values.
    for (const char* bad :
         {"--scale", "--scale big", "--scale 1.5x", "--scale 0.1", "--scale 100", "--scale nan",
          "--tap", "--tap list/x/btn", "--tap list/1", "--wait soon", "--wait -1", "--step tap",
          R"(--step {"outlet":"x"})", "--radio wifi", "--screen-size 320", "--screen-size 20x30"}) {
        std::vector<std::string> args = words(bad);
        QtOptions rejected;
        EXPECT_TRUE(takeQtOptions(args, rejected)) << bad;
    }
}

QImage filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

TEST(BackdropBlur, SoftensEdgesOnlyAndTakesTinyOrEmptyPictures) {
    const QColor teal(8, 126, 139);
    const QImage uniform = qtshell::Backdrop::blurred(filled({40, 30}, teal), 4);
    ASSERT_EQ(uniform.size(), QSize(40, 30));
    for (QPoint p : {QPoint(0, 0), QPoint(39, 29), QPoint(20, 15)})
        EXPECT_EQ(uniform.pixelColor(p), teal);

    QImage edge = filled({40, 10}, Qt::black);
    for (int y = 0; y < 10; ++y)
        for (int x = 20; x < 40; ++x)
            edge.setPixelColor(x, y, Qt::white);
    const QImage blurred = qtshell::Backdrop::blurred(edge, 3);
    const auto red = [&](int x) { return blurred.pixelColor(x, 5).red(); };
    EXPECT_EQ(red(0), 0);
    EXPECT_TRUE(0 < red(18) && red(18) < red(21) && red(21) < 255) << red(18) << " " << red(21);
    EXPECT_EQ(red(39), 255);

    EXPECT_EQ(qtshell::Backdrop::blurred(filled({1, 1}, Qt::red), 8).pixelColor(0, 0),
              QColor(Qt::red));
    EXPECT_TRUE(qtshell::Backdrop::blurred(QImage(), 4).isNull());
    EXPECT_EQ(qtshell::Backdrop::blurred(filled({3, 2}, Qt::blue), 0).size(), QSize(3, 2));
}

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

TEST(QtBluetooth, DiscoveryFailingForWantOfPowerOrPermissionSaysSo) {
    gui_testing::qtApp();
    qtshell::QtBluetoothAdapter adapter;
    adapter.discoveryFailed(QBluetoothDeviceDiscoveryAgent::PoweredOffError);
    EXPECT_EQ(adapter.state(), AdapterState::PoweredOff);
    adapter.discoveryFailed(QBluetoothDeviceDiscoveryAgent::MissingPermissionsError);
    EXPECT_EQ(adapter.state(), AdapterState::Unauthorized);
}

} // namespace
