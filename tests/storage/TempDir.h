#pragma once
// A fresh directory under the system temp dir, removed with everything in it.

#include <cstdlib>
#include <filesystem>
#include <string>

struct TempDir {
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tamb-XXXXXX").string();
        path = ::mkdtemp(pattern.data()) ? pattern : "";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const std::string& name) const { return path + "/" + name; }
    std::string path;
};
