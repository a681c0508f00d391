#pragma once
// The Bluetooth adapter's power state, as the carrier screens see it.

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

enum class AdapterState {
    Unknown,      ///< not known yet
    Resetting,    ///< the connection to the system's Bluetooth service was lost for a moment
    Unsupported,  ///< no Bluetooth Low Energy adapter
    Unauthorized, ///< the app may not use the adapter
    PoweredOff,
    PoweredOn,
};

/// "unknown", "resetting", "unsupported", "unauthorized", "poweredOff", "poweredOn".
std::string_view adapterStateName(AdapterState state);

/// The state of a desktop's adapter: none at all is unsupported, one switched off is
/// powered off.
AdapterState adapterStateOf(bool adapterPresent, bool poweredOn);

/// A source of the adapter's state. Observers are told of every change on the main loop.
class BluetoothAdapter {
public:
    using Observer = std::function<void(AdapterState)>;

    BluetoothAdapter();
    virtual ~BluetoothAdapter();
    BluetoothAdapter(const BluetoothAdapter&) = delete;
    BluetoothAdapter& operator=(const BluetoothAdapter&) = delete;

    virtual AdapterState state() const = 0;

    /// Calls `observer` with each new state until the returned handle is dropped. The
    /// handle may outlive the adapter.
    [[nodiscard]] std::shared_ptr<void> observe(Observer observer);

protected:
    /// Tells every observer; an observer may drop its own or another's handle meanwhile.
    void notify(AdapterState state);

private:
    struct Entry {
        int id;
        std::shared_ptr<Observer> observer;
    };
    std::shared_ptr<std::vector<Entry>> observers_;
    int nextId_ = 1;
};

/// An adapter whose state is set from outside (tests, the automation driver, the demo).
class SimulatedBluetoothAdapter final : public BluetoothAdapter {
public:
    explicit SimulatedBluetoothAdapter(AdapterState initial = AdapterState::PoweredOn)
        : state_(initial) {}
    AdapterState state() const override { return state_; }
    /// Changes the state and tells the observers when it differs.
    void setState(AdapterState state);

private:
    AdapterState state_;
};

} // namespace platform
