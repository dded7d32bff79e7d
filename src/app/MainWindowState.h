// What the main window keeps besides its controls: the GPU table and the values decided at
// start-up that steer the rest of the program.
#pragma once

#include <cstdint>
#include <string>

#include "fan/FanControlTable.h"
#include "gpu/GpuTable.h"
#include "lighting/LedReportSlot.h"

// One live reading shown as a number and a graph.
struct GaugeChannel {
  int32_t current = 0;
  int32_t minimum = 0;
  int32_t maximum = 100;
  int32_t shown = 0;  // last value shown on screen
};

struct MainWindowState {
  explicit MainWindowState(const NvApi& driver) : gpus(driver) {}

  std::wstring configFileName;
  GpuTable gpus;
  int32_t VfClockModel = 0;
  int32_t TransPercent = 0;
  int32_t FanCoolerModel = 0;
  int32_t LedKind = 0;
  LedReportSlot reportSlots[kLedReportSlotCount];
  int32_t AutoOverClock = 0;
  int32_t StartupMinimize = 0;
  int32_t Transparence = 0;
  int32_t reportEnabled = 0;
  GaugeChannel engine;
  GaugeChannel memory;
  GaugeChannel fan;
  GaugeChannel temperature;
  // The software fan curve: the table built by the fan dialog's Apply and what was last sent.
  FanControlTable fanControl;
};
