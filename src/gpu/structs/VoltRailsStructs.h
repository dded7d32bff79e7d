// The driver's voltage-rail control record, through which a VF-model board's core voltage boost
// is set and read.
#pragma once

#include <cstdint>

#include "gpu/NvApiTypes.h"

struct NvVoltRailsControl {
  uint32_t version = 0;
  uint8_t boostPercent = 0;  // 0..100
  uint8_t reserved[35] = {};
};

static_assert(sizeof(NvVoltRailsControl) == 40, "volt-rails control is 40 bytes");
constexpr uint32_t kNvVoltRailsControlVersion = NvStructVersion(sizeof(NvVoltRailsControl), 1);
static_assert(kNvVoltRailsControlVersion == 0x10028, "volt-rails control version 1");
