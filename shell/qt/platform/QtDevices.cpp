#include "platform/QtDevices.h"

#include "platform/Log.h"

#include <QDesktopServices>
#include <QUrl>

namespace qtshell {

void QtBrowser::openUrl(const std::string& url) {
    platform::logLine("open-url " + url);
    const QUrl address(QString::fromStdString(url));
    // Only web addresses: anything else could start a local program.
    if (!address.isValid() ||
        (address.scheme() != QLatin1String("http") && address.scheme() != QLatin1String("https"))) {
        platform::logLine("not opened: not a web address");
        return;
    }
    if (!QDesktopServices::openUrl(address))
        platform::logLine("the desktop could not open the address");
    emit opened(address.toString());
}

void QtVibration::vibrate() {
    platform::logLine("vibrate");
    emit pulse();
}

} // namespace qtshell
