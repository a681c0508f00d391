#pragma once
// Writing a file so that a reader sees either the old or the new content, never a part.

#include <string>
#include <string_view>

namespace platform {

/// Writes `bytes` to a new file with a unique name next to `path`, flushes it to disk and
/// renames it over `path`. On any failure the temporary file is removed, `path` is left as
/// it was, and the result is false.
[[nodiscard]] bool writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace platform
