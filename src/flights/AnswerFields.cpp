#include "flights/AnswerFields.h"

#include "remote/XmlDataSetParser1.h"

namespace flights::detail {

std::optional<std::string> firstValue(const std::vector<remote::XMLData>& pairs,
                                      std::string_view key) {
    for (const auto& pair : pairs)
        if (pair.mKey == key && pair.mValue != "\n")
            return pair.mValue;
    return std::nullopt;
}

std::vector<remote::XMLData> answerPairs(std::string_view text) {
    remote::XmlDataSetParser1 parser;
    parser.parse(text);
    return parser.mXMLDataList();
}

std::string compareField(ChangeMessage& message, ChangedField field,
                         const std::optional<std::string>& answer, const std::string& tracked,
                         bool emptyCounts) {
    if (!answer)
        return tracked;
    if (*answer != tracked && (emptyCounts || !answer->empty()))
        message.appendField(field, *answer);
    return *answer;
}

} // namespace flights::detail
