#pragma once
// The plain CSV of the demo data files: a header line naming the columns, then one record
// per line. Fields are separated by commas and never quoted (values hold no commas);
// blanks around a field are dropped; empty lines and lines starting with '#' are skipped.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace services {

using CsvRecord = std::map<std::string, std::string, std::less<>>;

/// Parses `text`. Throws std::runtime_error naming `source` and the line when a record's
/// field count differs from the header's.
std::vector<CsvRecord> parseCsv(std::string_view text, std::string_view source);

} // namespace services
