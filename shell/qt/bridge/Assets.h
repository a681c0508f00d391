#pragma once
/// @file
/// Finds the files QML shows: pictures named by the core (with or without an extension,
/// or as absolute paths of pictures taken by the user) and the view of each screen.

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace qtshell {

class Assets final : public QObject {
    Q_OBJECT

public:
    /// `imageDirs` are searched in order; `viewDir` holds "<ScreenName>.qml" files
    /// (a resource path such as ":/Tamberlinove/qml").
    Assets(QStringList imageDirs, QString viewDir, QObject* parent = nullptr);

    /// The picture's file URL: an absolute path as is; otherwise the name as given, then with
    /// ".png", ".jpg" and ".svg", in each folder. An empty URL when nothing matches.
    Q_INVOKABLE QUrl image(const QString& name) const;
    /// "<name>.qml" when the screen has a view of its own, else the generic view.
    Q_INVOKABLE QUrl view(const QString& screenName) const;

    const QStringList& imageDirs() const { return imageDirs_; }

private:
    QStringList imageDirs_;
    QString viewDir_;
    mutable QHash<QString, QUrl> found_;
};

} // namespace qtshell
