// The driver-version record of the board-information queries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

struct NvDisplayDriverVersion {
  uint32_t version = 0;
  uint32_t drvVersion = 0;  // the driver version times 100 (552.12 -> 55212)
  uint32_t buildChangeListNumber = 0;
  char buildBranch[kNvShortStringSize] = {};
  char adapter[kNvShortStringSize] = {};
};

static_assert(sizeof(NvDisplayDriverVersion) == 140, "driver version record is 140 bytes");
static_assert(offsetof(NvDisplayDriverVersion, buildBranch) == 12);
static_assert(offsetof(NvDisplayDriverVersion, adapter) == 76);
constexpr uint32_t kNvDisplayDriverVersionVersion =
    NvStructVersion(sizeof(NvDisplayDriverVersion), 1);
static_assert(kNvDisplayDriverVersionVersion == 0x1008C, "driver version record version 1");
