#include "LightingKeys.h"

#include "ScenarioValues.h"

namespace sim {
namespace {

AreaKeyResult Bad(std::string_view key, const std::string& expected, std::string& message) {
  message = "'" + std::string(key) + "' needs " + expected;
  return AreaKeyResult::kBadValue;
}

AreaKeyResult Byte(std::string_view key, std::string_view value, uint8_t& out,
                   std::string& message) {
  uint64_t number = 0;
  if (!ParseUnsignedValue(value, 255, number)) return Bad(key, "a number from 0 to 255", message);
  out = static_cast<uint8_t>(number);
  return AreaKeyResult::kSet;
}

AreaKeyResult Dword(std::string_view key, std::string_view value, uint64_t max, uint32_t& out,
                    std::string& message) {
  uint64_t number = 0;
  if (!ParseUnsignedValue(value, max, number)) {
    return Bad(key, "a number from 0 to " + std::to_string(max), message);
  }
  out = static_cast<uint32_t>(number);
  return AreaKeyResult::kSet;
}

AreaKeyResult SetControllerKey(LightingModel& lighting, std::string_view key,
                               std::string_view value, std::string& message) {
  LedControllerModel& c = lighting.controller;
  if (key == "controller") {
    if (value == "none") {
      c.kind = LedControllerKind::kNone;
    } else if (value == "frames") {
      c.kind = LedControllerKind::kFrames;
    } else if (value == "blocks") {
      c.kind = LedControllerKind::kBlocks;
    } else {
      return Bad(key, "none, frames or blocks", message);
    }
    return AreaKeyResult::kSet;
  }
  if (key == "on") return Byte(key, value, c.on, message);
  if (key == "effect") return Byte(key, value, c.effect, message);
  if (key == "sub_code") return Byte(key, value, c.subCode, message);
  if (key == "red") return Byte(key, value, c.red, message);
  if (key == "green") return Byte(key, value, c.green, message);
  if (key == "blue") return Byte(key, value, c.blue, message);
  if (key == "illum_devices") return Dword(key, value, UINT32_MAX, lighting.illumDevices, message);
  return AreaKeyResult::kUnknownKey;
}

AreaKeyResult SetZoneKey(IllumZoneModel& zone, std::string_view key, std::string_view value,
                         std::string& message) {
  if (key == "type") return Dword(key, value, UINT32_MAX, zone.type, message);
  if (key == "mode") return Dword(key, value, UINT32_MAX, zone.controlMode, message);
  if (key == "red") return Byte(key, value, zone.red, message);
  if (key == "green") return Byte(key, value, zone.green, message);
  if (key == "blue") return Byte(key, value, zone.blue, message);
  if (key == "white") return Byte(key, value, zone.white, message);
  if (key == "brightness") return Byte(key, value, zone.brightness, message);
  return AreaKeyResult::kUnknownKey;
}

}  // namespace

bool IsLightingArea(const std::string& area) {
  return area == "lighting" || area == "illum_zone" || area == "power_topology";
}

bool IsRepeatedLightingArea(const std::string& area) {
  return area == "illum_zone";
}

bool StartLightingArea(const std::string& area, GpuModel& gpu, std::string& message) {
  if (area == "illum_zone") {
    if (gpu.lighting.zones.size() == kMaxScenarioIllumZones) {
      message = "more than " + std::to_string(kMaxScenarioIllumZones) +
                " [gpu.illum_zone] sections for one [gpu]";
      return false;
    }
    gpu.lighting.zones.emplace_back();
  }
  if (area == "power_topology") gpu.powerTopology.present = true;
  return true;
}

AreaKeyResult SetLightingAreaKey(const std::string& area, GpuModel& gpu, std::string_view key,
                                 std::string_view value, std::string& message) {
  if (area == "lighting") return SetControllerKey(gpu.lighting, key, value, message);
  if (area == "illum_zone") return SetZoneKey(gpu.lighting.zones.back(), key, value, message);
  if (area == "power_topology" && key == "power") {
    return Dword(key, value, UINT32_MAX, gpu.powerTopology.power, message);
  }
  return AreaKeyResult::kUnknownKey;
}

}  // namespace sim
