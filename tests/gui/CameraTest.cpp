// The camera (its module is loaded the first time the camera is asked for), picture files
// chosen instead, and the browser's opener.
#include "QtTestApp.h"
#include "TempDir.h"
#include "platform/Log.h"
#include "platform/QtCamera.h"
#include "platform/QtDevices.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace gui_testing {
namespace {

QSize jpegSize(const std::vector<unsigned char>& jpeg) {
    return QImage::fromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPG").size();
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        platform::setLog(&log);
    }
    void TearDown() override { platform::setLog(nullptr); }

    /// Captures once and waits for the answer.
    std::optional<std::vector<unsigned char>> captureWith(qtshell::QtCamera& camera) {
        std::optional<std::optional<std::vector<unsigned char>>> answer;
        camera.capture([&](auto picture) { answer = std::move(picture); });
        waitUntil([&] { return answer.has_value(); });
        return *answer;
    }
    bool logged(const std::string& text) {
        const auto lines = log.lines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(text) != l.npos; });
    }

    platform::CapturedLog log;
};

TEST_F(CameraTest, ModuleIsFoundNextToTheProgramAndAnswersEveryCapture) {
    qtshell::QtCamera camera({QStringLiteral(TAMBERLINOVE_CAMERA_MODULE_DIR)});
    const bool available = camera.available();
    const auto picture = captureWith(camera);
    EXPECT_FALSE(logged("not found")) << "the module next to the program was not loaded";
    // Without a video input the capture ends at once without a picture.
    EXPECT_TRUE(available || !picture);
    EXPECT_TRUE(!picture || !jpegSize(*picture).isEmpty());
}

TEST_F(CameraTest, WithoutTheModuleThereIsNoCamera) {
    testing_support::TempDir empty;
    qtshell::QtCamera camera({QString::fromStdString(empty.str())});
    EXPECT_FALSE(camera.available());
    EXPECT_FALSE(captureWith(camera));
    EXPECT_TRUE(logged("camera module was not found"));
}

TEST(CameraJpeg, FramesAndPictureFilesBecomeJpegAndAnythingElseNothing) {
    QImage frame(32, 24, QImage::Format_RGB32);
    frame.fill(QColor(8, 126, 139));
    EXPECT_EQ(jpegSize(qtshell::QtCamera::encodeJpeg(frame)), frame.size());
    EXPECT_TRUE(qtshell::QtCamera::encodeJpeg(QImage()).empty());

    testing_support::TempDir dir;
    const QString png = QString::fromStdString(dir.file("photo.png"));
    ASSERT_TRUE(frame.save(png));
    EXPECT_EQ(jpegSize(qtshell::QtCamera::pictureFileAsJpeg(png)), frame.size());
    std::ofstream(dir.file("notes.png")) << "not a picture";
    EXPECT_TRUE(qtshell::QtCamera::pictureFileAsJpeg(QString::fromStdString(dir.file("notes.png")))
                    .empty());
}

TEST(QtBrowserOpener, TellsWhetherTheDesktopTookTheAddress) {
    qtApp();
    testing_support::TempDir dir;
    auto script = [&dir](const std::string& name, const std::string& body) {
        const std::string path = dir.file(name);
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return QString::fromStdString(path);
    };
    // The opener gets the address as its one argument.
    const QString writes = script("writes", "printf '%s %s' \"$#\" \"$1\" > \"$0.args\"");
    const std::string url = "https://hotels.test/?a_aid=123456&q=%ED%98%B8";
    struct Case {
        QString opener;
        std::string url;
        bool opened;
    };
    const Case cases[] = {
        {writes, url, true},
        // xdg-open without a browser, or whose browser failed, ends with a failure status.
        {script("fails", "exit 3"), url, false},
        {QString::fromStdString(dir.file("missing")), url, false},
        // Still running after the wait: it handed the address to a browser it waits for.
        {script("waits", "sleep 5"), url, true},
        {writes, "file:///etc/passwd", false},
    };
    for (const Case& c : cases) {
        qtshell::QtBrowser browser(c.opener, 300);
        std::optional<bool> answer;
        browser.openUrl(c.url, [&answer](bool opened) { answer = opened; });
        EXPECT_FALSE(answer) << "answered before the loop ran";
        waitUntil([&answer] { return answer.has_value(); });
        EXPECT_EQ(*answer, c.opened) << c.opener.toStdString() << " " << c.url;
    }
    std::ifstream args(dir.file("writes.args"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(args), {}), "1 " + url);
}

} // namespace
} // namespace gui_testing
