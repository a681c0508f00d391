#include "FontWarmup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQuickItem>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>
#include <algorithm>

namespace qtshell {
namespace {

/// More entries than any screen needs: a damaged file cannot make start-up crawl.
constexpr int kMaxFonts = 64;
constexpr int kMaxPixelSize = 512;

bool isHangul(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0x1100 && u <= 0x11FF) ||
           (u >= 0x3130 && u <= 0x318F);
}

void collect(QQuickItem* item, QList<FontUse>& out) {
    if (item->inherits("QQuickText")) {
        const QFont font = item->property("font").value<QFont>();
        const QString text = item->property("text").toString();
        FontUse use{font.families().value(0), font.pixelSize(), font.weight(), font.italic(),
                    std::any_of(text.begin(), text.end(), isHangul)};
        if (use.pixelSize > 0 && !use.family.isEmpty()) {
            auto same = std::find_if(out.begin(), out.end(), [&](const FontUse& f) {
                return f.family == use.family && f.pixelSize == use.pixelSize &&
                       f.weight == use.weight && f.italic == use.italic;
            });
            if (same == out.end())
                out.append(use);
            else
                same->hangul = same->hangul || use.hangul;
        }
    }
    for (QQuickItem* child : item->childItems())
        collect(child, out);
}

} // namespace

QList<FontUse> FontWarmup::record(QQuickItem* root) {
    QList<FontUse> fonts;
    if (root)
        collect(root, fonts);
    std::sort(fonts.begin(), fonts.end(), [](const FontUse& a, const FontUse& b) {
        return std::tie(a.family, a.pixelSize, a.weight, a.italic) <
               std::tie(b.family, b.pixelSize, b.weight, b.italic);
    });
    return fonts;
}

QList<FontUse> FontWarmup::load(const QString& path) {
    QFile file(path);
    QList<FontUse> fonts;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fonts;
    QTextStream in(&file);
    while (!in.atEnd() && fonts.size() < kMaxFonts) {
        // family TAB pixel size TAB weight TAB italic (0/1) TAB hangul (0/1)
        const QStringList fields = in.readLine().split(QLatin1Char('\t'));
        if (fields.size() != 5 || fields[0].isEmpty())
            continue;
        bool sizeOk = false, weightOk = false;
        FontUse use{fields[0], fields[1].toInt(&sizeOk), fields[2].toInt(&weightOk),
                    fields[3] == QLatin1String("1"), fields[4] == QLatin1String("1")};
        if (sizeOk && weightOk && use.pixelSize > 0 && use.pixelSize <= kMaxPixelSize &&
            use.weight >= 1 && use.weight <= 1000)
            fonts.append(use);
    }
    return fonts;
}

bool FontWarmup::save(const QString& path, const QList<FontUse>& fonts) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (const FontUse& f : fonts.mid(0, kMaxFonts)) {
        QString family = f.family;
        family.remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
        out << family << '\t' << f.pixelSize << '\t' << f.weight << '\t' << int(f.italic) << '\t'
            << int(f.hangul) << '\n';
    }
    out.flush();
    return file.commit();
}

void FontWarmup::warm(const QList<FontUse>& fonts) {
    for (const FontUse& use : fonts) {
        // Built as a text item builds its font: the application font with the item's family,
        // size and weight set, so that the engines land under the same keys.
        QFont font = QGuiApplication::font();
        font.setFamily(use.family);
        font.setPixelSize(use.pixelSize);
        font.setWeight(QFont::Weight(use.weight));
        font.setItalic(use.italic);
        const QFontMetricsF metrics(font);
        metrics.height();
        if (use.hangul)
            metrics.horizontalAdvance(QStringLiteral("가"));
    }
}

QString FontWarmup::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/first-screen-fonts");
}

} // namespace qtshell
