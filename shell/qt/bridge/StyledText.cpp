#include "bridge/StyledText.h"

#include <QColor>
#include <algorithm>
#include <optional>

namespace qtshell {
namespace {

struct Style {
    bool strike = false;
    std::optional<ui::Color> color;
    bool operator==(const Style&) const = default;
};

QString colorName(const ui::Color& c) {
    return QColor::fromRgbF(static_cast<float>(std::clamp(c.r, 0.0, 1.0)),
                            static_cast<float>(std::clamp(c.g, 0.0, 1.0)),
                            static_cast<float>(std::clamp(c.b, 0.0, 1.0)),
                            static_cast<float>(std::clamp(c.a, 0.0, 1.0)))
        .name(QColor::HexArgb);
}

QString escaped(const QString& text) {
    // StyledText collapses white space like HTML; line breaks must stay visible.
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

QString wrap(const QString& text, const Style& style) {
    QString out = escaped(text);
    if (style.strike)
        out = QLatin1String("<s>") + out + QLatin1String("</s>");
    if (style.color)
        out = QLatin1String("<font color=\"") + colorName(*style.color) + QLatin1String("\">") +
              out + QLatin1String("</font>");
    return out;
}

} // namespace

QString styledText(const std::string& utf8, const std::vector<ui::TextRun>& runs) {
    const QList<uint> codePoints = QString::fromStdString(utf8).toUcs4();
    const qsizetype n = codePoints.size();
    std::vector<Style> styles(static_cast<std::size_t>(n));
    for (const auto& run : runs) {
        const qsizetype from = std::clamp<qsizetype>(run.from, 0, n);
        const qsizetype to = std::clamp<qsizetype>(qsizetype(run.from) + run.length, from, n);
        for (qsizetype i = from; i < to; ++i) {
            auto& s = styles[static_cast<std::size_t>(i)];
            s.strike = s.strike || run.strike;
            if (run.color)
                s.color = run.color;
        }
    }
    QString out;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= n; ++i) {
        if (i < n && styles[static_cast<std::size_t>(i)] == styles[static_cast<std::size_t>(start)])
            continue;
        const auto piece = QString::fromUcs4(
            reinterpret_cast<const char32_t*>(codePoints.constData() + start), i - start);
        out += wrap(piece, styles[static_cast<std::size_t>(start)]);
        start = i;
    }
    return out;
}

} // namespace qtshell
