#include "flights/UIAirportSchedule.h"

#include "flights/UIAirportCustomCell.h"
#include "flights/UIAirportDetailViewController.h"
#include "flights/UIAirportSchedule1.h"
#include "flights/UIFlightHistory.h"
#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"

#include <algorithm>

namespace flights {
namespace {

std::string upperCase(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string withoutHyphens(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '-'), s.end());
    return s;
}

} // namespace

void startBusyIndicator(ui::Label& label, ui::View& spinner) {
    label.setHidden(false);
    if (spinner.hidden())
        spinner.setHidden(false);
}

void stopBusyIndicator(ui::Label& label, ui::View& spinner) {
    if (spinner.hidden())
        return;
    label.setHidden(true);
    spinner.setHidden(true);
}

ui::Alert okAlert(const platform::Lifetime& lifetime, std::string title, std::string message,
                  std::function<void()> then) {
    return ui::Alert{
        std::move(title),
        std::move(message),
        {ui::AlertButton{"OK", ui::AlertButton::Role::Default, lifetime.guard(std::move(then))}}};
}

ui::Alert untrackQuestion(const platform::Lifetime& lifetime, std::function<void()> then) {
    return ui::Alert{
        detail_text::kUntrackTitle,
        detail_text::kUntrackQuestion,
        {ui::AlertButton{"확인", ui::AlertButton::Role::Default, lifetime.guard(std::move(then))},
         ui::AlertButton{"취소", ui::AlertButton::Role::Cancel, {}}}};
}

void registerFlightScreens(app::AppContext& context) {
    context.screens["UIAirportSchedule"] = [](app::AppContext& c) {
        return std::make_shared<UIAirportSchedule>(c);
    };
    context.screens["UIAirportSchedule1"] = [](app::AppContext& c) {
        return std::make_shared<UIAirportSchedule1>(c);
    };
    context.screens["UIAirportDetailViewController"] = [](app::AppContext& c) {
        return std::make_shared<UIAirportDetailViewController>(c);
    };
    context.screens["UIFlightHistory"] = [](app::AppContext& c) {
        return std::make_shared<UIFlightHistory>(c);
    };
}

UIAirportSchedule::UIAirportSchedule(app::AppContext& context)
    : ui::Screen("UIAirportSchedule"), context_(context) {
    addOutlet("txt_Calendar", txt_Calendar);
    addOutlet("btn_Calendar", btn_Calendar);
    addOutlet("txt_FlightId", txt_FlightId);
    addOutlet("btn_FlightId_Search", btn_FlightId_Search);
    addOutlet("btn_Back", btn_Back);
    addOutlet("superView", superView);
    addOutlet("airportTableView", airportTableView);
    addOutlet("lbl_Indicator", lbl_Indicator);
    addOutlet("netIndic", netIndic);
    // The result list fills the area below the search bar, where the detail view opens.
    contain(superView, {&airportTableView});

    btn_Calendar.setTitle("날짜");
    btn_FlightId_Search.setTitle("검색");
    btn_Back.setTitle("뒤로");
    lbl_Indicator.setText("조회 중입니다");
    lbl_Indicator.setCornerRadius(15);
    lbl_Indicator.setHidden(true);
    netIndic.setHidden(true);

    btn_Calendar.onTap = [this] { btnCalendarClicked(); };
    btn_FlightId_Search.onTap = [this] { btnFlightIdSearchClicked(); };
    btn_Back.onTap = [this] { dismiss(true); };

    airportTableView.rowHeight = context_.screenHeight * kRowHeight / 667;
    airportTableView.numberOfRows = [this] {
        return static_cast<int>(data.size()) + (_currentPage < _totalPages ? 1 : 0);
    };
    airportTableView.cellForRow = [this](int row, ui::Cell& cell) {
        if (row < static_cast<int>(data.size())) {
            UIAirportCustomCell(cell).setAiportInfo(data[static_cast<std::size_t>(row)], row,
                                                    context_.screenWidth);
            return;
        }
        cell.tag = kLoadingRowTag;
        cell.view("v_Loading");
    };
    airportTableView.onWillDisplay = [this](int row) {
        // A row the user cannot see (the picker covers the screen) asks for nothing, nor
        // does the loading row while its page is already on the way.
        if (airportTableView.cell(row).tag != kLoadingRowTag || !isOnDisplay() || requestPending_)
            return;
        requestLater(std::nullopt);
    };
    airportTableView.onSelect = [this](int row) { openDetail(row); };
}

void UIAirportSchedule::viewDidLoad() {
    resetPaging();
    io = 1;
    auto& clock = context_.platform.clock;
    requestLater(std::pair{platform::formatLocal(clock, clock.now(), "yyyyMMdd"), std::string()});
}

void UIAirportSchedule::resetPaging() {
    _currentPage = 1;
    _totalPages = 1000;
    data.clear();
    airportTableView.reloadData();
}

void UIAirportSchedule::requestLater(std::optional<std::pair<std::string, std::string>> query) {
    // The indicator is drawn before the blocking call starts.
    startBusyIndicator(lbl_Indicator, netIndic);
    if (!query)
        query = std::pair{withoutHyphens(txt_Calendar.text()), txt_FlightId.text()};
    requestPending_ = true;
    lifetime_.post(platform::seconds(kRequestDelay), [this, q = std::move(*query)] {
        requestPending_ = false;
        getAirportData(q.first, q.second);
    });
}

void UIAirportSchedule::getAirportData(const std::string& searchDate, const std::string& flightId) {
    txt_Calendar.setFirstResponder(false);
    txt_FlightId.setFirstResponder(false);
    getAirportDataParsing(searchDate, flightId);
}

void UIAirportSchedule::getAirportDataParsing(const std::string& searchDate,
                                              const std::string& flightId) {
    for (auto& list : columnLists)
        list.clear();

    const auto answer = context_.commands().Flight_List03(searchDate, "", "", upperCase(flightId),
                                                          "", std::to_string(_currentPage));
    if (!remote::isFailure(answer) && !remote::isNoMore(answer)) {
        ++_currentPage;
        remote::XmlDataSetParser1 parser;
        parser.parse(*answer);
        for (const auto& pair : remote::pairsSkippingNewlines(parser.mXMLDataList())) {
            const auto at =
                std::find(kServiceRowElements.begin(), kServiceRowElements.end(), pair.mKey);
            // The airport name of a row is never read; the search leaves it empty.
            if (at != kServiceRowElements.end() && *at != "airport")
                columnLists[static_cast<std::size_t>(at - kServiceRowElements.begin())].push_back(
                    pair.mValue);
        }
        const auto& ids = columnLists[AirportInfo::FlightId];
        for (std::size_t i = 0; i < ids.size(); ++i)
            data.push_back(AirportInfo::fromServiceRow([&](std::string_view element) {
                const auto at =
                    std::find(kServiceRowElements.begin(), kServiceRowElements.end(), element);
                const auto& list =
                    columnLists[static_cast<std::size_t>(at - kServiceRowElements.begin())];
                // A row that lacks an element reads it as empty.
                return i < list.size() ? list[i] : std::string();
            }));
    }
    stopBusyIndicator(lbl_Indicator, netIndic);
    if (columnLists[AirportInfo::FlightId].size() < kPageSize)
        _totalPages = _currentPage;
    airportTableView.reloadData();
}

void UIAirportSchedule::openDetail(int row) {
    if (row < 0 || row >= static_cast<int>(data.size()))
        return;
    // The detail view lies over the list; the list takes no second selection under it.
    if (!children().empty())
        return;
    auto detail = std::make_shared<UIAirportDetailViewController>(context_);
    detail->delegate = std::static_pointer_cast<UIAirportSchedule>(shared_from_this());
    detail->setCoversParent(true);
    addChild(detail);
    detail->getAirportInfo(data[static_cast<std::size_t>(row)]);
}

void UIAirportSchedule::btnCalendarClicked() {
    resetPaging();
    auto picker = std::make_shared<widgets::SingleSelectionController>(
        context_.platform.clock, context_.screenWidth, context_.screenHeight);
    picker->delegate = std::static_pointer_cast<UIAirportSchedule>(shared_from_this());
    present(picker, false);
    txt_Calendar.setFirstResponder(false);
}

void UIAirportSchedule::getChoickDate(std::optional<widgets::Day> date) {
    txt_Calendar.setText(date ? widgets::dates::formatDashed(*date) : std::string());
}

void UIAirportSchedule::btnFlightIdSearchClicked() {
    resetPaging();
    requestLater(std::pair{withoutHyphens(txt_Calendar.text()), txt_FlightId.text()});
}

void UIAirportSchedule::endAirportDetail() {
    dismiss(true);
}

} // namespace flights
