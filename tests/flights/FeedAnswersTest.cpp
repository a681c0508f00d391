// What each source's answer announces and writes back for the tracked flight.

#include "flights/FeedAnswers.h"
#include "TrackedFlights.h"
#include "flights/FlightText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

using flights::FlightKey;
using flights::FlightUpdate;
using flights::LiveFields;
using testing_support::FlightColumns;
using testing_support::tracked;

namespace {

constexpr const char* kToday = "20261207";
const FlightKey kKey{"ICN", "NRT", "KE701", "20261207"};

// An international-airport answer with one item per element list ("name", "value").
std::string intlAnswer(const std::vector<std::vector<std::pair<std::string, std::string>>>& items) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<response>\n<header>"
                      "<resultCode>00</resultCode></header>\n<body>\n<items>\n";
    for (const auto& item : items) {
        xml += "<item>\n";
        for (const auto& [name, value] : item)
            xml += "<" + name + ">" + value + "</" + name + ">\n";
        xml += "</item>\n";
    }
    return xml + "</items>\n</body>\n</response>\n";
}

using Item = std::vector<std::pair<std::string, std::string>>;

Item departureItem(Item changes = {}) {
    Item item{{"airline", "대한항공"},      {"flightId", "KE701"},
              {"scheduleDateTime", "1030"}, {"estimatedDateTime", "1030"},
              {"airport", "나리타"},        {"airportcode", "NRT"},
              {"gatenumber", "23"},         {"carousel", ""},
              {"exitnumber", ""},           {"remark", ""},
              {"chkinrange", "A01-A12"}};
    for (auto& [name, value] : changes) {
        auto it = std::find_if(item.begin(), item.end(),
                               [&key = name](auto& p) { return p.first == key; });
        if (it == item.end())
            item.emplace_back(name, value);
        else if (value == "<absent>")
            item.erase(it);
        else
            it->second = value;
    }
    return item;
}

std::optional<FlightUpdate> intl(Item changes, const FlightColumns& trackedChanges = {}) {
    return flights::internationalUpdate(intlAnswer({departureItem(std::move(changes))}),
                                        tracked(trackedChanges), kToday);
}

// The tracked flight's live fields, to be changed field by field in the expectations.
LiveFields trackedFields(const FlightColumns& changes = {}) {
    const auto c = testing_support::departureColumns(changes);
    return {c.at("scheduleDate_Departure"),
            c.at("scheduleTime_Departure"),
            c.at("estimatedDate_Departure"),
            c.at("estimatedTime_Departure"),
            c.at("gatenumber"),
            c.at("carousel"),
            c.at("exitnumber"),
            c.at("remark"),
            c.at("chkinrange"),
            c.at("scheduleDate_Arrival"),
            c.at("scheduleTime_Arrival"),
            c.at("estimatedDate_Arrival"),
            c.at("estimatedTime_Arrival")};
}

} // namespace

// ---- international-airport feed --------------------------------------------------------

TEST(InternationalAnswer, EveryChangedFieldIsListedInOrderUnderTheHeader) {
    const auto u = intl({{"estimatedDateTime", "1105"},
                         {"chkinrange", "B01-B06"},
                         {"remark", "출발"},
                         {"gatenumber", "25"},
                         {"carousel", "7"},
                         {"exitnumber", "C"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 07일 10시 30분  KE701 나리타행\n\n"
                          "변경시간:11:05\n게이트번호: 25\n수화물수취대: 7\n출구번호: C\n"
                          "운항상태: 운항중\n체크인카운터: B01-B06\n");
    LiveFields expected = trackedFields();
    expected.estimatedTime_Departure = "1105";
    expected.gatenumber = "25";
    expected.carousel = "7";
    expected.exitnumber = "C";
    expected.remark = "운항중"; // "출발" is kept as "운항중"
    expected.chkinrange = "B01-B06";
    EXPECT_EQ(u->fields, expected);
    EXPECT_EQ(u->key, kKey);
}

TEST(InternationalAnswer, NothingNewMeansNoUpdate) {
    EXPECT_FALSE(intl({}));
    // "출발" is kept as "운항중", so it is no news for a flight stored as in flight.
    EXPECT_FALSE(intl({{"remark", "출발"}}, {{"remark", "운항중"}}));
    // The estimate is compared with the first four characters of the stored one.
    EXPECT_FALSE(intl({}, {{"estimatedTime_Departure", "103000"}}));
    // An empty value is no news either.
    EXPECT_FALSE(intl({{"gatenumber", ""}}));
}

TEST(InternationalAnswer, EmptyValuesAreStoredAndMissingOnesKept) {
    const auto u = intl({{"gatenumber", ""}, {"chkinrange", "<absent>"}, {"carousel", "5"}},
                        {{"chkinrange", "A01"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 07일 10시 30분  KE701 나리타행\n\n수화물수취대: 5\n");
    EXPECT_EQ(u->fields.gatenumber, "");
    EXPECT_EQ(u->fields.chkinrange, "A01");
}

TEST(InternationalAnswer, WithoutAStoredEstimateThereIsNoHeader) {
    const auto u = intl({{"estimatedDateTime", "1105"}},
                        {{"estimatedDate_Departure", ""}, {"estimatedTime_Departure", ""}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "변경시간:11:05\n");
    EXPECT_EQ(u->fields.estimatedDate_Departure, kToday);
    EXPECT_EQ(u->fields.estimatedTime_Departure, "1105");
}

TEST(InternationalAnswer, OnlyTheFirstFlightOfTheAnswerCounts) {
    const auto u = flights::internationalUpdate(
        intlAnswer({departureItem({{"gatenumber", "25"}}), departureItem({{"gatenumber", "99"}})}),
        tracked(), kToday);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->fields.gatenumber, "25");
}

TEST(InternationalAnswer, AnArrivalAtIcnWritesTheArrivalSide) {
    const FlightColumns arrival{{"io", "2"},
                                {"airportcode_departure", "NRT"},
                                {"airportcode_arrival", "ICN"},
                                {"airport_arrival", "인천"},
                                {"estimatedTime_Arrival", "1255"}};
    const auto u = intl({{"scheduleDateTime", "1255"},
                         {"estimatedDateTime", "1310"},
                         {"carousel", "12"},
                         {"exitnumber", "B"},
                         {"gatenumber", ""}},
                        arrival);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 07일 12시 55분  KE701 인천행\n\n"
                          "변경시간:13:10\n수화물수취대: 12\n출구번호: B\n");
    LiveFields expected = trackedFields(arrival);
    expected.gatenumber = "";
    expected.carousel = "12";
    expected.exitnumber = "B";
    expected.scheduleDate_Arrival = kToday;
    expected.scheduleTime_Arrival = "1255";
    expected.estimatedDate_Arrival = kToday;
    expected.estimatedTime_Arrival = "1310";
    EXPECT_EQ(u->fields, expected);
    EXPECT_EQ(u->key, (FlightKey{"NRT", "ICN", "KE701", "20261207"}));
}

TEST(InternationalAnswer, MissingTimesKeepTheStoredOnes) {
    const auto u = intl(
        {{"scheduleDateTime", "<absent>"}, {"estimatedDateTime", "<absent>"}, {"gatenumber", "25"}},
        {{"estimatedTime_Departure", "1045"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, " KE701 나리타행\n\n게이트번호: 25\n");
    EXPECT_EQ(u->fields.scheduleTime_Departure, "1030");
    EXPECT_EQ(u->fields.estimatedTime_Departure, "1045");
}

TEST(InternationalAnswer, ShortTimesAreNeitherCutNorAnnounced) {
    const auto u =
        intl({{"scheduleDateTime", "9"}, {"estimatedDateTime", "93"}, {"gatenumber", "25"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, " KE701 나리타행\n\n게이트번호: 25\n");
    EXPECT_EQ(u->fields.estimatedTime_Departure, "93"); // stored as the feed gives it
    // A short estimate alone is not a change.
    EXPECT_FALSE(intl({{"estimatedDateTime", "93"}}));
}

TEST(InternationalAnswer, FailuresAndAnswersWithoutAirlineChangeNothing) {
    const auto t = tracked();
    for (const flights::AnswerText& text :
         {flights::AnswerText{}, flights::AnswerText{"<rtn>ERROR</rtn>"}, flights::AnswerText{"-1"},
          flights::AnswerText{""},
          flights::AnswerText{intlAnswer({{{"flightId", "KE701"}, {"gatenumber", "25"}}})}})
        EXPECT_FALSE(flights::internationalUpdate(text, t, kToday));
}

TEST(InternationalAnswer, ADocumentCutShortCountsWhatCameBeforeTheCut) {
    std::string text = intlAnswer({departureItem({{"gatenumber", "25"}, {"remark", "탑승중"}})});
    text.resize(text.find("<carousel>") + 5);
    const auto u = flights::internationalUpdate(text, tracked({{"remark", "지연"}}), kToday);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 07일 10시 30분  KE701 나리타행\n\n게이트번호: 25\n");
    EXPECT_EQ(u->fields.remark, "지연"); // never arrived, so kept
}

// ---- maker's flight table --------------------------------------------------------------

namespace {

// The maker's row for KE701 tomorrow (tests/data/flights/flight_table.xml), with columns
// replaced, or removed when given "<absent>".
std::string tableAnswer(const std::map<std::string, std::string>& changes) {
    std::ifstream in(std::string(TAMBERLINOVE_TEST_DATA) + "/flights/flight_table.xml");
    std::string xml((std::istreambuf_iterator<char>(in)), {});
    for (const auto& [name, value] : changes) {
        const std::regex element("<" + name + "( />|>[^<]*</" + name + ">)");
        xml = std::regex_replace(
            xml, element, value == "<absent>" ? "" : "<" + name + ">" + value + "</" + name + ">");
    }
    return xml;
}

const FlightColumns kTomorrow{{"scheduleDate", "20261208"},
                              {"scheduleDate_Departure", "20261208"},
                              {"estimatedDate_Departure", "20261208"},
                              {"scheduleDate_Arrival", "20261208"},
                              {"estimatedDate_Arrival", "20261208"}};

std::optional<FlightUpdate> table(std::map<std::string, std::string> changes,
                                  FlightColumns trackedChanges = {}) {
    for (const auto& [k, v] : kTomorrow)
        trackedChanges.emplace(k, v);
    return flights::makerTableUpdate(tableAnswer(changes), tracked(trackedChanges));
}

} // namespace

TEST(MakerTableAnswer, HeaderNamesTheAnswersFlightAndDestination) {
    const auto u = table({{"estimatedTime_Departure", "1120"}, {"gatenumber", "30"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 08일KE701 나리타행\n\n변경시간:11:20\n게이트번호: 30\n");
    LiveFields expected = trackedFields(kTomorrow);
    expected.estimatedTime_Departure = "1120";
    expected.gatenumber = "30";
    EXPECT_EQ(u->fields, expected);
    EXPECT_EQ(u->key, (FlightKey{"ICN", "NRT", "KE701", "20261208"}));
}

TEST(MakerTableAnswer, WithoutADestinationNameTheCodeIsShown) {
    const auto u = table({{"airport_arrival", ""}, {"remark", "결항"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 08일KE701 NRT행\n\n운항상태: 결항\n");
}

TEST(MakerTableAnswer, WithoutAStoredEstimateAnEstimateDateAnnouncesTheTime) {
    const auto u = table({{"estimatedTime_Departure", "1040"}},
                         {{"estimatedDate_Departure", ""}, {"estimatedTime_Departure", ""}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "변경시간:10:40\n");
}

TEST(MakerTableAnswer, EmptyValuesCountAsChangesAndMissingOnesKeepTheStoredValues) {
    const auto u = table(
        {{"gatenumber", ""}, {"chkinrange", "<absent>"}, {"scheduleTime_Arrival", "<absent>"}},
        {{"chkinrange", "A01"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 08일KE701 나리타행\n\n게이트번호: \n");
    EXPECT_EQ(u->fields.gatenumber, "");
    EXPECT_EQ(u->fields.chkinrange, "A01");
    EXPECT_EQ(u->fields.scheduleTime_Arrival, "1255");
}

TEST(MakerTableAnswer, NoChangeOrNoFlightChangesNothing) {
    EXPECT_FALSE(table({}));
    EXPECT_FALSE(table({{"remark", "출발"}}, {{"remark", "운항중"}}));
    EXPECT_FALSE(table({{"estimatedTime_Departure", "103059"}}));
    EXPECT_FALSE(flights::makerTableUpdate(std::string("<rtn>ERROR</rtn>"), tracked()));
    EXPECT_FALSE(flights::makerTableUpdate(tableAnswer({{"flightId", "<absent>"}}), tracked()));
}

TEST(MakerTableAnswer, AShortEstimateIsNotCut) {
    const auto u = table({{"estimatedTime_Departure", "11"}, {"carousel", "3"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 08일KE701 나리타행\n\n수화물수취대: 3\n");
}

// ---- domestic-airports feed -----------------------------------------------------------

namespace {

std::string domesticAnswer(const std::vector<std::map<std::string, std::string>>& rows) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><response><header><resultCode>00"
                      "</resultCode></header><body><items>";
    for (const auto& row : rows) {
        xml += "<item>";
        for (const auto& [name, value] : row)
            xml += "<" + name + ">" + value + "</" + name + ">";
        xml += "</item>";
    }
    return xml + "</items><numOfRows>99999</numOfRows></body></response>";
}

std::map<std::string, std::string> domesticRow(std::map<std::string, std::string> changes) {
    std::map<std::string, std::string> row{{"airFln", "KE1201"}, {"airlineKorean", "대한항공"},
                                           {"airport", "김포"},  {"city", "제주"},
                                           {"std", "1000"},      {"etd", ""},
                                           {"gate", "3"},        {"io", "O"},
                                           {"rmkKor", ""}};
    for (auto& [k, v] : changes)
        row[k] = v;
    return row;
}

const FlightColumns kGimpoJeju{{"flightId", "KE1201"},
                               {"airportcode_departure", "GMP"},
                               {"airportcode_arrival", "CJU"},
                               {"airport_departure", "김포"},
                               {"airport_arrival", "제주"},
                               {"scheduleTime_Departure", "1000"},
                               {"estimatedTime_Departure", ""},
                               {"estimatedDate_Departure", ""},
                               {"scheduleTime_Arrival", "1105"},
                               {"estimatedTime_Arrival", "1105"},
                               {"gatenumber", "3"}};

FlightColumns gimpoJeju(FlightColumns more = {}) {
    FlightColumns c = kGimpoJeju;
    for (auto& [k, v] : more)
        c[k] = v;
    return c;
}

std::optional<FlightUpdate> domestic(std::map<std::string, std::string> changes,
                                     const FlightColumns& trackedChanges = {}) {
    const auto rows = flights::domesticRows(domesticAnswer({domesticRow(std::move(changes))}));
    EXPECT_EQ(rows.size(), 1u);
    return flights::domesticRowUpdate(rows.at(0), tracked(gimpoJeju(trackedChanges)), kToday);
}

} // namespace

TEST(DomesticAnswer, DepartureRowAnnouncesTimeGateAndStatusUnderItsHeader) {
    const auto u = domestic({{"etd", "1025"}, {"gate", "5"}, {"rmkKor", "지연"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 07일 10시 00분  KE1201 제주행\n\n"
                          "변경시간:10:25\n게이트번호: 5\n운항상태: 지연\n");
    LiveFields expected = trackedFields(gimpoJeju());
    expected.scheduleDate_Departure = kToday;
    expected.scheduleTime_Departure = "1000";
    expected.estimatedDate_Departure = kToday;
    expected.estimatedTime_Departure = "1025";
    expected.gatenumber = "5";
    expected.remark = "지연";
    EXPECT_EQ(u->fields, expected);
    EXPECT_EQ(u->key, (FlightKey{"GMP", "CJU", "KE1201", "20261207"}));
}

TEST(DomesticAnswer, ArrivalRowComparesTheArrivalEstimateAndTakesItsGateAsTheExit) {
    const auto u =
        domestic({{"io", "I"}, {"std", "1105"}, {"etd", "1110"}, {"gate", "2"}, {"rmkKor", "도착"}},
                 {{"estimatedTime_Arrival", "110500"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 07일 11시 05분  KE1201 제주행\n\n"
                          "변경시간:11:10\n출구번호: 2\n운항상태: 도착\n");
    LiveFields expected = trackedFields(gimpoJeju());
    expected.scheduleDate_Departure = kToday;
    expected.exitnumber = "2";
    expected.remark = "도착";
    expected.scheduleDate_Arrival = kToday;
    expected.scheduleTime_Arrival = "1105";
    expected.estimatedDate_Arrival = kToday;
    expected.estimatedTime_Arrival = "1110";
    EXPECT_EQ(u->fields, expected);
    // The same estimate as the first four stored characters is no news.
    EXPECT_FALSE(domestic({{"io", "I"}, {"std", "1105"}, {"etd", "1105"}, {"gate", ""}},
                          {{"estimatedTime_Arrival", "110500"}}));
}

TEST(DomesticAnswer, EmptyValuesNeverCountAndNeverReplaceButAnEmptyEstimateIsStored) {
    EXPECT_FALSE(domestic({{"gate", ""}, {"rmkKor", ""}, {"etd", ""}}));
    const auto u =
        domestic({{"gate", ""}, {"rmkKor", "탑승중"}}, {{"estimatedTime_Departure", "1010"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, "12월 07일 10시 00분  KE1201 제주행\n\n운항상태: 탑승중\n");
    EXPECT_EQ(u->fields.gatenumber, "3");
    EXPECT_EQ(u->fields.estimatedTime_Departure, "");
}

TEST(DomesticAnswer, StatusWordsAreStoredAsReceived) {
    const auto u = domestic({{"rmkKor", "출발"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->fields.remark, "출발");
}

TEST(DomesticAnswer, DepartedSaysNothingNewOfAFlightKnownToBeInTheAir) {
    // The timetable stores "운항중" for the same flight in the same refresh; "출발" must not
    // flip it back, or each minute would announce the status twice.
    EXPECT_FALSE(domestic({{"rmkKor", "출발"}}, {{"remark", "운항중"}}));
    const auto u = domestic({{"rmkKor", "출발"}, {"gate", "7"}}, {{"remark", "운항중"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->fields.remark, "운항중");
    EXPECT_EQ(u->message.find("운항상태"), std::string::npos);
}

TEST(DomesticAnswer, AShortScheduledTimeLeavesTheMomentOutOfTheHeader) {
    const auto u = domestic({{"std", "9"}, {"rmkKor", "지연"}});
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, " KE1201 제주행\n\n운항상태: 지연\n");
}

TEST(DomesticAnswer, OnlyRowsOfTheTrackedFlightAndOnlyWholeRowsCount) {
    std::string text = domesticAnswer({domesticRow({{"airFln", "OZ8901"}}),
                                       domesticRow({{"gate", "7"}}), domesticRow({{"gate", "8"}})});
    text.resize(text.rfind("<gate>8"));
    const auto rows = flights::domesticRows(text);
    ASSERT_EQ(rows.size(), 2u);
    const auto t = tracked(gimpoJeju());
    EXPECT_FALSE(flights::isTrackedRow(rows[0], t));
    EXPECT_TRUE(flights::isTrackedRow(rows[1], t));
    EXPECT_TRUE(flights::domesticRows(std::string("-1")).empty());
}

// ---- timetable feed ---------------------------------------------------------------------

namespace {

// One timetable entry; nlohmann-free so the JSON under test is literal.
std::string ttEntry(const std::string& flight, const std::string& from, const std::string& to,
                    const std::string& rest = "") {
    return R"({"flight":{"iata_number":")" + flight + R"("},"airline":{"name":"Korean Air"},)" +
           R"("departure":{"iata_code":")" + from +
           R"(","scheduled_time":"2026-12-07T10:30:00.000","estimated_time":"2026-12-07T10:50:00.000","gate":"12","terminal":"2"},)" +
           R"("arrival":{"iata_code":")" + to +
           R"(","scheduled_time":"2026-12-07T13:05:00.000","estimated_time":"2026-12-07T13:20:00.000","baggage":"4","terminal":"B"})" +
           rest + "}";
}

const FlightColumns kPusanFukuoka{{"flightId", "KE781"},
                                  {"airportcode_departure", "PUS"},
                                  {"airportcode_arrival", "FUK"},
                                  {"airport_arrival", "후쿠오카"},
                                  {"scheduleTime_Departure", "1030"},
                                  {"estimatedTime_Departure", "1030"},
                                  {"scheduleTime_Arrival", "1305"},
                                  {"estimatedTime_Arrival", "1305"},
                                  {"gatenumber", "12"},
                                  {"carousel", "4"},
                                  {"exitnumber", "B"},
                                  {"remark", "운항중"}};

FlightColumns pusanFukuoka(FlightColumns more = {}) {
    FlightColumns c = kPusanFukuoka;
    for (auto& [k, v] : more)
        c[k] = v;
    return c;
}

flights::TimetableOutcome timetable(const std::string& json, const FlightColumns& more = {}) {
    return flights::timetableUpdate(json, tracked(pusanFukuoka(more)));
}

} // namespace

TEST(TimetableAnswer, TimesAreDigitsOfTheValueSplitIntoDateAndTime) {
    auto dt = flights::timetableDateAndTime("2026-12-07T10:30:45.123+09:00");
    EXPECT_EQ(dt.date, "20261207");
    EXPECT_EQ(dt.time, "1030");
    dt = flights::timetableDateAndTime("2026-12-07 09:05");
    EXPECT_EQ(dt.time, "0905");
    dt = flights::timetableDateAndTime("2026-12");
    EXPECT_EQ(dt.date, "202612");
    EXPECT_EQ(dt.time, "");
}

TEST(TimetableAnswer, TheMatchingEntryIsAnnouncedAndWrittenWhole) {
    const auto out = timetable(R"({"response":[)" + ttEntry("KE781", "PUS", "NRT") + "," +
                               ttEntry("KE781", "PUS", "FUK", R"(,"status":"active")") + "]}");
    ASSERT_TRUE(out.update);
    EXPECT_EQ(out.update->message, "12월 07일 KE781 후쿠오카행\n\n변경시간:10:50\n");
    EXPECT_EQ(out.update->fields,
              (LiveFields{"20261207", "1030", "20261207", "1050", "12", "4", "B", "운항중",
                          "A01-A12", "20261207", "1305", "20261207", "1320"}));
    EXPECT_EQ(out.update->key, (FlightKey{"PUS", "FUK", "KE781", "20261207"}));
    EXPECT_FALSE(out.statusUnknown);
}

TEST(TimetableAnswer, MissingValuesAreStoredEmptyAndAnnounced) {
    const std::string entry =
        R"({"flight":{"iata_number":"KE781"},"status":"landed","departure":{"iata_code":"PUS"},)"
        R"("arrival":{"iata_code":"FUK"}})";
    const auto out = timetable(R"({"response":[)" + entry + "]}");
    ASSERT_TRUE(out.update);
    EXPECT_EQ(out.update->message, " KE781 후쿠오카행\n\n게이트번호: \n수화물수취대: \n"
                                   "출구번호: \n운항상태: 착륙\n");
    EXPECT_EQ(out.update->fields,
              (LiveFields{"", "", "", "", "", "", "", "착륙", "A01-A12", "", "", "", ""}));
}

TEST(TimetableAnswer, WithoutAStoredEstimateAnEstimatedDateAnnouncesTheTime) {
    const auto out = timetable(R"({"response":[)" + ttEntry("KE781", "PUS", "FUK") + "]}",
                               {{"estimatedTime_Departure", ""}});
    ASSERT_TRUE(out.update);
    EXPECT_EQ(out.update->message, "변경시간:10:50\n");
}

TEST(TimetableAnswer, AnEmptyStatusIsStoredAndAMissingOneKeepsTheRemark) {
    const auto empty =
        timetable(R"({"response":[)" + ttEntry("KE781", "PUS", "FUK", R"(,"status":"")") + "]}");
    EXPECT_TRUE(empty.statusUnknown);
    ASSERT_TRUE(empty.update);
    EXPECT_EQ(empty.update->fields.remark, "");
    // An entry without a status keeps the stored remark.
    const auto none = timetable(R"({"response":[)" + ttEntry("KE781", "PUS", "FUK") + "]}");
    ASSERT_TRUE(none.update);
    EXPECT_EQ(none.update->fields.remark, "운항중");
    EXPECT_FALSE(none.statusUnknown);
}

TEST(TimetableAnswer, UnreadableOrUnmatchedAnswersChangeNothing) {
    const auto broken = timetable(R"({"response":[{"flight":)");
    EXPECT_FALSE(broken.update);
    ASSERT_TRUE(broken.error);
    EXPECT_NE(broken.error->find("parse error"), std::string::npos);
    for (const std::string& text :
         {std::string(R"([{"response":[]}])"), std::string(R"({"response":{}})"),
          std::string(R"({"response":[]})"),
          R"({"response":[)" + ttEntry("KE781", "PUS", "NRT") + "]}",
          std::string(R"({"response":[1,"x",null,{"flight":7}]})"), std::string("-1")}) {
        const auto out = timetable(text);
        EXPECT_FALSE(out.update) << text;
        EXPECT_FALSE(out.error) << text;
    }
}

// ---- classification and texts -----------------------------------------------------------

TEST(ClassificationAnswer, TheFirstCityFlagDecides) {
    EXPECT_EQ(flights::classificationFlag(std::string(
                  "<NewDataSet>\n<Table1><cityCode>GMP</cityCode><cityFlag>1</cityFlag></Table1>\n"
                  "<Table1><cityFlag>3</cityFlag></Table1></NewDataSet>")),
              "1");
    EXPECT_EQ(flights::classificationFlag(std::string("<NewDataSet/>")), std::nullopt);
    EXPECT_EQ(flights::classificationFlag(std::string("<rtn>ERROR</rtn>")), std::nullopt);
    EXPECT_EQ(flights::classificationFlag(std::nullopt), std::nullopt);
}

TEST(FlightText, SlicesCountCharactersAndStopAtTheEnd) {
    EXPECT_EQ(flights::chars("20261207", 4, 2), "12");
    EXPECT_EQ(flights::chars("탑승중입니다", 2, 2), "중입");
    EXPECT_EQ(flights::chars("12", 1, 4), "2");
    EXPECT_EQ(flights::chars("12", 5, 2), "");
    EXPECT_EQ(flights::charCount("게이트"), 3u);

    flights::ChangeMessage m;
    m.appendMonthDayTime("2026120", "1030"); // a date too short leaves the moment out
    m.appendMonthDay("20261");
    EXPECT_FALSE(m.appendTime("105"));
    EXPECT_TRUE(m.appendTime("1시5분"));
    EXPECT_EQ(m.text(), "변경시간:1시:5분\n");
}

TEST(FlightText, Utf8Validity) {
    EXPECT_TRUE(flights::isValidUtf8("정보변경 abc"));
    EXPECT_FALSE(flights::isValidUtf8("\xEC\xA0"));         // cut short
    EXPECT_FALSE(flights::isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(flights::isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(flights::isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_EQ(flights::leadingInteger("0930"), 930);
    EXPECT_EQ(flights::leadingInteger("12ab"), 12);
    EXPECT_EQ(flights::leadingInteger("ab"), 0);
}
