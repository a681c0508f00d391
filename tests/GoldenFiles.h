#pragma once
// Files under tests/data: fixtures read whole, and golden files compared byte for byte. On a
// mismatch the actual output is written next to the golden file as NAME.actual.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace testing_support {

/// The path of `name` ("area/file") under tests/data.
inline std::string testDataPath(const std::string& name) {
    return std::string(TAMBERLINOVE_TEST_DATA) + "/" + name;
}

inline std::string readTestData(const std::string& name) {
    std::ifstream in(testDataPath(name), std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing " << testDataPath(name);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void expectMatchesGolden(const std::string& actual, const std::string& name) {
    if (actual == readTestData(name))
        return;
    const std::string actualPath = testDataPath(name) + ".actual";
    std::ofstream(actualPath, std::ios::binary) << actual;
    ADD_FAILURE() << "output differs from " << testDataPath(name) << " (actual output written to "
                  << actualPath << ")\nactual:\n"
                  << actual;
}

} // namespace testing_support
