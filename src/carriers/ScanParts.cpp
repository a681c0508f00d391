#include "carriers/ScanParts.h"

#include "carriers/CarrierTexts.h"

namespace carriers {

void ScanTimer::start(double seconds, std::weak_ptr<ui::Screen> owner,
                      std::function<void()> expire) {
    cancel();
    id_ = loop_.postDelayed(platform::seconds(seconds),
                            [this, owner = std::move(owner), expire = std::move(expire)] {
                                if (!owner.lock())
                                    return;
                                id_.reset();
                                expire();
                            });
}

void ScanTimer::cancel() {
    if (id_) {
        loop_.cancel(*id_);
        id_.reset();
    }
}

const char* carrierSeenText(bool seen, bool looking) {
    if (seen)
        return kNearText;
    return looking ? kLookingText : kNotFoundText;
}

void showScanning(ui::Button& refresh, ui::ImageView& searching, bool scanning) {
    refresh.setHidden(scanning);
    searching.setHidden(!scanning);
}

void alertAdapterOff(ui::Screen& screen, std::function<void()> stop) {
    std::weak_ptr<ui::Screen> weak = screen.weak_from_this();
    screen.showAlert(adapterOffAlert([weak, stop = std::move(stop)] {
        if (weak.lock())
            stop();
    }));
}

} // namespace carriers
