// What the program has changed on one simulated board's clocks, limits and fans, and where its
// temperature stands. Made from the board model at the first call that needs it.
#pragma once

#include <cstdint>
#include <vector>

namespace sim {

struct FanState {
  bool manual = false;
  uint32_t level = 0;  // percent, when manual
};

struct PerformanceState {
  double temperatureC = 0;
  uint64_t steps = 0;  // thermal readings so far; picks the load pattern entry
  uint32_t loadPercent = 0;

  int32_t graphicsOffsetKHz = 0;
  int32_t memoryOffsetKHz = 0;
  int32_t baseVoltageDeltaUv = 0;
  int32_t overVoltageUv = 0;

  std::vector<uint32_t> powerLimitsPcm;   // per power policy
  std::vector<int32_t> thermalLimitsRaw;  // per thermal policy
  std::vector<bool> thermalPriority;

  std::vector<FanState> fans;  // one per fan; the older interface drives them all
};

}  // namespace sim
