// The camera module: the default video input through Qt Multimedia.
#include "platform/CameraBackend.h"

#include <QCamera>
#include <QImageCapture>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPointer>

namespace qtshell {
namespace {

/// One capture: camera, session and image capture live until the frame (or an error)
/// arrives, then go away together.
class Job final : public QObject {
public:
    using Done = std::function<void(QImage, QString)>;

    explicit Job(Done done) : done_(std::move(done)), camera_(QMediaDevices::defaultVideoInput()) {
        session_.setCamera(&camera_);
        session_.setImageCapture(&capture_);
        connect(&capture_, &QImageCapture::readyForCaptureChanged, this, [this](bool ready) {
            if (ready && !requested_) {
                requested_ = true;
                capture_.capture();
            }
        });
        connect(&capture_, &QImageCapture::imageCaptured, this,
                [this](int, const QImage& frame) { finish(frame, {}); });
        connect(&capture_, &QImageCapture::errorOccurred, this,
                [this](int, QImageCapture::Error, const QString& message) {
                    finish(QImage(), message);
                });
        connect(&camera_, &QCamera::errorOccurred, this,
                [this](QCamera::Error, const QString& message) { finish(QImage(), message); });
        camera_.start();
    }

private:
    void finish(const QImage& frame, const QString& error) {
        if (!done_)
            return;
        auto done = std::move(done_);
        done_ = nullptr;
        camera_.stop();
        // The capture objects are still inside their own signal: delete them afterwards.
        deleteLater();
        done(frame, error);
    }

    Done done_;
    QCamera camera_;
    QImageCapture capture_;
    QMediaCaptureSession session_;
    bool requested_ = false;
};

class MultimediaCamera final : public CameraBackend {
public:
    ~MultimediaCamera() override { delete job_.data(); }

    bool available() override { return !QMediaDevices::videoInputs().isEmpty(); }

    void capture(std::function<void(QImage, QString)> done) override {
        if (job_ || !available()) {
            if (done)
                done(QImage(), job_ ? QStringLiteral("a capture is already running")
                                    : QStringLiteral("no camera"));
            return;
        }
        job_ = new Job(std::move(done));
    }

private:
    QPointer<Job> job_;
};

} // namespace
} // namespace qtshell

extern "C" Q_DECL_EXPORT qtshell::CameraBackend* tamberlinove_create_camera_backend() {
    return new qtshell::MultimediaCamera();
}
