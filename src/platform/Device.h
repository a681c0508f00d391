#pragma once
// The phone's outward services that a desktop lacks or does differently: local
// notifications and badge, push registration, the browser, vibration, the camera and the
// screen saver.
// Each has a recording implementation used by tests and the headless driver.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct LocalNotification {
    std::string title; ///< the desktop's summary line; empty: the app's name
    std::string body;
    std::string action;
    int badge = 0;
    double fireInSeconds = 0;
    std::string sound; ///< "default" for the platform's default sound
    std::map<std::string, std::string> userInfo;
};

class Notifications {
public:
    virtual ~Notifications() = default;
    virtual void schedule(const LocalNotification& n) = 0;
    /// Shows `n` at once, as a notification that fires now, so the app decides as then
    /// whether it is shown (not while the person looks at the window). Nothing is scheduled:
    /// cancelAll does not withdraw it.
    virtual void present(const LocalNotification& n) = 0;
    virtual void cancelAll() = 0;
    virtual void setBadge(int value) = 0;
    /// Asks for alert, sound and badge permission; `done(granted, error)`; error empty on success.
    virtual void requestAuthorization(std::function<void(bool, std::string)> done) = 0;
    /// Something the person should see now happened (a carrier arrived): the app's window
    /// asks the desktop for attention, whether it is in front or not.
    virtual void requestAttention() = 0;
};

class PushRegistration {
public:
    virtual ~PushRegistration() = default;
    /// Registers for remote notifications; exactly one of the callbacks runs, on the loop.
    /// The token comes as the platform describes it ("<abcd 1234 ...>").
    virtual void registerForRemote(std::function<void(std::string tokenDescription)> registered,
                                   std::function<void(std::string error)> failed) = 0;
};

class Browser {
public:
    virtual ~Browser() = default;
    /// Asks the desktop to open `url` in a browser. `done` runs once, on the loop: true when
    /// a browser took the address, false when the desktop could not open it (no browser, the
    /// opener failed).
    virtual void openUrl(const std::string& url, std::function<void(bool opened)> done) = 0;
};

class Vibration {
public:
    virtual ~Vibration() = default;
    virtual void vibrate() = 0;
};

class Camera {
public:
    virtual ~Camera() = default;
    virtual bool available() const = 0;
    /// Takes a picture; `done` receives its encoded bytes (JPEG or PNG), or nothing when cancelled.
    virtual void capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) = 0;
    /// Whether a picture file can be chosen instead (a desktop's file dialog).
    virtual bool canChooseFile() const = 0;
    /// Lets the person choose a picture file; `done` runs once with the picture's encoded
    /// bytes (empty when the file could not be read as a picture), or nothing when cancelled.
    virtual void
    chooseFile(std::function<void(std::optional<std::vector<unsigned char>>)> done) = 0;
};

/// Keeps the display from dimming, blanking or locking while the app asks it to (what a
/// phone calls disabling the idle timer).
class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    /// True: the display stays on. False: the desktop's own rules apply again.
    virtual void setInhibited(bool inhibited) = 0;
};

// ---- recording implementations -------------------------------------------------

class RecordingNotifications final : public Notifications {
public:
    void schedule(const LocalNotification& n) override;
    void present(const LocalNotification& n) override;
    void cancelAll() override;
    void setBadge(int value) override;
    void requestAuthorization(std::function<void(bool, std::string)> done) override;
    void requestAttention() override;

    std::vector<LocalNotification> scheduled; ///< pending (cleared by cancelAll)
    std::vector<LocalNotification> history;   ///< every one ever scheduled
    std::vector<LocalNotification> presented; ///< every one shown at once
    int badge = 0;
    int cancelCount = 0;
    int attentionRequests = 0;
    bool grant = true;
    std::string authorizationError;

    std::function<void(const LocalNotification&)> onSchedule;
    std::function<void(const LocalNotification&)> onPresent;
    std::function<void()> onCancelAll;
    std::function<void(int)> onBadge;
};

/// Without a push service: reports the configured token, or fails with `error`.
class RecordingPush final : public PushRegistration {
public:
    void registerForRemote(std::function<void(std::string)> registered,
                           std::function<void(std::string)> failed) override;
    std::optional<std::string> token;
    std::string error = "remote notifications are not supported on this device";
    int requests = 0;
};

class RecordingBrowser final : public Browser {
public:
    void openUrl(const std::string& url, std::function<void(bool)> done) override;
    std::vector<std::string> opened; ///< every address asked for, opened or not
    bool fail = false;               ///< the desktop cannot open addresses
    std::function<void(const std::string&)> onOpen;
};

class RecordingVibration final : public Vibration {
public:
    void vibrate() override;
    int pulses = 0;
    std::function<void()> onVibrate;
};

class RecordingScreenSaver final : public ScreenSaver {
public:
    void setInhibited(bool value) override;
    bool inhibited = false;
    std::vector<bool> changes; ///< every call, in order
};

/// A camera that returns a prepared picture (or none when `available` is false), and a file
/// dialog that chooses a prepared file.
class InjectedCamera final : public Camera {
public:
    bool available() const override { return present; }
    void capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) override;
    bool canChooseFile() const override { return fileDialog; }
    /// The bytes of `chosenFile` as they are stored (empty when it cannot be read); nothing
    /// when no file is set, as when the dialog is cancelled.
    void chooseFile(std::function<void(std::optional<std::vector<unsigned char>>)> done) override;
    bool present = false;
    std::optional<std::vector<unsigned char>> picture;
    bool fileDialog = false;
    std::string chosenFile;
};

} // namespace platform
