#include "platform/QtCamera.h"

#include "platform/CameraBackend.h"
#include "platform/Log.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLibrary>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QUrl>
#include <QWindow>

#ifndef TAMBERLINOVE_CAMERA_MODULE_RELDIR
#define TAMBERLINOVE_CAMERA_MODULE_RELDIR ""
#endif
#ifndef TAMBERLINOVE_CAMERA_MODULE_DIR
#define TAMBERLINOVE_CAMERA_MODULE_DIR ""
#endif

namespace qtshell {
namespace {

// The desktop's file dialog where the platform has one, else Qt Quick's own.
constexpr const char* kFileDialogQml = R"qml(
import QtQuick.Dialogs
FileDialog {
    title: "여권사진 파일 선택"
    nameFilters: ["사진 (*.jpg *.jpeg *.png *.bmp *.gif *.webp)", "모든 파일 (*)"]
}
)qml";

/// The app's window, made by a QML engine; null in a program without one.
QWindow* appWindow() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (qmlEngine(window))
            return window;
    return nullptr;
}

/// Takes the file dialog's answer to the caller, once, and lets the dialog go.
class FileChoice final : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(std::optional<std::vector<unsigned char>>)>;
    FileChoice(QObject* dialog, Done done)
        : QObject(dialog), dialog_(dialog), done_(std::move(done)) {}

public slots:
    void accepted() {
        const QString path = dialog_->property("selectedFile").toUrl().toLocalFile();
        finish(QtCamera::pictureFileAsJpeg(path));
    }
    void rejected() { finish(std::nullopt); }

private:
    void finish(std::optional<std::vector<unsigned char>> picture) {
        if (!done_)
            return;
        Done done = std::move(done_);
        done_ = nullptr;
        dialog_->deleteLater();
        done(std::move(picture));
    }

    QObject* dialog_;
    Done done_;
};

} // namespace

QtCamera::QtCamera(QStringList moduleDirs) : moduleDirs_(std::move(moduleDirs)) {
    if (moduleDirs_.isEmpty()) {
        moduleDirs_.append(QCoreApplication::applicationDirPath());
        // An installed tree keeps the module beside its bin folder, wherever it was installed.
        const QString relative = QStringLiteral(TAMBERLINOVE_CAMERA_MODULE_RELDIR);
        if (!relative.isEmpty())
            moduleDirs_.append(QCoreApplication::applicationDirPath() + QStringLiteral("/../") +
                               relative);
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

QQmlComponent* QtCamera::fileDialogComponent() const {
    QWindow* window = appWindow();
    QQmlEngine* engine = window ? qmlEngine(window) : nullptr;
    if (!engine)
        return nullptr;
    if (!dialogComponent_ || dialogComponent_->engine() != engine) {
        // The engine owns the component: it goes with the engine.
        dialogComponent_ = new QQmlComponent(engine, engine);
        dialogComponent_->setData(kFileDialogQml, QUrl());
        if (dialogComponent_->isError())
            platform::logLine("camera: no file dialog: " +
                              dialogComponent_->errorString().toStdString());
    }
    return dialogComponent_->isReady() ? dialogComponent_.data() : nullptr;
}

bool QtCamera::canChooseFile() const {
    return fileDialogComponent() != nullptr;
}

void QtCamera::chooseFile(std::function<void(std::optional<std::vector<unsigned char>>)> done) {
    QQmlComponent* component = fileDialogComponent();
    QObject* dialog = component && !dialog_ ? component->create() : nullptr;
    if (!dialog) {
        if (component && !dialog_)
            platform::logLine("camera: the file dialog could not be made: " +
                              component->errorString().toStdString());
        if (done)
            done(std::nullopt);
        return;
    }
    QWindow* window = appWindow();
    dialog->setParent(window);
    dialog->setProperty("parentWindow", QVariant::fromValue(window));
    // The pictures folder, or home where there is none (never the program's folder).
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    dialog->setProperty("currentFolder", QUrl::fromLocalFile(folder));
    auto* choice = new FileChoice(dialog, std::move(done));
    QObject::connect(dialog, SIGNAL(accepted()), choice, SLOT(accepted()));
    QObject::connect(dialog, SIGNAL(rejected()), choice, SLOT(rejected()));
    dialog_ = dialog;
    QMetaObject::invokeMethod(dialog, "open");
}

std::vector<unsigned char> QtCamera::pictureFileAsJpeg(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true); // a phone's picture stands as it was taken
    const QImage picture = reader.read();
    if (picture.isNull()) {
        platform::logLine("camera: " + path.toStdString() +
                          " is not a picture: " + reader.errorString().toStdString());
        return {};
    }
    return encodeJpeg(picture);
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

#include "QtCamera.moc"
