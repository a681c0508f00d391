// The camera: its module is loaded the first time the camera is asked for.
#include "QtTestApp.h"
#include "TempDir.h"
#include "platform/Log.h"
#include "platform/QtCamera.h"

#include <QImage>
#include <gtest/gtest.h>

namespace gui_testing {
namespace {

bool mentions(const platform::CapturedLog& log, const std::string& text) {
    for (const std::string& line : log.lines())
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        platform::setLog(&log);
    }
    void TearDown() override { platform::setLog(nullptr); }

    /// Captures once and waits for the answer.
    std::optional<std::optional<std::vector<unsigned char>>>
    captureWith(qtshell::QtCamera& camera) {
        std::optional<std::optional<std::vector<unsigned char>>> answer;
        camera.capture([&](std::optional<std::vector<unsigned char>> picture) {
            answer = std::move(picture);
        });
        waitUntil([&] { return answer.has_value(); });
        return answer;
    }

    platform::CapturedLog log;
};

TEST_F(CameraTest, ModuleIsFoundAndAnswersEveryCapture) {
    qtshell::QtCamera camera({QStringLiteral(TAMBERLINOVE_CAMERA_MODULE_DIR)});
    const bool available = camera.available();
    const auto answer = captureWith(camera);
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(mentions(log, "not found")) << "the module next to the program was not loaded";
    if (!available) {
        // No video input on this machine: the capture ends at once without a picture.
        EXPECT_FALSE(answer->has_value());
    } else if (answer->has_value()) {
        const auto& jpeg = **answer;
        EXPECT_TRUE(QImage::fromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPG").width() >
                    0);
    }
}

TEST_F(CameraTest, WithoutTheModuleThereIsNoCamera) {
    testing_support::TempDir empty;
    qtshell::QtCamera camera({QString::fromStdString(empty.str())});
    EXPECT_FALSE(camera.available());
    EXPECT_FALSE(captureWith(camera)->has_value());
    EXPECT_TRUE(mentions(log, "camera module was not found"));
}

TEST(CameraJpeg, FramesBecomeJpegAndNullFramesNothing) {
    QImage frame(32, 24, QImage::Format_RGB32);
    frame.fill(QColor(8, 126, 139));
    const auto jpeg = qtshell::QtCamera::encodeJpeg(frame);
    const QImage back = QImage::fromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPG");
    EXPECT_EQ(back.size(), frame.size());
    EXPECT_TRUE(qtshell::QtCamera::encodeJpeg(QImage()).empty());
}

} // namespace
} // namespace gui_testing
