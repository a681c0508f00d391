#include "tools/PassportPhoto.h"

#include "platform/Log.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace tools {

namespace fs = std::filesystem;

std::string PassportPhoto::newPath() const {
    return (fs::path(documents_) / kPassportNew).string();
}

std::string PassportPhoto::inUsePath() const {
    return (fs::path(documents_) / kPassportInUse).string();
}

bool PassportPhoto::takeOver() const {
    std::error_code ec;
    if (!fs::exists(newPath(), ec))
        return true;
    // A rename replaces the file in use at once: never half a photo, never none.
    fs::rename(newPath(), inUsePath(), ec);
    if (ec)
        platform::logLine("passport photo could not be taken over: " + ec.message());
    return !ec;
}

bool PassportPhoto::storeNew(const std::vector<unsigned char>& jpeg) const {
    const std::string path = newPath();
    const std::string temp = path + ".tmp";
    std::error_code ec;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(jpeg.data()),
                  static_cast<std::streamsize>(jpeg.size()));
        if (!out.flush()) {
            out.close();
            fs::remove(temp, ec);
            platform::logLine("passport photo could not be written to " + path);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        platform::logLine("passport photo could not be written to " + path);
        return false;
    }
    fs::remove(inUsePath(), ec);
    return true;
}

} // namespace tools
