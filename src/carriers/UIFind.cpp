#include "carriers/UIFind.h"

namespace carriers {

UIFind::UIFind(platform::Platform& platform) : ui::Screen("UIFind"), platform_(platform) {
    addOutlet("btn_Close1", btn_Close1);
    addOutlet("btn_Close", btn_Close);
    btn_Close.setTitle("닫기");
    btn_Close.onTap = [this] { btn_Close_Clicked(); };
    btn_Close1.onTap = [this] { processFinished(); };
}

void UIFind::viewDidAppear(bool) {
    iCount = 0;
    isTimerStart = true;
    if (!timer_.running())
        timer_ = lifetime_.every(platform::seconds(kPulseSeconds), [this] { tick(); });
}

void UIFind::tick() {
    if (!isTimerStart)
        return;
    platform_.vibration.vibrate();
    const std::int32_t before = iCount++;
    if (before >= kLastCount) {
        timer_.cancel();
        isTimerStart = false;
    }
}

void UIFind::processFinished() {
    if (timer_.running()) {
        isTimerStart = false;
        timer_.cancel();
    }
    lifetime_.post(platform::seconds(kCloseDelaySeconds), [this] {
        // Closed already (a second tap) or taken out of the window: nothing to close.
        if (window())
            dismiss(true);
    });
}

void UIFind::viewDidDisappear(bool) {
    if (timer_.running()) {
        isTimerStart = false;
        timer_.cancel();
    }
}

} // namespace carriers
