#pragma once
/// @file
/// Composition of SQL statements from templates with "%@" placeholders.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace storage {

/// Replaces each "%@" of @p tmpl, in order, with the next of @p values, so that no value can
/// change the statement's meaning:
/// - inside a single-quoted literal ('%@') every ' of the value is doubled;
/// - inside a double-quoted identifier every " of the value is doubled;
/// - anywhere else the value is written as it stands when it is a plain decimal number
///   (see isPlainDecimal()), and otherwise as a quoted SQL text literal (see sqlQuote()).
/// Missing values are taken as empty; extra values are ignored.
std::string sqlFormat(std::string_view tmpl, std::initializer_list<std::string_view> values);
/// As above, with the values in a vector.
std::string sqlFormat(std::string_view tmpl, const std::vector<std::string>& values);

/// @p value as an SQL text literal: enclosed in single quotes, every ' doubled.
std::string sqlQuote(std::string_view value);

/// True for an optional '-', one or more ASCII digits, and optionally '.' and more digits.
bool isPlainDecimal(std::string_view value);

} // namespace storage
