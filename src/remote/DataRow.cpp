#include "remote/DataRow.h"

#include <cstring>

namespace remote {
namespace {

// Columns are packed one after the other as: key code, [key bytes], text length, text.
// Lengths are unsigned LEB128 (one byte below 128). The key code is the key's length
// shifted left by one, or, for the preset column names, their index shifted left by one
// with the low bit set; those names then take one byte.
constexpr const auto& kCommonKeys = kPresetColumns;

int commonKeyIndex(std::string_view key) {
    // Sorted out by length first: most names are not common ones.
    auto is = [&](int i) { return key == kCommonKeys[static_cast<std::size_t>(i)] ? i : -1; };
    switch (key.size()) {
    case 2:
        return is(7);
    case 3:
        return key[0] == 's' ? is(2) : is(3);
    case 4:
        return key[0] == 'c' ? is(5) : is(6);
    case 6:
        return key[0] == 'a' ? is(1) : is(8);
    case 7:
        return is(4);
    case 13:
        return is(0);
    default:
        return -1;
    }
}

// One bit per column name, so that a name not yet in the row (the usual case while a row
// fills) is known absent without scanning: the common names take bits 0 to 8, other
// names one of the remaining 55 by hash.
std::uint64_t keyBit(std::string_view key, int common) {
    if (common >= 0)
        return std::uint64_t{1} << common;
    if (key.empty())
        return std::uint64_t{1} << 9;
    // Length and three characters tell typical column names apart, at constant cost.
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(key[i]); };
    const std::size_t hash =
        key.size() * 131 + at(0) * 31 + at(key.size() / 2) * 7 + at(key.size() - 1);
    return std::uint64_t{1} << (9 + hash % 55);
}

std::size_t readNumber(const char*& at) {
    std::size_t n = 0;
    int shift = 0;
    for (;;) {
        const auto byte = static_cast<unsigned char>(*at++);
        n |= static_cast<std::size_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0)
            return n;
        shift += 7;
    }
}

void appendNumber(std::string& out, std::size_t n) {
    while (n >= 0x80) {
        out.push_back(static_cast<char>((n & 0x7f) | 0x80));
        n >>= 7;
    }
    out.push_back(static_cast<char>(n));
}

// One packed column, decoded in place.
struct Column {
    std::string_view key;
    const char* lengthAt; // where the text length starts
    std::string_view text;
    const char* next;
};

Column decode(const char* at) {
    Column c;
    const std::size_t code = readNumber(at);
    if (code & 1) {
        c.key = kCommonKeys[code >> 1];
    } else {
        c.key = std::string_view(at, code >> 1);
        at += code >> 1;
    }
    c.lengthAt = at;
    const std::size_t length = readNumber(at);
    c.text = std::string_view(at, length);
    c.next = at + length;
    return c;
}

} // namespace

DataRow::Entry DataRow::const_iterator::operator*() const {
    const Column c = decode(at_);
    return {c.key, c.text};
}

DataRow::const_iterator& DataRow::const_iterator::operator++() {
    at_ = decode(at_).next;
    return *this;
}

DataRow::DataRow(std::initializer_list<Entry> entries) {
    for (const auto& [key, text] : entries)
        set(key, text);
}

std::optional<std::string_view> DataRow::find(std::string_view key) const {
    if ((keyBits_ & keyBit(key, commonKeyIndex(key))) == 0)
        return std::nullopt;
    const char* at = packed_.data();
    const char* end = at + packed_.size();
    while (at < end) {
        const Column c = decode(at);
        if (c.key == key)
            return c.text;
        at = c.next;
    }
    return std::nullopt;
}

void DataRow::set(std::string_view key, std::string_view text) {
    const int common = commonKeyIndex(key);
    const std::size_t wanted =
        common >= 0 ? (static_cast<std::size_t>(common) << 1) | 1 : key.size() << 1;
    const std::uint64_t bit = keyBit(key, common);
    if ((keyBits_ & bit) == 0) {
        keyBits_ |= bit;
        appendColumn(wanted, common < 0 ? key : std::string_view(), text);
        return;
    }
    const char* begin = packed_.data();
    const char* end = begin + packed_.size();
    for (const char* at = begin; at < end;) {
        const std::size_t code = readNumber(at);
        const char* name = at;
        if ((code & 1) == 0)
            at += code >> 1;
        const char* lengthAt = at;
        const std::size_t length = readNumber(at);
        at += length;
        if (code == wanted && (common >= 0 || std::memcmp(name, key.data(), key.size()) == 0)) {
            std::string replacement;
            appendNumber(replacement, text.size());
            replacement.append(text);
            const auto from = static_cast<std::size_t>(lengthAt - begin);
            packed_.replace(from, static_cast<std::size_t>(at - lengthAt), replacement);
            return;
        }
    }
    appendColumn(wanted, common < 0 ? key : std::string_view(), text);
}

void DataRow::appendColumn(std::size_t code, std::string_view key, std::string_view text) {
    appendNumber(packed_, code);
    packed_.append(key);
    appendNumber(packed_, text.size());
    packed_.append(text);
    ++count_;
}

void DataRow::resetTo(const DataRow& base, std::size_t bytes) {
    packed_.clear();
    packed_.reserve(bytes > base.packed_.size() ? bytes : base.packed_.size());
    packed_.append(base.packed_);
    count_ = base.count_;
    keyBits_ = base.keyBits_;
}

} // namespace remote
