// A flight log of tracking starts the scenario's change, in the flight rows and the feeds
// alike; the services' day follows the clock.

#include "StandInFixture.h"

namespace services_test {
namespace {

using Agreement = StandInTest;

TEST_F(Agreement, TrackingAFlightChangesItTwoMinutesLater) {
    // The flight row's expected departure, and the Gimpo board's.
    auto departure = [&](const std::string& flight) {
        auto found = rows(commands_->Flight_List04(kToday, "", "", flight, "1", "1"));
        auto board = rows(get(domestic("O", "D", "GMP")).body, "item");
        std::erase_if(board, [&](const remote::DataRow& b) { return col(b, "airFln") != flight; });
        return found.size() == 1 && board.size() == 1
                   ? col(found[0], "estimatedTime_Departure") + " " + col(board[0], "etd")
                   : "(none)";
    };
    ASSERT_EQ(departure("KE1215"), "1800 1800");
    remote::FlightLogInput input;
    input.airportcodeDeparture = "GMP";
    input.airportcodeArrival = "CJU";
    input.scheduleDate = kToday;
    input.scheduleTime = "1800";
    input.flag = "1";
    input.logStatus = "1";
    ASSERT_TRUE(remote::isYes(commands_->Log_FilghtInput01(input)));
    clock_.advanceMinutes(1);
    EXPECT_EQ(departure("KE1215"), "1800 1800");
    clock_.advanceMinutes(1);
    // What tracking changes is ScenarioTest's; here, that the log starts it.
    EXPECT_EQ(departure("KE1215"), "1820 1820");

    // A log of tracking that stopped starts nothing.
    input.scheduleTime = "1300";
    input.logStatus = "2";
    ASSERT_TRUE(remote::isYes(commands_->Log_FilghtInput01(input)));
    clock_.advanceMinutes(5);
    EXPECT_EQ(departure("KE1207"), "1300 1300");
}

TEST_F(Agreement, TheServicesDayFollowsTheClockAndARestartKeepsTheRegistry) {
    EXPECT_EQ(standIn_->today(), kToday);
    clock_.set("2026-12-09T00:10:00+09:00");
    EXPECT_EQ(standIn_->today(), "20261209");
    auto first = rows(commands_->Flight_List03("", "", "", "", "", "1"));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(col(first[0], "scheduleDate"), "20261209");
    // Weeks later the timetable has moved along with the clock.
    clock_.set("2027-01-20T12:00:00+09:00");
    auto later = rows(commands_->Flight_List03("20270121", "", "", "", "", "1"));
    ASSERT_FALSE(later.empty());
    EXPECT_EQ(col(later[0], "scheduleDate"), "20270121");
    // Read in London, the Korean airports keep London's hour.
    clock_.set("2026-12-07T23:30:00+00:00");
    EXPECT_EQ(standIn_->today(), kToday);

    // Started again for another day on the same file: the registry stays, the flights move.
    EXPECT_TRUE(remote::isYes(commands_->Unit_Join01("", "", "U", "1", "2", "1")));
    start("demo", "20270301");
    EXPECT_EQ(standIn_->unitRegistry().size(), 1u);
    first = rows(commands_->Flight_List03("", "", "", "", "", "1"));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(col(first[0], "scheduleDate"), "20270301");
    EXPECT_TRUE(remote::isNoMore(commands_->Flight_List03(kToday, "", "", "", "", "1")));
}

} // namespace
} // namespace services_test
