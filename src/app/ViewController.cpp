#include "app/ViewController.h"

#include "app/AppDelegate.h"
#include "app/CardText.h"
#include "app/PassportPhoto.h"
#include "carriers/CarrierTexts.h"
#include "flights/FlightCalendar.h"
#include "flights/FlightHistory.h"
#include "flights/FlightText.h"
#include "platform/Files.h"
#include "platform/Log.h"
#include "storage/Connection.h"
#include "widgets/PictureSize.h"

namespace app {
namespace {

const ui::Color kWhite{1.0, 1.0, 1.0, 1.0};

void setStruck(ui::Label& label, std::string text) {
    const int n = ui::characterCount(text);
    label.setAttributedText(std::move(text), {ui::TextRun{0, n, true, std::nullopt}});
}

void setWhite(ui::Label& label, std::string text) {
    const int n = ui::characterCount(text);
    label.setAttributedText(std::move(text), {ui::TextRun{0, n, false, kWhite}});
}

/// The status word and its tone, which the view draws the badge in.
void setStatus(ui::Label& label, std::string word) {
    label.setState(std::string(flights::toneName(flights::statusTone(word))));
    label.setText(std::move(word));
}

} // namespace

ViewController::ViewController(AppContext& context, AppDelegate& delegate)
    : ui::Screen("ViewController"), dbClass(context.databaseFile()), context_(context),
      delegate_(delegate),
      environment_(context.platform.paths.documents, context.platform.paths.resources) {
    for (auto [name, label] : {std::pair{"lbl_Date", &lbl_Date},
                               {"lbl_FlightId", &lbl_FlightId},
                               {"lbl_Departure_Code", &lbl_Departure_Code},
                               {"lbl_Departure_Name", &lbl_Departure_Name},
                               {"lbl_Arrival_Code", &lbl_Arrival_Code},
                               {"lbl_Arrival_Name", &lbl_Arrival_Name},
                               {"lbl_Schedule_DepartureTime", &lbl_Schedule_DepartureTime},
                               {"lbl_Change_DepartureTime", &lbl_Change_DepartureTime},
                               {"lbl_Schedule_ArrivalTime", &lbl_Schedule_ArrivalTime},
                               {"lbl_Change_ArrivalTime", &lbl_Change_ArrivalTime},
                               {"lbl_Status", &lbl_Status},
                               {"lbl_GateNumber", &lbl_GateNumber},
                               {"lbl_CheckInRange", &lbl_CheckInRange},
                               {"lbl_Carousel", &lbl_Carousel},
                               {"lbl_ExitNumber", &lbl_ExitNumber},
                               {"lbl_Freshness", &lbl_Freshness},
                               {"lbl_Stale", &lbl_Stale}})
        addOutlet(name, *label);
    for (auto [name, view] : {std::pair{"v_AirportView", &v_AirportView},
                              {"v_Departure_Flight", &v_Departure_Flight},
                              {"v_Arrival_Flight", &v_Arrival_Flight},
                              {"v_BeAirSchedule", &v_BeAirSchedule},
                              {"v_NoAirSchedule", &v_NoAirSchedule},
                              {"View_Help", &View_Help}})
        addOutlet(name, *view);
    addOutlet("Img_BottomBackgroud", Img_BottomBackgroud);
    addOutlet("Img_Passport1", Img_Passport1);
    for (auto [name, button] : {std::pair{"btn_Menu1", &btn_Menu1},
                                {"btn_Menu2", &btn_Menu2},
                                {"btn_Menu3", &btn_Menu3},
                                {"btn_Menu4", &btn_Menu4},
                                {"btn_Alarm", &btn_Alarm},
                                {"btn_Help_Check", &btn_Help_Check},
                                {"btn_Help_Close", &btn_Help_Close},
                                {"btn_History", &btn_History}})
        addOutlet(name, *button);
    btn_Menu1.setTitle("캐리어 등록");
    btn_Menu2.setTitle("캐리어 목록");
    btn_Menu3.setTitle("항공권 검색");
    btn_Menu4.setTitle("호텔 검색");
    btn_Alarm.setTitle("캐리어 찾기");
    btn_Help_Check.setTitle("다시 보지 않기");
    btn_Help_Close.setTitle("닫기");
    btn_History.setTitle("변경 내역");
    lbl_Stale.setText(std::string(flights::kStaleMark));
    lbl_Stale.setHidden(true);

    // The card holds the flight band (shown only with a flight) and the empty band; the
    // help overlay covers the whole screen and holds its two buttons.
    contain(v_AirportView,
            {&v_BeAirSchedule, &v_NoAirSchedule, &lbl_Schedule_DepartureTime,
             &lbl_Change_DepartureTime, &lbl_Schedule_ArrivalTime, &lbl_Change_ArrivalTime,
             &lbl_Status, &lbl_GateNumber, &lbl_CheckInRange, &lbl_Carousel, &lbl_ExitNumber});
    contain(v_BeAirSchedule, {&lbl_Date, &lbl_FlightId, &lbl_Departure_Code, &lbl_Departure_Name,
                              &lbl_Arrival_Code, &lbl_Arrival_Name, &v_Departure_Flight,
                              &v_Arrival_Flight, &lbl_Freshness, &lbl_Stale, &btn_History});
    contain(View_Help, {&btn_Help_Check, &btn_Help_Close});
    View_Help.setCoversScreen(true);

    btn_Alarm.setImage(carriers::kAlarmOffPicture);
    carrierAlarm_ = std::make_shared<carriers::CarrierAlarm>(
        context_.carrierContext(), *this, btn_Alarm,
        carriers::CarrierAlarm::Hooks{
            [this] { return delegate_.isState; }, [this](bool on) { delegate_.isState = on; },
            [this](const std::string& message) { delegate_.scheduleLocalAlert(message); }});

    const auto& c = context_.config;
    refresh_ = std::make_unique<flights::FlightRefresh>(
        *this, context_.platform,
        flights::RefreshSetup{context_.serviceEndpoints(),
                              {c.internationalAirportAPI, c.domesticAirportsAPI, c.timetableAPI,
                               c.flightStatusServiceKey, c.timetableKey},
                              context_.databaseFile(),
                              context_.platform.paths.documents + "/" +
                                  std::string(flights::kCalendarFileName)});
}

void ViewController::viewDidLoad() {
    delegate_.isState = false;
    removeNotification();

    // The start-up check: a file that cannot be read is set aside here, once per start.
    storage::createDatabase(dbClass, &context_.platform.clock);

    v_BeAirSchedule.setHidden(false);
    v_NoAirSchedule.setHidden(true);
    Img_BottomBackgroud.setImage("main1_background2.jpg");
    lbl_Status.setCornerRadius(8);

    v_AirportView.onTap = [this] { AirportView_Taped(); };
    v_Departure_Flight.onTap = [this] { Airport_Departure_Taped(); };
    v_Arrival_Flight.onTap = [this] { Airport_Arrival_Taped(); };
    btn_Menu1.onTap = [this] { presentNamed("UIRegistration_Help"); };
    btn_Menu2.onTap = [this] { presentNamed("UICarrierList"); };
    btn_Menu3.onTap = [this] { presentNamed("VURavEravazo"); };
    btn_Menu4.onTap = [this] {
        const auto& c = context_.config;
        const char sep = c.hotelURL.find('?') == std::string::npos ? '?' : '&';
        context_.openUrl(c.hotelURL + sep + "a_aid=" + c.hotelAffiliateId);
    };
    btn_Alarm.onTap = [this] { btn_Alarm_Clicked(); };
    btn_History.onTap = [this] { presentNamed("UIFlightHistory"); };
    btn_Help_Check.onTap = [this] {
        environment_.setEnvironList();
        View_Help.setHidden(true);
        addButton->setHidden(false);
    };
    btn_Help_Close.onTap = [this] {
        View_Help.setHidden(true);
        addButton->setHidden(false);
    };

    floatingViewShow();

    const bool helpDone = environment_.getEnvironList();
    View_Help.setHidden(helpDone);
    addButton->setHidden(!helpDone);

    AirportUI();
    refresh_->rewriteCalendarSoon();
    registerNotification();

    lifetime_.post([this] {
        lifetime_.post([this] {
            if (context_.referenceCheck)
                context_.referenceCheck();
        });
    });
}

void ViewController::btn_Alarm_Clicked() {
    carrierAlarm_->btn_Alarm_Clicked();
}

void ViewController::returnedToForeground() {
    viewWillAppear(false);
    viewDidAppear(false);
}

void ViewController::viewWillAppear(bool) {
    context_.setIdleTimerDisabled(true);
}

void ViewController::viewDidAppear(bool) {
    const auto& location = context_.platform.location;
    const auto status = location.status();
    if (!location.servicesEnabled() || status == platform::LocationStatus::Denied ||
        status == platform::LocationStatus::NotDetermined)
        showAlert(ui::Alert::simple(kLocationAlertTitle, kLocationAlertMessage, "확인"));
    removeNotification();
    AirportUI();
    AirportChangeTimer();
}

void ViewController::viewDidDisappear(bool) {
    timer_.cancel();
    context_.setIdleTimerDisabled(false);
}

void ViewController::AirportChangeTimer() {
    timer_ = lifetime_.every(platform::seconds(kRefreshSeconds), [this] { updateMethod(); });
}

void ViewController::removeNotification() {
    context_.platform.notifications.setBadge(0);
    context_.platform.notifications.cancelAll();
}

void ViewController::registerNotification() {
    delegate_.registerUserNotificationSettings();
}

void ViewController::AirportUI() {
    if (getAirportInfo() && context_.refreshFlight)
        context_.refreshFlight(*this);
}

bool ViewController::getAirportInfo() {
    auto& clock = context_.platform.clock;
    const std::string day =
        platform::formatLocal(clock, clock.now() - std::chrono::seconds(3600), "yyyyMMdd");
    const auto rows =
        storage::Connection(dbClass)->query(flights::nextFlightStatement(day)).valueOr({});

    if (rows.empty()) {
        clearAirportView();
        v_NoAirSchedule.setHidden(false);
        v_BeAirSchedule.setHidden(true);
        Img_BottomBackgroud.setImage("main1_background2.jpg");
        return false;
    }
    tracked.assign(rows.front());
    showAirportview();
    freshnessChanged();
    v_NoAirSchedule.setHidden(true);
    v_BeAirSchedule.setHidden(false);
    Img_BottomBackgroud.setImage("main2_background2.png");
    return true;
}

void ViewController::showAirportview() {
    const auto& t = tracked;
    auto v = [](const flights::TrackedFlight::List& l) -> const std::string& {
        return flights::TrackedFlight::first(l);
    };

    if (!v(t.ScheduleTime_Departure_List).empty())
        setStruck(lbl_Schedule_DepartureTime, cardTime(v(t.ScheduleTime_Departure_List)));
    // An estimate date without an estimate time (a feed stored an empty estimate) shows the
    // schedule rather than a bare ":".
    if (!v(t.EstimatedDate_Departure_List).empty() && !v(t.EstimatedTime_Departure_List).empty())
        lbl_Change_DepartureTime.setText(cardTime(v(t.EstimatedTime_Departure_List)));
    else if (!v(t.ScheduleTime_Departure_List).empty())
        lbl_Change_DepartureTime.setText(cardTime(v(t.ScheduleTime_Departure_List)));
    else
        lbl_Change_DepartureTime.setText("");

    if (!v(t.ScheduleTime_Arrival_List).empty())
        setStruck(lbl_Schedule_ArrivalTime, cardTime(v(t.ScheduleTime_Arrival_List)));
    lbl_Change_ArrivalTime.setText(v(t.EstimatedTime_Arrival_List).empty()
                                       ? std::string()
                                       : cardTime(v(t.EstimatedTime_Arrival_List)));

    setStatus(lbl_Status, cardStatus(v(t.Remark_List)));

    std::string date = cardDate(v(t.ScheduleDate_List));
    const int n = ui::characterCount(date);
    lbl_Date.setAttributedText(std::move(date),
                               {ui::TextRun{std::max(n - 3, 0), std::min(n, 3), false, kWhite}});

    setWhite(lbl_Departure_Code, v(t.AirportCode_Departure_List));
    setWhite(lbl_Departure_Name, v(t.Airport_Departure_List));
    setWhite(lbl_Arrival_Code, v(t.AirportCode_Arrival_List));
    setWhite(lbl_Arrival_Name, v(t.Airport_Arrival_List));
    lbl_FlightId.setText(v(t.FlightId_List));

    lbl_Carousel.setText(cardValue(v(t.Carousel_List)));
    lbl_ExitNumber.setText(cardValue(v(t.ExitNumber_List)));
    lbl_CheckInRange.setText(cardValue(v(t.ChkInRange_List)));
    lbl_GateNumber.setText(cardValue(v(t.GateNumber_List)));
}

void ViewController::changeStatusPopup(const flights::StatusPopup& info) {
    showAlert(ui::Alert::simple(info.InfoText, info.Message, std::string(flights::kChangeButton)));
    // A desktop keeps refreshing while the person works in another window: there the change
    // is also a desktop notification (the platform shows none while the window is in front).
    platform::LocalNotification n;
    n.title = info.InfoText;
    n.body = info.Message;
    context_.platform.notifications.present(n);
}

void ViewController::freshnessChanged() {
    auto& clock = context_.platform.clock;
    lbl_Freshness.setText(flights::freshnessText(clock, refresh_->lastConfirmed(), clock.now()));
    lbl_Stale.setHidden(!refresh_->stale());
}

void ViewController::showStatusUnknown() {
    setStatus(lbl_Status, cardStatus(""));
}

void ViewController::clearAirportView() {
    lbl_Schedule_DepartureTime.setAttributedText("-", {});
    lbl_Schedule_ArrivalTime.setAttributedText("-", {});
    lbl_Date.setAttributedText("-", {});
    lbl_Change_DepartureTime.setText("-");
    lbl_Change_ArrivalTime.setText("-");
    setStatus(lbl_Status, "정보없음");
    for (ui::Label* l : {&lbl_Departure_Code, &lbl_Departure_Name, &lbl_Arrival_Code,
                         &lbl_Arrival_Name, &lbl_FlightId})
        l->setText("");
    for (ui::Label* l : {&lbl_Carousel, &lbl_ExitNumber, &lbl_CheckInRange, &lbl_GateNumber})
        l->setText("-");
}

void ViewController::floatingViewShow() {
    const double w = context_.screenWidth, h = context_.screenHeight;
    addButton = std::make_unique<widgets::FloatingActionButton>(
        widgets::Rect{w / 2 - 25, h - 44 - 80, 50, 50}, w, h, "main_butten", "main_butten_x",
        std::nullopt);
    addButton->imageArray = {"popup1_camera", "popup1_immigration", "popup1__money", "popup1_help"};
    addButton->labelArray = {"여권사진", "출입국신고서", "환율계산기", "도움말"};
    addButton->setHideWhileScrolling(true);
    addButton->delegate = std::static_pointer_cast<ViewController>(shared_from_this());
    addOutlet("addButton", *addButton);
}

void ViewController::didSelectMenuOptionAtIndex(int index) {
    if (index < 0 || index > 3)
        return;
    // The open menu would otherwise stay laid over whatever comes next.
    if (addButton->isMenuVisible())
        addButton->handleTap();
    switch (index) {
    case 0: {
        auto& camera = context_.platform.camera;
        if (!camera.available()) {
            ui::Alert alert =
                ui::Alert::simple("Camera error", "카메라를 지원하지 않는 기기입니다.", "OK");
            // A desktop can offer a picture file instead.
            if (camera.canChooseFile()) {
                alert.buttons.front().role = ui::AlertButton::Role::Cancel;
                alert.buttons.push_back({kChoosePhotoFile, ui::AlertButton::Role::Default,
                                         lifetime_.guard([this] { choosePassportFile(); })});
            }
            showAlert(std::move(alert));
            return;
        }
        auto self = std::static_pointer_cast<ViewController>(shared_from_this());
        present(std::make_shared<UIImagePickerController>(camera, context_.platform.loop, self),
                true);
        return;
    }
    case 1:
        presentNamed("UIInOut");
        return;
    case 2:
        presentNamed("UIExchange");
        return;
    case 3:
        View_Help.setHidden(false);
        addButton->setHidden(true);
        return;
    }
}

void ViewController::imagePickerDidFinish(const std::vector<unsigned char>& picture) {
    const bool saved = storePassportPhoto(picture);
    if (Screen* picker = presentedScreen())
        picker->dismiss(true);
    passportPhotoStored(saved);
}

void ViewController::choosePassportFile() {
    context_.platform.camera.chooseFile(
        lifetime_.guard([this](std::optional<std::vector<unsigned char>> picture) {
            if (!picture)
                return; // cancelled
            const std::string_view bytes(reinterpret_cast<const char*>(picture->data()),
                                         picture->size());
            // Only a picture becomes the passport photo; anything else keeps the one in use.
            if (!widgets::pictureSize(bytes)) {
                platform::logLine("passport photo: the chosen file is not a picture");
                showAlert(ui::Alert::simple("저장실패", kNotAPicture, "확인"));
                return;
            }
            passportPhotoStored(storePassportPhoto(*picture));
        }));
}

bool ViewController::storePassportPhoto(const std::vector<unsigned char>& picture) {
    const PassportPhoto photos(context_.platform.paths.documents);
    // The new picture is written before the photo in use is removed, so a failed write
    // loses nothing.
    const bool saved = photos.storeNew(picture);
    if (saved)
        Img_Passport1.setImage(photos.newPath());
    return saved;
}

void ViewController::passportPhotoStored(bool saved) {
    if (saved)
        showAlert(ui::Alert::simple("저장완료", "여권사진 저장이 완료되었습니다.", "확인"));
    else
        showAlert(ui::Alert::simple("저장실패", "여권사진을 저장하지 못했습니다.", "확인"));
}

void ViewController::imagePickerDidCancel() {
    if (Screen* picker = presentedScreen())
        picker->dismiss(true);
}

void ViewController::presentNamed(const std::string& name) {
    if (auto screen = context_.makeScreen(name))
        present(std::move(screen), false);
}

void ViewController::AirportView_Taped() {
    presentNamed("UIAirportSchedule1");
}

void ViewController::Airport_Departure_Taped() {
    if (context_.openCardGuide)
        context_.openCardGuide(*this,
                               flights::TrackedFlight::first(tracked.AirportCode_Departure_List));
}

void ViewController::Airport_Arrival_Taped() {
    if (context_.openCardGuide)
        context_.openCardGuide(*this,
                               flights::TrackedFlight::first(tracked.AirportCode_Arrival_List));
}

// ---- camera picker ------------------------------------------------------------

UIImagePickerController::UIImagePickerController(platform::Camera& camera, platform::MainLoop& loop,
                                                 std::weak_ptr<ImagePickerDelegate> delegate)
    : ui::Screen("UIImagePickerController"), camera_(camera), delegate_(std::move(delegate)),
      lifetime_(loop, *this) {
    addOutlet("btn_Capture", btn_Capture);
    addOutlet("btn_Cancel", btn_Cancel);
    btn_Capture.setTitle("촬영");
    btn_Cancel.setTitle("취소");
    btn_Capture.onTap = [this] {
        camera_.capture(lifetime_.guard([this](std::optional<std::vector<unsigned char>> picture) {
            // A picture that arrives after the picker was cancelled or closed is dropped.
            auto d = delegate_.lock();
            if (!d || !window())
                return;
            if (picture)
                d->imagePickerDidFinish(*picture);
            else
                d->imagePickerDidCancel();
        }));
    };
    btn_Cancel.onTap = [this] {
        if (auto d = delegate_.lock())
            d->imagePickerDidCancel();
    };
}

} // namespace app
