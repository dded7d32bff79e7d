// Clock offsets: P-states 2.0 read and write (offsets of P0, base-voltage delta, over-voltage),
// the current P-state, and the clock-domain / VF-point view of the same offsets.
#include <algorithm>

#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "Performance.h"
#include "TextFormat.h"
#include "gpu/structs/ClockStructs.h"
#include "gpu/structs/SensorStructs.h"

namespace sim {
namespace {

std::string Signed(int32_t value) {
  return (value >= 0 ? "+" : "") + Decimal(value);
}

uint32_t DeclaredSize(uint32_t version) {
  return version & 0xFFFFu;
}

uint32_t MaxClocksPerPstate(const ClockModel& clocks) {
  size_t most = 0;
  for (const PstateModel& pstate : clocks.pstates) most = std::max(most, pstate.clocks.size());
  return static_cast<uint32_t>(std::min<size_t>(most, kNvMaxPstate20Clocks));
}

NvPstateClock ClockEntry(const PstateClockModel& model, bool isP0, const PerformanceState& state) {
  NvPstateClock entry{};
  entry.domainId = model.domain;
  entry.typeId = model.range ? kNvPstateClockRange : kNvPstateClockSingle;
  const bool editable = model.offsetMinKHz != 0 || model.offsetMaxKHz != 0;
  entry.flags = editable ? kNvPstateEditable : 0;
  int32_t offset = 0;
  if (isP0 && model.domain == kNvClockDomainGraphics) offset = state.graphicsOffsetKHz;
  if (isP0 && model.domain == kNvClockDomainMemory) offset = state.memoryOffsetKHz;
  entry.freqDeltaKHz = {offset, model.offsetMinKHz, model.offsetMaxKHz};
  if (model.range) {
    entry.data.range = {model.minKHz, model.maxKHz, model.voltageDomain, model.minVoltageUv,
                        model.maxVoltageUv};
  } else {
    entry.data.single.freqKHz = model.minKHz;
  }
  return entry;
}

NvStatus NVAPI_CALL GpuGetPstates20(NvPhysicalGpuHandle gpu, NvPstates20Info* info) {
  return Dispatch(
      kIdGpuGetPstates20,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (info != nullptr) call.SetVersion(info->version);
      },
      [&](CallContext& call) {
        const uint32_t version = info != nullptr ? info->version : 0;
        const NvStatus checked =
            CheckCall(call, info, version, {kNvPstates20Ver1, kNvPstates20Ver2, kNvPstates20Ver3});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        const ClockModel& clocks = model.clocks;
        if (clocks.pstates.empty()) return NvStatus{kNvNotSupported};
        const PerformanceState& state = PerformanceOf(call);

        NvPstates20Info answer{};
        answer.version = version;
        const uint32_t pstates =
            static_cast<uint32_t>(std::min<size_t>(clocks.pstates.size(), kNvMaxPstates20));
        const uint32_t perPstate = MaxClocksPerPstate(clocks);
        for (uint32_t p = 0; p < pstates; ++p) {
          const PstateModel& pstate = clocks.pstates[p];
          const bool isP0 = pstate.id == 0;
          answer.pstates[p].pstateId = pstate.id;
          const size_t count = std::min<size_t>(pstate.clocks.size(), kNvMaxPstate20Clocks);
          for (size_t c = 0; c < count; ++c) {
            answer.pstates[p].clocks[c] = ClockEntry(pstate.clocks[c], isP0, state);
          }
          NvPstateVoltage& base = answer.pstates[p].baseVoltages[0];
          base.domainId = kNvVoltageDomainCore;
          base.voltUv = clocks.baseVoltageUv;
          base.flags = clocks.baseVoltageDeltaMinUv != clocks.baseVoltageDeltaMaxUv;
          base.voltDeltaUv = {isP0 ? state.baseVoltageDeltaUv : 0, clocks.baseVoltageDeltaMinUv,
                              clocks.baseVoltageDeltaMaxUv};
        }
        const InterfaceBehaviour* behaviour = call.behaviour();
        answer.numPstates = behaviour != nullptr && behaviour->reportedCount.has_value()
                                ? *behaviour->reportedCount
                                : pstates;
        answer.numClocks = clocks.reportedClocks.value_or(perPstate);
        answer.numBaseVoltages = clocks.reportedBaseVoltages.value_or(1);
        answer.ov.numVoltages = clocks.reportedOverVoltages.value_or(1);
        NvPstateVoltage& over = answer.ov.voltages[0];
        over.domainId = kNvVoltageDomainCore;
        over.flags = clocks.overVoltageEditable ? kNvPstateEditable : 0;
        over.voltDeltaUv = {state.overVoltageUv, clocks.overVoltageMinUv, clocks.overVoltageMaxUv};

        WritePrefix(info, &answer, DeclaredSize(version));
        call.Result(
            "pstates=" + Decimal(answer.numPstates) + " clocks=" + Decimal(answer.numClocks) +
            " graphics=" + Signed(state.graphicsOffsetKHz) +
            " memory=" + Signed(state.memoryOffsetKHz) + " ov=" + Signed(state.overVoltageUv));
        return NvStatus{kNvOk};
      });
}

// Whether `value` lies in the range an entry accepts.
bool InRange(int32_t value, int32_t low, int32_t high) {
  return value >= low && value <= high;
}

const PstateClockModel* FindClock(const PstateModel& pstate, uint32_t domain) {
  for (const PstateClockModel& clock : pstate.clocks) {
    if (clock.domain == domain) return &clock;
  }
  return nullptr;
}

NvStatus NVAPI_CALL GpuSetPstates20(NvPhysicalGpuHandle gpu, NvPstates20Info* info) {
  return Dispatch(
      kIdGpuSetPstates20,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (info == nullptr) return;
        call.SetVersion(info->version);
        call.Describe("pstates=" + Decimal(info->numPstates) + " clocks=" +
                      Decimal(info->numClocks) + " base=" + Decimal(info->numBaseVoltages));
        if (info->numPstates >= 1 && info->numPstates <= kNvMaxPstates20) {
          const NvPstate20& first = info->pstates[0];
          const uint32_t clocks = std::min(info->numClocks, kNvMaxPstate20Clocks);
          for (uint32_t c = 0; c < clocks; ++c) {
            call.Describe("domain" + Decimal(first.clocks[c].domainId) + "=" +
                          Signed(first.clocks[c].freqDeltaKHz.value));
          }
          if (info->numBaseVoltages >= 1) {
            call.Describe("base_delta=" + Signed(first.baseVoltages[0].voltDeltaUv.value));
          }
        }
        if (DeclaredSize(info->version) == sizeof(NvPstates20Info)) {
          call.Describe("ov=" + Decimal(info->ov.numVoltages));
          if (info->ov.numVoltages >= 1) {
            call.Describe("ov_delta=" + Signed(info->ov.voltages[0].voltDeltaUv.value));
          }
        }
      },
      [&](CallContext& call) {
        const uint32_t version = info != nullptr ? info->version : 0;
        const NvStatus checked =
            CheckCall(call, info, version, {kNvPstates20Ver1, kNvPstates20Ver2, kNvPstates20Ver3});
        if (checked != kNvOk) return checked;
        const ClockModel& clocks = call.Gpu()->clocks;
        if (clocks.pstates.empty()) return NvStatus{kNvNotSupported};
        const bool hasOv = DeclaredSize(version) == sizeof(NvPstates20Info);
        if (info->numPstates > kNvMaxPstates20 || info->numClocks > kNvMaxPstate20Clocks ||
            info->numBaseVoltages > kNvMaxPstate20BaseVoltages ||
            (hasOv && info->ov.numVoltages > kNvMaxPstate20OverVoltages)) {
          return NvStatus{kNvInvalidArgument};
        }
        // Everything is checked against the model first; the state changes only when all fits.
        PerformanceState next = PerformanceOf(call);
        for (uint32_t p = 0; p < info->numPstates; ++p) {
          const NvPstate20& pstate = info->pstates[p];
          if (pstate.pstateId != 0) return NvStatus{kNvInvalidArgument};  // only P0 is editable
          const PstateModel* p0 = nullptr;
          for (const PstateModel& candidate : clocks.pstates) {
            if (candidate.id == 0) p0 = &candidate;
          }
          if (p0 == nullptr) return NvStatus{kNvInvalidArgument};
          for (uint32_t c = 0; c < info->numClocks; ++c) {
            const NvPstateClock& clock = pstate.clocks[c];
            const PstateClockModel* known = FindClock(*p0, clock.domainId);
            if (known == nullptr ||
                !InRange(clock.freqDeltaKHz.value, known->offsetMinKHz, known->offsetMaxKHz)) {
              return NvStatus{kNvInvalidArgument};
            }
            if (clock.domainId == kNvClockDomainGraphics) {
              next.graphicsOffsetKHz = clock.freqDeltaKHz.value;
            } else if (clock.domainId == kNvClockDomainMemory) {
              next.memoryOffsetKHz = clock.freqDeltaKHz.value;
            }
          }
          for (uint32_t v = 0; v < info->numBaseVoltages; ++v) {
            const NvPstateVoltage& base = pstate.baseVoltages[v];
            if (base.domainId != kNvVoltageDomainCore ||
                !InRange(base.voltDeltaUv.value, clocks.baseVoltageDeltaMinUv,
                         clocks.baseVoltageDeltaMaxUv)) {
              return NvStatus{kNvInvalidArgument};
            }
            next.baseVoltageDeltaUv = base.voltDeltaUv.value;
          }
        }
        // A version 1 request ends before the over-voltage section: it carries none.
        if (hasOv) {
          for (uint32_t v = 0; v < info->ov.numVoltages; ++v) {
            const NvPstateVoltage& over = info->ov.voltages[v];
            if (!clocks.overVoltageEditable || over.domainId != kNvVoltageDomainCore ||
                !InRange(over.voltDeltaUv.value, clocks.overVoltageMinUv,
                         clocks.overVoltageMaxUv)) {
              return NvStatus{kNvInvalidArgument};
            }
            next.overVoltageUv = over.voltDeltaUv.value;
          }
        }
        PerformanceOf(call) = next;
        call.Result("graphics=" + Signed(next.graphicsOffsetKHz) + " memory=" +
                    Signed(next.memoryOffsetKHz) + " ov=" + Signed(next.overVoltageUv));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuGetCurrentPstate(NvPhysicalGpuHandle gpu, uint32_t* pstate) {
  return Dispatch(
      kIdGpuGetCurrentPstate, [&](CallContext& call) { call.DescribeGpu(gpu); },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, pstate, 0, {0});
        if (checked != kNvOk) return checked;
        const GpuModel& model = *call.Gpu();
        if (model.clocks.pstates.empty()) return NvStatus{kNvNotSupported};
        // Under load the board runs in its first P-state, idle in its last.
        const PerformanceState& state = PerformanceOf(call);
        *pstate = state.loadPercent > 0 ? model.clocks.pstates.front().id
                                        : model.clocks.pstates.back().id;
        call.Result("pstate=" + Decimal(*pstate));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClockClientClkDomainsGetInfo(NvPhysicalGpuHandle gpu,
                                                    NvClockDomainsInfo* info) {
  return Dispatch(
      kIdGpuClockClientClkDomainsGetInfo,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (info != nullptr) call.SetVersion(info->version);
      },
      [&](CallContext& call) {
        const NvStatus checked =
            CheckCall(call, info, info != nullptr ? info->version : 0, {kNvClockDomainsInfoVer1});
        if (checked != kNvOk) return checked;
        const ClockModel& clocks = call.Gpu()->clocks;
        if (clocks.vfDomains.empty()) return NvStatus{kNvNotSupported};
        NvClockDomainsInfo answer{};
        answer.version = info->version;
        const size_t count = std::min<size_t>(clocks.vfDomains.size(), kNvMaxClkDomains);
        for (size_t k = 0; k < count; ++k) {
          const VfDomainModel& domain = clocks.vfDomains[k];
          NvClockDomainEntry& entry = answer.domains[k];
          entry.disabled = domain.disabled ? 1 : 0;
          entry.domain = domain.domain;
          entry.offsetMaxKHz = domain.offsetMaxKHz;
          entry.offsetMinKHz = domain.offsetMinKHz;
          entry.firstPoint = static_cast<uint8_t>(domain.firstPoint);
          entry.lastPoint = static_cast<uint8_t>(domain.lastPoint);
        }
        const InterfaceBehaviour* behaviour = call.behaviour();
        answer.count = behaviour != nullptr && behaviour->reportedCount.has_value()
                           ? *behaviour->reportedCount
                           : static_cast<uint32_t>(count);
        *info = answer;
        call.Result("count=" + Decimal(answer.count));
        return NvStatus{kNvOk};
      });
}

// Whether VF point p belongs to one of the board's domains; its domain's index when it does.
bool PointDomain(const ClockModel& clocks, uint32_t point, size_t& domain) {
  for (size_t k = 0; k < clocks.vfDomains.size(); ++k) {
    const VfDomainModel& candidate = clocks.vfDomains[k];
    if (point >= candidate.firstPoint && point <= candidate.lastPoint) {
      domain = k;
      return true;
    }
  }
  return false;
}

bool MaskHas(const uint8_t* mask, uint32_t point) {
  return (mask[point / 8] & (1u << (point % 8))) != 0;
}

NvStatus NVAPI_CALL GpuClockClientClkVfPointsGetInfo(NvPhysicalGpuHandle gpu,
                                                     NvVfPointsInfo* info) {
  return Dispatch(
      kIdGpuClockClientClkVfPointsGetInfo,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (info != nullptr) call.SetVersion(info->version);
      },
      [&](CallContext& call) {
        const NvStatus checked =
            CheckCall(call, info, info != nullptr ? info->version : 0, {kNvVfPointsInfoVer1});
        if (checked != kNvOk) return checked;
        const ClockModel& clocks = call.Gpu()->clocks;
        if (clocks.vfDomains.empty()) return NvStatus{kNvNotSupported};
        NvVfPointsInfo answer{};
        answer.version = info->version;
        uint32_t points = 0;
        for (uint32_t p = 0; p < kNvMaxVfPoints; ++p) {
          size_t domain = 0;
          if (!PointDomain(clocks, p, domain)) continue;
          answer.mask[p / 8] = static_cast<uint8_t>(answer.mask[p / 8] | (1u << (p % 8)));
          ++points;
        }
        *info = answer;
        call.Result("points=" + Decimal(points));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuClockClientClkVfPointsGetControl(NvPhysicalGpuHandle gpu,
                                                        NvVfPointsControl* control) {
  return Dispatch(
      kIdGpuClockClientClkVfPointsGetControl,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (control == nullptr) return;
        call.SetVersion(control->version);
        uint32_t asked = 0;
        for (uint32_t p = 0; p < kNvVfPointMaskBytes * 8; ++p) asked += MaskHas(control->mask, p);
        call.Describe("mask=" + Decimal(asked));
      },
      [&](CallContext& call) {
        const NvStatus checked = CheckCall(call, control, control != nullptr ? control->version : 0,
                                           {kNvVfPointsControlVer1});
        if (checked != kNvOk) return checked;
        const ClockModel& clocks = call.Gpu()->clocks;
        if (clocks.vfDomains.empty()) return NvStatus{kNvNotSupported};
        const PerformanceState& state = PerformanceOf(call);
        NvVfPointsControl answer{};
        answer.version = control->version;
        std::copy(std::begin(control->mask), std::end(control->mask), std::begin(answer.mask));
        for (uint32_t p = 0; p < kNvMaxVfPoints; ++p) {
          NvVfPointControlEntry& entry = answer.points[p];
          size_t domain = 0;
          const bool disabled =
              std::find(clocks.vfDisabledPoints.begin(), clocks.vfDisabledPoints.end(), p) !=
              clocks.vfDisabledPoints.end();
          if (!MaskHas(control->mask, p) || !PointDomain(clocks, p, domain) || disabled) {
            entry.disabled = 1;
            continue;
          }
          const uint32_t kind = clocks.vfDomains[domain].domain;
          entry.freqOffsetKHz = kind == kNvClockDomainGraphics ? state.graphicsOffsetKHz
                                : kind == kNvClockDomainMemory ? state.memoryOffsetKHz
                                                               : 0;
        }
        *control = answer;
        call.Result("graphics=" + Signed(state.graphicsOffsetKHz) +
                    " memory=" + Signed(state.memoryOffsetKHz));
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddClockOffsetEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuGetPstates20>("NvAPI_GPU_GetPstates20", &GpuGetPstates20,
                                                EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuSetPstates20>("NvAPI_GPU_SetPstates20", &GpuSetPstates20,
                                                EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetCurrentPstate>(
      "NvAPI_GPU_GetCurrentPstate", &GpuGetCurrentPstate, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClockClientClkDomainsGetInfo>(
      "NvAPI_GPU_ClockClientClkDomainsGetInfo", &GpuClockClientClkDomainsGetInfo,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClockClientClkVfPointsGetInfo>(
      "NvAPI_GPU_ClockClientClkVfPointsGetInfo", &GpuClockClientClkVfPointsGetInfo,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClockClientClkVfPointsGetControl>(
      "NvAPI_GPU_ClockClientClkVfPointsGetControl", &GpuClockClientClkVfPointsGetControl,
      EntryGate::kAfterInitialize));
}

}  // namespace sim
