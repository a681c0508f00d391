#include "app/Environment.h"
#include "TempDir.h"
#include "platform/Log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

using app::Environment;
using app::readStringDictionary;
using Entries = std::map<std::string, std::string>;

namespace {

std::string plistXml(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body +
           "</plist>\n";
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A binary property list of the given encoded objects (one-byte references and offsets),
// the first being the root.
std::string binaryPlist(const std::vector<std::string>& objects) {
    std::string bytes = "bplist00", offsets;
    for (const auto& object : objects) {
        offsets += static_cast<char>(bytes.size());
        bytes += object;
    }
    std::string trailer(32, '\0');
    trailer[6] = trailer[7] = 1; // offset and reference sizes
    trailer[15] = static_cast<char>(objects.size());
    trailer[31] = static_cast<char>(bytes.size());
    return bytes + offsets + trailer;
}

std::string ascii(const std::string& text) {
    return static_cast<char>(0x50 + text.size()) + text;
}

class EnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(dir.file("documents"));
        std::filesystem::create_directory(dir.file("resources"));
        platform::setLog(&log);
    }
    void TearDown() override { platform::setLog(nullptr); }
    auto filesInDocuments() const {
        return std::distance(std::filesystem::directory_iterator(dir.file("documents")), {});
    }

    testing_support::TempDir dir;
    platform::CapturedLog log;
    Environment env{dir.file("documents"), dir.file("resources")};
    const std::string working = dir.file("documents/Environment.plist");
    const std::string defaults = dir.file("resources/Environment.plist");
};

} // namespace

TEST_F(EnvironmentTest, HelpFlagIsSetOnlyByTheString1) {
    env.setEnvironList(); // without a default copy: nothing written, a log line
    EXPECT_EQ(filesInDocuments(), 0);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_FALSE(env.getEnvironList()); // no working copy
    for (const char* help :
         {"", "<key>Help</key><string>0</string>", "<key>Help</key><string>1 </string>",
          "<key>Help</key><integer>1</integer>", "<key>Help</key><true/>"}) {
        writeFile(working,
                  plistXml("<dict><key>X</key><string>1</string>" + std::string(help) + "</dict>"));
        EXPECT_FALSE(env.getEnvironList()) << help;
    }
    writeFile(working, plistXml("<dict><key>Help</key><string>1</string></dict>"));
    EXPECT_TRUE(env.getEnvironList());
}

TEST_F(EnvironmentTest, SetCopiesTheDefaultOnceAndKeepsTheWorkingCopysOtherKeys) {
    writeFile(defaults, plistXml("<dict><key>Zeta</key><string>z</string>"
                                 "<key>Help</key><string>0</string>"
                                 "<key>Count</key><integer>7</integer>"
                                 "<key>Alpha</key><array><string>a</string></array></dict>"));
    env.setEnvironList();
    EXPECT_TRUE(env.getEnvironList());
    std::string xml = readFile(working);
    EXPECT_EQ(readStringDictionary(xml), (Entries{{"Help", "1"}, {"Zeta", "z"}}));
    EXPECT_NE(xml.find("<integer>7</integer>"), std::string::npos);
    EXPECT_NE(xml.find("<string>a</string>"), std::string::npos);

    writeFile(working, plistXml("<dict><key>Other</key><string>x</string><key>Help</key>"
                                "<string>0</string><key>Flag</key><false/></dict>"));
    env.setEnvironList();
    env.setEnvironList();
    xml = readFile(working);
    EXPECT_EQ(readStringDictionary(xml), (Entries{{"Help", "1"}, {"Other", "x"}}));
    EXPECT_NE(xml.find("<false/>"), std::string::npos);
    EXPECT_EQ(filesInDocuments(), 1); // no temporary file left behind
}

TEST_F(EnvironmentTest, UnreadableWorkingCopyIsRebuiltFromTheDefaultCopyOnlyIfThereIsOne) {
    for (const std::string& bad : {std::string("not a plist"), plistXml("<dict><key>Help</key>"),
                                   plistXml("<array><string>1</string></array>"), std::string()}) {
        writeFile(working, bad);
        EXPECT_FALSE(env.getEnvironList());
        std::filesystem::remove(defaults);
        env.setEnvironList();
        EXPECT_EQ(readFile(working), bad);

        writeFile(defaults, plistXml("<dict><key>Version</key><string>1</string></dict>"));
        log.clear();
        env.setEnvironList();
        EXPECT_EQ(readStringDictionary(readFile(working)),
                  (Entries{{"Help", "1"}, {"Version", "1"}}));
        EXPECT_EQ(log.lines().size(), 1u); // the rebuild is reported
    }
}

TEST(ReadStringDictionary, RefusesWhatIsNotADictionaryOrWouldExhaustMemoryOrStack) {
    EXPECT_FALSE(readStringDictionary("bplist00"));
    EXPECT_FALSE(readStringDictionary(plistXml("<string>x</string>")));
    EXPECT_FALSE(app::withHelpRecorded(plistXml("<array/>")));
    EXPECT_EQ(readStringDictionary(plistXml("<dict/>")), Entries{});

    // { "": [a1, a1] }, a1 = [a2, a2], ...: few bytes, 2^levels nodes once expanded.
    const auto multiplying = [](int levels) {
        std::vector<std::string> objects = {{'\xD1', static_cast<char>(levels + 1), 1}};
        for (char i = 1; i <= levels; ++i)
            objects.push_back({'\xA2', static_cast<char>(i + 1), static_cast<char>(i + 1)});
        objects.push_back(ascii(""));
        return binaryPlist(objects);
    };
    EXPECT_TRUE(readStringDictionary(multiplying(4)));
    EXPECT_FALSE(readStringDictionary(multiplying(40)));

    const auto nested = [](int depth) {
        std::string body;
        for (int i = 0; i < depth; ++i)
            body = "<array>" + body + "</array>";
        return plistXml("<dict><key>a</key>" + body + "</dict>");
    };
    EXPECT_TRUE(readStringDictionary(nested(10)));
    EXPECT_FALSE(readStringDictionary(nested(100)));
    EXPECT_FALSE(readStringDictionary(
        plistXml("<dict><key>a</key><string>" + std::string(300 << 10, 'x') + "</string></dict>")));
}

TEST(ReadStringDictionary, BinaryKeysWithNulOrRepeatedHelpAreHandled) {
    // { "a\0b": "x" } in ASCII and in UTF-16 is refused rather than handed to the key accessors.
    EXPECT_FALSE(readStringDictionary(
        binaryPlist({{'\xD1', 1, 2}, ascii(std::string("a\0b", 3)), ascii("x")})));
    EXPECT_FALSE(readStringDictionary(
        binaryPlist({{'\xD1', 1, 2}, {'\x63', 0, 'a', 0, 0, 0, 'b'}, ascii("x")})));

    // { "Help": "1", "Help": <data> }: the last value counts; recording leaves one "1".
    const std::string repeated =
        binaryPlist({{'\xD2', 1, 1, 2, 3}, ascii("Help"), ascii("1"), {'\x41', 0}});
    EXPECT_EQ(readStringDictionary(repeated), Entries{});
    const auto recorded = app::withHelpRecorded(repeated);
    ASSERT_TRUE(recorded);
    EXPECT_EQ(readStringDictionary(*recorded), (Entries{{"Help", "1"}}));
}

TEST(ReadStringDictionary, ShippedDefaultCopyLeavesTheOverlayOn) {
    const auto entries =
        readStringDictionary(readFile(std::string(TAMBERLINOVE_ASSETS_DIR) + "/Environment.plist"));
    ASSERT_TRUE(entries);
    EXPECT_NE(entries->count("Help") ? entries->at("Help") : "", "1");
}
