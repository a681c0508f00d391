// Statement templates run with bound values: the same rows and results as the composed text,
// the result codes callers rely on, and the reuse across a connection's life.

#include "TempDir.h"
#include "storage/DBClass.h"
#include "storage/SqlFormat.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using storage::DBClass;

namespace {

class TemplateStatement : public ::testing::Test {
protected:
    void SetUp() override {
        db.ConnectDB();
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery(
                      "CREATE TABLE t(k integer not null, v varchar(10), PRIMARY KEY(k))"),
                  "0");
    }
    std::vector<std::string> values() {
        std::vector<std::string> out;
        for (const auto& row : db.SelectExcuteQuery("SELECT k, v, typeof(k) FROM t ORDER BY k"))
            out.push_back(row.at("0") + "|" + row.at("1") + "|" + row.at("2"));
        return out;
    }
    testing_support::TempDir dir;
    DBClass db{dir.file("t.sqlite3")};
};

constexpr const char* kInsert = "INSERT INTO t(k, v) VALUES('%@','%@')";

} // namespace

TEST_F(TemplateStatement, BoundValuesStoreWhatTheComposedTextWould) {
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"7", "it's"}), "0");
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery(storage::sqlFormat(kInsert, {"8", "it's"})), "0");
    // Missing values are empty; the key's integer affinity applies to bound text as well.
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"9"}), "0");
    EXPECT_EQ(values(),
              (std::vector<std::string>{"7|it's|integer", "8|it's|integer", "9||integer"}));
}

TEST_F(TemplateStatement, FailuresReportLikeComposedStatements) {
    ASSERT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"1", "a"}), "0");
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"1", "b"}), "-1");
    EXPECT_EQ(db.lastResultCode(), SQLITE_CONSTRAINT);
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"abc", "b"}), "-1");
    EXPECT_EQ(db.lastResultCode(), SQLITE_MISMATCH);
    // A failed row leaves the reused statement ready for the next one.
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"2", "c"}), "0");
    EXPECT_EQ(db.lastResultCode(), SQLITE_OK);
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate("INSERT INTO nowhere VALUES('%@')", {"x"}), "-1");
    EXPECT_EQ(db.lastResultCode(), SQLITE_ERROR);
}

TEST_F(TemplateStatement, OtherPlaceholdersAreComposedAndAClosedConnectionFails) {
    // An unquoted placeholder is written as sqlFormat writes it.
    EXPECT_EQ(
        db.InsertUpdateDeleteExcuteTemplate("INSERT INTO t(k, v) VALUES(%@, 'x%@')", {"5", "y"}),
        "0");
    EXPECT_EQ(values(), std::vector<std::string>{"5|xy|integer"});
    // Statements prepared on a connection end with it; the next connection prepares anew.
    ASSERT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"6", "z"}), "0");
    db.DisConnectDB();
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"7", "z"}), "-1");
    EXPECT_EQ(db.lastResultCode(), SQLITE_MISUSE);
    db.ConnectDB();
    EXPECT_EQ(db.InsertUpdateDeleteExcuteTemplate(kInsert, {"7", "z"}), "0");
    EXPECT_EQ(values().size(), 3u);
}
