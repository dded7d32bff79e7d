// Driver structures of the power and thermal limits: the client power and thermal policies'
// info and status. Only the fields listed are known; the rest is passed through zeroed. Every
// size, offset and version word is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

constexpr uint32_t kNvMaxPowerPolicies = 4;
constexpr uint32_t kNvMaxThermalPolicies = 4;
constexpr int32_t kNvThermalControllerGpu = 1;  // the only thermal controller the program uses
constexpr uint32_t kNvThermalPriorityBit = 1;   // status flags bit 0

// Power limits are 1/1000 percent (100 000 = 100 %).
struct NvPowerPolicyInfoEntry {
  uint32_t policyId;
  uint32_t reserved0[3];
  uint32_t minLimit;
  uint32_t reserved1[2];
  uint32_t defaultLimit;
  uint32_t reserved2[2];
  uint32_t maxLimit;
  uint32_t reserved3[129];
};
static_assert(sizeof(NvPowerPolicyInfoEntry) == 560);
static_assert(offsetof(NvPowerPolicyInfoEntry, minLimit) == 16 &&
              offsetof(NvPowerPolicyInfoEntry, defaultLimit) == 28 &&
              offsetof(NvPowerPolicyInfoEntry, maxLimit) == 40);

struct NvPowerPoliciesInfo {
  uint32_t version;
  uint8_t valid;  // nonzero: the information is valid
  uint8_t count;
  uint8_t reserved[2];
  NvPowerPolicyInfoEntry entries[kNvMaxPowerPolicies];
};
static_assert(sizeof(NvPowerPoliciesInfo) == 2248, "power-policy info is 2248 bytes");
static_assert(offsetof(NvPowerPoliciesInfo, entries) == 8);
constexpr uint32_t kNvPowerPoliciesInfoVer2 = NvStructVersion(sizeof(NvPowerPoliciesInfo), 2);
static_assert(kNvPowerPoliciesInfoVer2 == 0x208C8);

struct NvPowerPolicyStatusEntry {
  uint32_t policyId;
  uint32_t reserved0;
  uint32_t flags;  // bit 0 is cleared on writing
  uint32_t limit;
  uint32_t reserved1[81];
};
static_assert(sizeof(NvPowerPolicyStatusEntry) == 340);
static_assert(offsetof(NvPowerPolicyStatusEntry, flags) == 8 &&
              offsetof(NvPowerPolicyStatusEntry, limit) == 12);

struct NvPowerPoliciesStatus {
  uint32_t version;
  uint8_t count;
  uint8_t reserved[3];
  NvPowerPolicyStatusEntry entries[kNvMaxPowerPolicies];
};
static_assert(sizeof(NvPowerPoliciesStatus) == 1368, "power-policy status is 1368 bytes");
static_assert(offsetof(NvPowerPoliciesStatus, entries) == 8);
constexpr uint32_t kNvPowerPoliciesStatusVer2 = NvStructVersion(sizeof(NvPowerPoliciesStatus), 2);
static_assert(kNvPowerPoliciesStatusVer2 == 0x20558);

// Temperature limits are signed 1/256 °C.
struct NvThermalPolicyInfoEntry {
  int32_t controller;
  uint32_t reserved0[2];
  int32_t minLimit;
  int32_t defaultLimit;
  int32_t maxLimit;
  uint32_t reserved1[81];
};
static_assert(sizeof(NvThermalPolicyInfoEntry) == 348);
static_assert(offsetof(NvThermalPolicyInfoEntry, minLimit) == 12 &&
              offsetof(NvThermalPolicyInfoEntry, defaultLimit) == 16 &&
              offsetof(NvThermalPolicyInfoEntry, maxLimit) == 20);

struct NvThermalPoliciesInfo {
  uint32_t version;
  uint8_t flags;  // bit 0: the information is valid
  uint8_t count;
  uint8_t reserved[2];
  NvThermalPolicyInfoEntry entries[kNvMaxThermalPolicies];
};
static_assert(sizeof(NvThermalPoliciesInfo) == 1400, "thermal-policy info is 1400 bytes");
static_assert(offsetof(NvThermalPoliciesInfo, entries) == 8);
constexpr uint32_t kNvThermalPoliciesInfoVer3 = NvStructVersion(sizeof(NvThermalPoliciesInfo), 3);
static_assert(kNvThermalPoliciesInfoVer3 == 0x30578);

struct NvThermalPolicyStatusEntry {
  int32_t controller;
  uint32_t reserved0;
  int32_t limit;
  uint32_t flags;  // bit 0: priority
  uint32_t reserved1[80];
};
static_assert(sizeof(NvThermalPolicyStatusEntry) == 336);
static_assert(offsetof(NvThermalPolicyStatusEntry, limit) == 8 &&
              offsetof(NvThermalPolicyStatusEntry, flags) == 12);

struct NvThermalPoliciesStatus {
  uint32_t version;
  uint8_t count;
  uint8_t reserved[3];
  NvThermalPolicyStatusEntry entries[kNvMaxThermalPolicies];
};
static_assert(sizeof(NvThermalPoliciesStatus) == 1352, "thermal-policy status is 1352 bytes");
static_assert(offsetof(NvThermalPoliciesStatus, entries) == 8);
constexpr uint32_t kNvThermalPoliciesStatusVer3 =
    NvStructVersion(sizeof(NvThermalPoliciesStatus), 3);
static_assert(kNvThermalPoliciesStatusVer3 == 0x30548);
