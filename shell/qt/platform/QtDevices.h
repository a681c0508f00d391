#pragma once
/// @file
/// The desktop's browser and the stand-in for vibration (a shake of the window and a sound).

#include "platform/Device.h"

#include <QObject>

#include <memory>

namespace qtshell {

/// Opens web addresses in the desktop's browser through its opener (xdg-open where there
/// is one, else Qt's own URL handling) and tells whether that worked.
class QtBrowser final : public QObject, public platform::Browser {
    Q_OBJECT

public:
    /// An opener still running after this long has handed the address to a browser: some
    /// wait for the browser they start to close, and only its early failure counts.
    static constexpr int kOpenerFailsWithinMs = 10000;

    /// The desktop's opener: xdg-open when it is installed.
    explicit QtBrowser(QObject* parent = nullptr);
    /// `opener` is run with the address as its one argument; an empty one leaves the
    /// address to Qt's URL handling.
    QtBrowser(QString opener, int failsWithinMs, QObject* parent = nullptr);
    ~QtBrowser() override;

    /// `done` runs on the loop: false for an address that is not http(s), an opener that
    /// cannot start or ends with a failure, or Qt finding no handler.
    void openUrl(const std::string& url, std::function<void(bool)> done) override;

private:
    QString opener_;
    int failsWithinMs_;
};

/// A desktop cannot vibrate: the window shakes and the desktop's sound theme plays a short
/// sound (through libcanberra, loaded at the first pulse) instead. Without a sound server,
/// the library or a device the pulses are silent, with one log line.
class QtVibration final : public QObject, public platform::Vibration {
    Q_OBJECT

public:
    /// The sound theme's name of the pulse's sound.
    static constexpr const char* kSound = "bell";

    explicit QtVibration(QObject* parent = nullptr);
    ~QtVibration() override;
    void vibrate() override;

signals:
    void pulse();

private:
    /// A PulseAudio or PipeWire server of this session.
    static bool soundServerPresent();
    void playSound();

    struct Sound;
    std::unique_ptr<Sound> sound_;
    /// Sound failed once (no server, no device, no such sound): later pulses stay quiet.
    bool silent_ = false;
};

} // namespace qtshell
