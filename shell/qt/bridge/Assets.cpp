#include "bridge/Assets.h"

#include <QDir>
#include <QFileInfo>

namespace qtshell {
namespace {

QUrl fileUrl(const QString& path) {
    // Resource paths become qrc: URLs, everything else file: URLs.
    return path.startsWith(QLatin1Char(':')) ? QUrl(QLatin1String("qrc") + path)
                                             : QUrl::fromLocalFile(path);
}

} // namespace

Assets::Assets(QStringList imageDirs, QString viewDir, QObject* parent)
    : QObject(parent), imageDirs_(std::move(imageDirs)), viewDir_(std::move(viewDir)) {}

QUrl Assets::image(const QString& name) const {
    if (name.isEmpty())
        return {};
    if (QDir::isAbsolutePath(name) && !name.startsWith(QLatin1Char(':'))) {
        // A picture the user took: its file may be replaced, so it is not remembered.
        return QFileInfo::exists(name) ? QUrl::fromLocalFile(name) : QUrl();
    }
    if (auto it = found_.constFind(name); it != found_.constEnd())
        return *it;
    // A name must stay inside the picture folders.
    if (name.contains(QLatin1String("..")) || name.contains(QLatin1Char('/')))
        return {};
    static const char* const suffixes[] = {"", ".png", ".jpg", ".svg"};
    QUrl url;
    for (const QString& dir : imageDirs_) {
        for (const char* suffix : suffixes) {
            const QString path = dir + QLatin1Char('/') + name + QLatin1String(suffix);
            if (QFileInfo(path).isFile()) {
                url = fileUrl(path);
                break;
            }
        }
        if (!url.isEmpty())
            break;
    }
    found_.insert(name, url);
    return url;
}

QUrl Assets::view(const QString& screenName) const {
    const bool plain =
        !screenName.isEmpty() && std::all_of(screenName.begin(), screenName.end(), [](QChar c) {
            return c.isLetterOrNumber() || c == QLatin1Char('_');
        });
    const QString own = viewDir_ + QLatin1Char('/') + screenName + QLatin1String(".qml");
    if (plain && QFileInfo::exists(own))
        return fileUrl(own);
    return fileUrl(viewDir_ + QLatin1String("/GenericScreen.qml"));
}

} // namespace qtshell
