#pragma once
// The found screen: a carrier has arrived; the phone vibrates once a second, eleven times.

#include "platform/MainLoop.h"
#include "platform/Platform.h"
#include "ui/Screen.h"

#include <cstdint>
#include <optional>

namespace carriers {

class UIFind final : public ui::Screen {
public:
    static constexpr double kPulseSeconds = 1.0;
    /// The count before a tick from which the vibration stops after that tick.
    static constexpr std::int32_t kLastCount = 10;
    static constexpr double kCloseDelaySeconds = 0.1;

    explicit UIFind(platform::Platform& platform);
    ~UIFind() override;

    ui::Button btn_Close;
    ui::ImageView btn_Close1; ///< a picture that closes the screen too

    std::int32_t iCount = 0;
    bool isTimerStart = false;
    bool timerRunning() const { return timer_.has_value(); }

    void btn_Close_Clicked() { processFinished(); }
    /// Stops the vibration and closes the screen a tenth of a second later.
    void processFinished();

protected:
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void tick();
    void stopTimer();

    platform::Platform& platform_;
    std::optional<platform::TimerId> timer_;
};

} // namespace carriers
