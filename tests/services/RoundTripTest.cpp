// Every operation of both services called through the app's own client and parsers.

#include "GoldenFiles.h"
#include "StandInFixture.h"

#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"

namespace services_test {
namespace {

using RoundTrip = StandInTest;

TEST_F(RoundTrip, AnswersMatchTheirGoldenFiles) {
    const std::pair<std::optional<std::string>, const char*> answers[] = {
        {commands_->Unit_AllSearch01(), "unit_all_search.xml"},
        {commands_->City_List02(), "city_list.xml"},
        {commands_->City_View03("pus", "kix"), "city_view_pus_kix.xml"},
        {commands_->Nation_List02(""), "nation_list.xml"},
        {commands_->Nation_List02("NRT"), "nation_list_nrt.xml"},
        {commands_->Nation_Modify_List01(), "nation_modify_list.xml"},
        {commands_->Exchange_List01(), "exchange_list.xml"},
        // A prefix, in any case; arrivals from abroad are dated and listed by arrival.
        {commands_->Flight_List03(kToday, "", "", "ke0", "", "1"), "flight_search_ke0.xml"},
        {commands_->Flight_List04("20261206", "", "", "KE704", "", "1"), "flight_ke704.xml"},
    };
    for (const auto& [answer, golden] : answers) {
        std::string text = answer.value_or("(no answer)");
        for (std::size_t at = 0; (at = text.find("</Table1>", at)) != std::string::npos; at += 9)
            text.insert(at + 9, "\n");
        testing_support::expectMatchesGolden(text, std::string("services/") + golden);
    }
}

TEST_F(RoundTrip, FlightSearchPagesTenRowsInTimeOrderUntilNo) {
    // The time a row is listed under: arrival time for arrivals, else departure time.
    auto listed = [](const remote::DataRow& r) {
        return col(r, col(r, "flag") == "2" ? "scheduleTime_Arrival" : "scheduleTime_Departure");
    };
    std::vector<remote::DataRow> all;
    int page = 1;
    for (;; ++page) {
        auto answer = commands_->Flight_List03(kToday, "", "", "", "", std::to_string(page));
        if (remote::isNoMore(answer))
            break;
        auto pageRows = rows(answer);
        // Full pages but the last; "NO" right after it.
        ASSERT_EQ(all.size(), (page - 1) * 10u);
        ASSERT_TRUE(!pageRows.empty() && pageRows.size() <= 10u && page < 100);
        all.insert(all.end(), pageRows.begin(), pageRows.end());
    }
    ASSERT_GT(page, 3);
    for (std::size_t i = 0; i < all.size(); ++i) {
        // An arrival from abroad is dated by its arrival.
        EXPECT_EQ(col(all[i], col(all[i], "flag") == "2" ? "scheduleDate_Arrival" : "scheduleDate"),
                  kToday);
        if (i > 0) {
            EXPECT_LE(listed(all[i - 1]), listed(all[i]));
        }
    }
}

TEST_F(RoundTrip, FlightSearchMatchesWholeNumbersIgnoringCaseOnTodayByDefault) {
    auto exact = rows(commands_->Flight_List03(kToday, "", "", "ke1201", "", "1"));
    ASSERT_EQ(exact.size(), 1u);
    EXPECT_EQ(col(exact[0], "flightId"), "KE1201");
    // An empty date lists today.
    EXPECT_EQ(rows(commands_->Flight_List03("", "", "", "KE1201", "", "1")), exact);
    EXPECT_TRUE(remote::isNoMore(commands_->Flight_List03(kToday, "", "", "ZZ999", "", "1")));
    EXPECT_TRUE(remote::isNoMore(commands_->Flight_List04("20261208", "", "", "KE703", "2", "1")));
}

TEST_F(RoundTrip, CityViewClassifiesTheRouteBetweenTwoCities) {
    const std::tuple<const char*, const char*, const char*> routes[] = {
        {"GMP", "CJU", "1"}, {"ICN", "PUS", "1"}, {"GMP", "HND", "2"}, {"ICN", "NRT", "2"},
        {"HND", "GMP", "3"}, {"LAX", "ICN", "3"}, {"HKG", "NRT", "4"}, {"XXX", "YYY", ""},
    };
    for (const auto& [from, to, flag] : routes) {
        remote::XmlDataSetParser1 parser;
        parser.parse(commands_->City_View03(from, to).value_or(""));
        auto flags = remote::valuesOf(parser.mXMLDataList(), {"cityFlag"});
        EXPECT_EQ(flags.empty() ? "" : flags.front(), flag) << from << to;
    }
}

} // namespace
} // namespace services_test
