#include "platform/QtBeaconRadio.h"

#include "platform/Log.h"

#include <QTimer>
#include <span>

namespace qtshell {
namespace {

/// Discovery that ended on its own (the stack stopped it) is started again after this long.
constexpr int kRestartMs = 1000;

} // namespace

// ---- adapter -----------------------------------------------------------------------

QtBluetoothAdapter::QtBluetoothAdapter(QObject* parent) : QObject(parent) {
    refresh();
}

QtBluetoothAdapter::~QtBluetoothAdapter() = default;

platform::AdapterState QtBluetoothAdapter::stateFor(bool present,
                                                    QBluetoothLocalDevice::HostMode mode) {
    return platform::adapterStateOf(present, mode != QBluetoothLocalDevice::HostPoweredOff);
}

void QtBluetoothAdapter::refresh() {
    if (!device_ || !device_->isValid()) {
        device_.reset();
        if (QBluetoothLocalDevice::allDevices().isEmpty()) {
            set(platform::AdapterState::Unsupported);
            return;
        }
        device_ = std::make_unique<QBluetoothLocalDevice>();
        if (!device_->isValid()) {
            device_.reset();
            set(platform::AdapterState::Unsupported);
            return;
        }
        connect(device_.get(), &QBluetoothLocalDevice::hostModeStateChanged, this,
                [this](QBluetoothLocalDevice::HostMode mode) { set(stateFor(true, mode)); });
    }
    set(stateFor(true, device_->hostMode()));
}

void QtBluetoothAdapter::discoveryFailed(QBluetoothDeviceDiscoveryAgent::Error error) {
    switch (error) {
    case QBluetoothDeviceDiscoveryAgent::PoweredOffError:
        set(platform::AdapterState::PoweredOff);
        return;
    case QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError:
    case QBluetoothDeviceDiscoveryAgent::UnsupportedPlatformError:
    case QBluetoothDeviceDiscoveryAgent::UnsupportedDiscoveryMethod:
        set(platform::AdapterState::Unsupported);
        return;
    case QBluetoothDeviceDiscoveryAgent::MissingPermissionsError:
        set(platform::AdapterState::Unauthorized);
        return;
    default:
        refresh();
        return;
    }
}

void QtBluetoothAdapter::set(platform::AdapterState state) {
    if (state == state_)
        return;
    state_ = state;
    platform::logLine("bluetooth adapter: " + std::string(platform::adapterStateName(state)));
    notify(state);
}

// ---- radio -------------------------------------------------------------------------

QtBeaconRadio::QtBeaconRadio(platform::MainLoop& loop, QtBluetoothAdapter& adapter, QObject* parent)
    : QObject(parent), platform::BeaconRanging(loop, adapter), adapter_(adapter) {
    // An adapter switched on while tags are wanted starts listening at once.
    adapterWatch_ = adapter_.observe([this](platform::AdapterState state) {
        if (state == platform::AdapterState::PoweredOn && wanted_)
            startDiscovery();
    });
}

QtBeaconRadio::~QtBeaconRadio() {
    shutdown();
    if (agent_)
        agent_->stop();
}

std::optional<platform::IBeaconFrame> QtBeaconRadio::frameOf(const QBluetoothDeviceInfo& info) {
    const QByteArray data = info.manufacturerData(platform::kIBeaconCompanyId);
    if (data.isEmpty())
        return std::nullopt;
    return platform::parseIBeaconData(
        platform::kIBeaconCompanyId,
        std::span(reinterpret_cast<const std::uint8_t*>(data.constData()),
                  static_cast<std::size_t>(data.size())));
}

void QtBeaconRadio::heard(const QBluetoothDeviceInfo& info) {
    if (auto frame = frameOf(info))
        hear(*frame, info.rssi());
}

void QtBeaconRadio::scanningChanged(bool scanning) {
    wanted_ = scanning;
    if (!scanning) {
        if (agent_)
            agent_->stop();
        return;
    }
    adapter_.refresh();
    startDiscovery();
}

void QtBeaconRadio::startDiscovery() {
    if (adapter_.state() != platform::AdapterState::PoweredOn)
        return;
    if (!agent_) {
        agent_ = std::make_unique<QBluetoothDeviceDiscoveryAgent>();
        // Low-energy discovery runs until it is stopped.
        agent_->setLowEnergyDiscoveryTimeout(0);
        connect(agent_.get(), &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
                [this](const QBluetoothDeviceInfo& info) { heard(info); });
        connect(agent_.get(), &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
                [this](const QBluetoothDeviceInfo& info, QBluetoothDeviceInfo::Fields) {
                    heard(info);
                });
        connect(agent_.get(), &QBluetoothDeviceDiscoveryAgent::errorOccurred, this,
                [this](QBluetoothDeviceDiscoveryAgent::Error error) {
                    platform::logLine("bluetooth discovery: " +
                                      agent_->errorString().toStdString());
                    adapter_.discoveryFailed(error);
                });
        connect(agent_.get(), &QBluetoothDeviceDiscoveryAgent::finished, this, [this] {
            if (wanted_)
                QTimer::singleShot(kRestartMs, this, [this] {
                    if (wanted_ && agent_ && !agent_->isActive())
                        startDiscovery();
                });
        });
    }
    if (!agent_->isActive())
        agent_->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

} // namespace qtshell
