#include "platform/Device.h"

#include <fstream>
#include <iterator>

namespace platform {

void RecordingNotifications::schedule(const LocalNotification& n) {
    scheduled.push_back(n);
    history.push_back(n);
    if (onSchedule)
        onSchedule(n);
}

void RecordingNotifications::present(const LocalNotification& n) {
    presented.push_back(n);
    if (onPresent)
        onPresent(n);
}

void RecordingNotifications::cancelAll() {
    scheduled.clear();
    ++cancelCount;
    if (onCancelAll)
        onCancelAll();
}

void RecordingNotifications::setBadge(int value) {
    badge = value;
    if (onBadge)
        onBadge(value);
}

void RecordingNotifications::requestAuthorization(std::function<void(bool, std::string)> done) {
    if (done)
        done(grant && authorizationError.empty(), authorizationError);
}

void RecordingNotifications::requestAttention() {
    ++attentionRequests;
}

void RecordingPush::registerForRemote(std::function<void(std::string)> registered,
                                      std::function<void(std::string)> failed) {
    ++requests;
    if (token) {
        if (registered)
            registered(*token);
    } else if (failed) {
        failed(error);
    }
}

void RecordingBrowser::openUrl(const std::string& url, std::function<void(bool)> done) {
    opened.push_back(url);
    if (onOpen)
        onOpen(url);
    if (done)
        done(!fail);
}

void RecordingVibration::vibrate() {
    ++pulses;
    if (onVibrate)
        onVibrate();
}

void RecordingScreenSaver::setInhibited(bool value) {
    inhibited = value;
    changes.push_back(value);
}

void InjectedCamera::capture(std::function<void(std::optional<std::vector<unsigned char>>)> done) {
    if (done)
        done(present ? picture : std::nullopt);
}

void InjectedCamera::chooseFile(
    std::function<void(std::optional<std::vector<unsigned char>>)> done) {
    if (!done)
        return;
    if (chosenFile.empty()) {
        done(std::nullopt);
        return;
    }
    std::ifstream in(chosenFile, std::ios::binary);
    done(std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()));
}

} // namespace platform
