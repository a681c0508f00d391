#pragma once
// The carrier service's registration and found-log calls, as every carrier screen makes them.

#include "remote/CacheDBCommands.h"

#include <string>

namespace carriers {

inline constexpr const char* kRegisterFlag = "1";
inline constexpr const char* kDeregisterFlag = "2";

/// Unit_Join01 with empty telephone number and MAC; logs "저장성공" when the service
/// answers "YES". Failures are ignored and nothing is retried.
void sendUnitJoin(remote::CacheDBCommands commands, const std::string& uuid,
                  const std::string& major, const std::string& minor, const std::string& flag);

/// Log_Unit_SearchOK01 with empty telephone number and MAC; the answer changes nothing.
void sendFoundLog(remote::CacheDBCommands commands, const std::string& uuid,
                  const std::string& major, const std::string& minor);

} // namespace carriers
