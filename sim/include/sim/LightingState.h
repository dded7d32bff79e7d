// What the program has written to a board's lighting, by model GPU index. A board not listed
// still has its model's values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "sim/LightingModel.h"

namespace sim {

// What the block controller answers on its next status read.
enum class LedPendingReply : uint8_t { kStatus, kIdentity };

struct LedControllerState {
  LedControllerModel settings;  // kind plus the current settings
  LedPendingReply pending = LedPendingReply::kStatus;
  uint32_t reports = 0;  // status reports received
  uint8_t reportTemperatureC = 0;
  uint16_t reportPowerW = 0;
};

struct LightingState {
  std::map<size_t, LedControllerState> controllers;
  std::map<size_t, std::vector<IllumZoneModel>> zones;
};

}  // namespace sim
