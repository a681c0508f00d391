#include "platform/QtCamera.h"

#include "platform/Log.h"

#include <QBuffer>
#include <QCamera>
#include <QImage>
#include <QImageCapture>
#include <QImageWriter>
#include <QMediaCaptureSession>
#include <QMediaDevices>

namespace qtshell {

/// One capture: camera, session and image capture live until the frame (or an error)
/// arrives, then go away together.
class QtCamera::Job final : public QObject {
public:
    using Done = std::function<void(std::optional<std::vector<unsigned char>>)>;

    Job(Done done, QObject* parent)
        : QObject(parent), done_(std::move(done)), camera_(QMediaDevices::defaultVideoInput()) {
        session_.setCamera(&camera_);
        session_.setImageCapture(&capture_);
        connect(&capture_, &QImageCapture::readyForCaptureChanged, this, [this](bool ready) {
            if (ready && !requested_) {
                requested_ = true;
                capture_.capture();
            }
        });
        connect(&capture_, &QImageCapture::imageCaptured, this,
                [this](int, const QImage& frame) { finish(encodeJpeg(frame)); });
        connect(&capture_, &QImageCapture::errorOccurred, this,
                [this](int, QImageCapture::Error, const QString& message) {
                    platform::logLine("camera: " + message.toStdString());
                    finish(std::nullopt);
                });
        connect(&camera_, &QCamera::errorOccurred, this,
                [this](QCamera::Error, const QString& message) {
                    platform::logLine("camera: " + message.toStdString());
                    finish(std::nullopt);
                });
        camera_.start();
    }

private:
    void finish(std::optional<std::vector<unsigned char>> picture) {
        if (!done_)
            return;
        auto done = std::move(done_);
        done_ = nullptr;
        camera_.stop();
        // The capture objects are still inside their own signal: delete them afterwards.
        deleteLater();
        if (picture && picture->empty())
            picture.reset();
        done(std::move(picture));
    }

    Done done_;
    QCamera camera_;
    QImageCapture capture_;
    QMediaCaptureSession session_;
    bool requested_ = false;
};

QtCamera::QtCamera(QObject* parent) : QObject(parent) {}

QtCamera::~QtCamera() = default;

bool QtCamera::available() const {
    return !QMediaDevices::videoInputs().isEmpty();
}

void QtCamera::capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) {
    if (job_ || !available()) {
        // One capture at a time; none without a camera.
        if (done)
            done(std::nullopt);
        return;
    }
    job_ = new Job(std::move(done), this);
}

std::vector<unsigned char> QtCamera::encodeJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(100);
    if (image.isNull() || !writer.write(image))
        return {};
    return {bytes.begin(), bytes.end()};
}

} // namespace qtshell
