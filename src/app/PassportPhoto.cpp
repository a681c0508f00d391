#include "app/PassportPhoto.h"

#include "platform/Files.h"
#include "platform/Log.h"

#include <filesystem>
#include <system_error>

namespace app {

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
    if (!platform::writeFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()))) {
        platform::logLine("passport photo could not be written to " + path);
        return false;
    }
    std::error_code ec;
    fs::remove(inUsePath(), ec);
    return true;
}

} // namespace app
