#pragma once
// The two passport photo files in the documents directory: a newly taken photo waiting to
// be taken over, and the photo in use by the card guide.

#include <string>
#include <vector>

namespace app {

inline constexpr const char* kPassportNew = "IMG_Tamberlinove_Passport.jpg";
inline constexpr const char* kPassportInUse = "IMG_Tamberlinove_Passport1.jpg";

class PassportPhoto {
public:
    explicit PassportPhoto(std::string documents) : documents_(std::move(documents)) {}

    std::string newPath() const;
    std::string inUsePath() const;
    /// Makes a waiting photo the one in use, in one step: the photo in use is replaced only
    /// by a complete file, and the waiting one is gone afterwards. Nothing when none waits.
    /// False when a waiting photo could not be taken over (it stays where it is).
    bool takeOver() const;
    /// Stores a photo just taken as the waiting one, and only then drops the one in use.
    /// False when it could not be written; both files are then as they were.
    bool storeNew(const std::vector<unsigned char>& jpeg) const;

private:
    std::string documents_;
};

} // namespace app
