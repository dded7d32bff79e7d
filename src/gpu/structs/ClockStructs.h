// Driver structures of the clock offsets: P-states 2.0 (public layout) and the clock-domain and
// VF-point structures. Every size and version word is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

// P-states 2.0. Version 1 ends before the over-voltage section `ov`; versions 2 and 3 carry it.
constexpr uint32_t kNvMaxPstates20 = 16;
constexpr uint32_t kNvMaxPstate20Clocks = 8;
constexpr uint32_t kNvMaxPstate20BaseVoltages = 4;
constexpr uint32_t kNvMaxPstate20OverVoltages = 4;
constexpr uint32_t kNvVoltageDomainCore = 0;

enum NvPstateClockType : uint32_t {
  kNvPstateClockSingle = 0,
  kNvPstateClockRange = 1,
};

// A value the driver lets a client change, with the range it accepts.
struct NvPstateDelta {
  int32_t value;
  int32_t min;
  int32_t max;
};

struct NvPstateClockSingle {
  uint32_t freqKHz;
};

struct NvPstateClockRange {
  uint32_t minFreqKHz;
  uint32_t maxFreqKHz;
  uint32_t voltageDomainId;
  uint32_t minVoltageUv;
  uint32_t maxVoltageUv;
};

// Both alternatives begin with a frequency word, so either may be read.
union NvPstateClockData {
  NvPstateClockSingle single;
  NvPstateClockRange range;
};

struct NvPstateClock {
  uint32_t domainId;
  uint32_t typeId;  // NvPstateClockType
  uint32_t flags;   // bit 0: editable
  NvPstateDelta freqDeltaKHz;
  NvPstateClockData data;
};
static_assert(sizeof(NvPstateClock) == 44);

struct NvPstateVoltage {
  uint32_t domainId;
  uint32_t flags;  // bit 0: editable
  uint32_t voltUv;
  NvPstateDelta voltDeltaUv;
};
static_assert(sizeof(NvPstateVoltage) == 24);
constexpr uint32_t kNvPstateEditable = 1;

struct NvPstate20 {
  uint32_t pstateId;
  uint32_t flags;
  NvPstateClock clocks[kNvMaxPstate20Clocks];
  NvPstateVoltage baseVoltages[kNvMaxPstate20BaseVoltages];
};
static_assert(sizeof(NvPstate20) == 456);

struct NvPstatesOverVoltage {
  uint32_t numVoltages;
  NvPstateVoltage voltages[kNvMaxPstate20OverVoltages];
};

// Version 1 layout: the counts apply to every P-state entry.
struct NvPstates20InfoV1 {
  uint32_t version;
  uint32_t flags;
  uint32_t numPstates;
  uint32_t numClocks;
  uint32_t numBaseVoltages;
  NvPstate20 pstates[kNvMaxPstates20];
};
static_assert(sizeof(NvPstates20InfoV1) == 7316, "P-states 2.0, version 1, are 7316 bytes");

// Versions 2 and 3: version 1 followed by the over-voltage section. Buffers are always this
// size; a version 1 request simply declares the shorter size.
struct NvPstates20Info {
  uint32_t version;
  uint32_t flags;
  uint32_t numPstates;
  uint32_t numClocks;
  uint32_t numBaseVoltages;
  NvPstate20 pstates[kNvMaxPstates20];
  NvPstatesOverVoltage ov;
};
static_assert(sizeof(NvPstates20Info) == 7416, "P-states 2.0, versions 2 and 3, are 7416 bytes");
static_assert(offsetof(NvPstates20Info, ov) == sizeof(NvPstates20InfoV1));

constexpr uint32_t kNvPstates20Ver1 = NvStructVersion(sizeof(NvPstates20InfoV1), 1);
constexpr uint32_t kNvPstates20Ver2 = NvStructVersion(sizeof(NvPstates20Info), 2);
constexpr uint32_t kNvPstates20Ver3 = NvStructVersion(sizeof(NvPstates20Info), 3);
static_assert(kNvPstates20Ver1 == 0x11C94 && kNvPstates20Ver2 == 0x21CF8 &&
              kNvPstates20Ver3 == 0x31CF8);

// Clock-domain info (2344 bytes): 32 domain entries of 72 bytes after a 40-byte header.
constexpr uint32_t kNvMaxClkDomains = 32;

struct NvClockDomainEntry {
  uint32_t disabled;  // 0: the entry is in use
  uint32_t domain;    // 0 graphics, 4 memory
  uint32_t reserved0[8];
  int32_t offsetMaxKHz;
  int32_t offsetMinKHz;
  uint8_t firstPoint;  // index of the domain's first VF point
  uint8_t lastPoint;   // index of its last VF point
  uint8_t reserved1[22];
};
static_assert(sizeof(NvClockDomainEntry) == 72);
static_assert(offsetof(NvClockDomainEntry, offsetMaxKHz) == 40 &&
              offsetof(NvClockDomainEntry, offsetMinKHz) == 44 &&
              offsetof(NvClockDomainEntry, firstPoint) == 48 &&
              offsetof(NvClockDomainEntry, lastPoint) == 49);

struct NvClockDomainsInfo {
  uint32_t version;
  uint32_t count;
  uint32_t reserved[8];
  NvClockDomainEntry domains[kNvMaxClkDomains];
};
static_assert(sizeof(NvClockDomainsInfo) == 2344, "clock-domain info is 2344 bytes");
static_assert(offsetof(NvClockDomainsInfo, domains) == 40);
constexpr uint32_t kNvClockDomainsInfoVer1 = NvStructVersion(sizeof(NvClockDomainsInfo), 1);
static_assert(kNvClockDomainsInfoVer1 == 0x10928);

// VF points: a 256-bit mask of the points asked for, then 255 points.
constexpr uint32_t kNvMaxVfPoints = 255;
constexpr uint32_t kNvVfPointMaskBytes = 32;

struct NvVfPointInfoEntry {
  uint32_t reserved[6];
};

struct NvVfPointsInfo {
  uint32_t version;
  uint8_t mask[kNvVfPointMaskBytes];
  uint32_t reserved[8];
  NvVfPointInfoEntry points[kNvMaxVfPoints];
};
static_assert(sizeof(NvVfPointsInfo) == 6188, "VF-point info is 6188 bytes");
static_assert(offsetof(NvVfPointsInfo, mask) == 4);
constexpr uint32_t kNvVfPointsInfoVer1 = NvStructVersion(sizeof(NvVfPointsInfo), 1);
static_assert(kNvVfPointsInfoVer1 == 0x1182C);

struct NvVfPointControlEntry {
  uint32_t disabled;  // 0: the point counts
  uint32_t reserved0[4];
  int32_t freqOffsetKHz;
  uint32_t reserved1[3];
};
static_assert(sizeof(NvVfPointControlEntry) == 36);
static_assert(offsetof(NvVfPointControlEntry, freqOffsetKHz) == 20);

struct NvVfPointsControl {
  uint32_t version;
  uint8_t mask[kNvVfPointMaskBytes];
  uint32_t reserved[8];
  NvVfPointControlEntry points[kNvMaxVfPoints];
};
static_assert(sizeof(NvVfPointsControl) == 9248, "VF-point control is 9248 bytes");
static_assert(offsetof(NvVfPointsControl, points) == 68);
constexpr uint32_t kNvVfPointsControlVer1 = NvStructVersion(sizeof(NvVfPointsControl), 1);
static_assert(kNvVfPointsControlVer1 == 0x12420);
