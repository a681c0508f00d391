#include "flights/FlightText.h"

#include <climits>
#include <utility>

namespace flights {
namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offset of code point @p index, or text.size() when the text has fewer.
std::size_t offsetOf(std::string_view text, std::size_t index) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size(); ++at) {
        if (isContinuation(static_cast<unsigned char>(text[at])))
            continue;
        if (seen++ == index)
            return at;
    }
    return text.size();
}

constexpr std::string_view kFieldWords[] = {"게이트번호", "수화물수취대", "출구번호",
                                            "운항상태",   "체크인카운터", "변경시간"};

} // namespace

std::string_view chars(std::string_view text, std::size_t from, std::size_t count) {
    const std::size_t begin = offsetOf(text, from);
    const std::size_t end = offsetOf(text.substr(begin), count);
    return text.substr(begin, end);
}

std::size_t charCount(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        n += !isContinuation(static_cast<unsigned char>(c));
    return n;
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t extra;
        unsigned long cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - i <= extra)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(bytes[i + k]);
            if (!isContinuation(d))
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr unsigned long kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

void ChangeMessage::appendMonthDayTime(std::string_view date, std::string_view time) {
    if (charCount(date) < 8 || charCount(time) < 4)
        return;
    appendMonthDay(date);
    text_ += ' ';
    text_ += chars(time, 0, 2);
    text_ += "시 ";
    text_ += chars(time, 2, 2);
    text_ += "분 ";
}

void ChangeMessage::appendMonthDay(std::string_view date) {
    if (charCount(date) < 8)
        return;
    text_ += chars(date, 4, 2);
    text_ += "월 ";
    text_ += chars(date, 6, 2);
    text_ += "일";
}

std::string_view fieldWord(ChangedField field) {
    return kFieldWords[static_cast<int>(field)];
}

bool ChangeMessage::appendTime(std::string_view time, std::string_view before) {
    if (charCount(time) < 4)
        return false;
    changes_.push_back({ChangedField::Time, std::string(before), std::string(time)});
    text_ += fieldWord(ChangedField::Time);
    text_ += ':';
    text_ += chars(time, 0, 2);
    text_ += ':';
    text_ += chars(time, 2, 2);
    text_ += '\n';
    changed_ = true;
    return true;
}

void ChangeMessage::appendField(ChangedField field, std::string_view value,
                                std::string_view before) {
    changes_.push_back({field, std::string(before), std::string(value)});
    text_ += fieldWord(field);
    text_ += ": ";
    text_ += value;
    text_ += '\n';
    changed_ = true;
}

std::string timetableRemark(std::string_view status) {
    if (status == "active" || status == kRemarkDeparted)
        return std::string(kRemarkInFlight);
    if (status == "cancelled")
        return "취소";
    if (status == "diverted")
        return "회항";
    if (status == "landed")
        return "착륙";
    if (status == "scheduled" || status == "unknown")
        return "정보없음";
    return std::string(status);
}

std::string collectedRemark(std::string_view remark) {
    return std::string(remark == kRemarkDeparted ? kRemarkInFlight : remark);
}

StatusTone statusTone(std::string_view word) {
    using T = StatusTone;
    static constexpr std::pair<std::string_view, StatusTone> kTones[] = {
        {kRemarkInFlight, T::UnderWay}, {kRemarkDeparted, T::UnderWay}, {"탑승중", T::Boarding},
        {"탑승마감", T::Boarding},      {"지연", T::Delayed},           {"회항", T::Diverted},
        {"취소", T::Cancelled},         {"결항", T::Cancelled},         {"착륙", T::Arrived},
        {"도착", T::Arrived},           {"정보없음", T::Unknown},       {"-", T::Unknown}};
    for (const auto& [known, tone] : kTones)
        if (word == known)
            return tone;
    return T::Other;
}

std::string_view toneName(StatusTone tone) {
    static constexpr std::string_view kNames[] = {"other",    "underWay",  "boarding", "delayed",
                                                  "diverted", "cancelled", "arrived",  "unknown"};
    return kNames[static_cast<int>(tone)];
}

long leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (LONG_MAX - digit) / 10)
            return negative ? LONG_MIN : LONG_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

} // namespace flights
