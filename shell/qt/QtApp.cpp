#include "QtApp.h"

#include "Backdrop.h"
#include "FontWarmup.h"
#include "ScreenSteps.h"
#include "WindowLifecycle.h"
#include "bridge/Assets.h"
#include "bridge/ScreenItem.h"
#include "bridge/WindowBridge.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/QtBeaconRadio.h"
#include "platform/QtCamera.h"
#include "platform/QtDevices.h"
#include "platform/QtMainLoop.h"
#include "platform/QtNotifications.h"
#include "platform/QtScreenSaver.h"
#include "platform/SimulatedRadio.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickImageProvider>
#include <QQuickWindow>
#include <cstdio>
#include <iostream>
#include <thread>
#include <tuple>

#ifndef TAMBERLINOVE_ASSETS_DIR
#define TAMBERLINOVE_ASSETS_DIR ""
#endif

namespace qtshell {
namespace {

constexpr int kPollMs = 50;
/// Polls of an idle loop in a row before the screen counts as settled.
constexpr int kIdlePolls = 3;
/// Time the open menu takes to unfold (rows, delays and the button) with a margin.
constexpr int kMenuSettleMs = 700;
/// Delayed work due this soon (a request half a second after a screen appears) is waited
/// for before a screenshot.
constexpr int kSoonMs = 2000;
/// Time a screen presented or dismissed by a step takes to slide, with a margin.
constexpr int kStepSettleMs = 450;
/// A screenshot is taken at the latest this long after the first frame, or after the time a
/// step asked to settle (a wait) is over.
constexpr int kScreenshotDeadlineMs = 20000;

} // namespace

QtApp::QtApp(shell::LaunchOptions options, QtOptions qtOptions, QObject* parent)
    : QObject(parent), options_(std::move(options)), qtOptions_(qtOptions) {
    sinceStart_.start();
}

QtApp::~QtApp() {
    if (fonts_.joinable())
        fonts_.join();
    // The views go first, then the bridge, then the core; the loop outlives them all.
    lifecycle_.reset();
    compiled_.clear();
    engine_.reset();
    bridge_.reset();
    core_.reset();
}

double QtApp::screenWidth() const {
    return core_ ? core_->context().screenWidth : 375;
}
double QtApp::screenHeight() const {
    return core_ ? core_->context().screenHeight : 667;
}

bool QtApp::start() {
    if (options_.virtualTime) {
        // The clock stays at the given instant; the loop's timers still run on real time, so
        // the refresh timer ticks every real minute against an unmoving date.
        clock_ = shell::virtualClock(options_);
        platform::logLine("virtual time: the clock is held at " + *options_.virtualTime);
    } else {
        clock_ = std::make_unique<platform::SystemClock>();
    }
    loop_ = std::make_unique<QtMainLoop>();
    location_.setState(platform::LocationAuthorization::parse(options_.location)
                           .value_or(platform::LocationAuthorization::State::Authorized));
    notifications_ = std::make_unique<QtNotifications>();
    browser_ = std::make_unique<QtBrowser>();
    vibration_ = std::make_unique<QtVibration>();
    camera_ = std::make_unique<QtCamera>();
    screenSaver_ = std::make_unique<QtScreenSaver>();

    // Reading the installed fonts (fontconfig's configuration and font list) and loading the
    // picture decoders are a good part of start-up and need nothing else: they run on their
    // own thread from the start.
    fonts_ = std::thread([] {
        QFontDatabase::families();
        QImageReader::supportedImageFormats();
    });
    // The stand-in services start on another thread while the views are compiled here;
    // the core starts once both are done, as in the headless driver.
    std::optional<std::string> error;
    std::thread launching([&] { error = launch_.start(options_, *clock_); });
    prepareViews();
    launching.join();
    if (error) {
        std::cerr << "tamberlinove: " << *error << '\n';
        return false;
    }
    startCore();
    return showWindow();
}

void QtApp::activate(const std::optional<std::string>& shortcut) {
    if (!window_ || !core_)
        return;
    // A maximised or full-screen window keeps its state; a minimised or hidden one comes back.
    if (window_->visibility() == QWindow::Minimized || window_->visibility() == QWindow::Hidden)
        window_->showNormal();
    window_->raise();
    window_->requestActivate();
    if (shortcut) {
        core_->delegate().performActionForShortcutItem(*shortcut);
        bridge_->afterEvent();
    }
    const ui::Screen* front = core_->context().window.front();
    platform::logLine("activated: " + (front ? front->name() : std::string("no screen")) +
                      " is in front");
}

void QtApp::prepareViews() {
    QStringList imageDirs{QString::fromStdString(platform::Paths::defaultResources()) +
                          QStringLiteral("/images")};
    const QString built = QStringLiteral(TAMBERLINOVE_ASSETS_DIR "/images");
    if (!imageDirs.contains(built))
        imageDirs.append(built);
    assets_ = std::make_unique<Assets>(imageDirs, QStringLiteral(":/Tamberlinove"));
    backdrop_ = std::make_unique<Backdrop>();

    engine_ = std::make_unique<QQmlApplicationEngine>();
    engine_->addImageProvider(QString::fromLatin1(Backdrop::kProviderId),
                              backdrop_->createProvider());
    QQmlContext* root = engine_->rootContext();
    root->setContextProperty(QStringLiteral("assets"), assets_.get());
    root->setContextProperty(QStringLiteral("backdrop"), backdrop_.get());
    root->setContextProperty(QStringLiteral("notifications"), notifications_.get());
    root->setContextProperty(QStringLiteral("vibration"), vibration_.get());
    root->setContextProperty(QStringLiteral("shell"), this);

    // Compiled types stay cached while these components live; the window's load waits for
    // the compilation begun here.
    for (const char* view : {"qrc:/Tamberlinove/Main.qml", "qrc:/Tamberlinove/ViewController.qml"})
        compiled_.push_back(std::make_unique<QQmlComponent>(engine_.get(), QUrl(view),
                                                            QQmlComponent::Asynchronous));
    // While the views compile on the engine's loader thread, this thread makes the font
    // engines the first screen needed last time.
    fontWarmupPath_ = FontWarmup::defaultPath();
    warmedFonts_ = FontWarmup::load(fontWarmupPath_);
    FontWarmup::warm(warmedFonts_);
}

void QtApp::startCore() {
    makeRadio();
    core_ = std::make_unique<shell::Core>(
        launch_, shell::Devices{*loop_, *clock_, location_, *notifications_, push_, *browser_,
                                *vibration_, *camera_, *screenSaver_, *bluetooth_, *radio_});
    auto& context = core_->context();
    if (qtOptions_.screenSize)
        std::tie(context.screenWidth, context.screenHeight) = *qtOptions_.screenSize;
    // The bridge watches the window before the first screen loads, so it sees everything.
    bridge_ = std::make_unique<WindowBridge>(context.window);
    core_->launch(options_.shortcut);
    bridge_->afterEvent();
}

bool QtApp::showWindow() {
    engine_->rootContext()->setContextProperty(QStringLiteral("bridge"), bridge_.get());
    engine_->load(QUrl(QStringLiteral("qrc:/Tamberlinove/Main.qml")));

    const auto roots = engine_->rootObjects();
    window_ = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
    if (!window_) {
        std::cerr << "tamberlinove: the window could not be created\n";
        return false;
    }
    backdrop_->setWindow(window_);
    connect(window_, &QQuickWindow::frameSwapped, this, &QtApp::firstFrame);
    watchLifecycle();
    return true;
}

void QtApp::makeRadio() {
    const bool demoTags = qtOptions_.radio == QtOptions::Radio::Demo ||
                          (qtOptions_.radio == QtOptions::Radio::Default && launch_.demo());
    if (!demoTags) {
        auto adapter = std::make_unique<QtBluetoothAdapter>();
        radio_ = std::make_unique<QtBeaconRadio>(*loop_, *adapter);
        bluetooth_ = std::move(adapter);
        return;
    }
    auto adapter = std::make_unique<platform::SimulatedBluetoothAdapter>();
    auto radio = std::make_unique<platform::SimulatedBeaconRadio>(*loop_, *adapter);
    demoTags_ = std::make_unique<platform::DemoTags>(*loop_, *radio, launch_.demoTagUuids());
    radio_ = std::move(radio);
    bluetooth_ = std::move(adapter);
}

void QtApp::watchLifecycle() {
    lifecycle_ = std::make_unique<WindowLifecycle>(*window_, [this](bool background) {
        if (background)
            core_->delegate().enterBackground();
        else
            core_->delegate().enterForeground();
        bridge_->afterEvent();
    });
    // A notification is kept back only while the person looks at the window: shown, not
    // minimised, the screen not locked, and holding the focus. A window merely covered by
    // another application lets the desktop show it (though it is not in the background).
    notifications_->setWindow(window_);
    notifications_->shouldPresent = [this](const platform::LocalNotification& n) {
        const bool present = core_->delegate().notificationFired(n, lifecycle_->inFront());
        bridge_->afterEvent();
        return present;
    };
    // A click on the desktop's notification (which also raises the window) or a tap on the
    // window's banner.
    notifications_->opened = [this](const platform::LocalNotification& n) {
        core_->delegate().notificationOpened(n);
        bridge_->afterEvent();
    };
}

void QtApp::firstFrame() {
    if (framed_)
        return;
    framed_ = true;
    compiled_.clear();
    if (qtOptions_.firstFrameExit) {
        std::printf("first-frame-ms %lld\n", static_cast<long long>(sinceStart_.elapsed()));
        std::fflush(stdout);
        rememberFonts();
        QCoreApplication::exit(0);
        return;
    }
    rememberFonts();
    if (options_.screenshot.empty() && !qtOptions_.openMenu && qtOptions_.steps.empty())
        return;
    settling_.start();
    screenshotTimer_.setInterval(kPollMs);
    connect(&screenshotTimer_, &QTimer::timeout, this, &QtApp::checkScreenshot);
    screenshotTimer_.start();
}

void QtApp::rememberFonts() {
    const QList<FontUse> used = FontWarmup::record(window_->contentItem());
    if (used != warmedFonts_ && !FontWarmup::save(fontWarmupPath_, used))
        platform::logLine("start-up: cannot write " + fontWarmupPath_.toStdString());
}

void QtApp::checkScreenshot() {
    // Settled: the core's loop has had nothing to do for a few polls in a row (queued
    // outlet changes have reached the views and been drawn).
    idlePolls_ = loop_->idle() && !loop_->oneShotDueWithin(kSoonMs) ? idlePolls_ + 1 : 0;
    const bool late = settling_.elapsed() > stepSettleMs_ + kScreenshotDeadlineMs;
    if ((idlePolls_ < kIdlePolls || settling_.elapsed() < stepSettleMs_) && !late)
        return;
    if (nextStep_ < qtOptions_.steps.size()) {
        // One step per settled screen; a wait keeps the screen unsettled until it is over.
        const ScreenStep& step = qtOptions_.steps[nextStep_++];
        if (!step.command.empty())
            if (auto error = runScreenStep(*bridge_, step.command))
                platform::logLine("step: " + *error);
        settling_.start();
        stepSettleMs_ = step.command.empty() ? step.waitMs : kStepSettleMs;
        idlePolls_ = 0;
        return;
    }
    if (qtOptions_.openMenu && !menuOpened_) {
        menuOpened_ = true;
        if (auto* root = qobject_cast<ScreenItem*>(bridge_->stack()->get(0)))
            root->tap(QStringLiteral("addButton"));
        settling_.start();
        idlePolls_ = 0;
        return;
    }
    if (menuOpened_ && settling_.elapsed() < kMenuSettleMs && !late)
        return;
    if (late)
        platform::logLine("screenshot: the app did not settle; taking it anyway");
    screenshotTimer_.stop();
    if (!options_.screenshot.empty())
        saveScreenshot();
}

void QtApp::saveScreenshot() {
    const QImage shot = window_->grabWindow();
    const QString path = QString::fromStdString(options_.screenshot);
    if (shot.isNull() || !shot.save(path, "PNG")) {
        std::cerr << "tamberlinove: cannot write the screenshot " << options_.screenshot << '\n';
        QCoreApplication::exit(1);
        return;
    }
    platform::logLine("screenshot written to " + options_.screenshot);
    QCoreApplication::exit(0);
}

} // namespace qtshell
