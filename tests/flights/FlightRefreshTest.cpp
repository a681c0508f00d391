// The refresh of the main screen's flight end to end in the core: real HTTP and SOAP
// against servers on 127.0.0.1, a real database, virtual time.

#include "FeedServer.h"
#include "GoldenFiles.h"
#include "app/AppFixture.h"
#include "flights/AirportInfo.h"
#include "flights/FlightStatements.h"
#include "flights/UIAirportSchedule.h"
#include "flights/UIAirportSchedule1.h"
#include "flights/UIFlightHistory.h"

#include <algorithm>
#include <array>

using flights::AirportInfo;
using testing_support::FeedServer;

namespace {

using namespace std::chrono_literals;

std::string fixture(const std::string& name) {
    return testing_support::readTestData("flights/" + name);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

class Refresh : public testing_support::AppFixture {
protected:
    explicit Refresh(const char* now = "2026-12-07T09:30:00+09:00") : AppFixture(now) {
        refreshForReal = true;
        install = flights::registerFlightScreens;
        config.airportServiceURL = server.base() + FeedServer::kAirportService;
        config.carrierServiceURL = server.base() + "/sub_tamberlinove/tamberlinove02.asmx";
        config.internationalAirportAPI = server.base();
        config.domesticAirportsAPI = server.base();
        config.timetableAPI = server.base();
        config.flightStatusServiceKey = "k%2Bey%3D";
        config.timetableKey = "01234567-89ab-cdef-0123-456789abcdef";
    }

    /// The stored flight of that number.
    AirportInfo stored(const std::string& flightId) {
        for (const auto& row : query(flights::listFlightsStatement("20000101")))
            if (row.at("1") == flightId)
                return AirportInfo::fromListRow(row);
        ADD_FAILURE() << flightId << " is not stored";
        return {};
    }

    /// The alerts put up so far, as (title, message).
    std::vector<std::pair<std::string, std::string>> alerts() {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& a : window().alerts())
            out.emplace_back(a.title, a.message);
        return out;
    }

    void tick() {
        loop->advance(60s);
        loop->runUntilIdle();
    }
    /// The fixture's departures answer for KE701, at another gate when one is given.
    void departures(const std::string& gate = "23") {
        server.answer(FeedServer::kInternationalDepartures,
                      replaced(fixture("international_departures.xml"), "<gatenumber>23<",
                               "<gatenumber>" + gate + "<"));
    }
    /// The classification answers with this city flag.
    void classify(const std::string& flag) {
        server.answer("City_View03", "<NewDataSet><Table1><cityFlag>" + flag +
                                         "</cityFlag></Table1></NewDataSet>");
    }

    FeedServer server;
};

using Alerts = std::vector<std::pair<std::string, std::string>>;

/// A domestic feed answer with one item per (flight, io, gate, remark).
std::string domesticAnswer(const std::vector<std::array<std::string, 4>>& items) {
    std::string out = "<response><header><resultCode>00</resultCode></header><body><items>";
    for (const auto& [flight, io, gate, remark] : items)
        out += "<item><airFln>" + flight + "</airFln><io>" + io + "</io><gate>" + gate +
               "</gate><rmkKor>" + remark + "</rmkKor><std>1000</std><etd></etd></item>";
    return out + "</items></body></response>";
}

std::vector<std::string> gimpoJeju(const std::string& flightId, const std::string& time) {
    return {"대한항공", flightId, "20261207", "20261207", time,   "",     "",    "20261207",
            "1105",     "",       "",         "",         "김포", "제주", "GMP", "CJU",
            "3",        "",       "",         "",         "",     "1"};
}

// The fixture's KE701 as stored: nothing in the fixture answer is news for it.
std::vector<std::string> incheonNarita() {
    return {"대한항공", "KE701", "20261207", "20261207", "1030",    "20261207", "1030", "20261207",
            "1255",     "",      "",         "",         "인천",    "나리타",   "ICN",  "NRT",
            "23",       "",      "",         "탑승준비", "A01-A12", "1"};
}

} // namespace

TEST_F(Refresh, AGateChangeAtIncheonIsAnnouncedHalfASecondLaterWrittenAndDrawn) {
    departures();
    storeFlight(incheonNarita());
    launch();
    EXPECT_TRUE(alerts().empty());
    const std::string request = std::string(FeedServer::kInternationalDepartures) +
                                "?ServiceKey=k%2Bey%3D&from_time=0000&to_time=2400&airport=NRT"
                                "&flight_id=KE701";
    // Loading and appearing refresh at once; the second finds the first still asking.
    EXPECT_EQ(server.targets(), std::vector<std::string>{request});

    departures("25");
    tick();
    EXPECT_EQ(server.targets().size(), 2u);
    EXPECT_TRUE(alerts().empty());                 // not yet: the alert follows 0.5 s later
    EXPECT_EQ(main().lbl_GateNumber.text(), "25"); // but the card is already reloaded
    EXPECT_EQ(stored("KE701").sGateNumber(), "25");

    loop->advance(500ms);
    EXPECT_EQ(alerts(), (Alerts{{"정보변경", "12월 07일 10시 30분  KE701 나리타행\n\n"
                                             "게이트번호: 25\n"}}));
    EXPECT_EQ(window().alerts().front().buttons.size(), 1u);
    EXPECT_EQ(window().alerts().front().buttons[0].title, "확인");

    tick(); // the next tick compares against what was written: nothing new
    loop->advance(1s);
    EXPECT_EQ(alerts().size(), 1u);
    // The change was also handed to the desktop, which shows it only behind other windows.
    ASSERT_EQ(notifications.presented.size(), 1u);
    EXPECT_EQ(notifications.presented[0].title + notifications.presented[0].body,
              "정보변경" + alerts()[0].second);
    EXPECT_EQ(notifications.presented[0].badge, 0);

    // It is kept in the flight's history until the flight is no longer tracked.
    window().pressAlertButton("확인");
    main().btn_History.onTap();
    auto& history = dynamic_cast<flights::UIFlightHistory&>(*window().front());
    ASSERT_EQ(history.tbl_History.rowCount(), 1);
    EXPECT_EQ(history.tbl_History.cell(0).label("lbl_Time").text() + " " +
                  history.tbl_History.cell(0).label("lbl_Change").text(),
              "09:31 게이트번호 23 → 25");
    history.btn_Calendar.onTap();
    EXPECT_EQ(browser.opened.back(), "file://" + data.str() + "/flights.ics");
    browser.fail = true; // no program for calendar files: the path to import instead
    history.btn_Calendar.onTap();
    loop->runUntilIdle();
    EXPECT_EQ(window().alerts().back().message,
              std::string(flights::UIFlightHistory::kCalendarOpenFailed) + "\n\n" + data.str() +
                  "/flights.ics");
    window().pressAlertButton("확인");
    history.dismiss(false);
    auto list = std::make_shared<flights::UIAirportSchedule1>(*context);
    main().present(list, false);
    list->deleteInfo(stored("KE701"));
    EXPECT_TRUE(query("SELECT * FROM aFlightHistory").empty());
}

TEST_F(Refresh, ThreeTicksOfFailedAnswersMarkTheValuesStaleAndTheLastConfirmationSurvivesARestart) {
    departures();
    storeFlight(incheonNarita());
    launch();
    EXPECT_EQ(main().lbl_Freshness.text(), "방금 확인");
    server.answer(FeedServer::kInternationalDepartures,
                  "<response><header><resultCode>30</resultCode></header></response>");
    for (const bool stale : {false, false, true}) {
        tick();
        EXPECT_EQ(main().lbl_Stale.hidden(), !stale);
    }
    launch();
    EXPECT_EQ(main().lbl_Freshness.text(), "3분 전 확인");
    departures();
    tick();
    EXPECT_EQ(main().lbl_Freshness.text(), "방금 확인");
    EXPECT_TRUE(main().lbl_Stale.hidden());
}

TEST_F(Refresh, AFlightOutsideKoreaIsAskedOfTheTimetableWithItsKey) {
    classify("4");
    server.answer(FeedServer::kTimetable, fixture("timetable_departures.json"));
    storeFlight({"대한항공", "KE781",    "20261207", "20261207", "1030", "20261207",
                 "1030",     "20261207", "1125",     "20261207", "1125", "",
                 "부산",     "후쿠오카", "PUS",      "FUK",      "12",   "4",
                 "I",        "정보없음", "",         "1"});
    launch();
    EXPECT_FALSE(server.requests("City_View03").empty());
    EXPECT_EQ(server.targets().back(),
              std::string(FeedServer::kTimetable) +
                  "?api_key=01234567-89ab-cdef-0123-456789abcdef&iata_code=PUS&type=departure");
}

TEST_F(Refresh, ASlowFeedIsNotAskedAgainUntilItsRequestEnds) {
    http = std::make_unique<platform::CurlHttp>(*loop, platform::HttpOptions{500ms, 800ms});
    departures();
    storeFlight(incheonNarita());
    server.hang();
    launch(); // the hung request times out while the loop waits for it
    EXPECT_EQ(server.targets().size(), 1u);
    EXPECT_EQ(main().flightRefresh().requestsInFlight(), 0u);

    // Ticks that come while a request is unanswered do not send it again.
    main().getRenewData();
    main().getRenewData();
    main().getRenewData();
    EXPECT_EQ(main().flightRefresh().requestsInFlight(), 1u);
    loop->runUntilIdle();
    EXPECT_EQ(main().flightRefresh().requestsInFlight(), 0u);

    server.release();
    tick();
    EXPECT_EQ(server.targets().size(), 3u);
    EXPECT_TRUE(alerts().empty());
}

TEST_F(Refresh, AnAnswerForAFlightNoLongerTrackedIsDropped) {
    departures("25");
    storeFlight(incheonNarita());
    launch();
    loop->advance(1s);
    ASSERT_EQ(alerts().size(), 1u);
    window().pressAlertButton("확인");

    // While the next answer is on its way, the user replaces KE701 by KE703.
    server.hang();
    main().getRenewData(); // gate 25 is stored now; the answer will say 27
    departures("27");
    execute(flights::deleteFlightStatement({"ICN", "NRT", "KE701", "20261207"}));
    auto other = incheonNarita();
    other[1] = "KE703";
    storeFlight(other);
    main().getAirportInfo();
    server.release();
    loop->runUntilIdle();
    loop->advance(1s);

    EXPECT_TRUE(alerts().empty());
    EXPECT_EQ(stored("KE703").sGateNumber(), "23");
}

TEST_F(Refresh, EveryDomesticRowOfTheTrackedFlightCountsUntilOneFinishesIt) {
    classify("1");
    server.answer(FeedServer::kDomestic, domesticAnswer({}));
    storeFlight(gimpoJeju("KE1201", "1000"));
    storeFlight(gimpoJeju("KE1203", "1200"));
    launch();

    // The departure row moves the gate, the arrival row lands the flight: both are written,
    // and the landing makes KE1203 the tracked flight, so the last row is not about it.
    server.answer(FeedServer::kDomestic, domesticAnswer({{"OZ8901", "O", "9", ""},
                                                         {"KE1201", "O", "5", ""},
                                                         {"KE1201", "I", "2", "도착"},
                                                         {"KE1201", "O", "7", ""}}));
    tick();
    loop->advance(500ms);
    EXPECT_EQ(alerts().size(), 2u);
    const AirportInfo f = stored("KE1201");
    EXPECT_EQ(f.sGateNumber(), "5");
    EXPECT_EQ(f.sExitNumber(), "2");
    EXPECT_EQ(f.sRemark(), "도착");
    EXPECT_EQ(main().lbl_FlightId.text(), "KE1203");
    EXPECT_EQ(stored("KE1203").sGateNumber(), "3");
}

TEST_F(Refresh, AnAnswerArrivingWhileAnotherScreenCoversTheMainScreenIsStillAnnouncedAndWritten) {
    departures();
    storeFlight(incheonNarita());
    launch();
    departures("25");
    server.hang();
    main().getRenewData();
    main().present(std::make_shared<ui::Screen>("UIExchange"), false);
    server.release();
    loop->runUntilIdle();
    loop->advance(500ms);

    EXPECT_EQ(alerts(), (Alerts{{"정보변경", "12월 07일 10시 30분  KE701 나리타행\n\n"
                                             "게이트번호: 25\n"}}));
    EXPECT_EQ(stored("KE701").sGateNumber(), "25");
    window().pressAlertButton("확인");
    window().front()->dismiss(false);
    loop->runUntilIdle();
    EXPECT_EQ(main().lbl_GateNumber.text(), "25");
}

class RefreshAtMidnight : public Refresh {
protected:
    RefreshAtMidnight() : Refresh("2026-12-07T23:59:59+09:00") {}
};

TEST_F(RefreshAtMidnight, AnAnswerArrivingAfterMidnightWritesTheDayItWasAskedOn) {
    departures();
    storeFlight(incheonNarita());
    launch();
    departures("25");
    server.hang();
    main().getRenewData(); // asked at 23:59:59 on 7 December
    platform::TimePoint after{};
    int offset = 0;
    ASSERT_TRUE(platform::parseIsoInstant("2026-12-08T00:00:20+09:00", after, offset));
    clock->set(after);
    server.release();
    loop->runUntilIdle();

    const AirportInfo f = stored("KE701");
    EXPECT_EQ(f.sGateNumber(), "25");
    EXPECT_EQ(f.sScheduleDate_Departure(), "20261207");
    EXPECT_EQ(f.sEstimatedDate_Departure(), "20261207");
}
