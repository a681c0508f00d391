// What each source's answer announces and writes back for the tracked flight.

#include "flights/FeedAnswers.h"
#include "GoldenFiles.h"
#include "TrackedFlights.h"
#include "flights/FlightHistory.h"
#include "flights/FlightText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

using flights::FlightKey;
using flights::FlightUpdate;
using flights::LiveFields;
using testing_support::columns;
using testing_support::FlightColumns;
using testing_support::merged;
using testing_support::tracked;

namespace {

constexpr const char* kToday = "20261207";

// Elements of an answer's item as (name, value); "<absent>" removes an element.
using Item = std::vector<std::pair<std::string, std::string>>;

// An international-airport answer with one item per element list.
std::string intlAnswer(const std::vector<Item>& items) {
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

Item departureItem(const Item& changes = {}) {
    Item item{{"airline", "대한항공"},      {"flightId", "KE701"},
              {"scheduleDateTime", "1030"}, {"estimatedDateTime", "1030"},
              {"airport", "나리타"},        {"airportcode", "NRT"},
              {"gatenumber", "23"},         {"carousel", ""},
              {"exitnumber", ""},           {"remark", ""},
              {"chkinrange", "A01-A12"}};
    for (const auto& [name, value] : changes) {
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

// Elements as columns() reads them, in their order.
Item pairs(std::string_view spec) {
    Item out;
    for (const auto pair : testing_support::words(spec))
        out.emplace_back(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
    return out;
}

// The live fields of a tracked flight of these columns.
LiveFields liveFields(const FlightColumns& changes) {
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

// An answer's elements against the tracked flight's columns (as pairs()): the announcement
// (none: no update) and the live columns written that differ from the tracked ones.
struct AnswerCase {
    const char* name;
    const char* answer;
    const char* tracked;
    std::optional<std::string> message;
    const char* written;
};

// `trackedColumns` are the changes to departureColumns() the flight was tracked with.
void expectUpdate(const std::optional<FlightUpdate>& u, const AnswerCase& c,
                  const FlightColumns& trackedColumns) {
    SCOPED_TRACE(c.name);
    if (!c.message) {
        EXPECT_FALSE(u) << u->message;
        return;
    }
    ASSERT_TRUE(u);
    EXPECT_EQ(u->message, *c.message);
    EXPECT_EQ(u->fields, liveFields(merged(trackedColumns, columns(c.written))));
    EXPECT_EQ(u->key, tracked(trackedColumns).key());
    // Every line under the header is kept as a change from the tracked value to the written.
    const std::string& m = *c.message;
    EXPECT_EQ(u->changes.size(),
              std::count(m.begin(), m.end(), '\n') - (m.find("\n\n") == std::string::npos ? 0 : 2));
    const char* kColumns[] = {"gatenumber", "carousel", "exitnumber", "remark", "chkinrange"};
    const auto was = testing_support::departureColumns(trackedColumns);
    const auto now = testing_support::departureColumns(merged(trackedColumns, columns(c.written)));
    for (const auto& change : u->changes) {
        if (change.field == flights::ChangedField::Time)
            continue;
        EXPECT_EQ(change.before + " → " + change.after, was.at(kColumns[int(change.field)]) +
                                                            " → " +
                                                            now.at(kColumns[int(change.field)]));
    }
}

} // namespace

// ---- international-airport feed --------------------------------------------------------

TEST(InternationalAnswer, ChangesAreAnnouncedUnderTheHeaderAndWritten) {
    const std::string header = "12월 07일 10시 30분  KE701 나리타행\n\n";
    const char* arrivalAtIcn = "io=2 airportcode_departure=NRT airportcode_arrival=ICN "
                               "airport_arrival=인천 estimatedTime_Arrival=1255";
    const AnswerCase cases[] = {
        {"every changed field in order; 출발 is kept as 운항중",
         "estimatedDateTime=1105 chkinrange=B01-B06 remark=출발 gatenumber=25 carousel=7 "
         "exitnumber=C",
         "",
         header + "변경시간:11:05\n게이트번호: 25\n수화물수취대: 7\n출구번호: C\n운항상태: 운항중\n"
                  "체크인카운터: B01-B06\n",
         "estimatedTime_Departure=1105 gatenumber=25 carousel=7 exitnumber=C remark=운항중 "
         "chkinrange=B01-B06"},
        {"nothing new", "", "", std::nullopt, ""},
        {"출발 is no news of a flight in flight", "remark=출발", "remark=운항중", std::nullopt, ""},
        {"the estimate is compared with the stored one's first four characters", "",
         "estimatedTime_Departure=103000", std::nullopt, ""},
        {"an empty value alone is no news", "gatenumber=", "", std::nullopt, ""},
        {"empty values are stored unannounced, missing ones kept",
         "gatenumber= chkinrange=<absent> carousel=5", "chkinrange=A01",
         header + "수화물수취대: 5\n", "gatenumber= carousel=5"},
        {"without a stored estimate there is no header", "estimatedDateTime=1105",
         "estimatedDate_Departure= estimatedTime_Departure=", "변경시간:11:05\n",
         "estimatedDate_Departure=20261207 estimatedTime_Departure=1105"},
        {"an arrival at ICN writes the arrival side",
         "scheduleDateTime=1255 estimatedDateTime=1310 carousel=12 exitnumber=B gatenumber=",
         arrivalAtIcn,
         "12월 07일 12시 55분  KE701 인천행\n\n변경시간:13:10\n수화물수취대: 12\n출구번호: B\n",
         "gatenumber= carousel=12 exitnumber=B scheduleDate_Arrival=20261207 "
         "scheduleTime_Arrival=1255 estimatedDate_Arrival=20261207 estimatedTime_Arrival=1310"},
        {"missing times keep the stored ones and leave the moment out of the header",
         "scheduleDateTime=<absent> estimatedDateTime=<absent> gatenumber=25",
         "estimatedTime_Departure=1045", " KE701 나리타행\n\n게이트번호: 25\n", "gatenumber=25"},
        {"short times are stored as given, neither cut nor announced",
         "scheduleDateTime=9 estimatedDateTime=93 gatenumber=25", "",
         " KE701 나리타행\n\n게이트번호: 25\n",
         "scheduleTime_Departure=9 estimatedTime_Departure=93 gatenumber=25"},
        {"a short estimate alone is no change", "estimatedDateTime=93", "", std::nullopt, ""},
    };
    for (const auto& c : cases)
        expectUpdate(flights::internationalUpdate(intlAnswer({departureItem(pairs(c.answer))}),
                                                  tracked(columns(c.tracked)), kToday),
                     c, columns(c.tracked));
}

TEST(InternationalAnswer, OnlyTheFirstFlightOfTheAnswerCounts) {
    const auto u = flights::internationalUpdate(
        intlAnswer({departureItem({{"gatenumber", "25"}}), departureItem({{"gatenumber", "99"}})}),
        tracked(), kToday);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->fields.gatenumber, "25");
}

TEST(InternationalAnswer, FailuresAndAnswersWithoutAirlineOrFlightChangeNothing) {
    const auto t = tracked();
    for (const flights::AnswerText& text :
         {flights::AnswerText{}, flights::AnswerText{"<rtn>ERROR</rtn>"}, flights::AnswerText{"-1"},
          flights::AnswerText{""}}) {
        EXPECT_FALSE(flights::internationalUpdate(text, t, kToday));
        EXPECT_FALSE(flights::makerTableUpdate(text, t));
    }
    EXPECT_FALSE(flights::internationalUpdate(
        intlAnswer({{{"flightId", "KE701"}, {"gatenumber", "25"}}}), t, kToday));
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

// The maker's row for KE701 tomorrow (tests/data/flights/flight_table.xml), with elements
// replaced, or removed when given "<absent>".
std::string tableAnswer(const Item& changes) {
    std::string xml = testing_support::readTestData("flights/flight_table.xml");
    for (const auto& [name, value] : changes) {
        const std::regex element("<" + name + "( />|>[^<]*</" + name + ">)");
        xml = std::regex_replace(
            xml, element, value == "<absent>" ? "" : "<" + name + ">" + value + "</" + name + ">");
    }
    return xml;
}

const FlightColumns kTomorrow = columns(
    "scheduleDate=20261208 scheduleDate_Departure=20261208 estimatedDate_Departure=20261208 "
    "scheduleDate_Arrival=20261208 estimatedDate_Arrival=20261208");

} // namespace

TEST(MakerTableAnswer, ChangesAreAnnouncedUnderTheHeaderAndWritten) {
    const std::string header = "12월 08일KE701 나리타행\n\n";
    const AnswerCase cases[] = {
        {"the header names the answer's flight and destination",
         "estimatedTime_Departure=1120 gatenumber=30", "",
         header + "변경시간:11:20\n게이트번호: 30\n", "estimatedTime_Departure=1120 gatenumber=30"},
        {"without a destination name the code is shown", "airport_arrival= remark=결항", "",
         "12월 08일KE701 NRT행\n\n운항상태: 결항\n", "remark=결항"},
        {"without a stored estimate an estimate date announces the time",
         "estimatedTime_Departure=1040", "estimatedDate_Departure= estimatedTime_Departure=",
         "변경시간:10:40\n", "estimatedDate_Departure=20261208 estimatedTime_Departure=1040"},
        {"empty values count as changes, missing ones keep the stored values",
         "gatenumber= chkinrange=<absent> scheduleTime_Arrival=<absent>", "chkinrange=A01",
         header + "게이트번호: \n", "gatenumber="},
        {"a short estimate is stored, not cut", "estimatedTime_Departure=11 carousel=3", "",
         header + "수화물수취대: 3\n", "estimatedTime_Departure=11 carousel=3"},
        {"nothing new", "", "", std::nullopt, ""},
        {"출발 is no news of a flight in flight", "remark=출발", "remark=운항중", std::nullopt, ""},
        {"the estimate's first four characters count", "estimatedTime_Departure=103059", "",
         std::nullopt, ""},
        {"no flight in the answer", "flightId=<absent>", "", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const FlightColumns flight = merged(kTomorrow, columns(c.tracked));
        expectUpdate(flights::makerTableUpdate(tableAnswer(pairs(c.answer)), tracked(flight)), c,
                     flight);
    }
}

// ---- domestic-airports feed -----------------------------------------------------------

namespace {

std::string domesticAnswer(const std::vector<Item>& rows) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><response><header><resultCode>00"
                      "</resultCode></header><body><items>";
    for (const auto& changes : rows) {
        std::map<std::string, std::string> row{{"airFln", "KE1201"}, {"airlineKorean", "대한항공"},
                                               {"airport", "김포"},  {"city", "제주"},
                                               {"std", "1000"},      {"etd", ""},
                                               {"gate", "3"},        {"io", "O"},
                                               {"rmkKor", ""}};
        for (const auto& [k, v] : changes)
            row[k] = v;
        xml += "<item>";
        for (const auto& [name, value] : row)
            xml += "<" + name + ">" + value + "</" + name + ">";
        xml += "</item>";
    }
    return xml + "</items><numOfRows>99999</numOfRows></body></response>";
}

const FlightColumns kGimpoJeju = columns(
    "flightId=KE1201 airportcode_departure=GMP airportcode_arrival=CJU airport_departure=김포 "
    "airport_arrival=제주 scheduleTime_Departure=1000 estimatedTime_Departure= "
    "estimatedDate_Departure= scheduleTime_Arrival=1105 estimatedTime_Arrival=1105 gatenumber=3");

} // namespace

TEST(DomesticAnswer, RowsOfTheTrackedFlightAreAnnouncedAndWritten) {
    const std::string header = "12월 07일 10시 00분  KE1201 제주행\n\n";
    // The timetable stores "운항중" for the same flight in the same refresh; "출발" must not
    // flip it back, or each minute would announce the status twice. A departure row always
    // writes the departure side's estimate, empty or not.
    const AnswerCase cases[] = {
        {"a departure row announces time, gate and status", "etd=1025 gate=5 rmkKor=지연", "",
         header + "변경시간:10:25\n게이트번호: 5\n운항상태: 지연\n",
         "estimatedDate_Departure=20261207 estimatedTime_Departure=1025 gatenumber=5 remark=지연"},
        {"an arrival row compares the arrival estimate and takes its gate as the exit",
         "io=I std=1105 etd=1110 gate=2 rmkKor=도착", "estimatedTime_Arrival=110500",
         "12월 07일 11시 05분  KE1201 제주행\n\n변경시간:11:10\n출구번호: 2\n운항상태: 도착\n",
         "exitnumber=2 remark=도착 scheduleDate_Arrival=20261207 scheduleTime_Arrival=1105 "
         "estimatedDate_Arrival=20261207 estimatedTime_Arrival=1110"},
        {"an arrival estimate equal to the stored one's first four characters is no news",
         "io=I std=1105 etd=1105 gate=", "estimatedTime_Arrival=110500", std::nullopt, ""},
        {"empty values never count", "gate= rmkKor= etd=", "", std::nullopt, ""},
        {"empty values never replace, but an empty estimate is stored", "gate= rmkKor=탑승중",
         "estimatedTime_Departure=1010", header + "운항상태: 탑승중\n",
         "estimatedDate_Departure=20261207 estimatedTime_Departure= remark=탑승중"},
        {"status words are stored as received", "rmkKor=출발", "", header + "운항상태: 출발\n",
         "estimatedDate_Departure=20261207 remark=출발"},
        {"출발 is no news of a flight in flight", "rmkKor=출발", "remark=운항중", std::nullopt, ""},
        {"출발 keeps 운항중 when something else changed", "rmkKor=출발 gate=7", "remark=운항중",
         header + "게이트번호: 7\n", "estimatedDate_Departure=20261207 gatenumber=7"},
        {"a short scheduled time leaves the moment out of the header", "std=9 rmkKor=지연", "",
         " KE1201 제주행\n\n운항상태: 지연\n",
         "estimatedDate_Departure=20261207 scheduleTime_Departure=9 remark=지연"},
    };
    for (const auto& c : cases) {
        const FlightColumns flight = merged(kGimpoJeju, columns(c.tracked));
        const auto rows = flights::domesticRows(domesticAnswer({pairs(c.answer)}));
        ASSERT_EQ(rows.size(), 1u);
        expectUpdate(flights::domesticRowUpdate(rows[0], tracked(flight), kToday), c, flight);
    }
}

TEST(DomesticAnswer, OnlyRowsOfTheTrackedFlightAndOnlyWholeRowsCount) {
    std::string text = domesticAnswer({{{"airFln", "OZ8901"}}, {{"gate", "7"}}, {{"gate", "8"}}});
    text.resize(text.rfind("<gate>8"));
    const auto rows = flights::domesticRows(text);
    ASSERT_EQ(rows.size(), 2u);
    const auto t = tracked(kGimpoJeju);
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

const FlightColumns kPusanFukuoka = columns(
    "flightId=KE781 airportcode_departure=PUS airportcode_arrival=FUK airport_arrival=후쿠오카 "
    "scheduleTime_Departure=1030 estimatedTime_Departure=1030 scheduleTime_Arrival=1305 "
    "estimatedTime_Arrival=1305 gatenumber=12 carousel=4 exitnumber=B remark=운항중");

flights::TimetableOutcome timetable(const std::string& json, const char* more = "") {
    return flights::timetableUpdate(json, tracked(merged(kPusanFukuoka, columns(more))));
}

} // namespace

TEST(TimetableAnswer, TimesAreDigitsOfTheValueSplitIntoDateAndTime) {
    std::string split;
    for (const char* value : {"2026-12-07T10:30:45.123+09:00", "2026-12-07 09:05", "2026-12"}) {
        const auto dt = flights::timetableDateAndTime(value);
        split += dt.date + " " + dt.time + "|";
    }
    EXPECT_EQ(split, "20261207 1030|20261207 0905|202612 |");
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
                               "estimatedTime_Departure=");
    ASSERT_TRUE(out.update);
    EXPECT_EQ(out.update->message, "변경시간:10:50\n");
}

TEST(TimetableAnswer, AnEmptyStatusIsStoredAndAMissingOneKeepsTheRemark) {
    const auto empty =
        timetable(R"({"response":[)" + ttEntry("KE781", "PUS", "FUK", R"(,"status":"")") + "]}");
    EXPECT_TRUE(empty.statusUnknown);
    ASSERT_TRUE(empty.update);
    EXPECT_EQ(empty.update->fields.remark, "");
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
    EXPECT_FALSE(m.appendTime("105", ""));
    EXPECT_TRUE(m.appendTime("1시5분", ""));
    EXPECT_EQ(m.text(), "변경시간:1시:5분\n");
}

TEST(FlightText, Utf8ValidityRejectsCutOverlongSurrogateAndTooLargeSequences) {
    EXPECT_TRUE(flights::isValidUtf8("정보변경 abc"));
    // Cut short, overlong, a surrogate, past U+10FFFF.
    for (const char* bad : {"\xEC\xA0", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(flights::isValidUtf8(bad)) << bad;
}

TEST(FlightHistory, RowsAndTheFreshnessLineSpeakTheCardsWords) {
    platform::TimePoint now{};
    int offset = 0;
    ASSERT_TRUE(platform::parseIsoInstant("2026-12-07T09:41:30+09:00", now, offset));
    const platform::VirtualClock clock(now, offset);
    using F = flights::ChangedField;
    const struct {
        flights::FieldChange change;
        std::chrono::minutes ago;
        const char* row;
    } rows[] = {
        {{F::Gate, "132", "252"}, {}, "09:41 게이트번호 132 → 252"},
        {{F::Time, "1030", "1105"}, {}, "09:41 변경시간 10:30 → 11:05"},
        {{F::Carousel, "", "7"}, std::chrono::hours(10), "12/06 23:41 수화물수취대 - → 7"},
        {{F::Status, "탑승중", ""}, {}, "09:41 운항상태 탑승중 → -"},
    };
    for (const auto& r : rows) {
        const flights::HistoryEntry e{now - r.ago, r.change};
        EXPECT_EQ(flights::historyTime(clock, e, "20261207") + " " + flights::historyChange(e),
                  r.row);
    }
    const std::pair<std::optional<std::chrono::seconds>, const char*> freshness[] = {
        {std::nullopt, ""},
        {std::chrono::seconds(59), "방금 확인"},
        {std::chrono::minutes(5), "5분 전 확인"},
        {std::chrono::hours(3), "3시간 전 확인"},
        {std::chrono::hours(48), "12/05 09:41 확인"}};
    for (const auto& [ago, text] : freshness)
        EXPECT_EQ(
            flights::freshnessText(clock, ago ? std::optional(now - *ago) : std::nullopt, now),
            text);
}
