#include "remote/Answer.h"

#include <algorithm>

namespace remote {

bool isFailure(const std::optional<std::string>& answer) {
    return !answer || *answer == kAnswerError || *answer == kAnswerFailed;
}

bool isNoMore(const std::optional<std::string>& answer) {
    return answer && *answer == kAnswerNoMore;
}

bool isYes(const std::optional<std::string>& answer) {
    return answer && *answer == kAnswerYes;
}

std::vector<XMLData> pairsSkippingNewlines(const std::vector<XMLData>& pairs) {
    std::vector<XMLData> out;
    std::copy_if(pairs.begin(), pairs.end(), std::back_inserter(out),
                 [](const XMLData& pair) { return pair.mValue != "\n"; });
    return out;
}

std::vector<std::string> valuesOf(const std::vector<XMLData>& pairs,
                                  std::initializer_list<std::string_view> keys) {
    std::vector<std::string> out;
    for (const auto& pair : pairs) {
        if (pair.mValue == "\n")
            continue;
        if (std::find(keys.begin(), keys.end(), pair.mKey) != keys.end())
            out.push_back(pair.mValue);
    }
    return out;
}

} // namespace remote
