// What a simulated driver instance has changed since it started. Later areas keep the results
// of their writes here so that reads see them.
#pragma once

#include <cstddef>
#include <map>

#include "sim/DisplayState.h"
#include "sim/DriverSettingsState.h"
#include "sim/LightingState.h"
#include "sim/PerformanceState.h"
#include "sim/VoltRailState.h"

namespace sim {

struct DriverState {
  bool initialized = false;
  // Voltage boost, displays and driver settings.
  VoltRailState voltRails;
  DisplayState displays;
  DriverSettingsState driverSettings;
  // Clocks, limits, fans and temperature of each board, by model index.
  std::map<size_t, PerformanceState> performance;
  // Lighting controllers and illumination zones.
  LightingState lighting;
};

}  // namespace sim
