#include "platform/QtDevices.h"

#include "platform/Log.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <canberra.h>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

namespace qtshell {

QtBrowser::QtBrowser(QObject* parent)
    : QtBrowser(QStandardPaths::findExecutable(QStringLiteral("xdg-open")), kOpenerFailsWithinMs,
                parent) {}

QtBrowser::QtBrowser(QString opener, int failsWithinMs, QObject* parent)
    : QObject(parent), opener_(std::move(opener)), failsWithinMs_(failsWithinMs) {}

QtBrowser::~QtBrowser() {
    // Openers still running are stopped with this object; their answers go nowhere.
    for (QProcess* process : findChildren<QProcess*>())
        process->disconnect(this);
}

void QtBrowser::openUrl(const std::string& url, std::function<void(bool)> done) {
    platform::logLine("open-url " + url);
    // Answered once, and always later on the loop, as a desktop answers.
    auto answered = std::make_shared<bool>(false);
    auto answer = [this, answered, done = std::move(done)](bool ok) {
        if (std::exchange(*answered, true))
            return;
        QMetaObject::invokeMethod(
            this,
            [done, ok] {
                if (done)
                    done(ok);
            },
            Qt::QueuedConnection);
    };

    const QUrl address(QString::fromStdString(url));
    // Only web addresses and calendar files (the tracked flights' calendar goes to the
    // desktop's calendar): anything else could start a local program.
    const bool calendarFile =
        address.isLocalFile() && address.toLocalFile().endsWith(QLatin1String(".ics"));
    if (!address.isValid() || (address.scheme() != QLatin1String("http") &&
                               address.scheme() != QLatin1String("https") && !calendarFile)) {
        platform::logLine("not opened: not a web address");
        answer(false);
        return;
    }
    if (opener_.isEmpty()) {
        answer(QDesktopServices::openUrl(address));
        return;
    }
    // QDesktopServices would start xdg-open detached and never learn that it failed.
    auto* process = new QProcess(this);
    connect(process, &QProcess::finished, this,
            [process, answer](int code, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit || code != 0)
                    platform::logLine("the opener ended with status " + std::to_string(code));
                answer(status == QProcess::NormalExit && code == 0);
                process->deleteLater();
            });
    connect(process, &QProcess::errorOccurred, this,
            [process, answer](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                platform::logLine("the opener could not start: " +
                                  process->errorString().toStdString());
                answer(false);
                process->deleteLater();
            });
    QTimer::singleShot(failsWithinMs_, process, [answer] { answer(true); });
    process->start(opener_, {QString::fromLatin1(address.toEncoded())});
}

/// libcanberra, loaded at the first pulse that sounds: the library and the sound libraries
/// it needs (Vorbis, Ogg, TDB, ltdl) stay out of the start-up. The header gives only the
/// functions' types and the property names.
struct QtVibration::Sound {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_strerror) strerror = nullptr;
    ca_context* context = nullptr;

    ~Sound() {
        if (context)
            destroy(context);
    }

    /// Loads the library and resolves its functions; on failure, why.
    std::optional<std::string> load() {
        // The library stays loaded for the rest of the process.
        QLibrary library(QStringLiteral("canberra"), 0);
        const auto resolve = [&library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        if (resolve(create, "ca_context_create") &&
            resolve(changeProps, "ca_context_change_props") && resolve(open, "ca_context_open") &&
            resolve(play, "ca_context_play") && resolve(destroy, "ca_context_destroy") &&
            resolve(strerror, "ca_strerror"))
            return std::nullopt;
        return library.errorString().toStdString();
    }
};

QtVibration::QtVibration(QObject* parent) : QObject(parent) {}

QtVibration::~QtVibration() = default;

void QtVibration::vibrate() {
    platform::logLine("vibrate");
    emit pulse();
    playSound();
}

bool QtVibration::soundServerPresent() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && (QFileInfo::exists(runtime + QStringLiteral("/pulse/native")) ||
                                  QFileInfo::exists(runtime + QStringLiteral("/pipewire-0")));
}

void QtVibration::playSound() {
    if (silent_)
        return;
    // Without a sound server libcanberra would reach for the sound card directly, and the
    // sound library writes its complaints to standard error on every try.
    if (!soundServerPresent()) {
        silent_ = true;
        platform::logLine("vibrate: no sound server, the pulses are silent");
        return;
    }
    if (!sound_) {
        auto sound = std::make_unique<Sound>();
        if (const auto failure = sound->load()) {
            silent_ = true;
            platform::logLine("vibrate: no sound (" + *failure + ")");
            return;
        }
        int error = sound->create(&sound->context);
        if (error == CA_SUCCESS)
            error = sound->changeProps(sound->context, CA_PROP_APPLICATION_NAME, "토벨라문",
                                       CA_PROP_APPLICATION_ID, "kr.vorneth.tamberlinove",
                                       static_cast<const char*>(nullptr));
        if (error == CA_SUCCESS)
            error = sound->open(sound->context);
        // Kept even when a step failed, so that a context made is destroyed with this object.
        sound_ = std::move(sound);
        if (error != CA_SUCCESS) {
            silent_ = true;
            platform::logLine(std::string("vibrate: no sound (") + sound_->strerror(error) + ")");
            return;
        }
    }
    const int error =
        sound_->play(sound_->context, 0, CA_PROP_EVENT_ID, kSound, CA_PROP_EVENT_DESCRIPTION,
                     "진동", static_cast<const char*>(nullptr));
    if (error == CA_SUCCESS)
        return;
    silent_ = true;
    platform::logLine(std::string("vibrate: no sound (") + sound_->strerror(error) + ")");
}

} // namespace qtshell
