#pragma once
/// @file
/// What the camera module (Qt Multimedia, loaded the first time the camera is asked for)
/// offers the app. Keeping Qt Multimedia and the sound and video libraries it brings out of
/// the executable spares every start from loading them.

#include <QImage>
#include <QString>
#include <functional>

namespace qtshell {

class CameraBackend {
public:
    virtual ~CameraBackend() = default;
    /// The system lists a video input.
    virtual bool available() = 0;
    /// Starts the default camera and captures one frame; `done` runs once, on the GUI thread,
    /// with the frame, or with a null image and what went wrong. One capture at a time: a
    /// second request while one runs is answered at once with a null image.
    virtual void capture(std::function<void(QImage frame, QString error)> done) = 0;
};

/// The module's entry: a new backend, owned by the caller.
using CreateCameraBackend = CameraBackend* (*)();
inline constexpr const char* kCreateCameraBackend = "tamberlinove_create_camera_backend";

} // namespace qtshell
