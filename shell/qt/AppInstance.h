#pragma once
/// @file
/// One running window per person. The window that works on the default data folder owns the
/// session bus name kr.vorneth.tamberlinove and answers the desktop's
/// org.freedesktop.Application calls; a later launch hands its request (a plain start or a
/// home-screen shortcut) to it and ends. Every window also locks its data folder, so two
/// processes never work on one database, with or without a session bus.

#include "Launch.h"
#include "QtOptions.h"

#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qtshell {

class AppInstance final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    static constexpr const char* kBusName = "kr.vorneth.tamberlinove";
    static constexpr const char* kObjectPath = "/kr/vorneth/tamberlinove";

    /// A request for the running window: raise it, and act on the shortcut if one came.
    using Handler = std::function<void(const std::optional<std::string>& shortcut)>;

    enum class Outcome {
        Primary,    ///< this process is the app: start it
        HandedOver, ///< the running app took the request: end with status 0
        Refused,    ///< another process works on the data folder (said on the log): end
    };

    AppInstance() = default;
    ~AppInstance() override;

    /// Whether a run takes part in the bus name: only a window on the default data folder that
    /// stays open. Runs on another folder (the tests' own, a second profile) and one-shot runs
    /// (--screenshot, --first-frame-exit) neither own the name nor hand anything over, so they
    /// never take the person's window away or end up in it.
    static bool usesBus(const shell::LaunchOptions& options, const QtOptions& qtOptions);

    /// Owns the bus name or hands this launch to its owner (when `useBus`), then locks the
    /// data folder. `platformData` goes with a hand-over (the launcher's activation token).
    /// Needs the Qt application object.
    Outcome claim(const shell::LaunchOptions& options, bool useBus,
                  const QVariantMap& platformData);

    /// Requests from now on go to `handler`; those that came during start-up are handed over
    /// now.
    void serve(Handler handler);

    /// The desktop entry's action for a shortcut type and back; nothing for other types.
    static std::optional<std::string> actionFor(const std::string& shortcutType);
    static std::optional<std::string> shortcutFor(const std::string& action);

    /// The launcher's activation data found in this process's environment.
    static QVariantMap platformDataFromEnvironment();

public Q_SLOTS:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    Q_SCRIPTABLE void ActivateAction(const QString& action, const QVariantList& parameter,
                                     const QVariantMap& platformData);
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);

private:
    /// Calls the owner of the bus name; false when it did not answer.
    static bool handOver(const std::optional<std::string>& shortcut,
                         const QVariantMap& platformData);
    /// Locks the data folder's lock file for this process's life; false when another process
    /// holds it.
    bool lockDataFolder(const std::string& dir);
    void deliver(const std::optional<std::string>& shortcut, const QVariantMap& platformData);

    Handler handler_;
    std::vector<std::optional<std::string>> pending_;
    bool ownsName_ = false;
    int lockFd_ = -1;
};

} // namespace qtshell
