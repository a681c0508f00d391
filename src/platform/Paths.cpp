#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef TAMBERLINOVE_ASSETS_DIR
#define TAMBERLINOVE_ASSETS_DIR ""
#endif
#ifndef TAMBERLINOVE_INSTALL_DATA_DIR
#define TAMBERLINOVE_INSTALL_DATA_DIR "/usr/local/share/tamberlinove"
#endif

namespace platform {

std::string Paths::defaultDocuments() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::string(xdg) + "/tamberlinove";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/tamberlinove";
}

std::string Paths::defaultResources() {
    if (const char* env = std::getenv("TAMBERLINOVE_RESOURCES"); env && *env)
        return env;
    std::error_code ec;
    // An installed program finds its share folder beside its own bin folder, wherever the
    // tree was installed (a package, a DESTDIR tree, another prefix).
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const auto installed = exe.parent_path().parent_path() / "share" / "tamberlinove";
        if (std::filesystem::is_directory(installed / "images", ec))
            return installed.string();
    }
    if (std::filesystem::is_directory(TAMBERLINOVE_INSTALL_DATA_DIR, ec))
        return TAMBERLINOVE_INSTALL_DATA_DIR;
    return TAMBERLINOVE_ASSETS_DIR;
}

bool Paths::ensureDirectory(const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return std::filesystem::is_directory(dir, ec);
}

} // namespace platform
