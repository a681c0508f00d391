#include "AppInstance.h"

#include "app/AppDelegate.h"
#include "platform/Log.h"
#include "platform/Paths.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace qtshell {
namespace {

constexpr const char* kInterface = "org.freedesktop.Application";
/// The lock file in the data folder; it holds the owner's process id.
constexpr const char* kLockFile = "tamberlinove.lock";
/// How long a second launch waits for the running app to answer. Its main loop may be held
/// by a blocking service call for up to the 30-second request time-out.
constexpr int kCallTimeoutMs = 60000;

/// The desktop entry's actions and the home-screen shortcuts they stand for.
constexpr std::pair<const char*, const char*> kActions[] = {
    {"flight-search", app::AppDelegate::kFlightSearchShortcut},
};

std::string dataFolder(const shell::LaunchOptions& options) {
    return options.dataDir.empty() ? platform::Paths::defaultDocuments() : options.dataDir;
}

} // namespace

AppInstance::~AppInstance() {
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool AppInstance::usesBus(const shell::LaunchOptions& options, const QtOptions& qtOptions) {
    if (!options.screenshot.empty() || qtOptions.firstFrameExit)
        return false;
    if (options.dataDir.empty())
        return true;
    std::error_code ec;
    return std::filesystem::equivalent(options.dataDir, platform::Paths::defaultDocuments(), ec);
}

std::optional<std::string> AppInstance::actionFor(const std::string& shortcutType) {
    for (const auto& [action, shortcut] : kActions)
        if (shortcutType == shortcut)
            return action;
    return std::nullopt;
}

std::optional<std::string> AppInstance::shortcutFor(const std::string& action) {
    for (const auto& [name, shortcut] : kActions)
        if (action == name)
            return shortcut;
    return std::nullopt;
}

QVariantMap AppInstance::platformDataFromEnvironment() {
    // Wayland's activation token and X11's start-up id let the running window take the focus
    // that the launcher gave to this launch.
    QVariantMap data;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        data.insert(QStringLiteral("activation-token"), token);
    if (const QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !id.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), id);
    return data;
}

AppInstance::Outcome AppInstance::claim(const shell::LaunchOptions& options, bool useBus,
                                        const QVariantMap& platformData) {
    const QString name = QString::fromLatin1(kBusName);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (useBus && !bus.isConnected()) {
        platform::logLine("no session bus: only the data folder's lock keeps a second window "
                          "of tamberlinove away");
    } else if (useBus) {
        bus.registerObject(QString::fromLatin1(kObjectPath), this,
                           QDBusConnection::ExportScriptableSlots);
        // An owner that ends between our request and our call leaves the name free for the
        // second attempt.
        bool unanswered = false;
        for (int attempt = 0; attempt < 2 && !ownsName_; ++attempt) {
            const auto reply =
                bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                                 QDBusConnectionInterface::DontAllowReplacement);
            if (!reply.isValid()) {
                platform::logLine("session bus: cannot ask for " + name.toStdString() + ": " +
                                  reply.error().message().toStdString());
                break;
            }
            ownsName_ = reply.value() == QDBusConnectionInterface::ServiceRegistered;
            if (!ownsName_ && handOver(options.shortcut, platformData))
                return Outcome::HandedOver;
            unanswered = !ownsName_;
        }
        if (unanswered) {
            platform::logLine("tamberlinove is already running but does not answer; this "
                              "launch ends");
            return Outcome::Refused;
        }
    }
    if (lockDataFolder(dataFolder(options)))
        return Outcome::Primary;
    if (ownsName_) {
        bus.interface()->unregisterService(name);
        ownsName_ = false;
    }
    return Outcome::Refused;
}

bool AppInstance::handOver(const std::optional<std::string>& shortcut,
                           const QVariantMap& platformData) {
    // A shortcut of another type does nothing in the app, so it is a plain activation.
    const auto action = shortcut ? actionFor(*shortcut) : std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kBusName), QString::fromLatin1(kObjectPath),
        QString::fromLatin1(kInterface),
        action ? QStringLiteral("ActivateAction") : QStringLiteral("Activate"));
    if (action)
        call << QString::fromStdString(*action) << QVariantList{};
    call << platformData;
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        platform::logLine("the running tamberlinove did not take this launch: " +
                          reply.errorMessage().toStdString());
        return false;
    }
    platform::logLine("tamberlinove is already running: this launch went to its window");
    return true;
}

bool AppInstance::lockDataFolder(const std::string& dir) {
    // A folder that cannot be made is reported by the start-up that follows.
    if (!platform::Paths::ensureDirectory(dir))
        return true;
    const std::string path = dir + "/" + kLockFile;
    lockFd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) {
        platform::logLine("cannot open " + path + ": " + std::strerror(errno) +
                          "; the data folder is not locked");
        return true;
    }
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::ftruncate(lockFd_, 0) != 0 || ::pwrite(lockFd_, pid.data(), pid.size(), 0) < 0)
            platform::logLine("cannot write " + path + ": " + std::strerror(errno));
        return true;
    }
    const int error = errno;
    if (error != EWOULDBLOCK) {
        platform::logLine("cannot lock " + path + ": " + std::strerror(error) +
                          "; the data folder is not locked");
        return true;
    }
    char holder[32] = {};
    const ssize_t n = ::pread(lockFd_, holder, sizeof holder - 1, 0);
    std::string pid = n > 0 ? std::string(holder, static_cast<std::size_t>(n)) : std::string();
    pid.erase(pid.find_last_not_of("\n ") + 1);
    ::close(lockFd_);
    lockFd_ = -1;
    platform::logLine("tamberlinove is already running with the data folder " + dir +
                      (pid.empty() ? std::string() : " (process " + pid + ")") +
                      "; this launch ends");
    return false;
}

void AppInstance::serve(Handler handler) {
    handler_ = std::move(handler);
    for (const auto& shortcut : std::exchange(pending_, {}))
        handler_(shortcut);
}

void AppInstance::deliver(const std::optional<std::string>& shortcut,
                          const QVariantMap& platformData) {
    // Qt's Wayland window reads the token from the environment when it asks for the focus.
    if (const QString token = platformData.value(QStringLiteral("activation-token")).toString();
        !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    platform::logLine("another launch of tamberlinove" +
                      (shortcut ? " with the shortcut " + *shortcut : std::string()) +
                      ": raising the window");
    if (handler_)
        handler_(shortcut);
    else
        pending_.push_back(shortcut);
}

void AppInstance::Activate(const QVariantMap& platformData) {
    deliver(std::nullopt, platformData);
}

void AppInstance::ActivateAction(const QString& action, const QVariantList& /*parameter*/,
                                 const QVariantMap& platformData) {
    const auto shortcut = shortcutFor(action.toStdString());
    if (!shortcut) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no action ") + action);
        return;
    }
    deliver(shortcut, platformData);
}

void AppInstance::Open(const QStringList& uris, const QVariantMap& platformData) {
    // The app opens no files; the request still brings its window to the front.
    platform::logLine("tamberlinove opens no files; ignored " +
                      uris.join(QLatin1Char(' ')).toStdString());
    deliver(std::nullopt, platformData);
}

} // namespace qtshell
