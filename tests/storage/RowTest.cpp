// Lookup, iteration and comparison of result rows.

#include "storage/Row.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using storage::Row;
using storage::RowKeys;

namespace {

using Map = std::map<std::string, std::string>;

Row positional(std::vector<std::string> values) {
    auto keys = RowKeys::positions(values.size());
    return Row(std::move(keys), std::move(values));
}

} // namespace

TEST(Row, PositionKeysMatchOnlyTheirCanonicalDecimalText) {
    std::vector<std::string> values;
    for (int i = 0; i < 22; ++i)
        values.push_back("v" + std::to_string(i));
    const Row row = positional(values);
    EXPECT_EQ(row.at("0"), "v0");
    EXPECT_EQ(row.at("21"), "v21");
    EXPECT_EQ(row.find("10")->second, "v10");
    for (const char* key : {"", "22", "01", "00", "+1", "-1", " 1", "1 ", "1a", "0x1",
                            "18446744073709551616", "99999999999999999999999"}) {
        EXPECT_FALSE(row.contains(key)) << key;
        EXPECT_EQ(row.find(key), row.end()) << key;
        EXPECT_THROW(row.at(key), std::out_of_range) << key;
    }
}

TEST(Row, NamedKeysIncludingTheEmptyOneAreFoundAndIteratedInColumnOrder) {
    const Row row(RowKeys::of({"sDATE", "CUR_UNIT", "TTB", ""}), {"20240310", "USD", "1,300", "x"});
    EXPECT_EQ(row.size(), 4u);
    EXPECT_EQ(row.at("CUR_UNIT"), "USD");
    EXPECT_EQ(row.at(""), "x");
    EXPECT_FALSE(row.contains("TTS"));
    EXPECT_FALSE(row.contains("sdate"));
    EXPECT_THROW(row.at("0"), std::out_of_range);

    std::vector<std::string> order;
    for (const auto& [key, value] : row)
        order.push_back(key + "=" + value);
    EXPECT_EQ(order,
              (std::vector<std::string>{"sDATE=20240310", "CUR_UNIT=USD", "TTB=1,300", "=x"}));
    EXPECT_EQ(row.toMap(),
              (Map{{"", "x"}, {"CUR_UNIT", "USD"}, {"TTB", "1,300"}, {"sDATE", "20240310"}}));
}

TEST(Row, MalformedConstructionIsRejected) {
    EXPECT_THROW(RowKeys::of({"a", "b", "a"}), std::invalid_argument);
    EXPECT_THROW(RowKeys::of({"", ""}), std::invalid_argument);
    EXPECT_THROW(Row(RowKeys::positions(2), {"only one"}), std::invalid_argument);
    EXPECT_THROW(Row(nullptr, {"no keys"}), std::invalid_argument);

    const Row empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_THROW(empty.at("0"), std::out_of_range);
    EXPECT_EQ(empty, Map{});
    EXPECT_EQ(empty, Row(RowKeys::positions(0), {}));
}

TEST(Row, EqualityComparesContentWhateverTheKeyListOrOrder) {
    const Row a = positional({"x", "y"});
    EXPECT_EQ(a, positional({"x", "y"}));
    EXPECT_NE(a, positional({"x", "z"}));
    EXPECT_NE(a, positional({"x", "y", ""}));
    // Keys given by name in another order, and keys that merely spell positions.
    EXPECT_EQ(a, Row(RowKeys::of({"1", "0"}), {"y", "x"}));
    EXPECT_EQ(Row(RowKeys::of({"0", "1"}), {"x", "y"}).at("1"), "y");
    EXPECT_NE(a, Row(RowKeys::of({"0", "2"}), {"x", "y"}));

    EXPECT_EQ(a, (Map{{"0", "x"}, {"1", "y"}}));
    EXPECT_EQ((Map{{"0", "x"}, {"1", "y"}}), a);
    EXPECT_NE(a, (Map{{"0", "x"}, {"2", "y"}}));
    EXPECT_NE(a, (Map{{"0", "x"}, {"1", "y"}, {"2", ""}}));
}
