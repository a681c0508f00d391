#pragma once
/// @file
/// The camera through Qt Multimedia: available when the system lists a video input; a
/// capture takes one frame and hands it back as JPEG.

#include "platform/Device.h"

#include <QObject>
#include <QPointer>

class QImage;

namespace qtshell {

class QtCamera final : public QObject, public platform::Camera {
    Q_OBJECT

public:
    explicit QtCamera(QObject* parent = nullptr);
    ~QtCamera() override;

    bool available() const override;
    /// Starts the default camera and captures one frame; `done` runs once, on the GUI
    /// thread, with the JPEG bytes or nothing when the camera failed.
    void capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) override;

    /// The frame encoded as JPEG at the highest quality.
    static std::vector<unsigned char> encodeJpeg(const QImage& image);

private:
    class Job;
    QPointer<Job> job_;
};

} // namespace qtshell
