#pragma once
/// @file
/// The floating menu's backdrop: a blurred snapshot of the window taken as the menu opens.
/// Drawing it from a snapshot works on every scene-graph backend, the software one included.

#include <QImage>
#include <QObject>
#include <QUrl>
#include <memory>

class QQuickImageProvider;
class QQuickWindow;

namespace qtshell {

class Backdrop final : public QObject {
    Q_OBJECT
    /// "image://backdrop/<n>", a new address for every capture.
    Q_PROPERTY(QUrl source READ source NOTIFY sourceChanged)

public:
    static constexpr const char* kProviderId = "backdrop";

    explicit Backdrop(QObject* parent = nullptr);
    ~Backdrop() override;

    void setWindow(QQuickWindow* window) { window_ = window; }
    /// The image provider to register with the QML engine (the engine takes ownership).
    QQuickImageProvider* createProvider() const;

    QUrl source() const;
    /// Snapshots the window's area (x, y, width, height in window coordinates) and blurs it.
    Q_INVOKABLE void capture(qreal x, qreal y, qreal width, qreal height);

    /// Box blur, three passes of `radius` pixels each way (close to a Gaussian blur).
    static QImage blurred(const QImage& image, int radius);

    /// The snapshot shared with the image provider.
    struct Shared;

signals:
    void sourceChanged();

private:
    std::shared_ptr<Shared> shared_;
    QQuickWindow* window_ = nullptr;
    int generation_ = 0;
};

} // namespace qtshell
