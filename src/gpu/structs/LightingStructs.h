// Records of the driver's lighting and power-report functions: the I2C transaction, the
// illumination device information and zone control, and the power topology status.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"
#include "gpu/structs/DisplayStructs.h"

// One I2C read or write. The two pointer fields are 4 bytes on every build (NvPointer32), so
// the record keeps the 44 bytes its version word encodes. On a 64-bit build they hold the
// distance from the record itself, so whatever they point at must follow the record in memory
// (I2cTransaction keeps the register byte and the data right behind it).
struct NvI2cInfo {
  uint32_t version = 0;
  uint32_t displayMask = 0;
  uint8_t isDdcPort = 0;
  uint8_t reserved0[3] = {};
  uint8_t deviceAddress = 0;  // 8-bit form: the 7-bit address shifted left by one
  uint8_t reserved1[3] = {};
  NvPointer32 registerAddress;  // uint8_t[registerAddressSize]
  uint32_t registerAddressSize = 0;
  NvPointer32 data;  // uint8_t[dataSize]
  uint32_t dataSize = 0;
  uint32_t speed = 0;     // kNvI2cSpeedUseKhz: take speedKhz instead
  uint32_t speedKhz = 0;  // a speed code, not kHz: 4 is 100 kHz
  uint8_t portId = 0;
  uint8_t portIdSet = 0;  // bit 0: portId is meant
  uint8_t reserved2[2] = {};
};
static_assert(sizeof(NvI2cInfo) == 44, "I2C transaction record is 44 bytes");
static_assert(offsetof(NvI2cInfo, registerAddress) == 16);
static_assert(offsetof(NvI2cInfo, data) == 24);
static_assert(offsetof(NvI2cInfo, speedKhz) == 36);
static_assert(offsetof(NvI2cInfo, portId) == 40);
constexpr uint32_t kNvI2cInfoVersion = NvStructVersion(sizeof(NvI2cInfo), 3);
static_assert(kNvI2cInfoVersion == 0x3002C, "I2C transaction record version 3");
constexpr uint32_t kNvI2cSpeedUseKhz = 0xFFFF;
constexpr uint32_t kNvI2cSpeed100Khz = 4;

// The board's illumination devices; only the count is used.
struct NvIllumDeviceInfo {
  uint32_t version = 0;
  uint32_t deviceCount = 0;
  uint8_t devices[4416] = {};
};
static_assert(sizeof(NvIllumDeviceInfo) == 4424, "illumination device info is 4424 bytes");
constexpr uint32_t kNvIllumDeviceInfoVersion = NvStructVersion(sizeof(NvIllumDeviceInfo), 1);
static_assert(kNvIllumDeviceInfoVersion == 0x11148, "illumination device info version 1");

constexpr uint32_t kNvIllumZoneTypeRgbw = 3;
constexpr uint32_t kNvIllumControlManual = 0;
constexpr uint32_t kNvIllumMaxZones = 32;

// One zone of the zone control. For an RGBW zone under manual control, data holds red, green,
// blue, white and the brightness in percent.
struct NvIllumZone {
  uint32_t type = 0;
  uint32_t controlMode = 0;
  uint8_t data[192] = {};
};
static_assert(sizeof(NvIllumZone) == 200, "illumination zone is 200 bytes");

struct NvIllumZoneControl {
  uint32_t version = 0;
  uint32_t flags = 0;  // bit 0: answer the default values instead of the current ones
  uint32_t zoneCount = 0;
  uint8_t reserved[64] = {};
  NvIllumZone zones[kNvIllumMaxZones];
};
static_assert(sizeof(NvIllumZoneControl) == 6476, "illumination zone control is 6476 bytes");
static_assert(offsetof(NvIllumZoneControl, zones) == 76);
constexpr uint32_t kNvIllumZoneControlVersion = NvStructVersion(sizeof(NvIllumZoneControl), 1);
static_assert(kNvIllumZoneControlVersion == 0x1194C, "illumination zone control version 1");
constexpr uint32_t kNvIllumZoneControlDefault = 1;

// The board's power channels; entry power is in thousandths of a percent of the rated power.
struct NvPowerTopologyEntry {
  uint32_t domain = 0;
  uint32_t reserved = 0;
  uint32_t power = 0;
  uint32_t reserved2 = 0;
};
struct NvPowerTopologyStatus {
  uint32_t version = 0;
  uint32_t count = 0;
  NvPowerTopologyEntry entries[4];
};
static_assert(sizeof(NvPowerTopologyStatus) == 72, "power topology status is 72 bytes");
static_assert(offsetof(NvPowerTopologyStatus, entries) + offsetof(NvPowerTopologyEntry, power) ==
              16);
constexpr uint32_t kNvPowerTopologyStatusVersion =
    NvStructVersion(sizeof(NvPowerTopologyStatus), 1);
static_assert(kNvPowerTopologyStatusVersion == 0x10048, "power topology status version 1");
