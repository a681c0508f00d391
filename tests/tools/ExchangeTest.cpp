#include "tools/Exchange.h"
#include "ToolsFixture.h"
#include "tools/AmountFormatter.h"
#include "tools/DiaExchangeList.h"
#include "tools/UIExchange.h"

#include <array>

using namespace tools;
using tools_test::rateRow;

namespace {

ExchangeRate rate(std::string unit, std::string value) {
    ExchangeRate r;
    r.CUR_UNIT = std::move(unit);
    r.DEAL_BAS_R = std::move(value);
    return r;
}

/// The other field's text after typing `text` on the source side, as the screen shows it.
std::string shown(const ExchangeRate& source, const std::optional<ExchangeRate>& target,
                  const std::string& text) {
    static const AmountFormatter formatter("ko_KR");
    const Conversion c = convert(source, target ? &*target : nullptr, text, formatter.symbols());
    switch (c.kind) {
    case Conversion::Kind::Keep:
        return "(unchanged)";
    case Conversion::Kind::Clear:
        return "";
    case Conversion::Kind::Show:
        break;
    }
    return formatter.format(c.amount);
}

} // namespace

TEST(Conversion, RatesPerUnitInDecimalArithmetic) {
    const auto won = rate("KRW", "1");
    const auto yen = rate("JPY(100)", "950");
    const auto dollar = rate("USD", "1382.40");
    // 1 ÷ (950 ÷ 100.00) × 100
    EXPECT_EQ(shown(won, yen, "100"), "10.53");
    EXPECT_EQ(shown(yen, won, "100"), "950");
    // The same currency, or the per-100 rule on both sides, converts an amount to itself.
    EXPECT_EQ(shown(dollar, dollar, "1234.5"), "1,234.5");
    EXPECT_EQ(shown(yen, yen, "1234.567"), "1,234.57");
    // Any code with "100" in it is quoted per 100 units.
    EXPECT_EQ(shown(won, rate("X100Y", "200"), "4"), "2");
    // Decimal arithmetic: 0.1 + 0.2 style binary errors never reach the display.
    EXPECT_EQ(shown(rate("A", "0.3"), rate("B", "0.1"), "1.005"), "3.02");
    EXPECT_EQ(shown(rate("A", "1"), rate("B", "1"), "1.005"), "1.01");
}

TEST(Conversion, TypedTextCommasAndBlanks) {
    const auto one = rate("KRW", "1");
    // A converted amount, grouped, can be edited further.
    EXPECT_EQ(shown(one, one, "1,234,567.8"), "1,234,567.8");
    EXPECT_EQ(shown(one, one, ""), "0");
    EXPECT_EQ(shown(one, one, "   "), "0");
    EXPECT_EQ(shown(one, one, "1."), "1");
    EXPECT_EQ(shown(one, one, ".5"), "0.5");
    EXPECT_EQ(shown(one, one, "-0.001"), "0");
}

TEST(Conversion, NothingMisleadingWhenNoHonestAmountExists) {
    const auto won = rate("KRW", "1");
    // No base rate on the source side: the keystroke changes nothing.
    EXPECT_EQ(shown(rate("KRW", ""), won, "5"), "(unchanged)");
    // Otherwise the other side is emptied rather than left with a stale or made-up amount.
    EXPECT_EQ(shown(won, std::nullopt, "5"), "");
    EXPECT_EQ(shown(won, rate("USD", "0"), "5"), "");
    EXPECT_EQ(shown(won, rate("USD", "n/a"), "5"), "");
    EXPECT_EQ(shown(rate("KRW", "abc"), won, "5"), "");
    for (const char* text : {"12a", "abc", "1.2.3", "--5", "1e5", "-", ".", "1 000", "٣"})
        EXPECT_EQ(shown(won, won, text), "") << text;
    EXPECT_EQ(shown(won, won, std::string(kMaxAmountLength + 1, '9')), "");
    // With its cents, an amount of 37 digits or more cannot be shown exactly in 38.
    EXPECT_EQ(shown(won, rate("X", "0.0000000001"), std::string(30, '9')), "");
    EXPECT_EQ(shown(won, won, std::string(30, '9')), "999,999,999,999,999,999,999,999,999,999");
    EXPECT_EQ(shown(won, rate("X", "0.0000001"), std::string(30, '9')), "");
}

TEST(AmountFormatter, KoreanGroupingTwoDecimalsNoTrailingZeros) {
    const AmountFormatter ko("ko_KR");
    EXPECT_EQ(ko.format(Decimal("10.525")), "10.53");
    EXPECT_EQ(ko.format(Decimal("-2.5")), "-2.5");
    EXPECT_EQ(ko.formatRate("889.54"), "889.54");
    EXPECT_EQ(ko.formatRate("oops"), std::nullopt);
    // The POSIX locale has no conventions of its own: Korean stands in.
    EXPECT_EQ(AmountFormatter("en_US_POSIX").format(Decimal("1234.5")), "1,234.5");
    // Another locale's separators are read back as it writes them.
    const AmountFormatter de("de_DE");
    const std::string written = de.format(Decimal("1234.5"));
    EXPECT_EQ(written, "1.234,5");
    EXPECT_EQ(parseAmount(written, de.symbols()), Decimal("1234.5"));
}

TEST(ExchangeText, TimeStamps) {
    EXPECT_EQ(exchangeStamp("2026120711"), "2026.12.07 11시 기준");
    EXPECT_EQ(exchangeStamp("20261207110000"), "2026.12.07 11시 기준");
    EXPECT_EQ(exchangeStamp("202612071"), std::nullopt);
}

// ---- the screen --------------------------------------------------------------------

class Calculator : public tools_test::ToolsFixture {
protected:
    UIExchange& openCalculator() {
        launch();
        return open<UIExchange>("UIExchange");
    }
    std::vector<std::string> storedUnits() {
        std::vector<std::string> units;
        for (const auto& row : query("SELECT CUR_UNIT FROM aExchange ORDER BY CUR_UNIT"))
            units.push_back(row.at("0"));
        return units;
    }
};

TEST_F(Calculator, RefreshShowsRatesPreselectsWonAndDollarAndStoresTheList) {
    server.rows(
        "Exchange_List01",
        {rateRow("KRW", "한국 원", "1", ""), rateRow("JPY(100)", "일본 옌", "889.54", ""),
         rateRow("USD", "미국 달러", "1382.4", "2026120711"),
         rateRow("EUR", "유로", "1601.32", "2026120709"), rateRow("CNH", "위안화", "194.27", ""),
         rateRow("GBP", "영국 파운드", "1832.75", ""), rateRow("AUD", "호주 달러", "906.15", ""),
         rateRow("CAD", "캐나다 달러", "987.61", ""), rateRow("THB", "태국 바트", "42.86", "")});
    auto& calc = openCalculator();
    EXPECT_EQ(calc.lbl_Exchange_Nation_Top.text(), "한국 원 (KRW)");
    EXPECT_EQ(calc.lbl_Exchange_Nation_Bottom.text(), "미국 달러 (USD)");
    const char* expected[] = {"1,382.4",  "889.54", "1,601.32", "194.27",
                              "1,832.75", "906.15", "987.61"};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(calc.lbl_Exchange_Cost[i].text(), expected[i]) << i;
    // The last row with a time stamp wins.
    EXPECT_EQ(calc.lbl_Exchange_Date.text(), "2026.12.07 09시 기준");
    EXPECT_EQ(storedUnits().size(), 9u);
}

TEST_F(Calculator, AnswerWithoutWonDollarOrStampsLeavesThoseParts) {
    server.rows("Exchange_List01", {rateRow("EUR", "유로", "1601.32", "")});
    auto& calc = openCalculator();
    EXPECT_FALSE(calc.SelectedDataTop);
    EXPECT_FALSE(calc.SelectedDataButtom);
    EXPECT_EQ(calc.lbl_Exchange_Nation_Top.text(), "통화 선택");
    EXPECT_EQ(calc.lbl_Exchange_Cost[0].text(), "-");
    EXPECT_EQ(calc.lbl_Exchange_Cost[2].text(), "1,601.32");
    EXPECT_EQ(calc.lbl_Exchange_Date.text(), "환율 정보 없음");
    // Nothing selected: typing never crashes and shows nothing made up.
    calc.txt_Exchange_Cost_Top.type("5");
    EXPECT_EQ(calc.txt_Exchange_Cost_Buttom.text(), "");
}

TEST_F(Calculator, FailedAnswerKeepsTheTableAndAnEmptyOneStillEmptiesIt) {
    launch();
    open<UIExchange>("UIExchange").dismiss(false);
    ASSERT_EQ(storedUnits(), (std::vector<std::string>{"JPY(100)", "KRW", "USD"}));

    for (const char* failure : {"<rtn>ERROR</rtn>", "-1"}) {
        server.text("Exchange_List01", failure);
        auto& calc = open<UIExchange>("UIExchange");
        EXPECT_EQ(storedUnits().size(), 3u) << failure;
        EXPECT_FALSE(calc.SelectedDataTop);
        calc.dismiss(false);
    }
    server.silence("Exchange_List01");
    open<UIExchange>("UIExchange").dismiss(false);
    EXPECT_EQ(storedUnits().size(), 3u);

    // The table is emptied before the answer is read.
    server.rows("Exchange_List01", {});
    open<UIExchange>("UIExchange");
    EXPECT_TRUE(storedUnits().empty());
}

TEST_F(Calculator, EveryColumnOfTheAnswerIsStoredAndADuplicateOfOneDateDropped) {
    auto row = [](const char* unit, const char* name, const char* ttb, const char* tts,
                  const char* rate, const char* last) {
        return services::DataRow{{"sDATE", "20261207"}, {"CUR_UNIT", unit}, {"CUR_NM", name},
                                 {"TTB", ttb},          {"TTS", tts},       {"DEAL_BAS_R", rate},
                                 {"LASTDATE", last}};
    };
    server.rows("Exchange_List01",
                {row("USD", "미국 달러", "1368.5", "1396.3", "1382.4", "20261207110000"),
                 row("USD", "미국 달러 (정정)", "1", "2", "1400", "2026120712"),
                 row("EUR", "유로", "1585.3", "1617.33", "1601.32", "2026120709")});
    openCalculator();
    std::vector<std::string> stored;
    for (const auto& r : query("SELECT sDATE || '|' || CUR_UNIT || '|' || CUR_NM || '|' || TTB || "
                               "'|' || TTS || '|' || DEAL_BAS_R || '|' || LASTDATE FROM aExchange "
                               "ORDER BY CUR_UNIT"))
        stored.push_back(r.at("0"));
    EXPECT_EQ(stored, (std::vector<std::string>{
                          "20261207|EUR|유로|1585.3|1617.33|1601.32|2026120709",
                          "20261207|USD|미국 달러|1368.5|1396.3|1382.4|20261207110000"}));
}

TEST_F(Calculator, SwapTradesCurrenciesAndAmountsAndConvertsFromTheTypedAmount) {
    // KRW 1 on top, USD 1382.40 below: typed on top, then below (nullptr: nothing), and the
    // two amounts after the swap.
    const std::array<const char*, 4> cases[] = {
        // The typed won keep their text on their new side; the dollars are converted anew.
        {"1000", nullptr, "0.72", "1000"},
        {nullptr, "10", "10", "13,824"},
        {"1000", "2", "2", "2,764.8"}, // the amount typed last counts
        {nullptr, nullptr, "", ""},
    };
    for (const auto& [top, bottom, topAfter, bottomAfter] : cases) {
        auto& calc = openCalculator();
        if (top)
            calc.txt_Exchange_Cost_Top.type(top);
        if (bottom)
            calc.txt_Exchange_Cost_Buttom.type(bottom);
        ASSERT_TRUE(calc.btn_Exchange_Swap.tap());
        EXPECT_EQ(calc.lbl_Exchange_Nation_Top.text() + calc.lbl_Exchange_Nation_Top.code() + " " +
                      calc.txt_Exchange_Cost_Top.text(),
                  std::string("미국 달러 (USD)USD ") + topAfter);
        EXPECT_EQ(calc.lbl_Exchange_Nation_Bottom.text() + " " +
                      calc.txt_Exchange_Cost_Buttom.text(),
                  std::string("한국 원 (KRW) ") + bottomAfter);
        calc.txt_Exchange_Cost_Top.type("1"); // converted with the swapped currencies
        EXPECT_EQ(calc.txt_Exchange_Cost_Buttom.text(), "1,382.4");
    }
}

TEST_F(Calculator, PickerListsTheNewestDateAndAPickClearsBothAmounts) {
    auto& calc = openCalculator();
    // An older day's rate is not offered.
    execute("INSERT INTO aExchange VALUES('20261130','GBP','영국 파운드','1','1','1800','')");
    calc.txt_Exchange_Cost_Top.type("1000");
    ASSERT_FALSE(calc.txt_Exchange_Cost_Buttom.text().empty());

    calc.img_Exchange_Nation_Bottom.tap();
    DiaExchangeList* picker = calc.picker();
    ASSERT_NE(picker, nullptr);
    // The calculator under the picker cannot be touched.
    EXPECT_EQ(calc.reach(calc.btn_Exchange_Back), ui::Screen::Reach::Covered);
    EXPECT_EQ(picker->reach(picker->tbl_ExchangeNation), ui::Screen::Reach::Touchable);
    auto& table = picker->tbl_ExchangeNation;
    ASSERT_EQ(table.rowCount(), 3);
    int yen = -1;
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.cell(row).label("textLabel").text() == "일본 옌 (JPY(100))")
            yen = row;
    ASSERT_NE(yen, -1);

    ASSERT_TRUE(table.select(yen));
    EXPECT_EQ(calc.picker(), nullptr);
    EXPECT_TRUE(calc.children().empty());
    EXPECT_EQ(calc.reach(calc.btn_Exchange_Back), ui::Screen::Reach::Touchable);
    EXPECT_EQ(calc.lbl_Exchange_Nation_Bottom.text(), "일본 옌 (JPY(100))");
    EXPECT_EQ(calc.txt_Exchange_Cost_Top.text(), "");
    EXPECT_EQ(calc.txt_Exchange_Cost_Buttom.text(), "");
    calc.txt_Exchange_Cost_Top.type("100");
    EXPECT_EQ(calc.txt_Exchange_Cost_Buttom.text(), "11.24");
}

TEST_F(Calculator, PickerOfAnEmptyTableShowsNoRowsAndCanBeClosed) {
    server.text("Exchange_List01", "<rtn>ERROR</rtn>");
    auto& calc = openCalculator();
    calc.img_Exchange_Nation_Top.tap();
    ASSERT_NE(calc.picker(), nullptr);
    EXPECT_EQ(calc.picker()->tbl_ExchangeNation.rowCount(), 0);
    // With nothing to pick, the picker can still be closed.
    ASSERT_TRUE(calc.picker()->btn_Close.tap());
    EXPECT_EQ(calc.picker(), nullptr);
    EXPECT_EQ(calc.reach(calc.btn_Exchange_Back), ui::Screen::Reach::Touchable);
    EXPECT_EQ(calc.lbl_Exchange_Nation_Top.text(), "통화 선택");
}
