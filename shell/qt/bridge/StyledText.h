#pragma once
/// @file
/// Attributed label text as the markup Qt Quick's StyledText understands.

#include "ui/Outlets.h"

#include <QString>
#include <vector>

namespace qtshell {

/// Builds StyledText markup for `utf8` with its attributed runs: struck-through runs in
/// `<s>`, coloured runs in `<font color>`. Runs count code points; parts of runs beyond the
/// text are ignored. The text itself is escaped, so it never turns into markup.
QString styledText(const std::string& utf8, const std::vector<ui::TextRun>& runs);

} // namespace qtshell
