#include "Backdrop.h"

#include <QMutex>
#include <QMutexLocker>
#include <QQuickImageProvider>
#include <QQuickWindow>
#include <algorithm>
#include <vector>

namespace qtshell {

struct Backdrop::Shared {
    QMutex mutex;
    QImage image;
};

namespace {

/// Hands the latest snapshot to QML (image loading may happen on another thread).
class Provider final : public QQuickImageProvider {
public:
    explicit Provider(std::shared_ptr<Backdrop::Shared> shared)
        : QQuickImageProvider(QQuickImageProvider::Image), shared_(std::move(shared)) {}

    QImage requestImage(const QString&, QSize* size, const QSize&) override {
        QMutexLocker lock(&shared_->mutex);
        if (size)
            *size = shared_->image.size();
        return shared_->image;
    }

private:
    std::shared_ptr<Backdrop::Shared> shared_;
};

/// One pass of a running-sum box blur over `count` pixels spaced `step` apart.
void boxLine(QRgb* line, int count, int step, int radius, std::vector<QRgb>& scratch) {
    scratch.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        scratch[static_cast<std::size_t>(i)] = line[i * step];
    auto at = [&](int i) { return scratch[static_cast<std::size_t>(std::clamp(i, 0, count - 1))]; };
    const int window = 2 * radius + 1;
    int a = 0, r = 0, g = 0, b = 0;
    for (int i = -radius; i <= radius; ++i) {
        const QRgb p = at(i);
        a += qAlpha(p), r += qRed(p), g += qGreen(p), b += qBlue(p);
    }
    for (int i = 0; i < count; ++i) {
        line[i * step] = qRgba(r / window, g / window, b / window, a / window);
        const QRgb out = at(i - radius), in = at(i + radius + 1);
        a += qAlpha(in) - qAlpha(out), r += qRed(in) - qRed(out);
        g += qGreen(in) - qGreen(out), b += qBlue(in) - qBlue(out);
    }
}

} // namespace

Backdrop::Backdrop(QObject* parent) : QObject(parent), shared_(std::make_shared<Shared>()) {}

Backdrop::~Backdrop() = default;

QQuickImageProvider* Backdrop::createProvider() const {
    return new Provider(shared_);
}

QUrl Backdrop::source() const {
    return QUrl(QStringLiteral("image://%1/%2").arg(QLatin1String(kProviderId)).arg(generation_));
}

QImage Backdrop::blurred(const QImage& image, int radius) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (out.isNull() || radius <= 0)
        return out;
    std::vector<QRgb> scratch;
    const int w = out.width(), h = out.height();
    auto* pixels = reinterpret_cast<QRgb*>(out.bits());
    const int stride = static_cast<int>(out.bytesPerLine() / 4);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxLine(pixels + y * stride, w, 1, radius, scratch);
        for (int x = 0; x < w; ++x)
            boxLine(pixels + x, h, stride, radius, scratch);
    }
    return out;
}

void Backdrop::capture(qreal x, qreal y, qreal width, qreal height) {
    if (!window_)
        return;
    const QImage shot = window_->grabWindow();
    if (shot.isNull())
        return;
    const qreal dpr = shot.devicePixelRatio();
    const QRect area =
        QRectF(x * dpr, y * dpr, width * dpr, height * dpr).toAlignedRect() & shot.rect();
    // Blurring a quarter-size copy is as soft as blurring the full one and far cheaper.
    const QImage small =
        shot.copy(area).scaled(std::max(1, area.width() / 4), std::max(1, area.height() / 4),
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    {
        QMutexLocker lock(&shared_->mutex);
        shared_->image = blurred(small, 4);
    }
    ++generation_;
    emit sourceChanged();
}

} // namespace qtshell
