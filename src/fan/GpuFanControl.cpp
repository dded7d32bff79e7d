#include "fan/GpuFanControl.h"

#include "gpu/Coolers.h"
#include "gpu/Sensors.h"

namespace {
constexpr int kCurrentGpu = -1;
}

uint32_t GpuFanControl::ReadTemperature() {
  // The result code is not examined: a failed reading leaves 0, which matches no row.
  int32_t celsius = 0;
  ::ReadTemperature(kCurrentGpu, table_, celsius);
  return static_cast<uint32_t>(celsius);
}

void GpuFanControl::SetCoolerLevel(int32_t level) {
  ::SetCoolerLevel(kNvCoolerPolicyManual, level, kCurrentGpu, table_);
}

void GpuFanControl::SetFanCoolerManual(uint32_t coolerId, int32_t level) {
  ::SetFanCoolerManual(kCurrentGpu, coolerId, level, table_);
}
