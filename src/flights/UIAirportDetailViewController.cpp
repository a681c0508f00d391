#include "flights/UIAirportDetailViewController.h"

#include "flights/FlightStatements.h"
#include "flights/UIAirportCustomCellText.h"
#include "flights/UIFlightHistory.h"
#include "storage/Connection.h"
#include "storage/SqlFormat.h"

namespace flights {
namespace {

constexpr std::string_view kStoredFlight =
    "SELECT flightId FROM aFlightInfo WHERE airportcode_departure = '%@' AND "
    "airportcode_arrival = '%@' AND flightId = '%@' AND scheduleDate = '%@'";
constexpr const char* kRegisteredCarriers = "SELECT sUUID, sMajor, sMinor FROM aRegistration";

} // namespace

std::string detailDateTime(std::string_view date, std::string_view time) {
    std::string out(textPart(date, 0, 4));
    out += '/';
    out += textPart(date, 4, 2);
    out += '/';
    out += textPart(date, 6, 2);
    out += ' ';
    out += textPart(time, 0, 2);
    out += ':';
    out += textPart(time, 2, 2);
    return out;
}

std::string detailScheduleLine(std::string_view estimatedDate, std::string_view scheduleDate,
                               std::string_view scheduleTime, std::string_view estimatedTime) {
    if (estimatedDate.empty())
        return scheduleTime.empty() ? std::string() : detailDateTime(scheduleDate, scheduleTime);
    return detailDateTime(scheduleDate, estimatedTime);
}

void logFlightTracking(app::AppContext& context, const AirportInfo& info,
                       const std::string& status) {
    const auto carriers =
        storage::Connection(context.databaseFile())->query(kRegisteredCarriers).valueOr({});
    if (carriers.empty())
        return;
    const storage::Row& carrier = carriers.back();

    remote::FlightLogInput in;
    in.airportcodeDeparture = info.sAirportCode_Departure();
    in.airportcodeArrival = info.sAirportCode_Arrival();
    in.scheduleDate = info.sScheduleDate_Departure();
    in.scheduleTime = info.sScheduleTime_Departure();
    in.flightId = info.sFlightId();
    in.airline = info.sAirLine();
    in.airportDeparture = info.sAirport_Departure();
    in.airportArrival = info.sAirport_Arrival();
    in.estimatedDate = info.sEstimatedDate_Departure();
    in.estimatedTime = info.sEstimatedTime_Departure();
    in.exitnumber = info.sExitNumber();
    in.gatenumber = info.sGateNumber();
    in.chkinrange = info.sChkInRange();
    in.carousel = info.sCarousel();
    in.remark = info.sRemark();
    in.flag = info.sIo();
    in.scheduleDate1 = info.sScheduleDate_Arrival();
    in.scheduleTime1 = info.sScheduleTime_Arrival();
    in.estimatedDate1 = info.sEstimatedDate_Arrival();
    in.estimatedTime1 = info.sEstimatedTime_Arrival();
    in.unitUUID = carrier.value("0");
    in.unitMajor = carrier.value("1");
    in.unitMinor = carrier.value("2");
    in.logStatus = status;
    (void)context.commands().Log_FilghtInput01(in); // the answer is not used
}

UIAirportDetailViewController::UIAirportDetailViewController(app::AppContext& context)
    : ui::Screen("UIAirportDetailViewController"), dbClass(context.databaseFile()),
      context_(context) {
    for (auto [name, label] : {std::pair{"lbl_Airline", &lbl_Airline},
                               {"lbl_FlightId", &lbl_FlightId},
                               {"lbl_ScheduleDateTime", &lbl_ScheduleDateTime},
                               {"lbl_EstimatedDateTime", &lbl_EstimatedDateTime},
                               {"lbl_Departure_Airport", &lbl_Departure_Airport},
                               {"lbl_Arrival_Airport", &lbl_Arrival_Airport},
                               {"lbl_ChkIn", &lbl_ChkIn},
                               {"lbl_GateNum", &lbl_GateNum},
                               {"lbl_Carousel", &lbl_Carousel},
                               {"lbl_ExitNum", &lbl_ExitNum}})
        addOutlet(name, *label);
    addOutlet("btn_Insert", btn_Insert);
    addOutlet("btn_Close", btn_Close);
    btn_Close.setTitle("닫기");
    btn_Insert.onTap = [this] { btnInsertClicked(); };
    btn_Close.onTap = [this] { closeView(); };
}

void UIAirportDetailViewController::viewDidLoad() {
    storage::createDatabase(dbClass);
}

void UIAirportDetailViewController::getAirportInfo(const AirportInfo& info) {
    airportInfo1 = info;
    const AirportInfo& i = airportInfo1;
    lbl_Airline.setText(i.sAirLine());
    lbl_FlightId.setText(i.sFlightId());
    lbl_ScheduleDateTime.setText(
        detailScheduleLine(i.sEstimatedDate_Departure(), i.sScheduleDate_Departure(),
                           i.sScheduleTime_Departure(), i.sEstimatedTime_Departure()));
    lbl_EstimatedDateTime.setText(
        detailScheduleLine(i.sEstimatedDate_Arrival(), i.sScheduleDate_Arrival(),
                           i.sScheduleTime_Arrival(), i.sEstimatedTime_Arrival()));
    lbl_Departure_Airport.setText(i.sAirport_Departure());
    lbl_Arrival_Airport.setText(i.sAirport_Arrival());
    lbl_ChkIn.setText(i.sChkInRange());
    lbl_GateNum.setText(i.sGateNumber());
    lbl_Carousel.setText(i.sCarousel());
    lbl_ExitNum.setText(i.sExitNumber());
    // A flight from the search is saved; any other is offered for removal.
    const bool fromSearch = i.sFlag() == "1";
    btn_Insert.setImage(fromSearch ? "m3_pop_save_off.jpg" : "m3_pop_save1_off.jpg");
    btn_Insert.setTitle(fromSearch ? "내 항공편 등록" : "등록 취소");
    btn_Insert.setState(fromSearch ? "save" : "remove");
}

bool UIAirportDetailViewController::isStored() {
    const FlightKey key = FlightKey::of(airportInfo1);
    return !storage::Connection(dbClass)
                ->query(storage::sqlFormat(kStoredFlight,
                                           {key.airportcode_departure, key.airportcode_arrival,
                                            key.flightId, key.scheduleDate}))
                .valueOr({})
                .empty();
}

void UIAirportDetailViewController::btnInsertClicked() {
    using namespace detail_text;
    const bool stored = isStored();
    if (airportInfo1.sFlag() != "1") {
        showAlert(untrackQuestion(lifetime_, [this] { deleteInfo(); }));
        return;
    }
    if (stored) {
        showAlert(ui::Alert::simple(kExistsTitle, kExists, "확인"));
        return;
    }
    insertInfo();
}

void UIAirportDetailViewController::closeAfterSuccess() {
    if (auto d = delegate.lock())
        d->endAirportDetail();
    closeView();
}

void UIAirportDetailViewController::closeView() {
    if (ui::Screen* p = parent())
        p->removeChild(this);
}

void UIAirportDetailViewController::insertInfo() {
    using namespace detail_text;
    {
        const storage::Connection connection(dbClass);
        storage::Status result = dbClass.execute(insertFlightStatement(airportInfo1));
        // The rewrite is for a flight already stored; after a failing file (full, locked,
        // read-only) it would match no row and report a save that did not happen.
        if (result == storage::Status::Refused)
            result = dbClass.execute(rewriteFlightStatement(airportInfo1));
        if (result == storage::Status::Ok) {
            // A flight tracked again starts without the history of an earlier tracking that
            // another build may have left.
            forgetFlight(dbClass, FlightKey::of(airportInfo1));
            showAlert(okAlert(lifetime_, kSavedTitle, kSaved, [this] { closeAfterSuccess(); }));
        } else
            showAlert(ui::Alert::simple(kSaveFailedTitle, kSaveFailed, "OK"));
    }
    rewriteCalendar(context_);
    logFlightTracking(context_, airportInfo1, "1");
}

void UIAirportDetailViewController::deleteInfo() {
    using namespace detail_text;
    if (const storage::Connection connection(dbClass);
        dbClass.execute(deleteFlightStatement(FlightKey::of(airportInfo1))) ==
        storage::Status::Ok) {
        forgetFlight(dbClass, FlightKey::of(airportInfo1));
        showAlert(okAlert(lifetime_, kUntrackedTitle, kUntracked, [this] { closeAfterSuccess(); }));
    } else
        showAlert(ui::Alert::simple(kUntrackFailedTitle, kUntrackFailed, "OK"));
    rewriteCalendar(context_);
    logFlightTracking(context_, airportInfo1, "2");
}

} // namespace flights
