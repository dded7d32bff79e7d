// The displays connected to a board, each with the timing it starts with.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

struct DisplayTimingModel {
  uint16_t hVisible = 1920;
  uint16_t vVisible = 1080;
  uint16_t hTotal = 2200;
  uint16_t vTotal = 1125;
  uint32_t pixelClock10kHz = 14850;  // 148.5 MHz: 60 Hz at these totals
};

inline bool operator==(const DisplayTimingModel& a, const DisplayTimingModel& b) {
  return a.hVisible == b.hVisible && a.vVisible == b.vVisible && a.hTotal == b.hTotal &&
         a.vTotal == b.vTotal && a.pixelClock10kHz == b.pixelClock10kHz;
}

struct ConnectedDisplay {
  uint32_t displayId = 0;  // the driver's display ID (not a display handle)
  uint32_t connectorType = 0;
  DisplayTimingModel timing;
  // The target count the display configuration reports for this display's path instead of 1
  // (a lying driver): asked without a target array, and when filling one. At most the caller's
  // array is written.
  std::optional<uint32_t> reportedTargets;
  std::optional<uint32_t> filledTargets;
};

inline bool operator==(const ConnectedDisplay& a, const ConnectedDisplay& b) {
  return a.displayId == b.displayId && a.connectorType == b.connectorType && a.timing == b.timing &&
         a.reportedTargets == b.reportedTargets && a.filledTargets == b.filledTargets;
}

// The default display ID of the n-th display of model GPU g.
constexpr uint32_t DefaultDisplayId(uint32_t gpuIndex, uint32_t n) {
  return 0x80061000u + (gpuIndex << 4) + n;
}

}  // namespace sim
