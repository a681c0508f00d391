#pragma once
// The found screen: a carrier has arrived; the phone vibrates once a second, eleven times.

#include "platform/Lifetime.h"
#include "platform/Platform.h"
#include "ui/Screen.h"

#include <cstdint>

namespace carriers {

class UIFind final : public ui::Screen {
public:
    static constexpr double kPulseSeconds = 1.0;
    /// The count before a tick from which the vibration stops after that tick.
    static constexpr std::int32_t kLastCount = 10;
    static constexpr double kCloseDelaySeconds = 0.1;

    explicit UIFind(platform::Platform& platform);

    ui::Button btn_Close;
    ui::ImageView btn_Close1; ///< a picture that closes the screen too

    std::int32_t iCount = 0;
    bool isTimerStart = false;
    bool timerRunning() const { return timer_.running(); }

    void btn_Close_Clicked() { processFinished(); }
    /// Stops the vibration and closes the screen a tenth of a second later.
    void processFinished();

protected:
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void tick();

    platform::Platform& platform_;
    platform::Timer timer_;
    platform::Lifetime lifetime_{platform_.loop, *this};
};

} // namespace carriers
