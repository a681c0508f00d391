#pragma once
/// @file
/// The fonts the first screen draws, remembered from one start to the next. Each font size
/// and weight costs a font engine (fontconfig matching) on the way to the first frame, once
/// per writing system; making them while the views are still being compiled takes that work
/// off the first frame's path.

#include <QList>
#include <QString>

class QQuickItem;

namespace qtshell {

struct FontUse {
    QString family;
    int pixelSize = 0;
    int weight = 400;
    bool italic = false;
    /// Some text in this font is Korean (a second engine, for the Hangul script).
    bool hangul = false;

    friend bool operator==(const FontUse&, const FontUse&) = default;
};

class FontWarmup {
public:
    /// The fonts of every text item under `root`, one entry per font, in a stable order.
    static QList<FontUse> record(QQuickItem* root);

    /// Reads a list written by `save`; lines that cannot be read are skipped, and an absent
    /// or unreadable file gives an empty list.
    static QList<FontUse> load(const QString& path);
    /// Writes the list (creating the folder); false when it cannot be written.
    static bool save(const QString& path, const QList<FontUse>& fonts);

    /// Makes the font engines of `fonts` on this thread (they are kept per thread).
    static void warm(const QList<FontUse>& fonts);

    /// Where the list is kept: the user's cache folder for the app.
    static QString defaultPath();
};

} // namespace qtshell
