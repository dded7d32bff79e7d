// Power and thermal limits: the client power policies (1/1000 %) and thermal policies (1/256 °C)
// with their info, status and writes.
#include <algorithm>

#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "Performance.h"
#include "TextFormat.h"
#include "gpu/structs/PolicyStructs.h"

namespace sim {
namespace {

// The entry count answered: the real one, or what a lying driver is set to report.
uint8_t ReportedCount(const CallContext& call, size_t real) {
  const InterfaceBehaviour* behaviour = call.behaviour();
  if (behaviour != nullptr && behaviour->reportedCount.has_value()) {
    return static_cast<uint8_t>(*behaviour->reportedCount);
  }
  return static_cast<uint8_t>(real);
}

NvStatus NVAPI_CALL GpuClientPowerPoliciesGetInfo(NvPhysicalGpuHandle gpu,
                                                  NvPowerPoliciesInfo* info) {
  return Dispatch(
      kIdGpuClientPowerPoliciesGetInfo,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (info != nullptr) call.SetVersion(info->version);
      },
      [&](CallContext& call) {
        const NvStatus checked =
            CheckCall(call, info, info != nullptr ? info->version : 0, {kNvPowerPoliciesInfoVer2});
        if (checked != kNvOk) return checked;
        const PolicyModel& policies = call.Gpu()->policies;
        if (policies.power.empty()) return NvStatus{kNvNotSupported};
        NvPowerPoliciesInfo answer{};
        answer.version = info->version;
        answer.valid = policies.powerValid ? 1 : 0;
        const size_t count = std::min<size_t>(policies.power.size(), kNvMaxPowerPolicies);
        for (size_t k = 0; k < count; ++k) {
          const PowerPolicyModel& policy = policies.power[k];
          answer.entries[k].policyId = policy.id;
          answer.entries[k].minLimit = policy.minPcm;
          answer.entries[k].defaultLimit = policy.defaultPcm;
          answer.entries[k].maxLimit = policy.maxPcm;
        }
        answer.count = ReportedCount(call, count);
        *info = answer;
        call.Result("valid=" + Decimal(answer.valid) + " count=" + Decimal(answer.count));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClientPowerPoliciesGetStatus(NvPhysicalGpuHandle gpu,
                                                    NvPowerPoliciesStatus* status) {
  return Dispatch(
      kIdGpuClientPowerPoliciesGetStatus,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (status == nullptr) return;
        call.SetVersion(status->version);
        call.Describe("count=" + Decimal(status->count));
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, status, status != nullptr ? status->version : 0,
                                           {kNvPowerPoliciesStatusVer2});
        if (checked != kNvOk) return checked;
        const PolicyModel& policies = call.Gpu()->policies;
        if (policies.power.empty()) return NvStatus{kNvNotSupported};
        if (status->count > kNvMaxPowerPolicies) return NvStatus{kNvInvalidArgument};
        const PerformanceState& state = PerformanceOf(call);
        NvPowerPoliciesStatus answer{};
        answer.version = status->version;
        const size_t count = std::min<size_t>(policies.power.size(), kNvMaxPowerPolicies);
        for (size_t k = 0; k < count; ++k) {
          answer.entries[k].policyId = policies.power[k].id;
          answer.entries[k].limit = state.powerLimitsPcm[k];
        }
        answer.count = ReportedCount(call, count);
        *status = answer;
        call.Result("count=" + Decimal(answer.count) +
                    " limit=" + Decimal(answer.entries[count - 1].limit));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClientPowerPoliciesSetStatus(NvPhysicalGpuHandle gpu,
                                                    NvPowerPoliciesStatus* status) {
  return Dispatch(
      kIdGpuClientPowerPoliciesSetStatus,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (status == nullptr) return;
        call.SetVersion(status->version);
        call.Describe("count=" + Decimal(status->count));
        const uint32_t shown = std::min<uint32_t>(status->count, kNvMaxPowerPolicies);
        for (uint32_t k = 0; k < shown; ++k) {
          call.Describe("id=" + Decimal(status->entries[k].policyId) +
                        " flags=" + Hex32(status->entries[k].flags) +
                        " limit=" + Decimal(status->entries[k].limit));
        }
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, status, status != nullptr ? status->version : 0,
                                           {kNvPowerPoliciesStatusVer2});
        if (checked != kNvOk) return checked;
        const PolicyModel& policies = call.Gpu()->policies;
        if (policies.power.empty()) return NvStatus{kNvNotSupported};
        if (status->count > kNvMaxPowerPolicies) return NvStatus{kNvInvalidArgument};
        PerformanceState& state = PerformanceOf(call);
        std::vector<uint32_t> next = state.powerLimitsPcm;
        for (uint32_t k = 0; k < status->count; ++k) {
          const NvPowerPolicyStatusEntry& entry = status->entries[k];
          const auto found = std::find_if(
              policies.power.begin(), policies.power.end(),
              [&](const PowerPolicyModel& policy) { return policy.id == entry.policyId; });
          if (found == policies.power.end() || entry.limit < found->minPcm ||
              entry.limit > found->maxPcm) {
            return NvStatus{kNvInvalidArgument};
          }
          next[static_cast<size_t>(found - policies.power.begin())] = entry.limit;
        }
        state.powerLimitsPcm = next;
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClientThermalPoliciesGetInfo(NvPhysicalGpuHandle gpu,
                                                    NvThermalPoliciesInfo* info) {
  return Dispatch(
      kIdGpuClientThermalPoliciesGetInfo,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (info != nullptr) call.SetVersion(info->version);
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, info, info != nullptr ? info->version : 0,
                                           {kNvThermalPoliciesInfoVer3});
        if (checked != kNvOk) return checked;
        const PolicyModel& policies = call.Gpu()->policies;
        if (policies.thermal.empty()) return NvStatus{kNvNotSupported};
        NvThermalPoliciesInfo answer{};
        answer.version = info->version;
        answer.flags = policies.thermalValid ? 1 : 0;
        const size_t count = std::min<size_t>(policies.thermal.size(), kNvMaxThermalPolicies);
        for (size_t k = 0; k < count; ++k) {
          const ThermalPolicyModel& policy = policies.thermal[k];
          answer.entries[k].controller = policy.controller;
          answer.entries[k].minLimit = policy.minRaw;
          answer.entries[k].defaultLimit = policy.defaultRaw;
          answer.entries[k].maxLimit = policy.maxRaw;
        }
        answer.count = ReportedCount(call, count);
        *info = answer;
        call.Result("valid=" + Decimal(answer.flags & 1) + " count=" + Decimal(answer.count));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClientThermalPoliciesGetStatus(NvPhysicalGpuHandle gpu,
                                                      NvThermalPoliciesStatus* status) {
  return Dispatch(
      kIdGpuClientThermalPoliciesGetStatus,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (status == nullptr) return;
        call.SetVersion(status->version);
        call.Describe("count=" + Decimal(status->count));
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, status, status != nullptr ? status->version : 0,
                                           {kNvThermalPoliciesStatusVer3});
        if (checked != kNvOk) return checked;
        const PolicyModel& policies = call.Gpu()->policies;
        if (policies.thermal.empty()) return NvStatus{kNvNotSupported};
        if (status->count > kNvMaxThermalPolicies) return NvStatus{kNvInvalidArgument};
        const PerformanceState& state = PerformanceOf(call);
        NvThermalPoliciesStatus answer{};
        answer.version = status->version;
        const size_t count = std::min<size_t>(policies.thermal.size(), kNvMaxThermalPolicies);
        for (size_t k = 0; k < count; ++k) {
          answer.entries[k].controller = policies.thermal[k].controller;
          answer.entries[k].limit = state.thermalLimitsRaw[k];
          answer.entries[k].flags = state.thermalPriority[k] ? kNvThermalPriorityBit : 0;
        }
        answer.count = ReportedCount(call, count);
        *status = answer;
        call.Result("count=" + Decimal(answer.count) + " limit=" +
                    Decimal(answer.entries[0].limit) + " flags=" + Hex32(answer.entries[0].flags));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClientThermalPoliciesSetStatus(NvPhysicalGpuHandle gpu,
                                                      NvThermalPoliciesStatus* status) {
  return Dispatch(
      kIdGpuClientThermalPoliciesSetStatus,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (status == nullptr) return;
        call.SetVersion(status->version);
        call.Describe("count=" + Decimal(status->count));
        const uint32_t shown = std::min<uint32_t>(status->count, kNvMaxThermalPolicies);
        for (uint32_t k = 0; k < shown; ++k) {
          call.Describe("controller=" + Decimal(status->entries[k].controller) +
                        " limit=" + Decimal(status->entries[k].limit) +
                        " flags=" + Hex32(status->entries[k].flags));
        }
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, status, status != nullptr ? status->version : 0,
                                           {kNvThermalPoliciesStatusVer3});
        if (checked != kNvOk) return checked;
        const PolicyModel& policies = call.Gpu()->policies;
        if (policies.thermal.empty()) return NvStatus{kNvNotSupported};
        if (status->count > kNvMaxThermalPolicies) return NvStatus{kNvInvalidArgument};
        PerformanceState& state = PerformanceOf(call);
        std::vector<int32_t> limits = state.thermalLimitsRaw;
        std::vector<bool> priority = state.thermalPriority;
        for (uint32_t k = 0; k < status->count; ++k) {
          const NvThermalPolicyStatusEntry& entry = status->entries[k];
          const auto found = std::find_if(policies.thermal.begin(), policies.thermal.end(),
                                          [&](const ThermalPolicyModel& policy) {
                                            return policy.controller == entry.controller;
                                          });
          if (found == policies.thermal.end() || entry.limit < found->minRaw ||
              entry.limit > found->maxRaw) {
            return NvStatus{kNvInvalidArgument};
          }
          const size_t index = static_cast<size_t>(found - policies.thermal.begin());
          limits[index] = entry.limit;
          priority[index] = (entry.flags & kNvThermalPriorityBit) != 0;
        }
        state.thermalLimitsRaw = limits;
        state.thermalPriority = priority;
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddPolicyEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuClientPowerPoliciesGetInfo>(
      "NvAPI_GPU_ClientPowerPoliciesGetInfo", &GpuClientPowerPoliciesGetInfo,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientPowerPoliciesGetStatus>(
      "NvAPI_GPU_ClientPowerPoliciesGetStatus", &GpuClientPowerPoliciesGetStatus,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientPowerPoliciesSetStatus>(
      "NvAPI_GPU_ClientPowerPoliciesSetStatus", &GpuClientPowerPoliciesSetStatus,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientThermalPoliciesGetInfo>(
      "NvAPI_GPU_ClientThermalPoliciesGetInfo", &GpuClientThermalPoliciesGetInfo,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientThermalPoliciesGetStatus>(
      "NvAPI_GPU_ClientThermalPoliciesGetStatus", &GpuClientThermalPoliciesGetStatus,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientThermalPoliciesSetStatus>(
      "NvAPI_GPU_ClientThermalPoliciesSetStatus", &GpuClientThermalPoliciesSetStatus,
      EntryGate::kAfterInitialize));
}

}  // namespace sim
