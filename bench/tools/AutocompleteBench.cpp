// One keystroke in a place field whose suggestion list holds 10,000 entries: the field's
// delegate, the case-blind search and the table's reload, as typing runs them. Each
// iteration alternates between two texts, so every keystroke searches anew.

#include "tools/AutoFill.h"
#include "ui/Outlets.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kEntries = 10000;

std::vector<std::string> entries() {
    static const char* syllables[] = {"인", "천", "김", "포", "제", "주", "부", "산", "도", "쿄",
                                      "오", "사", "카", "파", "리", "런", "던", "뉴", "욕", "시",
                                      "드", "니", "베", "이", "징", "상", "하", "방", "콕", "마"};
    std::mt19937 random(7);
    std::vector<std::string> out;
    out.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        std::string name;
        const int length = 2 + static_cast<int>(random() % 3);
        for (int k = 0; k < length; ++k)
            name += syllables[random() % std::size(syllables)];
        std::string code;
        for (int n = i, k = 0; k < 3; ++k, n /= 26)
            code += static_cast<char>('A' + n % 26);
        out.push_back(name + " (" + code + ")");
    }
    return out;
}

void Keystroke(benchmark::State& state, std::string first, std::string second) {
    auto list = std::make_shared<tools::AutoFillTableViewController>(entries());
    ui::TextField field;
    list->bindField(field);
    bool flip = false;
    std::size_t shown = 0;
    for (auto _ : state) {
        field.type((flip = !flip) ? first : second);
        shown += static_cast<std::size_t>(list->tableView.rowCount());
    }
    state.counters["rows"] = static_cast<double>(shown) / static_cast<double>(state.iterations());
}

} // namespace

// A code typed in capitals: a few dozen suggestions.
BENCHMARK_CAPTURE(Keystroke, code, std::string("ICN"), std::string("ICO"))
    ->Unit(benchmark::kMicrosecond);
// One Korean syllable: about a tenth of the entries.
BENCHMARK_CAPTURE(Keystroke, korean_syllable, std::string("인"), std::string("천"))
    ->Unit(benchmark::kMicrosecond);
// Nothing matches.
BENCHMARK_CAPTURE(Keystroke, no_match, std::string("zzz"), std::string("zzy"))
    ->Unit(benchmark::kMicrosecond);
