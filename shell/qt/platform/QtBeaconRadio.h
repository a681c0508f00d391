#pragma once
/// @file
/// Real luggage tags on a desktop: the adapter's power state and low-energy scanning through
/// Qt Bluetooth (BlueZ on Linux), with iBeacon frames read from the advertisements.

#include "platform/BeaconRanging.h"
#include "platform/Bluetooth.h"
#include "platform/IBeacon.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QBluetoothLocalDevice>
#include <QObject>
#include <memory>
#include <optional>

namespace qtshell {

/// The desktop's default adapter. No adapter at all is "unsupported"; one switched off is
/// "powered off".
class QtBluetoothAdapter final : public QObject, public platform::BluetoothAdapter {
    Q_OBJECT

public:
    explicit QtBluetoothAdapter(QObject* parent = nullptr);
    ~QtBluetoothAdapter() override;

    platform::AdapterState state() const override { return state_; }
    /// Looks at the adapter again (one may have been plugged in); tells observers of a change.
    void refresh();
    /// Discovery failed: the adapter is off, gone, or may not be used.
    void discoveryFailed(QBluetoothDeviceDiscoveryAgent::Error error);

    /// The adapter state for an adapter's presence and host mode.
    static platform::AdapterState stateFor(bool present, QBluetoothLocalDevice::HostMode mode);

private:
    void set(platform::AdapterState state);

    std::unique_ptr<QBluetoothLocalDevice> device_;
    platform::AdapterState state_ = platform::AdapterState::Unknown;
};

/// Hears tags by low-energy discovery while any region is monitored or ranged.
class QtBeaconRadio final : public QObject, public platform::BeaconRanging {
    Q_OBJECT

public:
    QtBeaconRadio(platform::MainLoop& loop, QtBluetoothAdapter& adapter, QObject* parent = nullptr);
    ~QtBeaconRadio() override;

    /// The iBeacon frame a discovered device advertises, if any.
    static std::optional<platform::IBeaconFrame> frameOf(const QBluetoothDeviceInfo& info);

protected:
    void scanningChanged(bool scanning) override;

private:
    void startDiscovery();
    void heard(const QBluetoothDeviceInfo& info);

    QtBluetoothAdapter& adapter_;
    std::unique_ptr<QBluetoothDeviceDiscoveryAgent> agent_;
    std::shared_ptr<void> adapterWatch_;
    bool wanted_ = false;
};

} // namespace qtshell
