#include "platform/Bluetooth.h"

#include <algorithm>

namespace platform {

std::string_view adapterStateName(AdapterState state) {
    switch (state) {
    case AdapterState::Unknown:
        return "unknown";
    case AdapterState::Resetting:
        return "resetting";
    case AdapterState::Unsupported:
        return "unsupported";
    case AdapterState::Unauthorized:
        return "unauthorized";
    case AdapterState::PoweredOff:
        return "poweredOff";
    case AdapterState::PoweredOn:
        return "poweredOn";
    }
    return "unknown";
}

AdapterState adapterStateOf(bool adapterPresent, bool poweredOn) {
    if (!adapterPresent)
        return AdapterState::Unsupported;
    return poweredOn ? AdapterState::PoweredOn : AdapterState::PoweredOff;
}

BluetoothAdapter::BluetoothAdapter() : observers_(std::make_shared<std::vector<Entry>>()) {}
BluetoothAdapter::~BluetoothAdapter() = default;

std::shared_ptr<void> BluetoothAdapter::observe(Observer observer) {
    const int id = nextId_++;
    observers_->push_back({id, std::make_shared<Observer>(std::move(observer))});
    std::weak_ptr<std::vector<Entry>> list = observers_;
    return std::shared_ptr<void>(nullptr, [list, id](void*) {
        if (auto l = list.lock())
            std::erase_if(*l, [id](const Entry& e) { return e.id == id; });
    });
}

void BluetoothAdapter::notify(AdapterState state) {
    // Observers dropped while others run are skipped.
    const std::vector<Entry> snapshot = *observers_;
    for (const Entry& e : snapshot) {
        const bool live = std::any_of(observers_->begin(), observers_->end(),
                                      [&](const Entry& x) { return x.id == e.id; });
        if (live)
            (*e.observer)(state);
    }
}

void SimulatedBluetoothAdapter::setState(AdapterState state) {
    if (state == state_)
        return;
    state_ = state;
    notify(state);
}

} // namespace platform
