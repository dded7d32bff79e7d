// What the fan curve step needs from the selected GPU: its temperature and the two ways of
// setting its fans. The step decides; the sink only talks to the driver.
#pragma once

#include <cstdint>

class FanControlSink {
 public:
  virtual ~FanControlSink() = default;
  // Core temperature of the selected GPU in whole °C, taken as unsigned; 0 when the reading fails.
  virtual uint32_t ReadTemperature() = 0;
  // Older cooler-level interface: every fan of the selected GPU to `level` % in manual mode.
  virtual void SetCoolerLevel(int32_t level) = 0;
  // Per-fan cooler interface: fan `coolerId` of the selected GPU to `level` % in manual mode.
  virtual void SetFanCoolerManual(uint32_t coolerId, int32_t level) = 0;
};
