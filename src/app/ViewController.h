#pragma once
// The main screen: the next-flight card, the menus, the floating tool menu, the help
// overlay and the passport photo.

#include "app/AppContext.h"
#include "app/Environment.h"
#include "carriers/CarrierAlarm.h"
#include "flights/FlightRefresh.h"
#include "flights/TrackedFlight.h"
#include "platform/Lifetime.h"
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
                             public flights::RefreshHost,
                             public ImagePickerDelegate {
public:
    static constexpr const char* kLocationAlertTitle = "서비스 안내";
    static constexpr const char* kLocationAlertMessage =
        "위치서비스가 활성화되어 있지 않아 서비스를 사용할 수 없습니다. "
        "설정>개인정보보호>위치서비스>토벨라문 메뉴에서 위치서비스를 활성화해 주십시오.";
    static constexpr double kRefreshSeconds = 60;
    /// The "Camera error" alert's second button where a picture file can be chosen instead,
    /// and what is said when the file chosen is not a picture.
    static constexpr const char* kChoosePhotoFile = "사진 파일 선택";
    static constexpr const char* kNotAPicture =
        "사진을 읽지 못했습니다. 다른 사진 파일을 선택해 주십시오.";

    ViewController(AppContext& context, AppDelegate& delegate);

    // ---- outlets
    ui::Label lbl_Date, lbl_FlightId, lbl_Departure_Code, lbl_Departure_Name, lbl_Arrival_Code,
        lbl_Arrival_Name, lbl_Schedule_DepartureTime, lbl_Change_DepartureTime,
        lbl_Schedule_ArrivalTime, lbl_Change_ArrivalTime, lbl_Status, lbl_GateNumber,
        lbl_CheckInRange, lbl_Carousel, lbl_ExitNumber;
    /// When the tracked values were last confirmed, and the mark that they may be stale.
    ui::Label lbl_Freshness, lbl_Stale;
    ui::View v_AirportView, v_Departure_Flight, v_Arrival_Flight, v_BeAirSchedule, v_NoAirSchedule,
        View_Help;
    ui::ImageView Img_BottomBackgroud, Img_Passport1;
    ui::Button btn_Menu1, btn_Menu2, btn_Menu3, btn_Menu4, btn_Alarm, btn_Help_Check,
        btn_Help_Close;
    /// Opens the tracked flight's change history.
    ui::Button btn_History;
    std::unique_ptr<widgets::FloatingActionButton> addButton;

    /// The next flight, refilled by getAirportInfo.
    flights::TrackedFlight tracked;

    // ---- operations of the screen
    bool getAirportInfo() override;
    void showAirportview();
    void clearAirportView();
    void AirportUI();
    void updateMethod() { AirportUI(); }
    void AirportChangeTimer();

    // ---- refresh of the tracked flight (the work is flights::FlightRefresh's)
    void getRenewData() { refresh_->getRenewData(); }
    void getInchonDBData(const std::string& scheduleDate, const std::string& flightId,
                         const std::string& io) {
        refresh_->getInchonDBData(scheduleDate, flightId, io);
    }
    void receivedDBAirportData(const flights::AnswerText& text) {
        refresh_->receivedDBAirportData(text);
    }
    void GetCityCode(const std::string& cityCode1, const std::string& cityCode2,
                     const std::string& ioType) {
        refresh_->GetCityCode(cityCode1, cityCode2, ioType);
    }
    void receivedCityCodeData(const flights::AnswerText& answer, const std::string& ioType) {
        refresh_->receivedCityCodeData(answer, ioType);
    }
    bool SendURL(const std::string& baseURL, const std::string& parameters) {
        return refresh_->SendURL(baseURL, parameters);
    }
    bool SendURL_Local(const std::string& baseURL, const std::string& parameters) {
        return refresh_->SendURL_Local(baseURL, parameters);
    }
    bool SendURL_International(const std::string& baseURL, const std::string& parameters) {
        return refresh_->SendURL_International(baseURL, parameters);
    }
    void receivedAirportData(const flights::AnswerText& text) {
        refresh_->receivedAirportData(text);
    }
    void receivedLocalAirportData(const flights::AnswerText& text) {
        refresh_->receivedLocalAirportData(text);
    }
    void getInternationalAirportDataParsing(const flights::AnswerText& text) {
        refresh_->getInternationalAirportDataParsing(text);
    }
    void insertInfo(const flights::LiveFields& fields, const flights::FlightKey& key) {
        refresh_->insertInfo(fields, key);
    }
    void changeStatusPopup(const flights::StatusPopup& info) override;
    [[nodiscard]] const flights::TrackedFlight& trackedFlight() const override { return tracked; }
    void showStatusUnknown() override;
    void freshnessChanged() override;
    [[nodiscard]] const flights::FlightRefresh& flightRefresh() const { return *refresh_; }
    void removeNotification();
    void registerNotification();
    void floatingViewShow();
    void didSelectMenuOptionAtIndex(int index) override;
    void imagePickerDidFinish(const std::vector<unsigned char>& picture) override;
    void imagePickerDidCancel() override;
    /// Without a camera: the person chooses a picture file, stored as a new photo would be.
    void choosePassportFile();

    /// The alarm button: starts a carrier search, or offers to stop the running one.
    void btn_Alarm_Clicked();
    /// The carrier search this screen runs (the scanner's delegate).
    carriers::CarrierAlarm& carrierAlarm() { return *carrierAlarm_; }
    /// The app came back from the background with this screen in front: it comes on
    /// display again.
    void returnedToForeground();

    bool timerRunning() const { return timer_.running(); }
    AppContext& context() { return context_; }

    storage::DBClass dbClass;

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
    /// Writes a new passport photo and shows it; false when it could not be written.
    bool storePassportPhoto(const std::vector<unsigned char>& picture);
    /// "저장완료", or "저장실패" when the photo could not be written.
    void passportPhotoStored(bool saved);

    AppContext& context_;
    AppDelegate& delegate_;
    Environment environment_;
    platform::Timer timer_; ///< the refresh
    std::shared_ptr<carriers::CarrierAlarm> carrierAlarm_;
    std::unique_ptr<flights::FlightRefresh> refresh_;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

/// The camera picker: shows the viewfinder; "촬영" takes the picture, "취소" cancels.
class UIImagePickerController final : public ui::Screen {
public:
    UIImagePickerController(platform::Camera& camera, platform::MainLoop& loop,
                            std::weak_ptr<ImagePickerDelegate> delegate);
    ui::Button btn_Capture, btn_Cancel;

private:
    platform::Camera& camera_;
    std::weak_ptr<ImagePickerDelegate> delegate_;
    platform::Lifetime lifetime_;
};

} // namespace app
