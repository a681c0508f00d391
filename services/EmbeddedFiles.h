#pragma once
// The demo data files of services/data, compiled into the library so that the stand-in
// works wherever the program or the app runs from.

#include <optional>
#include <string_view>
#include <vector>

namespace services {

/// The contents of the data file `name` (for example "airports.csv"), if it exists.
std::optional<std::string_view> embeddedFile(std::string_view name);
/// The names of every embedded file, in name order.
std::vector<std::string_view> embeddedFileNames();

} // namespace services
