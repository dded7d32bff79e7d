// Fan control: the older cooler levels (every fan to a level or back to automatic) and the
// per-fan cooler control and status, which only boards with fan coolers answer.
#include <algorithm>

#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "Performance.h"
#include "TextFormat.h"
#include "gpu/structs/CoolerStructs.h"
#include "gpu/structs/SensorStructs.h"

namespace sim {
namespace {

constexpr uint32_t kMaxLevel = 100;

NvStatus NVAPI_CALL GpuSetCoolerLevels(NvPhysicalGpuHandle gpu, uint32_t coolerIndex,
                                       NvCoolerLevels* levels) {
  return Dispatch(
      kIdGpuSetCoolerLevels,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        call.Describe("cooler=" + Decimal(coolerIndex));
        if (levels != nullptr) {
          call.SetVersion(levels->version);
          call.Describe("level=" + Decimal(levels->cooler[0].level) +
                        " policy=" + Decimal(levels->cooler[0].policy));
        }
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, levels, levels != nullptr ? levels->version : 0,
                                           {kNvCoolerLevelsVer1, kNvCoolerLevelsShortVer1});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        if (coolerIndex != kNvCoolersAll && coolerIndex >= model.coolers.coolers) {
          return NvStatus{kNvInvalidArgument};
        }
        // Entry 0 drives every fan of the board; a policy of 0 leaves them as they are.
        const NvCoolerLevel& request = levels->cooler[0];
        PerformanceState& state = PerformanceOf(call);
        if (request.policy == kNvCoolerPolicyManual) {
          if (request.level > kMaxLevel) return NvStatus{kNvInvalidArgument};
          for (FanState& fan : state.fans) fan = FanState{true, request.level};
        } else if (request.policy == kNvCoolerPolicyAuto) {
          for (FanState& fan : state.fans) fan = FanState{};
        } else if (request.policy != 0) {
          return NvStatus{kNvInvalidArgument};
        }
        call.Result("fan=" + Decimal(FanLevel(model, state, 0)));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClientFanCoolersSetControl(NvPhysicalGpuHandle gpu,
                                                  NvFanCoolerControl* control) {
  return Dispatch(
      kIdGpuClientFanCoolersSetControl,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (control == nullptr) return;
        call.SetVersion(control->version);
        call.Describe("flags=" + Hex32(control->flags) + " count=" + Decimal(control->count));
        const uint32_t shown = std::min(control->count, kNvMaxFanCoolers);
        for (uint32_t k = 0; k < shown; ++k) {
          const NvFanCoolerControlEntry& entry = control->cooler[k];
          call.Describe("id=" + Decimal(entry.coolerId) + " level=" + Decimal(entry.level) +
                        " mode=" + Decimal(entry.controlMode));
        }
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, control, control != nullptr ? control->version : 0,
                                           {kNvFanCoolerControlVer1});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        if (model.coolers.fanCoolers == 0) return NvStatus{kNvNotSupported};
        if (control->count > kNvMaxFanCoolers) return NvStatus{kNvInvalidArgument};
        PerformanceState& state = PerformanceOf(call);
        if ((control->flags & kNvFanCoolerControlAllAuto) != 0) {
          for (FanState& fan : state.fans) fan = FanState{};
          call.Result("all automatic");
          return NvStatus{kNvOk};
        }
        // Checked whole before anything changes: a bad entry leaves every fan as it was.
        for (uint32_t k = 0; k < control->count; ++k) {
          const NvFanCoolerControlEntry& entry = control->cooler[k];
          if (entry.coolerId < 1 || entry.coolerId > model.coolers.fanCoolers ||
              entry.level > kMaxLevel) {
            return NvStatus{kNvInvalidArgument};
          }
        }
        for (uint32_t k = 0; k < control->count; ++k) {
          const NvFanCoolerControlEntry& entry = control->cooler[k];
          const bool manual = (entry.controlMode & kNvFanCoolerModeManual) != 0;
          state.fans[entry.coolerId - 1] = FanState{manual, manual ? entry.level : 0};
        }
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClientFanCoolersGetStatus(NvPhysicalGpuHandle gpu,
                                                 NvFanCoolerStatus* status) {
  return Dispatch(
      kIdGpuClientFanCoolersGetStatus,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (status != nullptr) call.SetVersion(status->version);
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, status, status != nullptr ? status->version : 0,
                                           {kNvFanCoolerStatusVer1});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        if (model.coolers.fanCoolers == 0) return NvStatus{kNvNotSupported};
        const PerformanceState& state = PerformanceOf(call);
        NvFanCoolerStatus answer{};
        answer.version = status->version;
        const uint32_t fans = std::min(model.coolers.fanCoolers, kNvMaxFanCoolers);
        answer.count = fans;
        for (uint32_t k = 0; k < fans; ++k) {
          NvFanCoolerStatusEntry& entry = answer.cooler[k];
          entry.coolerId = k + 1;
          entry.currentLevel = FanLevel(model, state, k);
          entry.currentRpm = model.coolers.maxRpm * entry.currentLevel / kMaxLevel;
          entry.currentMinLevel = model.coolers.minLevel;
          entry.currentMaxLevel = model.coolers.maxLevel;
        }
        *status = answer;
        call.Result("count=" + Decimal(fans) + " level=" + Decimal(answer.cooler[0].currentLevel));
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddCoolerEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuSetCoolerLevels>("NvAPI_GPU_SetCoolerLevels", &GpuSetCoolerLevels,
                                                   EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientFanCoolersSetControl>(
      "NvAPI_GPU_ClientFanCoolersSetControl", &GpuClientFanCoolersSetControl,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientFanCoolersGetStatus>("NvAPI_GPU_ClientFanCoolersGetStatus",
                                                             &GpuClientFanCoolersGetStatus,
                                                             EntryGate::kAfterInitialize));
}

}  // namespace sim
