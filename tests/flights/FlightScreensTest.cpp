// The flight search, detail and my-flights screens against a scripted airport service on
// 127.0.0.1, with a real database in a temporary folder and virtual time.
#include "FeedServer.h"
#include "TrackedFlights.h"
#include "app/AppFixture.h"
#include "flights/UIAirportDetailViewController.h"
#include "flights/UIAirportSchedule.h"
#include "flights/UIAirportSchedule1.h"

#include <mutex>
#include <regex>

using flights::AirportInfo;
using flights::UIAirportDetailViewController;
using flights::UIAirportSchedule;
using flights::UIAirportSchedule1;

namespace {

/// The airport service as the screens see it: Flight_List03 answers from a table of pages,
/// other operations (Log_FilghtInput01) with "YES".
class AirportService {
public:
    std::string url() const {
        return server_.base() + testing_support::FeedServer::kAirportService;
    }
    /// Page `page` answers with `count` flights numbered from `first`.
    void page(int page, int count, int first = 1) {
        std::string set = "<NewDataSet>";
        for (int i = 0; i < count; ++i)
            set += row(first + i);
        answer(page, set + "</NewDataSet>");
    }
    void answer(int page, std::string text) {
        std::lock_guard lock(mutex_);
        pages_[page] = std::move(text);
    }
    /// Requests of one operation, in order.
    std::vector<std::string> requests(const std::string& op) const { return server_.requests(op); }

    static std::string param(const std::string& body, const std::string& name) {
        std::smatch m;
        if (std::regex_search(body, m, std::regex("<" + name + ">([^<]*)</" + name + ">")))
            return m[1];
        return std::regex_search(body, std::regex("<" + name + " ?/>")) ? "" : "(absent)";
    }

private:
    static std::string row(int n) {
        char id[16];
        std::snprintf(id, sizeof id, "KE%03d", n);
        auto columns = testing_support::departureColumns(testing_support::columns(
            std::string("flightId=") + id +
            " estimatedDate_Departure= estimatedTime_Departure= estimatedDate_Arrival= "
            "estimatedTime_Arrival= gatenumber=12 remark=출발"));
        columns.erase("io");
        columns["flag"] = "1";
        std::string out = "<Table1>\n";
        for (const auto& [name, value] : columns)
            out += value.empty() ? "<" + name + " />\n"
                                 : "<" + name + ">" + value + "</" + name + ">\n";
        return out + "</Table1>\n";
    }

    std::string result(const std::string& operation, const std::string& body) {
        if (operation != "Flight_List03")
            return "YES";
        std::lock_guard lock(mutex_);
        auto it = pages_.find(std::stoi(param(body, "sPageNum")));
        return it == pages_.end() ? "<rtn>NO</rtn>" : it->second;
    }

    mutable std::mutex mutex_;
    std::map<int, std::string> pages_;
    testing_support::FeedServer server_{
        [this](const std::string& operation, const std::string& body) {
            return result(operation, body);
        }};
};

class FlightScreens : public testing_support::AppFixture {
protected:
    explicit FlightScreens(const char* now = "2026-12-07T09:30:00+09:00") : AppFixture(now) {}

    void SetUp() override {
        launch();
        flights::registerFlightScreens(*context);
        context->config.airportServiceURL = service.url();
    }

    template <typename S> S& open(const char* name) {
        main().present(context->makeScreen(name), false);
        loop->runUntilIdle();
        return dynamic_cast<S&>(*window().front());
    }
    UIAirportSchedule& search() { return open<UIAirportSchedule>("UIAirportSchedule"); }
    void wait(double s = 0.5) { loop->advance(platform::seconds(s)); }
    void registerCarrier(const std::string& uuid, const std::string& major) {
        execute("INSERT INTO aRegistration(sUUID, sMajor, sMinor, sName) VALUES('" + uuid + "','" +
                major + "','7','가방')");
    }
    std::size_t storedFlights() { return query("SELECT flightId FROM aFlightInfo").size(); }
    void breakFlightTable() { execute("DROP TABLE aFlightInfo"); }
    // The one save log's values of `names`, each followed by "|".
    std::string logged(std::initializer_list<const char*> names) {
        const auto logs = service.requests("Log_FilghtInput01");
        EXPECT_EQ(logs.size(), 1u);
        std::string out;
        for (const char* name : names)
            out += (logs.empty() ? "" : AirportService::param(logs[0], name)) + "|";
        return out;
    }
    // The front alert as "title: message".
    std::string alert() {
        EXPECT_FALSE(window().alerts().empty());
        const auto& a = window().alerts().front();
        return a.title + ": " + a.message;
    }
    UIAirportDetailViewController& detailOf(UIAirportSchedule& s) {
        EXPECT_EQ(s.children().size(), 1u);
        return dynamic_cast<UIAirportDetailViewController&>(*s.children().front());
    }

    AirportService service;
};

} // namespace

// ---- paging -------------------------------------------------------------------

TEST_F(FlightScreens, PagesOfTenLeaveALoadingRowThatFetchesTheNextAndAShortPageEndsThePaging) {
    service.page(1, 10);
    service.page(2, 3, 11);
    auto& s = search();
    EXPECT_FALSE(s.netIndic.hidden()); // up before the first request
    EXPECT_TRUE(service.requests("Flight_List03").empty());
    wait();
    const auto first = service.requests("Flight_List03").at(0);
    EXPECT_EQ(AirportService::param(first, "scheduleDateTime"), "20261207");
    EXPECT_EQ(AirportService::param(first, "filghtid"), "");
    EXPECT_EQ(AirportService::param(first, "sPageNum"), "1");
    ASSERT_EQ(s.airportTableView.rowCount(), 11);
    EXPECT_EQ(s.airportTableView.cell(0).label("lbl_FlightId").text(), "KE001");
    EXPECT_EQ(s.airportTableView.cell(10).tag, UIAirportSchedule::kLoadingRowTag);
    EXPECT_TRUE(s.netIndic.hidden());

    ASSERT_TRUE(s.airportTableView.willDisplay(10));
    EXPECT_FALSE(s.netIndic.hidden());               // shown while the page is on its way
    ASSERT_TRUE(s.airportTableView.willDisplay(10)); // a second display asks nothing more
    wait();
    const auto sent = service.requests("Flight_List03");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(AirportService::param(sent[1], "sPageNum"), "2");
    EXPECT_EQ(s.airportTableView.rowCount(), 13);
    EXPECT_EQ(s.data[12].sFlightId(), "KE013");
    EXPECT_EQ(s._totalPages, s._currentPage);
    // A flight row shows no loading behaviour.
    ASSERT_TRUE(s.airportTableView.willDisplay(3));
    wait();
    EXPECT_EQ(service.requests("Flight_List03").size(), 2u);
}

TEST_F(FlightScreens, NothingFoundOrAFailedAnswerEndsPagingWithoutAMessage) {
    auto& s = search();
    wait();
    EXPECT_EQ(s.airportTableView.rowCount(), 0);
    EXPECT_EQ(s._totalPages, s._currentPage);
    EXPECT_EQ(s._currentPage, 1);
    EXPECT_TRUE(window().alerts().empty());

    service.answer(1, "<rtn>ERROR</rtn>");
    s.btn_FlightId_Search.tap();
    wait();
    EXPECT_EQ(s.airportTableView.rowCount(), 0);
    EXPECT_TRUE(window().alerts().empty());
}

TEST_F(FlightScreens, ANewSearchStartsAtPageOneWithTheTypedNumberInCapitals) {
    service.page(1, 10);
    service.page(2, 10, 11);
    auto& s = search();
    wait();
    s.airportTableView.willDisplay(10);
    wait();
    EXPECT_EQ(s._currentPage, 3);

    s.txt_Calendar.type("2026-12-09");
    s.txt_FlightId.type("ke0");
    s.btn_FlightId_Search.tap();
    EXPECT_EQ(s._currentPage, 1);
    EXPECT_EQ(s._totalPages, 1000);
    EXPECT_TRUE(s.data.empty());
    EXPECT_FALSE(s.netIndic.hidden());
    wait();
    const auto sent = service.requests("Flight_List03").back();
    EXPECT_EQ(AirportService::param(sent, "scheduleDateTime"), "20261209");
    EXPECT_EQ(AirportService::param(sent, "filghtid"), "KE0");
    EXPECT_EQ(AirportService::param(sent, "sPageNum"), "1");
    EXPECT_EQ(s.data.size(), 10u);
}

TEST_F(FlightScreens, TheCalendarFillsTheDateFieldAndRequestsNothing) {
    service.page(1, 4);
    auto& s = search();
    wait();
    s.btn_Calendar.tap();
    auto* picker = dynamic_cast<widgets::SingleSelectionController*>(window().front());
    ASSERT_TRUE(picker);
    EXPECT_TRUE(s.data.empty());
    EXPECT_EQ(s._totalPages, 1000);
    // The loading row of the reset list lies under the picker: it asks for nothing.
    s.airportTableView.willDisplay(0);
    ASSERT_TRUE(picker->calendarView.selectDate(*widgets::dates::parseCompact("20261224")));
    wait();
    EXPECT_EQ(window().front(), &s);
    EXPECT_EQ(s.txt_Calendar.text(), "2026-12-24");
    EXPECT_EQ(service.requests("Flight_List03").size(), 1u);

    // A tap on a blank cell empties the field.
    s.btn_Calendar.tap();
    auto* again = dynamic_cast<widgets::SingleSelectionController*>(window().front());
    ASSERT_TRUE(again);
    ASSERT_TRUE(again->calendarView.selectItem({0, 0}));
    EXPECT_EQ(s.txt_Calendar.text(), "");
}

// ---- detail and saving ----------------------------------------------------------

TEST_F(FlightScreens, SavingAFoundFlightStoresLogsAndClosesTheSearch) {
    service.page(1, 2);
    registerCarrier("UUID-A", "1");
    registerCarrier("UUID-B", "2");
    auto& s = search();
    wait();
    ASSERT_TRUE(s.airportTableView.select(1));
    auto& d = detailOf(s);
    EXPECT_EQ(d.lbl_FlightId.text(), "KE002");
    EXPECT_EQ(d.lbl_ScheduleDateTime.text(), "2026/12/07 10:30");
    EXPECT_EQ(d.lbl_EstimatedDateTime.text(), "2026/12/07 12:55");
    EXPECT_EQ(d.btn_Insert.image(), "m3_pop_save_off.jpg");
    // A second selection under the open detail view opens nothing more.
    s.airportTableView.select(0);
    EXPECT_EQ(s.children().size(), 1u);

    d.btn_Insert.tap();
    EXPECT_EQ(alert(), "성공: 저장이 완료되었습니다.");
    EXPECT_EQ(storedFlights(), 1u);
    EXPECT_EQ(logged({"sLogStatus", "sUnitUUID", "flag", "scheduleTime1"}), "1|UUID-B|1|1255|");

    ASSERT_TRUE(window().pressAlertButton("OK"));
    loop->runUntilIdle();
    EXPECT_EQ(window().front(), &main());
    EXPECT_EQ(main().lbl_FlightId.text(), "KE002");
}

TEST_F(FlightScreens, AFlightStoredEarlierIsNotWrittenAgainAndClosingTheDetailKeepsTheSearch) {
    service.page(1, 1);
    storeFlight(flight("KE001", "20261207", "1030", "20261207"));
    auto& s = search();
    wait();
    s.airportTableView.select(0);
    detailOf(s).btn_Insert.tap();
    EXPECT_EQ(alert(), "오류: 이미 데이터가 존재합니다.");
    EXPECT_EQ(storedFlights(), 1u);
    EXPECT_TRUE(service.requests("Log_FilghtInput01").empty()); // no carrier, no log

    // Closing the detail view leaves the search open.
    window().pressAlertButton("확인");
    detailOf(s).btn_Close.tap();
    loop->runUntilIdle();
    EXPECT_TRUE(s.children().empty());
    EXPECT_EQ(window().front(), &s);
}

TEST_F(FlightScreens, AFailedSaveSaysSoKeepsTheViewAndStillLogs) {
    service.page(1, 1);
    registerCarrier("UUID-A", "1");
    auto& s = search();
    wait();
    s.airportTableView.select(0);
    breakFlightTable();
    detailOf(s).btn_Insert.tap();
    EXPECT_EQ(alert(), "오류: 등록 실패하였습니다. 다시시도해 주세요.");
    window().pressAlertButton("OK");
    EXPECT_EQ(s.children().size(), 1u);
    EXPECT_EQ(window().front(), &s);
    EXPECT_EQ(service.requests("Log_FilghtInput01").size(), 1u);
}

TEST_F(FlightScreens, ATrackedFlightInTheDetailViewIsOfferedForRemoval) {
    service.page(1, 1);
    registerCarrier("UUID-A", "1");
    storeFlight(flight("KE001", "20261207", "1030", "20261207"));
    auto& s = search();
    wait();
    s.airportTableView.select(0);
    auto& d = detailOf(s);
    AirportInfo tracked = d.airportInfo1;
    tracked.setSFlag("2");
    d.getAirportInfo(tracked);
    EXPECT_EQ(d.btn_Insert.image(), "m3_pop_save1_off.jpg");

    d.btn_Insert.tap();
    EXPECT_EQ(alert(), "등록취소: 등록을 취소하시겠습니까?");
    window().pressAlertButton("취소");
    EXPECT_EQ(storedFlights(), 1u);

    d.btn_Insert.tap();
    window().pressAlertButton("확인");
    EXPECT_EQ(alert(), "성공: 등록취소가 완료되었습니다.");
    EXPECT_EQ(storedFlights(), 0u);
    EXPECT_EQ(logged({"sLogStatus"}), "2|");
    window().pressAlertButton("OK");
    loop->runUntilIdle();
    EXPECT_EQ(window().front(), &main());
}

// ---- my flights -----------------------------------------------------------------

TEST_F(FlightScreens, MyFlightsWithoutAFlightShowsTheEmptyPictureAndOpensTheSearch) {
    auto& m = open<UIAirportSchedule1>("UIAirportSchedule1");
    EXPECT_FALSE(m.netIndic.hidden());
    wait();
    EXPECT_FALSE(m.img_FlightData.hidden());
    EXPECT_EQ(m.myScheduleTableView.rowCount(), 0);
    EXPECT_TRUE(m.netIndic.hidden());
    m.btn_ScheduleSearch.tap();
    EXPECT_EQ(window().front()->name(), "UIAirportSchedule");
}

TEST_F(FlightScreens, RemovingAFlightAsksThenLogsAndReloads) {
    registerCarrier("UUID-A", "1");
    storeFlight(flight("KE001", "20261207", "1030", "20261207"));
    storeFlight(flight("OZ102", "20261208", "0900", "20261208"));
    auto& m = open<UIAirportSchedule1>("UIAirportSchedule1");
    wait();
    ASSERT_EQ(m.myScheduleTableView.rowCount(), 2);
    EXPECT_TRUE(m.img_FlightData.hidden());

    m.myScheduleTableView.select(0);
    loop->runUntilIdle();
    EXPECT_EQ(alert(), "등록취소: 등록을 취소하시겠습니까?");
    window().pressAlertButton("취소");
    EXPECT_EQ(storedFlights(), 2u);

    m.myScheduleTableView.select(0);
    loop->runUntilIdle();
    window().pressAlertButton("확인");
    EXPECT_EQ(alert(), "성공: 등록취소가 완료되었습니다.");
    EXPECT_EQ(logged({"flag", "sLogStatus"}), "1|2|");
    window().pressAlertButton("OK");
    EXPECT_EQ(m.myScheduleTableView.rowCount(), 2); // the reload comes 0.5 s later
    wait();
    ASSERT_EQ(m.myScheduleTableView.rowCount(), 1);
    EXPECT_EQ(m.data[0].sFlightId(), "OZ102");
}

TEST_F(FlightScreens, AFailedRemovalKeepsTheRow) {
    storeFlight(flight("KE001", "20261207", "1030", "20261207"));
    auto& m = open<UIAirportSchedule1>("UIAirportSchedule1");
    wait();
    breakFlightTable();
    m.myScheduleTableView.select(0);
    loop->runUntilIdle();
    window().pressAlertButton("확인");
    EXPECT_EQ(alert(), "실패: 실패하였습니다. 다시시도해 주십시오.");
    window().pressAlertButton("OK");
    wait();
    EXPECT_EQ(m.myScheduleTableView.rowCount(), 1);
}

namespace {
class JustAfterMidnight : public FlightScreens {
protected:
    JustAfterMidnight() : FlightScreens("2026-12-08T00:30:00+09:00") {}
};
} // namespace

TEST_F(JustAfterMidnight, YesterdaysFlightsStayListedForAnHourAndArrivalsTodayStayAllDay) {
    storeFlight(flight("KE001", "20261207", "2200", "20261207"));
    storeFlight(flight("KE002", "20261206", "2300", "20261208"));
    storeFlight(flight("KE003", "20261206", "1000", "20261206"));
    auto& m = open<UIAirportSchedule1>("UIAirportSchedule1");
    wait();
    ASSERT_EQ(m.data.size(), 2u);
    EXPECT_EQ(m.data[0].sFlightId(), "KE002");
    EXPECT_EQ(m.data[1].sFlightId(), "KE001");

    loop->advance(std::chrono::hours(1));
    m.getMyAirportInfo("", "");
    ASSERT_EQ(m.data.size(), 1u);
    EXPECT_EQ(m.data[0].sFlightId(), "KE002");
}
