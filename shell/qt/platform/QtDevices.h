#pragma once
/// @file
/// The desktop's browser and the stand-in for vibration (a visual pulse of the window).

#include "platform/Device.h"

#include <QObject>

namespace qtshell {

/// Opens addresses in the desktop's browser.
class QtBrowser final : public QObject, public platform::Browser {
    Q_OBJECT

public:
    explicit QtBrowser(QObject* parent = nullptr) : QObject(parent) {}
    void openUrl(const std::string& url) override;

signals:
    void opened(const QString& url);
};

/// A desktop cannot vibrate: the window pulses instead.
class QtVibration final : public QObject, public platform::Vibration {
    Q_OBJECT

public:
    explicit QtVibration(QObject* parent = nullptr) : QObject(parent) {}
    void vibrate() override;

signals:
    void pulse();
};

} // namespace qtshell
