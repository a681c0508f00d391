#pragma once
/// @file
/// The camera: available when the system lists a video input; a capture takes one frame and
/// hands it back as JPEG. The work is done by the camera module, loaded the first time the
/// camera is asked for; without the module there is no camera. A picture file can be chosen
/// instead with a file dialog (QtQuick.Dialogs) shown in the app's window.

#include "platform/Device.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

class QImage;
class QQmlComponent;

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
    /// True while the app's window is up and the file dialog's module can be loaded.
    bool canChooseFile() const override;
    /// Shows the file dialog over the app's window; `done` runs once, on the GUI thread.
    void chooseFile(std::function<void(std::optional<std::vector<unsigned char>>)> done) override;

    /// The frame encoded as JPEG at the highest quality.
    static std::vector<unsigned char> encodeJpeg(const QImage& image);
    /// The picture in the file at `path`, upright, as JPEG; empty when it is not a picture.
    static std::vector<unsigned char> pictureFileAsJpeg(const QString& path);

    /// The module's file name.
    static QString moduleFileName();

private:
    /// The module's backend, loaded on first use; null when the module cannot be loaded.
    CameraBackend* backend() const;
    /// The file dialog's component for the window's engine; null without a window or when
    /// the dialog's module is missing.
    QQmlComponent* fileDialogComponent() const;

    QStringList moduleDirs_;
    mutable bool loaded_ = false;
    mutable std::unique_ptr<CameraBackend> backend_;
    /// The file dialog's component, made for the window's engine on first use.
    mutable QPointer<QQmlComponent> dialogComponent_;
    /// The dialog while it is open.
    QPointer<QObject> dialog_;
};

} // namespace qtshell
