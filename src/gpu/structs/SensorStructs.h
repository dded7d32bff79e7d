// Driver structures of the sensor readings: thermal settings, cooler settings and clock
// frequencies. Every size and version word is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

// Thermal settings (public layout, 68 bytes): up to three sensors of five words each.
constexpr uint32_t kNvThermalSensorsAll = 15;  // sensor selector: every sensor
constexpr uint32_t kNvMaxThermalSensors = 3;

struct NvThermalSensor {
  int32_t controller;
  int32_t defaultMinTemp;
  int32_t defaultMaxTemp;
  int32_t currentTemp;  // whole °C
  int32_t target;
};

struct NvThermalSettings {
  uint32_t version;
  uint32_t count;
  NvThermalSensor sensor[kNvMaxThermalSensors];
};

static_assert(sizeof(NvThermalSettings) == 68, "thermal settings are 68 bytes");
constexpr uint32_t kNvThermalSettingsVer1 = NvStructVersion(sizeof(NvThermalSettings), 1);
constexpr uint32_t kNvThermalSettingsVer2 = NvStructVersion(sizeof(NvThermalSettings), 2);
static_assert(kNvThermalSettingsVer1 == 0x10044 && kNvThermalSettingsVer2 == 0x20044);

// Cooler settings. Three layouts share the header and the first 28 bytes of every entry: the
// 1368-byte one (version 4) has 20 entries of 68 bytes, the 968-byte one (versions 1 and 2)
// 20 entries of 48 bytes and the 152-byte one 3 entries of 48 bytes. The program reads only
// entry 0, whose fields sit at the same offsets in all of them.
constexpr uint32_t kNvCoolersAll = 7;  // cooler selector: every cooler
constexpr uint32_t kNvMaxCoolers = 20;
constexpr uint32_t kNvMaxCoolersShort = 3;

struct NvCoolerEntryShort {
  uint32_t reserved0[2];
  uint32_t defaultMinLevel;  // percent
  uint32_t defaultMaxLevel;  // percent
  uint32_t reserved1[2];
  uint32_t currentLevel;  // percent
  uint32_t reserved2[5];
};
static_assert(sizeof(NvCoolerEntryShort) == 48);

struct NvCoolerEntry {
  uint32_t reserved0[2];
  uint32_t defaultMinLevel;
  uint32_t defaultMaxLevel;
  uint32_t reserved1[2];
  uint32_t currentLevel;
  uint32_t reserved2[10];
};
static_assert(sizeof(NvCoolerEntry) == 68);

// The largest layout; the program's buffer always has this size.
struct NvCoolerSettings {
  uint32_t version;
  uint32_t count;
  NvCoolerEntry cooler[kNvMaxCoolers];
};
static_assert(sizeof(NvCoolerSettings) == 1368, "cooler settings, version 4, are 1368 bytes");
static_assert(offsetof(NvCoolerSettings, cooler) == 8);
static_assert(offsetof(NvCoolerSettings, cooler[0].defaultMinLevel) == 16);
static_assert(offsetof(NvCoolerSettings, cooler[0].defaultMaxLevel) == 20);
static_assert(offsetof(NvCoolerSettings, cooler[0].currentLevel) == 32);

struct NvCoolerSettingsMid {
  uint32_t version;
  uint32_t count;
  NvCoolerEntryShort cooler[kNvMaxCoolers];
};
static_assert(sizeof(NvCoolerSettingsMid) == 968, "cooler settings, versions 1 and 2, are 968");

struct NvCoolerSettingsShort {
  uint32_t version;
  uint32_t count;
  NvCoolerEntryShort cooler[kNvMaxCoolersShort];
};
static_assert(sizeof(NvCoolerSettingsShort) == 152, "the short cooler settings are 152 bytes");
static_assert(offsetof(NvCoolerSettingsShort, cooler[0].currentLevel) == 32);

constexpr uint32_t kNvCoolerSettingsVer4 = NvStructVersion(sizeof(NvCoolerSettings), 4);
constexpr uint32_t kNvCoolerSettingsVer2 = NvStructVersion(sizeof(NvCoolerSettingsMid), 2);
constexpr uint32_t kNvCoolerSettingsVer1 = NvStructVersion(sizeof(NvCoolerSettingsMid), 1);
constexpr uint32_t kNvCoolerSettingsShortVer1 = NvStructVersion(sizeof(NvCoolerSettingsShort), 1);
static_assert(kNvCoolerSettingsVer4 == 0x40558 && kNvCoolerSettingsVer2 == 0x203C8 &&
              kNvCoolerSettingsVer1 == 0x103C8 && kNvCoolerSettingsShortVer1 == 0x10098);

// Clock frequencies (public layout, 264 bytes): 32 clock domains of {present flag, kHz}.
constexpr uint32_t kNvMaxClockDomains = 32;
constexpr uint32_t kNvClockDomainGraphics = 0;
constexpr uint32_t kNvClockDomainMemory = 4;
constexpr uint32_t kNvClockDomainProcessor = 7;

enum NvClockType : uint32_t {
  kNvClockTypeCurrent = 0,
  kNvClockTypeBase = 1,
  kNvClockTypeBoost = 2,
};

struct NvClockDomainFrequency {
  uint32_t flags;  // bit 0: the domain is present
  uint32_t frequencyKHz;
};

struct NvClockFrequencies {
  uint32_t version;
  uint32_t clockType;  // low four bits: NvClockType
  NvClockDomainFrequency domain[kNvMaxClockDomains];
};
static_assert(sizeof(NvClockFrequencies) == 264, "clock frequencies are 264 bytes");
constexpr uint32_t kNvClockFrequenciesVer1 = NvStructVersion(sizeof(NvClockFrequencies), 1);
constexpr uint32_t kNvClockFrequenciesVer2 = NvStructVersion(sizeof(NvClockFrequencies), 2);
constexpr uint32_t kNvClockFrequenciesVer3 = NvStructVersion(sizeof(NvClockFrequencies), 3);
static_assert(kNvClockFrequenciesVer1 == 0x10108 && kNvClockFrequenciesVer2 == 0x20108 &&
              kNvClockFrequenciesVer3 == 0x30108);
