#include "services/Csv.h"

#include <stdexcept>

namespace services {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = line.find(',', start);
        fields.emplace_back(trim(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

} // namespace

std::vector<CsvRecord> parseCsv(std::string_view text, std::string_view source) {
    std::vector<CsvRecord> records;
    std::vector<std::string> header;
    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> fields = splitFields(line);
        if (header.empty()) {
            header = std::move(fields);
            continue;
        }
        if (fields.size() != header.size())
            throw std::runtime_error(std::string(source) + ":" + std::to_string(lineNumber) +
                                     ": expected " + std::to_string(header.size()) +
                                     " fields, found " + std::to_string(fields.size()));
        CsvRecord record;
        for (std::size_t i = 0; i < header.size(); ++i)
            record.emplace(header[i], std::move(fields[i]));
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace services
