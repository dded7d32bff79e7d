// Scenario sections of a board's lighting and power reading:
//   [gpu.lighting]        once per [gpu]: the I2C controller and the illumination device count
//   [gpu.illum_zone]      one illumination zone each
//   [gpu.power_topology]  once per [gpu]: the power reading
#pragma once

#include <string>
#include <string_view>

#include "PerformanceKeys.h"
#include "sim/GpuModel.h"

namespace sim {

bool IsLightingArea(const std::string& area);
bool IsRepeatedLightingArea(const std::string& area);

// Starts a section; false with a message when the board already has as many zones as the
// driver's structure holds.
bool StartLightingArea(const std::string& area, GpuModel& gpu, std::string& message);

AreaKeyResult SetLightingAreaKey(const std::string& area, GpuModel& gpu, std::string_view key,
                                 std::string_view value, std::string& message);

}  // namespace sim
