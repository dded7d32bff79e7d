// The yardstick of the monitor's performance figures: the driver reads of plain monitoring at
// the monitor's rates, through the same portable code, and nothing else — no skin, no controls,
// no painting. What Pyrelix costs beyond this is the cost of showing the readings.
#pragma once

#include "app/MainWindowState.h"

class BaselineMonitor {
 public:
  explicit BaselineMonitor(const NvApi& driver) : state_(driver) {}

  // Start-up reads: the GPU enumeration and the gauge scales.
  void Start();
  // The one-second tick: clocks, temperature and fan of the selected GPU.
  void OneSecondTick();
  // The half-second dial refresh of plain monitoring: the temperature.
  void HalfSecondTick();

 private:
  MainWindowState state_;
  int32_t tickCounter_ = 0;
};
