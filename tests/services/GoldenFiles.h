#pragma once
// Golden files of the stand-in's answers under tests/data/services. On a mismatch the
// actual answer is written next to the golden file as NAME.actual.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace services_test {

inline std::string goldenPath(const std::string& name) {
    return std::string(TAMBERLINOVE_TEST_DATA) + "/services/" + name;
}

inline void expectMatchesGolden(const std::string& actual, const std::string& name) {
    std::ifstream in(goldenPath(name), std::ios::binary);
    std::ostringstream golden;
    golden << in.rdbuf();
    if (in.good() && golden.str() == actual)
        return;
    std::ofstream(goldenPath(name) + ".actual", std::ios::binary) << actual;
    ADD_FAILURE() << "answer differs from " << goldenPath(name) << " (actual answer written to "
                  << goldenPath(name) << ".actual)\nactual:\n"
                  << actual;
}

} // namespace services_test
