#include "app/Environment.h"

#include "platform/Files.h"
#include "platform/Log.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <plist/plist.h>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

namespace app {
namespace {

namespace fs = std::filesystem;

// Limits far above any real configuration. Larger or deeper files are treated as unreadable;
// they also keep libplist's recursive parser and writer well away from the end of the stack.
constexpr std::size_t kMaxFileBytes = 256u << 10;
constexpr std::uint64_t kMaxNodes = 10000;
constexpr std::uint64_t kMaxDepth = 64;

constexpr std::string_view kHelpKey = "Help";

struct FreePlist {
    void operator()(plist_t node) const noexcept { plist_free(node); }
};
using Plist = std::unique_ptr<std::remove_pointer_t<plist_t>, FreePlist>;

struct FreeMalloced {
    void operator()(void* p) const noexcept { std::free(p); }
};
template <typename T> using Malloced = std::unique_ptr<T, FreeMalloced>;

void logLine(const std::string& text) {
    platform::logLine("Environment.plist: " + text);
}

std::uint64_t bigEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Looks at one object of a binary property list: collects the references of a container
// (array 0xA, ordered set 0xB, set 0xC, dictionary 0xD with keys and values) and checks that
// a string (ASCII 0x5, UTF-16 0x6) holds no NUL, on which libplist asserts when the string is a
// dictionary key. False when the object cannot be decoded or is refused.
bool inspectObject(std::string_view bytes, std::size_t offset, std::size_t end, unsigned refSize,
                   std::uint64_t objectCount, std::vector<std::uint64_t>& refs) {
    refs.clear();
    if (offset < 8 || offset >= end)
        return false;
    const unsigned marker = static_cast<unsigned char>(bytes[offset]);
    const unsigned type = marker >> 4;
    const bool container = type >= 0xA && type <= 0xD;
    if (!container && type != 0x5 && type != 0x6)
        return true;
    std::size_t pos = offset + 1;
    std::uint64_t count = marker & 0xF;
    if (count == 0xF) {
        if (pos >= end || static_cast<unsigned char>(bytes[pos]) >> 4 != 1)
            return false;
        const unsigned exponent = static_cast<unsigned char>(bytes[pos]) & 0xF;
        if (exponent > 3)
            return false;
        const std::size_t width = std::size_t{1} << exponent;
        if (end - pos - 1 < width)
            return false;
        count = bigEndian(bytes, pos + 1, width);
        pos += 1 + width;
    }
    const std::size_t room = end - pos;
    if (type == 0x5)
        return count <= room && bytes.substr(pos, count).find('\0') == std::string_view::npos;
    if (type == 0x6) {
        if (count > room / 2)
            return false;
        for (std::uint64_t i = 0; i < count; ++i)
            if (bigEndian(bytes, pos + 2 * i, 2) == 0)
                return false;
        return true;
    }
    if (type == 0xD)
        count = count > kMaxNodes ? count : count * 2;
    if (count > kMaxNodes || count > room / refSize)
        return false;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t ref = bigEndian(bytes, pos + i * refSize, refSize);
        if (ref >= objectCount)
            return false;
        refs.push_back(ref);
    }
    return true;
}

// libplist builds a separate node for every reference of a binary property list, recursively,
// so a few hundred bytes of shared references can ask for billions of nodes. The object graph
// is measured first: no cycles, the tree it expands to stays within the limits, and every
// string reached passes inspectObject().
bool binaryWithinLimits(std::string_view bytes) {
    constexpr std::size_t kTrailer = 32;
    if (bytes.size() < 8 + kTrailer || bytes.substr(0, 8) != "bplist00")
        return false;
    const std::size_t trailer = bytes.size() - kTrailer;
    const unsigned offsetSize = static_cast<unsigned char>(bytes[trailer + 6]);
    const unsigned refSize = static_cast<unsigned char>(bytes[trailer + 7]);
    const std::uint64_t count = bigEndian(bytes, trailer + 8, 8);
    const std::uint64_t top = bigEndian(bytes, trailer + 16, 8);
    const std::uint64_t table = bigEndian(bytes, trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || refSize < 1 || refSize > 8 || count == 0 ||
        count > kMaxNodes || top >= count || table < 8 || table > trailer ||
        count > (trailer - table) / offsetSize)
        return false;

    // Depth-first over the objects, keeping for each finished one the size and depth of the
    // tree it expands to.
    enum : unsigned char { Unseen, Open, Done };
    std::vector<unsigned char> state(count, Unseen);
    std::vector<std::uint64_t> nodes(count, 0), depth(count, 0);
    std::vector<std::vector<std::uint64_t>> children(count);
    std::vector<std::pair<std::uint64_t, std::size_t>> stack{{top, 0}};
    while (!stack.empty()) {
        auto& [index, next] = stack.back();
        if (state[index] == Unseen) {
            const std::uint64_t offset = bigEndian(bytes, table + index * offsetSize, offsetSize);
            if (offset >= table ||
                !inspectObject(bytes, offset, table, refSize, count, children[index]))
                return false;
            state[index] = Open;
        }
        if (next < children[index].size()) {
            const std::uint64_t child = children[index][next++];
            if (state[child] == Open)
                return false;
            if (state[child] == Unseen)
                stack.emplace_back(child, 0);
            continue;
        }
        std::uint64_t total = 1, deepest = 0;
        for (const std::uint64_t child : children[index]) {
            total += nodes[child];
            deepest = std::max(deepest, depth[child]);
            if (total > kMaxNodes)
                return false;
        }
        nodes[index] = total;
        depth[index] = deepest + 1;
        if (depth[index] > kMaxDepth)
            return false;
        state[index] = Done;
        stack.pop_back();
    }
    return true;
}

// Calls f(key, value) for every entry of a dictionary, in its stored order.
template <typename F> void forEachEntry(plist_t dict, F&& f) {
    plist_dict_iter rawIter = nullptr;
    plist_dict_new_iter(dict, &rawIter);
    const Malloced<void> iter(rawIter);
    if (!iter)
        return;
    for (;;) {
        char* rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, iter.get(), &rawKey, &value);
        const Malloced<char> key(rawKey);
        if (!value)
            return;
        if (key)
            f(key.get(), value);
    }
}

// Checked without recursion, so that the tree is known to be shallow before anything
// recursive (copy, writer) walks it.
bool treeWithinLimits(plist_t root) {
    std::vector<std::pair<plist_t, std::uint64_t>> pending{{root, 1}};
    std::uint64_t seen = 0;
    while (!pending.empty()) {
        const plist_t node = pending.back().first;
        const std::uint64_t level = pending.back().second;
        pending.pop_back();
        if (++seen > kMaxNodes || level > kMaxDepth)
            return false;
        if (plist_get_node_type(node) == PLIST_ARRAY) {
            const std::uint32_t size = plist_array_get_size(node);
            for (std::uint32_t i = 0; i < size; ++i)
                pending.emplace_back(plist_array_get_item(node, i), level + 1);
        } else if (plist_get_node_type(node) == PLIST_DICT) {
            forEachEntry(
                node, [&](const char*, plist_t value) { pending.emplace_back(value, level + 1); });
        }
    }
    return true;
}

Plist parseDictionary(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > kMaxFileBytes)
        return nullptr;
    // libplist takes anything starting with "bplist00" for binary.
    if (bytes.substr(0, 6) == "bplist" && !binaryWithinLimits(bytes))
        return nullptr;
    // A terminated private copy: the parser never reads past the end of the caller's bytes.
    const std::string text(bytes);
    plist_t root = nullptr;
    plist_from_memory(text.c_str(), static_cast<std::uint32_t>(text.size()), &root);
    Plist dict(root);
    if (!dict || plist_get_node_type(dict.get()) != PLIST_DICT || !treeWithinLimits(dict.get()))
        return nullptr;
    return dict;
}

// XML text of a node; std::nullopt when it would be too large to be read back.
std::optional<std::string> toXml(plist_t node) {
    char* raw = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(node, &raw, &length);
    if (!raw)
        return std::nullopt;
    std::string xml(raw, length);
    plist_to_xml_free(raw);
    if (xml.size() > kMaxFileBytes)
        return std::nullopt;
    return xml;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

std::optional<std::string> readFile(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size > kMaxFileBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<std::map<std::string, std::string>> readStringDictionary(std::string_view bytes) {
    const Plist dict = parseDictionary(bytes);
    if (!dict)
        return std::nullopt;
    std::map<std::string, std::string> entries;
    forEachEntry(dict.get(), [&](const char* key, plist_t value) {
        // A repeated key counts with its last value, as the parsers would keep it.
        if (plist_get_node_type(value) != PLIST_STRING) {
            entries.erase(key);
            return;
        }
        std::uint64_t length = 0;
        const char* text = plist_get_string_ptr(value, &length);
        entries.insert_or_assign(key, text ? std::string(text, length) : std::string());
    });
    return entries;
}

std::optional<std::string> withHelpRecorded(std::string_view bytes) {
    const Plist dict = parseDictionary(bytes);
    if (!dict)
        return std::nullopt;
    // A binary list may repeat the key: the extra copies go, and the value is replaced in
    // place so that the order of the keys stays as it was.
    std::size_t copies = 0;
    forEachEntry(dict.get(), [&](const char* key, plist_t) { copies += key == kHelpKey; });
    for (; copies > 1; --copies)
        plist_dict_remove_item(dict.get(), kHelpKey.data());
    plist_dict_set_item(dict.get(), kHelpKey.data(), plist_new_string("1"));
    return toXml(dict.get());
}

Environment::Environment(std::string documentsDir, std::string resourcesDir)
    : documentsDir_(std::move(documentsDir)), resourcesDir_(std::move(resourcesDir)) {}

std::string Environment::documentsPath() const {
    return documentsDir_;
}

std::string Environment::workingCopyPath() const {
    return (fs::path(documentsDir_) / kEnvironmentFileName).string();
}

std::string Environment::defaultCopyPath() const {
    return (fs::path(resourcesDir_) / kEnvironmentFileName).string();
}

bool Environment::getEnvironList() const {
    const auto bytes = readFile(workingCopyPath());
    if (!bytes)
        return false;
    const auto entries = readStringDictionary(*bytes);
    if (!entries)
        return false;
    const auto help = entries->find(std::string(kHelpKey));
    return help != entries->end() && help->second == "1";
}

void Environment::setEnvironList() {
    const std::string working = workingCopyPath();
    std::optional<std::string> recorded;
    if (fileExists(working)) {
        const auto bytes = readFile(working);
        if (!bytes) {
            // Replacing a file we cannot read could throw away settings we cannot see.
            logLine("cannot read " + working + "; help flag not recorded");
            return;
        }
        recorded = withHelpRecorded(*bytes);
        if (!recorded)
            logLine(working + " is not a usable property-list dictionary; rebuilding it from " +
                    defaultCopyPath());
    }
    if (!recorded) {
        if (!createFromDefault())
            return;
        // Read back what was just written, and record the flag in that.
        const auto bytes = readFile(working);
        recorded = bytes ? withHelpRecorded(*bytes) : std::nullopt;
        if (!recorded) {
            logLine("cannot read back " + working + "; help flag not recorded");
            return;
        }
    }
    if (!platform::writeFileAtomically(working, *recorded))
        logLine("cannot write " + working + "; help flag not recorded");
}

bool Environment::createFromDefault() const {
    const std::string source = defaultCopyPath();
    const auto bytes = readFile(source);
    if (!bytes) {
        logLine("default copy " + source + " is missing; help flag not recorded");
        return false;
    }
    const Plist defaults = parseDictionary(*bytes);
    if (!defaults) {
        logLine("default copy " + source + " is not a dictionary; help flag not recorded");
        return false;
    }
    std::vector<std::pair<std::string, plist_t>> entries;
    forEachEntry(defaults.get(),
                 [&](const char* key, plist_t value) { entries.emplace_back(key, value); });
    // Stable, so that of a repeated key the last value is the one kept.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const Plist copy(plist_new_dict());
    for (const auto& [key, value] : entries)
        plist_dict_set_item(copy.get(), key.c_str(), plist_copy(value));
    const auto xml = toXml(copy.get());
    if (!xml || !platform::writeFileAtomically(workingCopyPath(), *xml)) {
        logLine("cannot write " + workingCopyPath() + "; help flag not recorded");
        return false;
    }
    return true;
}

} // namespace app
