#include "carriers/UIFind.h"

namespace carriers {

UIFind::UIFind(platform::Platform& platform) : ui::Screen("UIFind"), platform_(platform) {
    addOutlet("btn_Close1", btn_Close1);
    addOutlet("btn_Close", btn_Close);
    btn_Close.setTitle("닫기");
    btn_Close.onTap = [this] { btn_Close_Clicked(); };
    btn_Close1.onTap = [this] { processFinished(); };
}

UIFind::~UIFind() {
    stopTimer();
}

void UIFind::viewDidAppear(bool) {
    iCount = 0;
    isTimerStart = true;
    if (timer_)
        return;
    std::weak_ptr<ui::Screen> weak = weak_from_this();
    timer_ = platform_.loop.startRepeating(platform::seconds(kPulseSeconds), [this, weak] {
        if (weak.lock())
            tick();
    });
}

void UIFind::tick() {
    if (!isTimerStart)
        return;
    platform_.vibration.vibrate();
    const std::int32_t before = iCount++;
    if (before >= kLastCount) {
        stopTimer();
        isTimerStart = false;
    }
}

void UIFind::stopTimer() {
    if (timer_) {
        platform_.loop.cancel(*timer_);
        timer_.reset();
    }
}

void UIFind::processFinished() {
    if (timer_) {
        isTimerStart = false;
        stopTimer();
    }
    std::weak_ptr<ui::Screen> weak = weak_from_this();
    platform_.loop.postDelayed(platform::seconds(kCloseDelaySeconds), [weak] {
        // Closed already (a second tap) or taken out of the window: nothing to close.
        if (auto self = weak.lock(); self && self->window())
            self->dismiss(true);
    });
}

void UIFind::viewDidDisappear(bool) {
    if (timer_) {
        isTimerStart = false;
        stopTimer();
    }
}

} // namespace carriers
