#include "tools/Referral.h"

#include <climits>

namespace tools {
namespace {

std::string repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string percentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

} // namespace

int countValue(std::string_view text) {
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

std::optional<std::string> countAfterPress(std::string_view text, int step) {
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || c == '_'))
            return std::nullopt;
    const int value = countValue(text);
    if (step > 0 && value <= kMaxPassengers - 1)
        return std::to_string(value + 1);
    if (step < 0 && value < kMaxPassengers + 1 && value >= 1)
        return std::to_string(value - 1);
    return std::nullopt;
}

std::optional<std::string> referralProblem(const ReferralInput& in) {
    const long long total = static_cast<long long>(countValue(in.adults)) +
                            countValue(in.children) + countValue(in.infants);
    if (total >= kMaxPassengers + 1)
        return "예약인원은 8명을 초과할 수 없습니다.";
    if (countValue(in.adults) == 0)
        return "탑승인원을 선택하십시오.";
    if (in.departureCode.empty())
        return "출발공항을 선택하십시오.";
    if (in.arrivalCode.empty())
        return "도착공항을 선택하십시오.";
    if (in.startDate.empty())
        return "출발일을 선택하십시오.";
    return std::nullopt;
}

std::string referralAddress(std::string_view endpoint, std::string_view apiKey,
                            const ReferralInput& in) {
    std::string url(endpoint);
    url += kReferralPath;
    url += "/" + percentEncoded(in.departureCode) + "/" + percentEncoded(in.arrivalCode) + "/" +
           percentEncoded(in.startDate);
    if (!in.returnDate.empty())
        url += "/" + percentEncoded(in.returnDate);
    url += "/";
    url += "?apiKey=";
    url += apiKey;
    url += "&adultsv2=" + in.adults;
    const int children = countValue(in.children);
    const int infants = countValue(in.infants);
    if (in.children != "0") {
        url += "&childrenv2=4" + repeat("%7C4", children - 1);
        if (infants >= 1)
            url += repeat("%7C0", infants);
    } else if (in.infants != "0") {
        url += "&childrenv2=0" + repeat("%7C0", infants - 1);
    } else {
        url += "&childrenv2=-";
    }
    return url;
}

} // namespace tools
