#pragma once
// The stand-in's data file as the build seeds it from the demo data (the program
// tamberlinove-services-seed): a new store starts as a copy of it rather than being seeded
// at every start.

#include <optional>
#include <string_view>
#include <vector>

namespace services::seed {

/// The name under which the seeded file is embedded.
inline constexpr std::string_view kImageName = "demo.sqlite3";

/// The contents of the embedded file `name`, if it exists.
std::optional<std::string_view> embeddedFile(std::string_view name);
/// The names of every embedded file.
std::vector<std::string_view> embeddedFileNames();

} // namespace services::seed
