// Renders an SVG picture to PNG or JPEG at a given pixel size (used by scripts/make-assets.py
// and scripts/make-cards.py); an optional last argument sets the JPEG quality (default 92).
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

namespace {

bool opaque(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.png|OUT.jpg WIDTH HEIGHT [JPEG-QUALITY]\n",
                     argv[0]);
        return 2;
    }
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QSize size(QString::fromLocal8Bit(argv[3]).toInt(),
                     QString::fromLocal8Bit(argv[4]).toInt());
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(size);
    QImage picture = reader.read();
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QImageWriter writer(out);
    if (out.endsWith(QLatin1String(".jpg"))) {
        // JPEG has no alpha: flatten onto white.
        QImage flat(picture.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, picture);
        picture = flat;
        writer.setQuality(argc == 6 ? QString::fromLocal8Bit(argv[5]).toInt() : 92);
    } else {
        writer.setQuality(0); // smallest file
        // An opaque picture is stored without its alpha channel: a quarter smaller.
        if (opaque(picture))
            picture = picture.convertToFormat(QImage::Format_RGB888);
    }
    if (!writer.write(picture)) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[2], qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
