#include "carriers/CarrierService.h"

#include "platform/Log.h"
#include "remote/Answer.h"

namespace carriers {

void sendUnitJoin(remote::CacheDBCommands commands, const std::string& uuid,
                  const std::string& major, const std::string& minor, const std::string& flag) {
    const auto answer = commands.Unit_Join01("", "", uuid, major, minor, flag);
    if (!remote::isFailure(answer) && remote::isYes(answer))
        platform::logLine("저장성공");
}

void sendFoundLog(remote::CacheDBCommands commands, const std::string& uuid,
                  const std::string& major, const std::string& minor) {
    // Fire and forget: whatever comes back, nothing follows from it.
    (void)commands.Log_Unit_SearchOK01("", "", uuid, major, minor);
}

} // namespace carriers
