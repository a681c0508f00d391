#pragma once
// One flight found by the search, laid over the search list: its details and the button
// that starts tracking it (or, for a flight already tracked, stops tracking it).

#include "app/AppContext.h"
#include "flights/AirportInfo.h"
#include "flights/UIAirportSchedule.h"
#include "storage/DBClass.h"
#include "ui/Screen.h"

#include <memory>

namespace flights {

/// Texts of the detail view's alerts.
namespace detail_text {
inline constexpr const char* kExistsTitle = "오류";
inline constexpr const char* kExists = "이미 데이터가 존재합니다.";
inline constexpr const char* kSavedTitle = "성공";
inline constexpr const char* kSaved = "저장이 완료되었습니다.";
inline constexpr const char* kSaveFailedTitle = "오류";
inline constexpr const char* kSaveFailed = "등록 실패하였습니다. 다시시도해 주세요.";
inline constexpr const char* kUntrackTitle = "등록취소";
inline constexpr const char* kUntrackQuestion = "등록을 취소하시겠습니까?";
inline constexpr const char* kUntrackedTitle = "성공";
inline constexpr const char* kUntracked = "등록취소가 완료되었습니다.";
inline constexpr const char* kUntrackFailedTitle = "실패";
inline constexpr const char* kUntrackFailed = "실패하였습니다. 다시시도해 주십시오.";
} // namespace detail_text

/// "yyyy/MM/dd HH:mm" from a date "yyyyMMdd" and a time "HHmm".
std::string detailDateTime(std::string_view date, std::string_view time);
/// The departure or arrival line: the scheduled date and time without an estimate (empty
/// without a scheduled time), else the scheduled date with the estimated time.
std::string detailScheduleLine(std::string_view estimatedDate, std::string_view scheduleDate,
                               std::string_view scheduleTime, std::string_view estimatedTime);

/// Tells the airport service that tracking of `info` started ("1") or stopped ("2"), with
/// the last registered carrier. Sends nothing when no carrier is registered.
void logFlightTracking(app::AppContext& context, const AirportInfo& info,
                       const std::string& status);

class UIAirportDetailViewController final : public ui::Screen {
public:
    explicit UIAirportDetailViewController(app::AppContext& context);

    ui::Label lbl_Airline, lbl_FlightId, lbl_ScheduleDateTime, lbl_EstimatedDateTime,
        lbl_Departure_Airport, lbl_Arrival_Airport, lbl_ChkIn, lbl_GateNum, lbl_Carousel,
        lbl_ExitNum;
    ui::Button btn_Insert, btn_Close;

    AirportInfo airportInfo1;
    std::weak_ptr<AirportDetailDelegate> delegate;
    storage::DBClass dbClass;

    /// Shows a flight.
    void getAirportInfo(const AirportInfo& info);
    /// Whether aFlightInfo holds a flight with the shown flight's four key values.
    bool isStored();
    void insertInfo();
    void deleteInfo();

protected:
    void viewDidLoad() override;

private:
    void btnInsertClicked();
    /// Closes the view after a success alert: the delegate first, then the view.
    void closeAfterSuccess();
    void closeView();

    app::AppContext& context_;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace flights
