#include "storage/Row.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace storage {

std::shared_ptr<const RowKeys> RowKeys::positions(std::size_t count) {
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        names.push_back(std::to_string(i));
    return of(std::move(names));
}

std::shared_ptr<const RowKeys> RowKeys::of(std::vector<std::string> names) {
    // The constructor is private, hence no make_shared.
    return std::shared_ptr<const RowKeys>(new RowKeys(std::move(names)));
}

RowKeys::RowKeys(std::vector<std::string> names) : names_(std::move(names)) {
    if (names_.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("RowKeys: too many keys");
    for (std::size_t i = 0; i < names_.size() && positional_; ++i)
        positional_ = names_[i] == std::to_string(i);
    if (positional_)
        return;
    sorted_.resize(names_.size());
    for (std::uint32_t i = 0; i < sorted_.size(); ++i)
        sorted_[i] = i;
    std::sort(sorted_.begin(), sorted_.end(),
              [this](std::uint32_t a, std::uint32_t b) { return names_[a] < names_[b]; });
    const auto repeated = std::adjacent_find(
        sorted_.begin(), sorted_.end(),
        [this](std::uint32_t a, std::uint32_t b) { return names_[a] == names_[b]; });
    if (repeated != sorted_.end())
        throw std::invalid_argument("RowKeys: repeated key \"" + names_[*repeated] + "\"");
}

std::size_t RowKeys::find(std::string_view key) const {
    if (positional_) {
        // Only the canonical decimal text names a slot: no sign, blank or leading zero.
        if (key.empty() || (key.size() > 1 && key.front() == '0'))
            return npos;
        std::size_t slot = 0;
        const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), slot);
        if (ec != std::errc() || end != key.data() + key.size() || slot >= names_.size())
            return npos;
        return slot;
    }
    const auto it = std::lower_bound(
        sorted_.begin(), sorted_.end(), key,
        [this](std::uint32_t slot, std::string_view k) { return names_[slot] < k; });
    return it != sorted_.end() && names_[*it] == key ? *it : npos;
}

Row::Row(std::shared_ptr<const RowKeys> keys, std::vector<std::string> values)
    : keys_(std::move(keys)), values_(std::move(values)) {
    if (values_.size() != (keys_ ? keys_->size() : 0))
        throw std::invalid_argument("Row: the number of values differs from that of the keys");
}

const std::string& Row::at(std::string_view key) const {
    const auto slot = slotOf(key);
    if (slot == RowKeys::npos)
        throw std::out_of_range("Row::at: no column \"" + std::string(key) + "\"");
    return values_[slot];
}

const std::string& Row::value(std::string_view key) const {
    static const std::string none;
    const auto slot = slotOf(key);
    return slot == RowKeys::npos ? none : values_[slot];
}

Row::const_iterator Row::find(std::string_view key) const {
    const auto slot = slotOf(key);
    return slot == RowKeys::npos ? end() : const_iterator(this, slot);
}

std::map<std::string, std::string> Row::toMap() const {
    std::map<std::string, std::string> map;
    for (const auto& [key, value] : *this)
        map.emplace(key, value);
    return map;
}

bool operator==(const Row& a, const Row& b) {
    if (a.size() != b.size())
        return false;
    // Rows of one query share their keys, so their values line up slot by slot.
    if (a.keys_ == b.keys_)
        return a.values_ == b.values_;
    // Keys are distinct within a row, so equal sizes and every key of a found in b suffice.
    for (std::size_t slot = 0; slot < a.size(); ++slot) {
        const auto other = b.slotOf((*a.keys_)[slot]);
        if (other == RowKeys::npos || b.values_[other] != a.values_[slot])
            return false;
    }
    return true;
}

bool operator==(const Row& a, const std::map<std::string, std::string>& b) {
    if (a.size() != b.size())
        return false;
    for (const auto& [key, value] : b) {
        const auto slot = a.slotOf(key);
        if (slot == RowKeys::npos || a.values_[slot] != value)
            return false;
    }
    return true;
}

} // namespace storage
