// A board's lighting as the simulated driver answers it: an I2C lighting controller at address
// 0x92 (a frame controller, a block controller, or none), the driver's illumination devices and
// zones, and the power topology reading the status report is built from.
#pragma once

#include <cstdint>
#include <vector>

namespace sim {

enum class LedControllerKind : uint8_t {
  kNone,    // nothing answers at address 0x92
  kFrames,  // takes 8-byte command frames, answers its status block at once
  kBlocks,  // takes 30-byte settings blocks, answers "N675M" after its identify frame
};

// The controller's settings at power-up. `effect` is the frame controller's mode number or the
// block controller's effect code; `subCode` is the block controller's only.
struct LedControllerModel {
  LedControllerKind kind = LedControllerKind::kNone;
  uint8_t on = 1;
  uint8_t effect = 0;
  uint8_t subCode = 0;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// One illumination zone; the values are also what the driver answers as its defaults.
struct IllumZoneModel {
  uint32_t type = 3;         // 3: RGBW
  uint32_t controlMode = 0;  // 0: manual
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t white = 0;
  uint8_t brightness = 100;  // percent
};

constexpr uint32_t kMaxScenarioIllumZones = 32;

struct LightingModel {
  LedControllerModel controller;
  uint32_t illumDevices = 0;  // 0: the illumination entries answer kNvNotSupported
  std::vector<IllumZoneModel> zones;
};

// The power topology: the first channel's power in thousandths of a percent of the rated power.
struct PowerTopologyModel {
  bool present = false;  // false: the entry answers kNvNotSupported
  uint32_t power = 0;
};

inline bool operator==(const LedControllerModel& a, const LedControllerModel& b) {
  return a.kind == b.kind && a.on == b.on && a.effect == b.effect && a.subCode == b.subCode &&
         a.red == b.red && a.green == b.green && a.blue == b.blue;
}
inline bool operator==(const IllumZoneModel& a, const IllumZoneModel& b) {
  return a.type == b.type && a.controlMode == b.controlMode && a.red == b.red &&
         a.green == b.green && a.blue == b.blue && a.white == b.white &&
         a.brightness == b.brightness;
}
inline bool operator==(const LightingModel& a, const LightingModel& b) {
  return a.controller == b.controller && a.illumDevices == b.illumDevices && a.zones == b.zones;
}
inline bool operator==(const PowerTopologyModel& a, const PowerTopologyModel& b) {
  return a.present == b.present && a.power == b.power;
}

}  // namespace sim
