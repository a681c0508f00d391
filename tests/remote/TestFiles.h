#pragma once
// Fixture files and golden comparisons for the remote tests.

#include "GoldenFiles.h"
#include "remote/XMLData.h"

#include <gtest/gtest.h>

#include <string>

namespace remote {

// Readable failure output for pairs.
inline void PrintTo(const XMLData& pair, std::ostream* os) {
    *os << "(\"" << pair.mKey << "\", \"" << pair.mValue << "\")";
}

namespace test {

inline std::string readFixture(const std::string& name) {
    return testing_support::readTestData("remote/" + name);
}
inline void expectMatchesGolden(const std::string& actual, const std::string& name) {
    testing_support::expectMatchesGolden(actual, "remote/" + name);
}

} // namespace test
} // namespace remote
