#pragma once
/// @file
/// The camera: available when the system lists a video input; a capture takes one frame and
/// hands it back as JPEG. The work is done by the camera module, loaded the first time the
/// camera is asked for; without the module there is no camera.

#include "platform/Device.h"

#include <QString>
#include <QStringList>
#include <memory>

class QImage;

namespace qtshell {

class CameraBackend;

class QtCamera final : public platform::Camera {
public:
    /// `moduleDirs` are searched in order for the camera module; empty: next to the program,
    /// then the installed module folder.
    explicit QtCamera(QStringList moduleDirs = {});
    ~QtCamera() override;

    bool available() const override;
    /// Starts the default camera and captures one frame; `done` runs once, on the GUI
    /// thread, with the JPEG bytes or nothing when the camera failed.
    void capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) override;

    /// The frame encoded as JPEG at the highest quality.
    static std::vector<unsigned char> encodeJpeg(const QImage& image);

    /// The module's file name.
    static QString moduleFileName();

private:
    /// The module's backend, loaded on first use; null when the module cannot be loaded.
    CameraBackend* backend() const;

    QStringList moduleDirs_;
    mutable bool loaded_ = false;
    mutable std::unique_ptr<CameraBackend> backend_;
};

} // namespace qtshell
