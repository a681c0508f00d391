#include "tools/VURavEravazo.h"

#include "tools/PlaceText.h"
#include "widgets/CalendarDates.h"

namespace tools {

VURavEravazo::VURavEravazo(app::AppContext& context)
    : ui::Screen("VURavEravazo"), context_(context) {
    addOutlet("v_TopView", v_TopView);
    addOutlet("v_SelectPlace", v_SelectPlace);
    for (auto [name, field] : {std::pair{"txt_Departure", &txt_Departure},
                               {"txt_Arrival", &txt_Arrival},
                               {"txt_StartDate", &txt_StartDate},
                               {"txt_ReturnDate", &txt_ReturnDate},
                               {"txt_Audlt_Count", &txt_Audlt_Count},
                               {"txt_Children_Count", &txt_Children_Count},
                               {"txt_Infants_Count", &txt_Infants_Count}})
        addOutlet(name, *field);
    for (auto [name, button] : {std::pair{"btn_Oneway", &btn_Oneway},
                                {"btn_Return", &btn_Return},
                                {"btn_Change", &btn_Change},
                                {"btn_StartDate", &btn_StartDate},
                                {"btn_ReturnDate", &btn_ReturnDate},
                                {"btn_Audlt_Plus", &btn_Audlt_Plus},
                                {"btn_Audlt_Minus", &btn_Audlt_Minus},
                                {"btn_Children_Plus", &btn_Children_Plus},
                                {"btn_Children_Minus", &btn_Children_Minus},
                                {"btn_Infants_Plus", &btn_Infants_Plus},
                                {"btn_Infants_Minus", &btn_Infants_Minus},
                                {"btn_Search", &btn_Search},
                                {"btn_Back", &btn_Back}})
        addOutlet(name, *button);
    contain(v_TopView, {&btn_Back});
    contain(v_SelectPlace, {&txt_Departure, &txt_Arrival, &btn_Change});

    // The layout: a one-way trip for one adult.
    btn_Oneway.setTitle("편도");
    btn_Return.setTitle("왕복");
    btn_Oneway.setImage("oneway_active.png");
    btn_Return.setImage("roundtrip.png");
    btn_Oneway.setState("chosen");
    btn_Return.setState("");
    txt_ReturnDate.setEnabled(false);
    btn_ReturnDate.setEnabled(false);
    txt_Audlt_Count.setText("1");
    txt_Children_Count.setText("0");
    txt_Infants_Count.setText("0");
    btn_Search.setTitle("항공권 검색");
    btn_Back.setTitle("닫기");
    for (ui::Button* b : {&btn_Audlt_Plus, &btn_Children_Plus, &btn_Infants_Plus})
        b->setTitle("+");
    for (ui::Button* b : {&btn_Audlt_Minus, &btn_Children_Minus, &btn_Infants_Minus})
        b->setTitle("-");
}

VURavEravazo::~VURavEravazo() = default;

widgets::Rect VURavEravazo::departureFrame() const {
    return {16, 120, context_.screenWidth / 2 - 40, 44};
}

widgets::Rect VURavEravazo::arrivalFrame() const {
    return {context_.screenWidth / 2 + 24, 120, context_.screenWidth / 2 - 40, 44};
}

void VURavEravazo::viewDidLoad() {
    btn_Oneway.onTap = [this] { btn_Oneway_Selected(); };
    btn_Return.onTap = [this] { btn_Return_Selected(); };
    btn_Change.onTap = [this] { btn_Change_Selected(); };
    btn_StartDate.onTap = [this] { btn_StartDate_Selected(); };
    btn_ReturnDate.onTap = [this] { btn_ReturnDate_Selected(); };
    btn_Audlt_Plus.onTap = [this] { btn_Audlt_Plus_Selected(); };
    btn_Audlt_Minus.onTap = [this] { btn_Audlt_Minus_Selected(); };
    btn_Children_Plus.onTap = [this] { btn_Children_Plus_Selected(); };
    btn_Children_Minus.onTap = [this] { btn_Children_Minus_Selected(); };
    btn_Infants_Plus.onTap = [this] { btn_Infants_Plus_Selected(); };
    btn_Infants_Minus.onTap = [this] { btn_Infants_Minus_Selected(); };
    btn_Search.onTap = [this] { btn_Search_Selected(); };
    btn_Back.onTap = [this] { btn_Back_Selected(); };

    // Counts change only through their buttons.
    for (ui::TextField* count : {&txt_Audlt_Count, &txt_Children_Count, &txt_Infants_Count})
        count->setEnabled(false);
    departures_ = makeList(txt_Departure, departureFrame(), "departures");
    arrivals_ = makeList(txt_Arrival, arrivalFrame(), "arrivals");
}

std::shared_ptr<AutoFillTableViewController>
VURavEravazo::makeList(ui::TextField& field, const widgets::Rect& frame, std::string key) {
    auto list = std::make_shared<AutoFillTableViewController>(context_.commands());
    addChild(list, std::move(key));
    list->createTableViewWithYPosition(frame.x, frame.bottom(), frame.width, kListHeight);
    list->bindField(field);
    if (field.onEditingChanged)
        field.onEditingChanged();
    list->tableView.setHidden(true);
    return list;
}

void VURavEravazo::btn_Oneway_Selected() {
    btn_Oneway.setImage("oneway_active.png");
    btn_Return.setImage("roundtrip.png");
    btn_Oneway.setState("chosen");
    btn_Return.setState("");
    txt_ReturnDate.setText("");
    txt_ReturnDate.setEnabled(false);
    // A one-way trip has no return date to pick.
    btn_ReturnDate.setEnabled(false);
}

void VURavEravazo::btn_Return_Selected() {
    btn_Oneway.setImage("oneway.png");
    btn_Return.setImage("roundtrip_active.png");
    btn_Oneway.setState("");
    btn_Return.setState("chosen");
    txt_ReturnDate.setEnabled(true);
    btn_ReturnDate.setEnabled(true);
}

void VURavEravazo::btn_Change_Selected() {
    std::string departure = txt_Departure.text();
    txt_Departure.setText(txt_Arrival.text());
    txt_Arrival.setText(std::move(departure));
}

void VURavEravazo::openPicker(ui::TextField& field, const std::string& flag) {
    field.setFirstResponder(false);
    auto picker = std::make_shared<widgets::SingleSelectionController>(
        context_.platform.clock, context_.screenWidth, context_.screenHeight, flag);
    picker->delegate = std::static_pointer_cast<VURavEravazo>(shared_from_this());
    present(std::move(picker), false);
}

void VURavEravazo::getChoickDate_Flag(std::optional<widgets::Day> date, const std::string& flag) {
    ui::TextField& field = flag == "1" ? txt_StartDate : txt_ReturnDate;
    field.setText(date ? widgets::dates::formatDashed(*date) : std::string());
}

void VURavEravazo::press(ui::TextField& count, int step) {
    if (auto next = countAfterPress(count.text(), step))
        count.setText(*next);
}

ReferralInput VURavEravazo::input() const {
    return {airportCodeOf(txt_Departure.text()),
            airportCodeOf(txt_Arrival.text()),
            txt_StartDate.text(),
            txt_ReturnDate.text(),
            txt_Audlt_Count.text(),
            txt_Children_Count.text(),
            txt_Infants_Count.text()};
}

void VURavEravazo::btn_Search_Selected() {
    const ReferralInput in = input();
    if (auto problem = referralProblem(in)) {
        alertDialog(*problem);
        return;
    }
    const auto& config = context_.config;
    context_.openUrl(referralAddress(config.referralBase, config.referralKey, in));
}

void VURavEravazo::alertDialog(const std::string& message) {
    showAlert(ui::Alert::simple("알림", message, "확인"));
}

} // namespace tools
