// Scenario sections of a board's sensors, fans, clocks and limits:
//   [gpu.sensors] [gpu.coolers] [gpu.clocks]                      once per [gpu]
//   [gpu.pstate] [gpu.vf_domain] [gpu.power_policy] [gpu.thermal_policy]   one entry each
#pragma once

#include <string>
#include <string_view>

#include "sim/GpuModel.h"

namespace sim {

bool IsPerformanceArea(const std::string& area);
// Whether each section of the area adds one entry (the others may appear once per board).
bool IsRepeatedPerformanceArea(const std::string& area);

// Starts a section: a repeated area appends its entry to `gpu`. False with a message when the
// board already has as many entries as the driver's structures hold.
bool StartPerformanceArea(const std::string& area, GpuModel& gpu, std::string& message);

enum class AreaKeyResult { kSet, kUnknownKey, kBadValue };

// Sets one key of the current section; kBadValue comes with a message.
AreaKeyResult SetPerformanceAreaKey(const std::string& area, GpuModel& gpu, std::string_view key,
                                    std::string_view value, std::string& message);

}  // namespace sim
