// Driver structures of cooler control: cooler levels and the per-fan cooler control and status.
// Every size and version word is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

// Cooler levels: {level %, policy} per cooler; the short layout is the long one cut after three
// entries, so one buffer of the long layout serves both.
enum NvCoolerPolicy : uint32_t {
  kNvCoolerPolicyManual = 1,
  kNvCoolerPolicyAuto = 0x20,
};

constexpr uint32_t kNvMaxCoolerLevels = 20;
constexpr uint32_t kNvMaxCoolerLevelsShort = 3;

struct NvCoolerLevel {
  uint32_t level;  // percent
  uint32_t policy;
};

struct NvCoolerLevels {
  uint32_t version;
  NvCoolerLevel cooler[kNvMaxCoolerLevels];
};
static_assert(sizeof(NvCoolerLevels) == 164, "cooler levels are 164 bytes");

struct NvCoolerLevelsShort {
  uint32_t version;
  NvCoolerLevel cooler[kNvMaxCoolerLevelsShort];
};
static_assert(sizeof(NvCoolerLevelsShort) == 28, "the short cooler levels are 28 bytes");

constexpr uint32_t kNvCoolerLevelsVer1 = NvStructVersion(sizeof(NvCoolerLevels), 1);
constexpr uint32_t kNvCoolerLevelsShortVer1 = NvStructVersion(sizeof(NvCoolerLevelsShort), 1);
static_assert(kNvCoolerLevelsVer1 == 0x100A4 && kNvCoolerLevelsShortVer1 == 0x1001C);

// Per-fan cooler control (1452 bytes): a flags word, a count and 32 cooler entries.
constexpr uint32_t kNvMaxFanCoolers = 32;
constexpr uint32_t kNvFanCoolerControlAllAuto = 1;  // flags bit 0: every fan back to automatic
constexpr uint32_t kNvFanCoolerModeManual = 1;      // control mode bit 0

struct NvFanCoolerControlEntry {
  uint32_t coolerId;
  uint32_t level;        // percent
  uint32_t controlMode;  // bit 0: manual
  uint32_t reserved[8];
};
static_assert(sizeof(NvFanCoolerControlEntry) == 44);

struct NvFanCoolerControl {
  uint32_t version;
  uint32_t flags;
  uint32_t count;
  uint32_t reserved[8];
  NvFanCoolerControlEntry cooler[kNvMaxFanCoolers];
};
static_assert(sizeof(NvFanCoolerControl) == 1452, "fan-cooler control is 1452 bytes");
static_assert(offsetof(NvFanCoolerControl, cooler) == 44);
constexpr uint32_t kNvFanCoolerControlVer1 = NvStructVersion(sizeof(NvFanCoolerControl), 1);
static_assert(kNvFanCoolerControlVer1 == 0x105AC);

// Per-fan cooler status (1704 bytes). Only the first cooler's current level, at byte 56, is
// read; the rest of the entry layout is this program's own choice.
struct NvFanCoolerStatusEntry {
  uint32_t coolerId;
  uint32_t currentRpm;
  uint32_t currentMinLevel;
  uint32_t currentMaxLevel;
  uint32_t currentLevel;  // percent
  uint32_t reserved[8];
};
static_assert(sizeof(NvFanCoolerStatusEntry) == 52);

struct NvFanCoolerStatus {
  uint32_t version;
  uint32_t count;
  uint32_t reserved[8];
  NvFanCoolerStatusEntry cooler[kNvMaxFanCoolers];
};
static_assert(sizeof(NvFanCoolerStatus) == 1704, "fan-cooler status is 1704 bytes");
static_assert(offsetof(NvFanCoolerStatus, cooler[0].currentLevel) == 56);
constexpr uint32_t kNvFanCoolerStatusVer1 = NvStructVersion(sizeof(NvFanCoolerStatus), 1);
static_assert(kNvFanCoolerStatusVer1 == 0x106A8);
