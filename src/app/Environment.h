#pragma once
/// @file
/// The configuration property list "Environment.plist": the help-overlay flag.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace app {

/// File name of the property list, both the working copy and the default copy.
inline constexpr std::string_view kEnvironmentFileName = "Environment.plist";

/// Reads a property list (XML or binary) whose root is a dictionary and returns its entries
/// with string values; entries of other types are left out. std::nullopt when @p bytes are not
/// a property list or the root is not a dictionary. Accepts any bytes.
std::optional<std::map<std::string, std::string>> readStringDictionary(std::string_view bytes);

/// Takes a property-list dictionary, sets "Help" to the string "1" and returns the result as
/// an XML property list, every other entry unchanged. std::nullopt when @p bytes are not a
/// property-list dictionary.
std::optional<std::string> withHelpRecorded(std::string_view bytes);

/// The working copy lives in the documents directory; the default copy, shipped with the
/// application, in the resources directory. The only key read or written is "Help", which
/// holds "1" once the user has chosen not to see the help overlay again.
class Environment {
public:
    Environment(std::string documentsDir, std::string resourcesDir);

    /// The documents directory.
    std::string documentsPath() const;
    /// documentsDir/Environment.plist.
    std::string workingCopyPath() const;
    /// resourcesDir/Environment.plist.
    std::string defaultCopyPath() const;

    /// True exactly when the working copy exists and holds "Help" with the string "1".
    bool getEnvironList() const;

    /// Records "Help" = "1" in the working copy, creating it from the default copy (keys in
    /// ascending order, values unchanged) when it does not exist yet. Writes are atomic.
    /// A working copy that is not a readable dictionary is logged and rebuilt from the
    /// default copy. Without a default copy nothing is written and the flag is not recorded.
    void setEnvironList();

private:
    bool createFromDefault() const;

    std::string documentsDir_;
    std::string resourcesDir_;
};

} // namespace app
