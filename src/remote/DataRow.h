#pragma once
// One row of a data-set answer: column names mapped to their text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace remote {

/// The columns of the domestic flight-status rows. Every row of XmlDataSetParser2 starts
/// with them, and a row stores these names in one byte each.
inline constexpr std::array<std::string_view, 9> kPresetColumns{
    "airlineKorean", "airFln", "std", "etd", "airport", "city", "gate", "io", "rmkKor"};

/// Column name to text, in the order the columns were first set. Texts and names are
/// handed out as views into the row, valid until the row changes or goes away.
///
/// Answers can hold tens of thousands of rows, so a row keeps its columns packed in one
/// buffer (length-prefixed name and text, one after the other, the preset column names as
/// one-byte codes); lookups scan, which is quick for the dozen or so columns of a row.
class DataRow {
public:
    using Entry = std::pair<std::string_view, std::string_view>;

    /// Visits the columns in order as (name, text) views into the row.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = Entry;

        const_iterator() = default;
        Entry operator*() const;
        const_iterator& operator++();
        const_iterator operator++(int) {
            auto old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        friend class DataRow;
        explicit const_iterator(const char* at) : at_(at) {}
        const char* at_ = nullptr;
    };

    DataRow() = default;
    DataRow(std::initializer_list<Entry> entries);

    /// The text of `key`, or nothing when the row has no such column.
    [[nodiscard]] std::optional<std::string_view> find(std::string_view key) const;
    /// The text of `key`, or empty text when the row has no such column.
    [[nodiscard]] std::string_view value(std::string_view key) const {
        return find(key).value_or(std::string_view());
    }
    [[nodiscard]] bool contains(std::string_view key) const { return find(key).has_value(); }
    /// Sets `key` to `text`, replacing an earlier value of the same column.
    void set(std::string_view key, std::string_view text);
    /// Makes this row a copy of `base` with room for `bytes` bytes of columns.
    void resetTo(const DataRow& base, std::size_t bytes);
    /// Bytes the packed columns take; a hint for resetTo().
    [[nodiscard]] std::size_t packedSize() const { return packed_.size(); }

    [[nodiscard]] std::size_t size() const { return count_; }
    [[nodiscard]] bool empty() const { return count_ == 0; }
    [[nodiscard]] const_iterator begin() const { return const_iterator(packed_.data()); }
    [[nodiscard]] const_iterator end() const {
        return const_iterator(packed_.data() + packed_.size());
    }

    bool operator==(const DataRow&) const = default;

private:
    void appendColumn(std::size_t code, std::string_view key, std::string_view text);

    std::string packed_;
    std::uint64_t keyBits_ = 0; // names present, one bit per name (by hash)
    std::uint32_t count_ = 0;
};

} // namespace remote
