#include "remote/XmlDataSetParser.h"
#include "TestFiles.h"
#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"
#include "remote/XmlDataSetParser2.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace remote {
namespace {

using Pairs = std::vector<XMLData>;

Pairs pairsOf(std::string_view xml) {
    XmlDataSetParser p;
    p.parse(xml);
    return p.mXMLDataList();
}

Pairs pairs1Of(std::string_view xml) {
    XmlDataSetParser1 p;
    p.parse(xml);
    return p.mXMLDataList();
}

std::vector<DataRow> rowsOf(std::string_view xml, std::string rowName = "Table1") {
    XmlDataSetParser2 p(std::move(rowName));
    p.parse(xml);
    return p.mXMLDataList();
}

TEST(XmlDataSetParser, MakesOnePairPerRunOfTextWithReferencesAndRowStartsApart) {
    // libxml2 splits text internally (ASCII then Hangul, CR LF, long runs, read boundaries);
    // a run is still one pair.
    std::string hangul;
    while (hangul.size() < 65530)
        hangul += "abc 가나다 ";
    const std::string tail(150000, 'z');
    const std::pair<std::string, Pairs> cases[] = {
        {"<sUnitUUID>abc</sUnitUUID>", {{"sUnitUUID", "abc"}}},
        // A row element followed by a line break: the row's name with an empty value.
        {test::readFixture("unit_allsearch01_dataset.xml"),
         {{"NewDataSet", ""},
          {"Table1", ""},
          {"sUnitUUID", "E2C56DB5-DFFB-48D2-B060-D0F5A71096E0"},
          {"Table1", ""},
          {"SUNITUUID", "B9407F30-F5F8-466E-AFF9-25556B57FE6D"}}},
        // Names arrive as written, prefixes included.
        {"<r><p:a>1</p:a><a:b:c>2</a:b:c></r>", {{"p:a", "1"}, {"a:b:c", "2"}}},
        // Text around a reference arrives in separate pairs, told apart from the reference
        // even where it starts with the same character.
        {"<a>AT&amp;T</a>", {{"a", "AT"}, {"", "&"}, {"", "T"}}},
        {"<a>x&#65;&lt;y</a>", {{"a", "x"}, {"", "A"}, {"", "<"}, {"", "y"}}},
        {"<a>&#65;A가</a>", {{"a", "A"}, {"", "A가"}}},
        {"<a>&lt;;가</a>", {{"a", "<"}, {"", ";가"}}},
        {"<a>x&#xAC00;y</a>", {{"a", "x"}, {"", "가"}, {"", "y"}}},
        // A byte-order mark, and a document in another encoding.
        {"\xEF\xBB\xBF<a>AT&amp;T</a>", {{"a", "AT"}, {"", "&"}, {"", "T"}}},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xE9&amp;\xE9</a>",
         {{"a", "café"}, {"", "&"}, {"", "é"}}},
        {"<c>ab\r\ncd</c>", {{"c", "ab\ncd"}}},
        {"<c>" + hangul + "&amp;" + tail + "</c>", {{"c", hangul}, {"", "&"}, {"", tail}}},
        {"<c>a<![CDATA[<b>]]>c</c>", {{"c", "a<b>c"}}},
        // Malformed or cut input keeps what came before.
        {"<r><a>tail", {{"a", "tail"}}},
        {"<r><a>1</a><b>2</c><d>3</d></r>", {{"a", "1"}, {"b", "2"}}},
        {"", {}},
        {"not xml at all", {}},
        {std::string("<r><a>1</a>\0<b>2</b></r>", 24), {{"a", "1"}}},
    };
    for (const auto& [xml, expected] : cases)
        EXPECT_EQ(pairsOf(xml), expected) << xml.substr(0, 80);
}

TEST(XmlDataSetParser, EnvelopePassYieldsTheUnescapedResultText) {
    const std::string envelope = test::readFixture("city_list02_envelope.xml");
    XmlDataSetParser p;
    p.parse(envelope);
    test::expectMatchesGolden(p.currentData(), "city_list02_dataset.xml");
    EXPECT_EQ(XmlDataSetParser::characterData(envelope), p.currentData());
}

TEST(XmlDataSetParser, ResolvesNoExternalOrDeclaredEntities) {
    const char* xml = "<?xml version=\"1.0\"?>"
                      "<!DOCTYPE r [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">"
                      "<!ENTITY in \"inner\">]>"
                      "<r><a>1</a><b>&xxe;</b><c>&in;</c></r>";
    XmlDataSetParser p;
    p.parse(xml);
    EXPECT_EQ(p.mXMLDataList(), (Pairs{{"a", "1"}}));
    EXPECT_EQ(p.currentData(), "1");

    const std::string dtd = ::testing::TempDir() + "remote_entities.dtd";
    std::ofstream(dtd) << "<!ENTITY e \"LOADED\">";
    XmlDataSetParser q;
    q.parse("<!DOCTYPE r SYSTEM \"file://" + dtd + "\"><r><a>1</a><b>&e;</b><c>3</c></r>");
    EXPECT_EQ(q.currentData().find("LOADED"), std::string::npos);
    EXPECT_EQ(valuesOf(q.mXMLDataList(), {"a"}), (std::vector<std::string>{"1"}));
}

TEST(XmlDataSetParser1, LeafPairsThenContainerEndWithTheLastText) {
    EXPECT_EQ(pairs1Of("<Table1><airline>A</airline><flightId>F</flightId></Table1>"),
              (Pairs{{"airline", "A"}, {"flightId", "F"}, {"", "F"}}));
    // The pieces of a value split around a reference are joined.
    XmlDataSetParser1 p;
    p.parse("<r><n>Trinidad &amp; Tobago</n></r>");
    EXPECT_EQ(p.mXMLDataList(), (Pairs{{"n", "Trinidad & Tobago"}, {"", "Trinidad & Tobago"}}));
    EXPECT_EQ(p.foundString(), "Trinidad & Tobago");
}

// Values of a data set's rows as callers read them: InteropTest.
TEST(XmlDataSetParser2, ItemRowsFillPresetKeysAndMissingOnesStayEmpty) {
    const auto rows = rowsOf(test::readFixture("domestic_items.xml"), "item");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(std::string(rows[0].value("rmkKor")) + std::string(rows[0].value("gate")), "출발3");
    EXPECT_EQ(rows[1].find("rmkKor"), std::optional<std::string_view>(""));
    EXPECT_EQ(rows[1].value("gate"), "");
    EXPECT_EQ(rows[1].size(), 9u);
}

TEST(XmlDataSetParser2, RepeatedColumnKeepsItsLastValueAndOutsideElementsAreIgnored) {
    const auto rows = rowsOf("<D><pre>0</pre><Table1><a>1</a><a>2</a></Table1>"
                             "<after>3</after><Table1><b>4</b></Table1><a>5</a></D>");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rowsOf("<NewDataSet><x>1</x></NewDataSet>").empty());
    EXPECT_EQ(rows[0].value("a"), "2");
    EXPECT_FALSE(rows[0].contains("after") || rows[0].contains("pre") || rows[1].contains("a"));
}

TEST(XmlDataSetParser2, MalformedInputKeepsTheCompletedRows) {
    XmlDataSetParser2 p("Table1");
    p.parse("<D><Table1><a>1</a></Table1><Table1><a>2</a><b>oops</D>");
    ASSERT_EQ(p.mXMLDataList().size(), 1u);
    EXPECT_EQ(p.mXMLDataList()[0].value("a"), "1");
    EXPECT_EQ(p.DicData().value("a"), "2");
}

TEST(XmlDataSetParser2, TenThousandRowsParseFullyThroughBothPasses) {
    std::string escaped = "&lt;NewDataSet&gt;";
    for (int i = 0; i < 10000; ++i)
        escaped +=
            "&lt;Table1&gt;&lt;cityCode&gt;C" + std::to_string(i) +
            "&lt;/cityCode&gt;&lt;cityKor&gt;도시 &amp;amp; 항구&lt;/cityKor&gt;&lt;/Table1&gt;";
    escaped += "&lt;/NewDataSet&gt;";
    const std::string envelope = "<soap:Envelope xmlns:soap=\"s\"><soap:Body><R><RResult>" +
                                 escaped + "</RResult></R></soap:Body></soap:Envelope>";
    const auto rows = rowsOf(XmlDataSetParser::characterData(envelope));
    ASSERT_EQ(rows.size(), 10000u);
    EXPECT_EQ(rows.back().value("cityCode"), "C9999");
    EXPECT_EQ(rows.back().value("cityKor"), "도시 & 항구");
}

} // namespace
} // namespace remote
