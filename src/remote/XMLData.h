#pragma once
// One name and value pair read from an answer.

#include <string>

namespace remote {

/// An element name and one chunk of its character data.
struct XMLData {
    std::string mKey;   ///< the element name; empty when the pair belongs to no element
    std::string mValue; ///< the character data

    bool operator==(const XMLData&) const = default;
};

} // namespace remote
