// Sensors, fans, clocks and limits of the shipped boards, so that the built-in demo board, the
// scenario files and the tests describe the same hardware.
#pragma once

#include "sim/GpuModel.h"

namespace sim {

// Device 0x2684: clock domains and VF points beside P-states (no over-voltage), two fans on
// the per-fan cooler interface; its load moves in a slow cycle so the monitor shows live curves.
void SetVfFanCoolerPerformance(GpuModel& gpu);
// Device 0x1B80: clock domains and VF points, P-states with an editable over-voltage, fans on
// the older cooler interface only.
void SetVfPerformance(GpuModel& gpu);
// Device 0x17C8: P-states only, with an editable over-voltage; older cooler interface only.
void SetPstatesPerformance(GpuModel& gpu);

}  // namespace sim
