#include "remote/Answer.h"

#include <gtest/gtest.h>

namespace remote {
namespace {

TEST(Answer, FailureIsNoAnswerErrorOrMinusOneByWholeText) {
    EXPECT_TRUE(isFailure(std::nullopt));
    EXPECT_TRUE(isFailure(std::string("<rtn>ERROR</rtn>")));
    EXPECT_TRUE(isFailure(std::string("-1")));
    EXPECT_FALSE(isFailure(std::string("")));
    EXPECT_FALSE(isFailure(std::string(" -1")));
    EXPECT_FALSE(isFailure(std::string("<rtn>NO</rtn>")));
    EXPECT_FALSE(isFailure(std::string("<NewDataSet />")));
}

TEST(Answer, NoMoreAndYesAreRecognisedByWholeText) {
    EXPECT_TRUE(isNoMore(std::string("<rtn>NO</rtn>")));
    EXPECT_FALSE(isNoMore(std::nullopt));
    EXPECT_FALSE(isNoMore(std::string("<rtn>NO</rtn>\n")));
    EXPECT_TRUE(isYes(std::string("YES")));
    EXPECT_FALSE(isYes(std::string("yes")));
    EXPECT_FALSE(isYes(std::nullopt));
}

TEST(Answer, PairHelpersSkipValuesThatAreExactlyALineFeed) {
    const std::vector<XMLData> pairs{{"sUnitUUID", "U1"}, {"", "\n"},     {"SUNITUUID", "U2"},
                                     {"sUnitUUID", "\n"}, {"other", "x"}, {"sUnitUUID", "\n "}};
    EXPECT_EQ(valuesOf(pairs, {"sUnitUUID", "SUNITUUID"}),
              (std::vector<std::string>{"U1", "U2", "\n "}));
    EXPECT_EQ(pairsSkippingNewlines(pairs).size(), 4u);
}

} // namespace
} // namespace remote
