// The driver settings database (DRS): session and profile handles and one setting record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

// Opaque 32-bit handles handed out by the driver and passed back unchanged.
using NvDrsSessionHandle = uint32_t;
using NvDrsProfileHandle = uint32_t;

constexpr uint32_t kNvDrsStringLength = 2048;  // UTF-16 units of a setting's name or text value
constexpr uint32_t kNvDrsBinaryLength = 4096;  // bytes of a binary value

enum NvDrsSettingType : uint32_t {
  kNvDrsDword = 0,
  kNvDrsBinary = 1,
  kNvDrsString = 2,
  kNvDrsWideString = 3,
};

// One value of a setting: a 32-bit number, a binary block with its length, or a UTF-16 text.
// Only the number is ever used here; the other two members give the union its size.
union NvDrsSettingValue {
  uint32_t dword;
  struct {
    uint32_t length;
    uint8_t data[kNvDrsBinaryLength];
  } binary;
  uint16_t text[kNvDrsStringLength];
};
static_assert(sizeof(NvDrsSettingValue) == 4100, "a setting value is 4100 bytes");

struct NvDrsSetting {
  uint32_t version;
  uint16_t name[kNvDrsStringLength];
  uint32_t settingId;
  uint32_t settingType;  // NvDrsSettingType
  uint32_t settingLocation;
  uint32_t isCurrentPredefined;
  uint32_t isPredefinedValid;
  NvDrsSettingValue predefinedValue;
  NvDrsSettingValue currentValue;
};

static_assert(sizeof(NvDrsSetting) == 12320, "driver setting record is 12320 bytes");
static_assert(offsetof(NvDrsSetting, settingId) == 4100);
static_assert(offsetof(NvDrsSetting, predefinedValue) == 4120);
static_assert(offsetof(NvDrsSetting, currentValue) == 8220);
constexpr uint32_t kNvDrsSettingVersion = NvStructVersion(sizeof(NvDrsSetting), 1);
static_assert(kNvDrsSettingVersion == 0x13020, "driver setting record version 1");

// The frame-rate limiter of the base profile.
constexpr uint32_t kNvDrsFrameRateLimiterId = 0x10834FEE;
