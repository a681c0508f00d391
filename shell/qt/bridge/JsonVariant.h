#pragma once
/// @file
/// Conversion of the core's JSON values into Qt variants that QML reads as plain
/// JavaScript values.

#include <QVariant>
#include <nlohmann/json_fwd.hpp>

namespace qtshell {

/// Converts any JSON value: objects become QVariantMap, arrays QVariantList, strings
/// QString (UTF-8), integers qint64, other numbers double, null an invalid QVariant.
QVariant toVariant(const nlohmann::json& value);

} // namespace qtshell
