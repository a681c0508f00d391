#include "platform/QtCamera.h"

#include "platform/CameraBackend.h"
#include "platform/Log.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLibrary>

#ifndef TAMBERLINOVE_CAMERA_MODULE_DIR
#define TAMBERLINOVE_CAMERA_MODULE_DIR ""
#endif

namespace qtshell {

QtCamera::QtCamera(QStringList moduleDirs) : moduleDirs_(std::move(moduleDirs)) {
    if (moduleDirs_.isEmpty()) {
        moduleDirs_.append(QCoreApplication::applicationDirPath());
        const QString installed = QStringLiteral(TAMBERLINOVE_CAMERA_MODULE_DIR);
        if (!installed.isEmpty())
            moduleDirs_.append(installed);
    }
}

QtCamera::~QtCamera() = default;

QString QtCamera::moduleFileName() {
    return QStringLiteral("libtamberlinove-camera.so");
}

CameraBackend* QtCamera::backend() const {
    if (loaded_)
        return backend_.get();
    loaded_ = true;
    for (const QString& dir : moduleDirs_) {
        const QString path = dir + QLatin1Char('/') + moduleFileName();
        if (!QFileInfo::exists(path))
            continue;
        // The module stays loaded for the rest of the process.
        QLibrary module(path);
        auto create = reinterpret_cast<CreateCameraBackend>(module.resolve(kCreateCameraBackend));
        if (!create) {
            platform::logLine("camera: cannot load " + path.toStdString() + ": " +
                              module.errorString().toStdString());
            continue;
        }
        backend_.reset(create());
        return backend_.get();
    }
    platform::logLine("camera: the camera module was not found");
    return nullptr;
}

bool QtCamera::available() const {
    CameraBackend* camera = backend();
    return camera && camera->available();
}

void QtCamera::capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) {
    CameraBackend* camera = backend();
    if (!camera) {
        if (done)
            done(std::nullopt);
        return;
    }
    camera->capture([done = std::move(done)](const QImage& frame, const QString& error) {
        if (!error.isEmpty())
            platform::logLine("camera: " + error.toStdString());
        if (!done)
            return;
        std::vector<unsigned char> jpeg = encodeJpeg(frame);
        done(jpeg.empty() ? std::nullopt : std::optional(std::move(jpeg)));
    });
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
