// What the program has done to the displays: custom modes tried and saved, and the modes and
// desktop sizes the display configuration made current.
#pragma once

#include <cstdint>
#include <map>

#include "sim/DisplayModel.h"

namespace sim {

struct CustomModeState {
  uint32_t width = 0;
  uint32_t height = 0;
  DisplayTimingModel timing;  // totals as tried, pixel clock the new one
  uint32_t rrx1k = 0;
  uint16_t rr = 0;
};

struct DisplayState {
  std::map<uint32_t, CustomModeState> tried;    // by display ID, the last TryCustomDisplay
  std::map<uint32_t, CustomModeState> saved;    // by display ID, SaveCustomDisplay
  std::map<uint32_t, CustomModeState> current;  // by display ID, made current by SetDisplayConfig
};

}  // namespace sim
