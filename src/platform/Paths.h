#pragma once
// Where the app keeps its files and finds its shipped resources.

#include <string>

namespace platform {

struct Paths {
    std::string documents; ///< database, Environment.plist, passport photos
    std::string resources; ///< shipped resources (default Environment.plist, images)

    /// $XDG_DATA_HOME/tamberlinove, or ~/.local/share/tamberlinove.
    static std::string defaultDocuments();
    /// $TAMBERLINOVE_RESOURCES, else the installed share folder, else the source assets.
    static std::string defaultResources();
    /// Creates `dir` and its parents; false when that fails.
    static bool ensureDirectory(const std::string& dir);
};

} // namespace platform
