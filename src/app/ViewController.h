#pragma once
// The main screen: the next-flight card, the menus, the floating tool menu, the help
// overlay and the passport photo.

#include "app/AppContext.h"
#include "app/Environment.h"
#include "app/TrackedFlight.h"
#include "platform/MainLoop.h"
#include "storage/DBClass.h"
#include "ui/Screen.h"
#include "widgets/FloatingActionButton.h"

#include <memory>
#include <optional>
#include <vector>

namespace app {

class AppDelegate;

/// What a camera picker reports to the screen that opened it.
class ImagePickerDelegate {
public:
    virtual ~ImagePickerDelegate() = default;
    /// The picture taken, as encoded bytes.
    virtual void imagePickerDidFinish(const std::vector<unsigned char>& picture) = 0;
    virtual void imagePickerDidCancel() = 0;
};

class ViewController final : public ui::Screen,
                             public widgets::floatMenuDelegate,
                             public ImagePickerDelegate {
public:
    static constexpr const char* kLocationAlertTitle = "서비스 안내";
    static constexpr const char* kLocationAlertMessage =
        "위치서비스가 활성화되어 있지 않아 서비스를 사용할 수 없습니다. "
        "설정>개인정보보호>위치서비스>토벨라문 메뉴에서 위치서비스를 활성화해 주십시오.";
    static constexpr double kRefreshSeconds = 60;

    ViewController(AppContext& context, AppDelegate& delegate);
    ~ViewController() override;

    // ---- outlets
    ui::Label lbl_Date, lbl_FlightId, lbl_Departure_Code, lbl_Departure_Name, lbl_Arrival_Code,
        lbl_Arrival_Name, lbl_Schedule_DepartureTime, lbl_Change_DepartureTime,
        lbl_Schedule_ArrivalTime, lbl_Change_ArrivalTime, lbl_Status, lbl_GateNumber,
        lbl_CheckInRange, lbl_Carousel, lbl_ExitNumber;
    ui::View v_AirportView, v_Departure_Flight, v_Arrival_Flight, v_BeAirSchedule, v_NoAirSchedule,
        View_Help;
    ui::ImageView Img_BottomBackgroud, Img_Passport1;
    ui::Button btn_Menu1, btn_Menu2, btn_Menu3, btn_Menu4, btn_Alarm, btn_Help_Check,
        btn_Help_Close;
    std::unique_ptr<widgets::FloatingActionButton> addButton;

    /// The next flight, refilled by getAirportInfo.
    TrackedFlight tracked;

    // ---- operations of the screen
    bool getAirportInfo();
    void showAirportview();
    void clearAirportView();
    void AirportUI();
    void updateMethod() { AirportUI(); }
    void AirportChangeTimer();
    void removeNotification();
    void registerNotification();
    void floatingViewShow();
    void didSelectMenuOptionAtIndex(int index) override;
    void imagePickerDidFinish(const std::vector<unsigned char>& picture) override;
    void imagePickerDidCancel() override;

    bool timerRunning() const { return timer_.has_value(); }
    AppContext& context() { return context_; }
    storage::DBClass& dbClass() { return *dbClass_; }

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void AirportView_Taped();
    void Airport_Departure_Taped();
    void Airport_Arrival_Taped();
    void presentNamed(const std::string& screen);
    void stopTimer();
    template <typename F> std::function<void()> guarded(F f);

    AppContext& context_;
    AppDelegate& delegate_;
    Environment environment_;
    std::unique_ptr<storage::DBClass> dbClass_;
    std::optional<platform::TimerId> timer_;
};

/// The camera picker: shows the viewfinder; "촬영" takes the picture, "취소" cancels.
class UIImagePickerController final : public ui::Screen {
public:
    UIImagePickerController(platform::Camera& camera, std::weak_ptr<ImagePickerDelegate> delegate);
    ui::Button btn_Capture, btn_Cancel;

private:
    platform::Camera& camera_;
    std::weak_ptr<ImagePickerDelegate> delegate_;
};

} // namespace app
