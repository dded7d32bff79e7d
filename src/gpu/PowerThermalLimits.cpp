#include "gpu/PowerThermalLimits.h"

#include <cstdint>
#include <limits>

#include "gpu/structs/PolicyStructs.h"

namespace {

bool QueryPowerInfo(GpuTable& table, NvPhysicalGpuHandle gpu, NvPowerPoliciesInfo& info) {
  info = NvPowerPoliciesInfo{};
  info.version = kNvPowerPoliciesInfoVer2;
  return table.api.GpuClientPowerPoliciesGetInfo(gpu, &info) == kNvOk && info.valid != 0;
}

// The thermal info of `gpu`, valid and with a count that fits the structure.
bool QueryThermalInfo(GpuTable& table, NvPhysicalGpuHandle gpu, NvThermalPoliciesInfo& info) {
  info = NvThermalPoliciesInfo{};
  info.version = kNvThermalPoliciesInfoVer3;
  return table.api.GpuClientThermalPoliciesGetInfo(gpu, &info) == kNvOk && (info.flags & 1u) != 0 &&
         info.count <= kNvMaxThermalPolicies;
}

bool HasGpuController(const NvThermalPoliciesInfo& info) {
  for (uint32_t k = 0; k < info.count; ++k) {
    if (info.entries[k].controller == kNvThermalControllerGpu) return true;
  }
  return false;
}

// A status request naming every controller of the info.
NvThermalPoliciesStatus ThermalStatusRequest(const NvThermalPoliciesInfo& info) {
  NvThermalPoliciesStatus status{};
  status.version = kNvThermalPoliciesStatusVer3;
  status.count = info.count;
  for (uint32_t k = 0; k < info.count; ++k) {
    status.entries[k].controller = info.entries[k].controller;
  }
  return status;
}

}  // namespace

int32_t TemperatureFromRaw(int32_t raw) {
  return static_cast<int32_t>(static_cast<double>(raw) * 0.00390625);
}

int32_t TemperatureToRaw(int32_t celsius) {
  const double raw = static_cast<double>(celsius) * 256.0;
  if (raw >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (raw <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  return static_cast<int32_t>(raw);
}

int ReadPowerLimits(GpuTable& table, OcInfo& out) {
  const NvPhysicalGpuHandle gpu = table.Handle(-1);
  NvPowerPoliciesInfo info;
  if (!QueryPowerInfo(table, gpu, info) || info.count > kNvMaxPowerPolicies) return 1;
  const uint32_t n = info.count;
  if (n > 0) {
    const NvPowerPolicyInfoEntry& last = info.entries[n - 1];
    out.powerLimitMinPcm = last.minLimit;
    out.powerLimitDefaultPcm = last.defaultLimit;
    out.powerLimitMaxPcm = last.maxLimit;
  }

  NvPowerPoliciesStatus status{};
  status.version = kNvPowerPoliciesStatusVer2;
  status.count = info.count;
  for (uint32_t k = 0; k < n; ++k) status.entries[k].policyId = info.entries[k].policyId;
  if (table.api.GpuClientPowerPoliciesGetStatus(gpu, &status) != kNvOk) return 1;
  const uint32_t m = status.count;
  if (m > kNvMaxPowerPolicies) return 1;
  if (m > 0) out.powerLimitPcm = status.entries[m - 1].limit;
  return 0;
}

int WritePowerLimit(int index, GpuTable& table, const OcInfo& info) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  NvPowerPoliciesInfo policies;
  if (!QueryPowerInfo(table, gpu, policies)) return 1;
  NvPowerPoliciesStatus status{};
  status.version = kNvPowerPoliciesStatusVer2;
  status.count = 1;
  status.entries[0].policyId = 0;
  status.entries[0].flags = 0;  // bit 0 clear
  status.entries[0].limit = info.powerLimitPcm;
  return table.api.GpuClientPowerPoliciesSetStatus(gpu, &status) == kNvOk ? 0 : 1;
}

int ReadThermalLimits(GpuTable& table, OcInfo& out) {
  const NvPhysicalGpuHandle gpu = table.Handle(-1);
  NvThermalPoliciesInfo info;
  if (!QueryThermalInfo(table, gpu, info)) return 1;
  for (uint32_t k = 0; k < info.count; ++k) {
    const NvThermalPolicyInfoEntry& entry = info.entries[k];
    if (entry.controller != kNvThermalControllerGpu) continue;
    out.tempLimitMinC = TemperatureFromRaw(entry.minLimit);
    out.tempLimitDefaultC = TemperatureFromRaw(entry.defaultLimit);
    out.tempLimitMaxC = TemperatureFromRaw(entry.maxLimit);
  }

  NvThermalPoliciesStatus status = ThermalStatusRequest(info);
  if (table.api.GpuClientThermalPoliciesGetStatus(gpu, &status) != kNvOk) return 0;
  if (status.count > kNvMaxThermalPolicies) return 0;  // an answer past its entries: no limit
  for (uint32_t k = 0; k < status.count; ++k) {
    if (status.entries[k].controller == kNvThermalControllerGpu) {
      out.tempLimitC = TemperatureFromRaw(status.entries[k].limit);
    }
  }
  return 0;
}

int WriteThermalLimit(int index, GpuTable& table, const OcInfo& info) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  NvThermalPoliciesInfo policies;
  if (!QueryThermalInfo(table, gpu, policies) || !HasGpuController(policies)) return 1;
  NvThermalPoliciesStatus status{};
  status.version = kNvThermalPoliciesStatusVer3;
  status.count = 1;
  status.entries[0].controller = kNvThermalControllerGpu;
  status.entries[0].limit = TemperatureToRaw(info.tempLimitC);
  status.entries[0].flags = 0;  // the priority bit goes out clear
  return table.api.GpuClientThermalPoliciesSetStatus(gpu, &status) == kNvOk ? 0 : 1;
}

int WriteThermalPriority(int index, GpuTable& table, int32_t flag) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  NvThermalPoliciesInfo policies;
  if (!QueryThermalInfo(table, gpu, policies) || !HasGpuController(policies)) return 1;
  if (flag != 0 && flag != 1) return 1;
  NvThermalPoliciesStatus status = ThermalStatusRequest(policies);
  if (table.api.GpuClientThermalPoliciesGetStatus(gpu, &status) != kNvOk) return 1;
  NvThermalPolicyStatusEntry& entry = status.entries[0];
  entry.flags = (entry.flags & ~kNvThermalPriorityBit) | static_cast<uint32_t>(flag);
  status.count = 1;
  entry.controller = kNvThermalControllerGpu;
  return table.api.GpuClientThermalPoliciesSetStatus(gpu, &status) == kNvOk ? 0 : 1;
}
