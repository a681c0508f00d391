// Composition of statements from "%@" templates.

#include "storage/SqlFormat.h"

#include <gtest/gtest.h>

using storage::sqlFormat;

TEST(SqlFormat, QuotedPlaceholderDoublesItsQuotes) {
    EXPECT_EQ(sqlFormat("a = '%@' AND b = '%@'", {"it's", "x'); --"}),
              "a = 'it''s' AND b = 'x''); --'");
    EXPECT_EQ(sqlFormat("'%@ (%@)'", {"대한민국", "Korea"}), "'대한민국 (Korea)'");
    EXPECT_EQ(sqlFormat("'a''%@'", {"'"}), "'a'''''"); // the template's '' keeps the literal open
    EXPECT_EQ(sqlFormat("\"%@\" = '%@'", {"c\"d", "'"}), "\"c\"\"d\" = ''''");
}

TEST(SqlFormat, UnquotedPlaceholderIsAPlainNumberOrAQuotedLiteral) {
    EXPECT_EQ(sqlFormat("LIMIT %@, %@", {"10", "-2.5"}), "LIMIT 10, -2.5");
    for (const char* text : {"1 OR 1=1", "1e5", "0x10", ".5", "5.", "+1", " 1", ""})
        EXPECT_EQ(sqlFormat("a = %@", {text}), "a = '" + std::string(text) + "'");
    EXPECT_EQ(sqlFormat("a = %@", {"x'y"}), "a = 'x''y'");
    // A negative number after a minus must not open a comment.
    EXPECT_EQ(sqlFormat("a = 5 -%@ AND b", {"-3"}), "a = 5 - -3 AND b");
    EXPECT_EQ(sqlFormat("'%@', %@", {"a", "b"}), "'a', 'b'");
}

TEST(SqlFormat, MissingValuesAreEmptyAndExtraValuesIgnored) {
    EXPECT_EQ(sqlFormat("('%@', '%@', %@)", {"a"}), "('a', '', '')");
    EXPECT_EQ(sqlFormat("('%@') %", {"a", "b"}), "('a') %");
    EXPECT_EQ(sqlFormat("%@ %@ %@", std::vector<std::string>{"1", "two"}), "1 'two' ''");
}
