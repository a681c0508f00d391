// Atomic file writes on a real file system, including the ways they fail.
#include "platform/Files.h"
#include "TempDir.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

using testing_support::TempDir;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int);
};

TEST(WriteFileAtomically, ReplacesTheFileOrOnFailureKeepsItAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.file("photo.jpg");
    std::ofstream(path) << "old";
    ASSERT_TRUE(platform::writeFileAtomically(path, std::string_view("new\0bytes", 9)));
    EXPECT_EQ(readFile(path), std::string("new\0bytes", 9));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"photo.jpg"});

    { // The disk fills up during the write.
        FileSizeLimit limit(1024);
        EXPECT_FALSE(platform::writeFileAtomically(path, std::string(64 * 1024, 'x')));
    }
    EXPECT_EQ(readFile(path), std::string("new\0bytes", 9));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"photo.jpg"});

    // The target is a directory that is not empty: the rename fails after a full write.
    const std::string blocked = dir.file("blocked.jpg");
    std::filesystem::create_directory(blocked);
    std::ofstream(blocked + "/inside") << "x";
    EXPECT_FALSE(platform::writeFileAtomically(blocked, "new"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"blocked.jpg", "photo.jpg"}));

    // The directory does not exist.
    EXPECT_FALSE(platform::writeFileAtomically(dir.file("missing/photo.jpg"), "new"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"blocked.jpg", "photo.jpg"}));
}

} // namespace
