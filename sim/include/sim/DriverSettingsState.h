// The driver settings database: the base profile's settings as saved, and the open sessions
// with the copies they loaded and changed.
#pragma once

#include <cstdint>
#include <map>

namespace sim {

struct DrsSettingValue {
  uint32_t type = 0;
  uint32_t value = 0;
};

struct DrsSessionState {
  bool loaded = false;
  std::map<uint32_t, DrsSettingValue> baseProfile;  // the session's working copy
};

struct DriverSettingsState {
  std::map<uint32_t, DrsSettingValue> baseProfile;  // what SaveSettings last wrote
  std::map<uint32_t, DrsSessionState> sessions;     // by session handle
  uint32_t nextSession = 1;
  uint32_t saves = 0;
};

}  // namespace sim
