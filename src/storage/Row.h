#pragma once
/// @file
/// One result row of a query: a small dictionary from column key to column text whose keys
/// are shared by every row of the same query.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace storage {

/// The distinct keys of one query's rows, in column order. Immutable once built, and shared
/// by all rows of the query.
class RowKeys {
public:
    /// The keys "0", "1", ..., count - 1 in decimal.
    static std::shared_ptr<const RowKeys> positions(std::size_t count);
    /// Any keys, in the given order. Throws std::invalid_argument when a key repeats.
    static std::shared_ptr<const RowKeys> of(std::vector<std::string> names);

    /// Sentinel returned by find() for a key that is not there.
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t size() const { return names_.size(); }
    /// The key at @p slot (0 <= slot < size()).
    const std::string& operator[](std::size_t slot) const { return names_[slot]; }
    /// The slot holding @p key, or npos.
    std::size_t find(std::string_view key) const;

private:
    explicit RowKeys(std::vector<std::string> names);

    std::vector<std::string> names_;
    // True when names_[i] is the decimal text of i for every i: lookups then parse the key.
    bool positional_ = true;
    // Otherwise the slots ordered by their key, for binary search.
    std::vector<std::uint32_t> sorted_;
};

/// One result row: column key → column text, with the lookup and iteration of a map.
///
/// Iteration yields (key, value) pairs in the key order of the query that made the row (column
/// order). Two rows, or a row and a map, are equal when they hold the same keys with the same
/// values, whatever their order.
class Row {
public:
    /// What iteration yields: references into the row and its key list.
    using value_type = std::pair<const std::string&, const std::string&>;
    using reference = value_type;
    using size_type = std::size_t;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Row::value_type;
        using reference = Row::value_type;
        using difference_type = std::ptrdiff_t;

        /// Lets `it->first` / `it->second` work on the pair made for each dereference.
        struct pointer {
            value_type pair;
            const value_type* operator->() const { return &pair; }
        };

        const_iterator() = default;
        reference operator*() const { return {(*row_->keys_)[slot_], row_->values_[slot_]}; }
        pointer operator->() const { return {**this}; }
        const_iterator& operator++() {
            ++slot_;
            return *this;
        }
        const_iterator operator++(int) {
            auto old = *this;
            ++slot_;
            return old;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.row_ == b.row_ && a.slot_ == b.slot_;
        }

    private:
        friend class Row;
        const_iterator(const Row* row, std::size_t slot) : row_(row), slot_(slot) {}

        const Row* row_ = nullptr;
        std::size_t slot_ = 0;
    };
    using iterator = const_iterator;

    /// A row without columns.
    Row() = default;
    /// A row holding @p values under the keys of the same slots. Throws std::invalid_argument
    /// when the counts differ.
    Row(std::shared_ptr<const RowKeys> keys, std::vector<std::string> values);

    /// The value under @p key; throws std::out_of_range when there is none.
    const std::string& at(std::string_view key) const;
    /// The text under @p key, or an empty text when the row has no such column.
    const std::string& value(std::string_view key) const;
    /// The entry under @p key, or end().
    const_iterator find(std::string_view key) const;
    bool contains(std::string_view key) const { return slotOf(key) != RowKeys::npos; }
    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, values_.size()}; }

    /// The same entries as an ordered map.
    std::map<std::string, std::string> toMap() const;

    friend bool operator==(const Row& a, const Row& b);
    friend bool operator==(const Row& a, const std::map<std::string, std::string>& b);

private:
    std::size_t slotOf(std::string_view key) const {
        return keys_ ? keys_->find(key) : RowKeys::npos;
    }

    std::shared_ptr<const RowKeys> keys_;
    std::vector<std::string> values_;
};

} // namespace storage
