#pragma once
/// @file
/// The windowed application: the app core on Qt's event loop with the desktop's devices,
/// shown through QML. Start-up is wired like the headless driver's; only the devices and
/// the drawing differ.

#include "Core.h"
#include "FontWarmup.h"
#include "Launch.h"
#include "QtOptions.h"
#include "platform/Clock.h"
#include "platform/DemoTags.h"
#include "platform/Location.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <thread>
#include <vector>

class QQmlApplicationEngine;
class QQmlComponent;
class QQuickWindow;

namespace qtshell {

class Assets;
class Backdrop;
class QtBrowser;
class QtCamera;
class QtMainLoop;
class WindowLifecycle;
class QtNotifications;
class QtScreenSaver;
class QtVibration;
class WindowBridge;

class QtApp final : public QObject {
    Q_OBJECT
    /// Running against the in-process stand-in services.
    Q_PROPERTY(bool demo READ demo CONSTANT)
    /// The phone screen in points.
    Q_PROPERTY(double screenWidth READ screenWidth CONSTANT)
    Q_PROPERTY(double screenHeight READ screenHeight CONSTANT)
    /// The window's starting size as a multiple of the phone screen.
    Q_PROPERTY(double initialScale READ initialScale CONSTANT)

public:
    QtApp(shell::LaunchOptions options, QtOptions qtOptions, QObject* parent = nullptr);
    ~QtApp() override;

    /// Starts the core and shows the window; false (with a message on stderr) when the app
    /// cannot start.
    bool start();
    /// Another launch came while the app runs: raises the window and acts on its home-screen
    /// shortcut, if any, as the core does for one arriving while the app runs.
    void activate(const std::optional<std::string>& shortcut);

    bool demo() const { return launch_.demo(); }
    double screenWidth() const;
    double screenHeight() const;
    double initialScale() const { return qtOptions_.scale; }

private:
    /// Everything for the window that does not need the core.
    void prepareViews();
    void startCore();
    bool showWindow();
    void firstFrame();
    /// Keeps the fonts the first screen drew for the next start.
    void rememberFonts();
    void checkScreenshot();
    void saveScreenshot();
    /// The adapter and the radio: the demo's tags or the desktop's Bluetooth.
    void makeRadio();
    /// The window went to the background or came back; notifications fire.
    void watchLifecycle();

    shell::LaunchOptions options_;
    QtOptions qtOptions_;
    QElapsedTimer sinceStart_;
    std::thread fonts_;

    std::unique_ptr<platform::Clock> clock_;
    std::unique_ptr<QtMainLoop> loop_;
    platform::LocationAuthorization location_;
    std::unique_ptr<QtNotifications> notifications_;
    platform::RecordingPush push_;
    std::unique_ptr<QtBrowser> browser_;
    std::unique_ptr<QtVibration> vibration_;
    std::unique_ptr<QtCamera> camera_;
    std::unique_ptr<QtScreenSaver> screenSaver_;
    std::unique_ptr<platform::BluetoothAdapter> bluetooth_;
    std::unique_ptr<platform::BeaconRadio> radio_;
    std::unique_ptr<platform::DemoTags> demoTags_;
    std::unique_ptr<WindowLifecycle> lifecycle_;
    shell::Launch launch_;
    std::unique_ptr<shell::Core> core_;
    std::unique_ptr<WindowBridge> bridge_;
    std::unique_ptr<Assets> assets_;
    std::unique_ptr<Backdrop> backdrop_;
    std::unique_ptr<QQmlApplicationEngine> engine_;
    std::vector<std::unique_ptr<QQmlComponent>> compiled_;

    QQuickWindow* window_ = nullptr;
    QString fontWarmupPath_;
    QList<FontUse> warmedFonts_;
    bool framed_ = false;
    QTimer screenshotTimer_;
    QElapsedTimer settling_;
    int idlePolls_ = 0;
    bool menuOpened_ = false;
    std::size_t nextStep_ = 0;
    int stepSettleMs_ = 0;
};

} // namespace qtshell
