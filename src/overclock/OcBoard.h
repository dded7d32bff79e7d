// What the panel's driver work needs: the GPU table, the two board kinds decided at start-up and
// the wait of the display-clock step.
#pragma once

#include <cstdint>

#include "gpu/DisplayTiming.h"
#include "gpu/GpuTable.h"

struct OcBoard {
  GpuTable& table;
  int32_t vfClockModel = 0;    // 1: clock domains / VF points, the voltage a boost percent
  int32_t fanCoolerModel = 0;  // 1: the per-fan cooler interface
  DisplayWait wait = SleepMilliseconds;

  // GPU indices 0 .. gpuCount - 1 that the table can address.
  int AddressableGpus() const;
};
