#include "tools/Referral.h"
#include "ToolsFixture.h"
#include "tools/PlaceText.h"
#include "tools/VURavEravazo.h"
#include "widgets/CalendarDates.h"

using namespace tools;

namespace {

constexpr const char* kBase = "http://partner.test/apiservices/referral/v1.0/KR/KRW/kr-KR";

ReferralInput trip(std::string adults, std::string children, std::string infants,
                   std::string returnDate = "") {
    return {"ICN", "NRT", "2017-05-01", returnDate, adults, children, infants};
}

std::string address(const ReferralInput& in) {
    return referralAddress("http://partner.test", "abcd123456789012", in);
}

} // namespace

TEST(ReferralAddress, ChildrenCountAsFourInfantsAsZeroAndTypedTextCannotReshapeIt) {
    const std::string start = std::string(kBase) + "/ICN/NRT/2017-05-01/?apiKey=abcd123456789012";
    // Adults, children and infants, then the children's parameter.
    for (const std::string c :
         {"212 4%7C0%7C0", "100 -", "102 0%7C0", "101 0", "130 4%7C4%7C4", "121 4%7C4%7C0"})
        EXPECT_EQ(address(trip(c.substr(0, 1), c.substr(1, 1), c.substr(2, 1))),
                  start + "&adultsv2=" + c.substr(0, 1) + "&childrenv2=" + c.substr(4));
    EXPECT_EQ(address(trip("1", "0", "0", "2017-05-09")),
              std::string(kBase) + "/ICN/NRT/2017-05-01/2017-05-09/?apiKey=abcd123456789012" +
                  "&adultsv2=1&childrenv2=-");
    ReferralInput in = trip("1", "0", "0");
    in.departureCode = "A/?";
    in.arrivalCode = "#&=";
    EXPECT_EQ(address(in), std::string(kBase) + "/A%2F%3F/%23%26%3D/2017-05-01/?apiKey=" +
                               "abcd123456789012&adultsv2=1&childrenv2=-");
}

TEST(ReferralChecks, FirstFailingRuleInOrder) {
    EXPECT_EQ(referralProblem(trip("8", "0", "0")), std::nullopt);
    EXPECT_EQ(referralProblem(trip("8", "0", "1")), "예약인원은 8명을 초과할 수 없습니다.");
    // Too many passengers is reported even when no adult or airport is chosen.
    EXPECT_EQ(referralProblem({"", "", "", "", "0", "5", "4"}),
              "예약인원은 8명을 초과할 수 없습니다.");
    EXPECT_EQ(referralProblem({"", "", "", "", "0", "1", "0"}), "탑승인원을 선택하십시오.");
    EXPECT_EQ(referralProblem({"", "", "", "", "1", "0", "0"}), "출발공항을 선택하십시오.");
    EXPECT_EQ(referralProblem({"ICN", "", "", "", "1", "0", "0"}), "도착공항을 선택하십시오.");
    EXPECT_EQ(referralProblem({"ICN", "NRT", "", "", "1", "0", "0"}), "출발일을 선택하십시오.");
}

TEST(ReferralCounts, PlusStopsAtEightMinusAtZeroAndOtherTextIsLeftAlone) {
    const std::tuple<const char*, int, std::optional<std::string>> cases[] = {
        {"7", +1, "8"},           {"8", +1, std::nullopt},
        {"1", -1, "0"},           {"0", -1, std::nullopt},
        {"9", -1, std::nullopt},  {"", +1, "1"},
        {"3_", +1, "4"},          {"3 ", +1, std::nullopt},
        {"-1", +1, std::nullopt}, {"99999999999999999999", -1, std::nullopt}};
    for (const auto& [text, step, after] : cases)
        EXPECT_EQ(countAfterPress(text, step), after) << text << " " << step;
}

TEST(PlaceText, PartsAirportCodesAndCardPictureNames) {
    EXPECT_EQ(placeParts("인천 (ICN)"), (PlaceParts{"인천", "ICN"}));
    EXPECT_EQ(placeParts("a (b (c)"), (PlaceParts{"a (b", "c"})); // the last " (" parts them
    EXPECT_EQ(placeParts("인천"), (PlaceParts{"인천", ""}));
    EXPECT_EQ(airportCodeOf("인천 (ICN)"), "ICN");
    EXPECT_EQ(airportCodeOf("ICN)"), "");
    EXPECT_EQ(airportCodeOf("인천공항입니다"), "항입니");
    EXPECT_EQ(cardPictureName("미국 (United States)"), "unitedstates.jpg");
    EXPECT_EQ(cardPictureName("북마리아나 제도 (Northern Mariana Islands)"),
              "northernmarianaislands.jpg");
    // Only the first "(" counts; the last character goes whatever it is.
    EXPECT_EQ(cardPictureName("a (b (c))"), "b(c).jpg");
    EXPECT_EQ(cardPictureName("일본 (Japan"), "japa.jpg");
    EXPECT_EQ(cardPictureName("일본"), "");
    EXPECT_EQ(cardPictureName("일본 ()"), "");
    EXPECT_EQ(cardPictureName("x (ÉCOLE)"), "école.jpg");
}

class FlightSearch : public tools_test::ToolsFixture {
protected:
    void pickDate(ui::Button& button, const std::string& yyyymmdd) {
        ASSERT_TRUE(button.tap());
        auto& picker = front<widgets::SingleSelectionController>();
        ASSERT_TRUE(picker.calendarView.selectDate(*widgets::dates::parseCompact(yyyymmdd)));
        loop->runUntilIdle();
        window().releaseRetired();
        ASSERT_EQ(window().front()->name(), "VURavEravazo");
    }
    static void pickPlace(ui::TextField& field, AutoFillList& list, const std::string& typed) {
        field.type(typed);
        ASSERT_FALSE(list.tableView.hidden());
        ASSERT_TRUE(list.tableView.select(0));
    }
};

TEST_F(FlightSearch, ValidatedSearchOpensThePartnerAddressAndCountsStopAtZero) {
    launch();
    ASSERT_TRUE(main().btn_Menu3.tap());
    auto& s = front<VURavEravazo>();
    EXPECT_EQ(server.calls("City_List02"), 2 + 1); // one per place list, after the start's check
    s.btn_Search.tap();
    ASSERT_EQ(window().alerts().size(), 1u);
    EXPECT_EQ(window().alerts().front().message, "출발공항을 선택하십시오.");
    window().pressAlertButton("확인");

    // One list is open at a time; leaving its field or Escape closes it without a pick.
    auto& departures = s.autoFillTableViewController()->tableView;
    auto& arrivals = s.autoFillTableViewController1()->tableView;
    s.txt_Departure.type("인");
    s.txt_Arrival.type("나");
    EXPECT_TRUE(departures.hidden());
    EXPECT_FALSE(arrivals.hidden());
    s.txt_Arrival.setFirstResponder(false);
    EXPECT_TRUE(arrivals.hidden());
    s.txt_Arrival.type("나리");
    EXPECT_TRUE(window().back());
    EXPECT_TRUE(arrivals.hidden());
    EXPECT_EQ(window().front(), &s);

    pickPlace(s.txt_Departure, *s.autoFillTableViewController(), "icn");
    pickPlace(s.txt_Arrival, *s.autoFillTableViewController1(), "나리");
    s.btn_Change.tap();
    EXPECT_EQ(s.txt_Departure.text(), "나리타 (NRT)");
    s.btn_Change.tap();
    EXPECT_EQ(s.txt_Arrival.text(), "나리타 (NRT)");

    pickDate(s.btn_StartDate, "20261210");
    EXPECT_EQ(s.txt_StartDate.text(), "2026-12-10");
    auto trip = [&s] { return s.btn_Oneway.state() + "|" + s.btn_Return.state(); };
    EXPECT_FALSE(s.btn_ReturnDate.enabled()); // one way: no return date to pick
    s.btn_Return.tap();
    EXPECT_EQ(trip(), "|chosen");
    pickDate(s.btn_ReturnDate, "20261224");
    EXPECT_EQ(s.txt_ReturnDate.text(), "2026-12-24");
    s.btn_Oneway.tap(); // clears the return date again
    EXPECT_EQ(trip(), "chosen|");
    EXPECT_EQ(s.txt_ReturnDate.text(), "");
    EXPECT_FALSE(s.btn_ReturnDate.enabled());
    s.btn_Audlt_Plus.tap();
    s.btn_Children_Plus.tap();
    s.btn_Infants_Plus.tap();
    s.btn_Infants_Plus.tap();
    s.btn_Search.tap();
    EXPECT_TRUE(window().alerts().empty());
    ASSERT_EQ(browser.opened.size(), 1u);
    EXPECT_EQ(browser.opened.back(), std::string(kBase) +
                                         "/ICN/NRT/2026-12-10/?apiKey=abcd123456789012&adultsv2=2&"
                                         "childrenv2=4%7C0%7C0");

    // A tap on a blank cell answers with no day, which empties the field.
    s.getChoickDate_Flag(std::nullopt, "1");
    EXPECT_EQ(s.txt_StartDate.text(), "");

    // Counts change only through their buttons and stop at zero.
    for (int i = 0; i < 3; ++i)
        s.btn_Audlt_Minus.tap();
    EXPECT_EQ(s.txt_Audlt_Count.text(), "0");
    EXPECT_FALSE(s.txt_Audlt_Count.type("5"));
    EXPECT_FALSE(s.txt_Children_Count.enabled());
    EXPECT_FALSE(s.txt_Infants_Count.enabled());
}
