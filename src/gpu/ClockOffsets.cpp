#include "gpu/ClockOffsets.h"

#include <cstring>

#include "gpu/structs/ClockStructs.h"
#include "gpu/structs/SensorStructs.h"

namespace {

constexpr uint32_t kReadVersions[] = {kNvPstates20Ver3, kNvPstates20Ver2, kNvPstates20Ver3};
constexpr uint32_t kOverVoltageVersions[] = {kNvPstates20Ver3, kNvPstates20Ver2, kNvPstates20Ver1};

// Whether every count of a P-states answer fits the structure.
bool CountsFit(const NvPstates20Info& info) {
  return info.numPstates <= kNvMaxPstates20 && info.numClocks <= kNvMaxPstate20Clocks &&
         info.numBaseVoltages <= kNvMaxPstate20BaseVoltages &&
         info.ov.numVoltages <= kNvMaxPstate20OverVoltages;
}

void TakeClock(const NvPstateClock& clock, OcInfo& info) {
  const bool single = clock.typeId == kNvPstateClockSingle;
  const bool range = clock.typeId == kNvPstateClockRange;
  const bool coreVoltage = range && clock.data.range.voltageDomainId == kNvVoltageDomainCore;
  switch (clock.domainId) {
    case kNvClockDomainGraphics:
      info.graphicsOffsetKHz = clock.freqDeltaKHz.value;
      info.graphicsOffsetMinKHz = clock.freqDeltaKHz.min;
      info.graphicsOffsetMaxKHz = clock.freqDeltaKHz.max;
      if (single) info.graphicsFreqKHz = clock.data.single.freqKHz;
      if (range) {
        info.graphicsMinFreqKHz = clock.data.range.minFreqKHz;
        info.graphicsMaxFreqKHz = clock.data.range.maxFreqKHz;
      }
      if (coreVoltage) {
        info.graphicsMinVoltageUv = clock.data.range.minVoltageUv;
        info.graphicsMaxVoltageUv = clock.data.range.maxVoltageUv;
      }
      break;
    case kNvClockDomainMemory:
      info.memoryOffsetKHz = clock.freqDeltaKHz.value;
      info.memoryOffsetMinKHz = clock.freqDeltaKHz.min;
      info.memoryOffsetMaxKHz = clock.freqDeltaKHz.max;
      if (single) info.memoryFreqKHz = clock.data.single.freqKHz;
      if (range) {
        info.memoryMinFreqKHz = clock.data.range.minFreqKHz;
        info.memoryMaxFreqKHz = clock.data.range.maxFreqKHz;
      }
      if (coreVoltage) {
        info.memoryMinVoltageUv = clock.data.range.minVoltageUv;
        info.memoryMaxVoltageUv = clock.data.range.maxVoltageUv;
      }
      break;
    case kNvClockDomainProcessor:
      if (single) info.processorFreqKHz = clock.data.single.freqKHz;
      if (range) {
        info.processorMinFreqKHz = clock.data.range.minFreqKHz;
        info.processorMaxFreqKHz = clock.data.range.maxFreqKHz;
      }
      break;
    default:
      break;
  }
}

// The three VF queries of GPU currentIndex, each buffer zeroed first.
struct VfReadings {
  NvClockDomainsInfo domains{};
  NvVfPointsInfo points{};
  bool domainsRead = false;
  bool pointsRead = false;
};

void QueryVfInfo(GpuTable& table, NvPhysicalGpuHandle gpu, VfReadings& vf) {
  vf.domains.version = kNvClockDomainsInfoVer1;
  table.status = table.api.GpuClockClientClkDomainsGetInfo(gpu, &vf.domains);
  vf.domainsRead = table.status == kNvOk;
  if (!vf.domainsRead) return;
  vf.points.version = kNvVfPointsInfoVer1;
  table.status = table.api.GpuClockClientClkVfPointsGetInfo(gpu, &vf.points);
  vf.pointsRead = table.status == kNvOk;
}

// The offset of the first counting point of `domain`, if its point indices fit the structure.
bool FirstPointOffset(const NvClockDomainEntry& domain, const NvVfPointsControl& control,
                      int32_t& offsetKHz) {
  if (domain.lastPoint >= kNvMaxVfPoints) return false;  // an index past the points: no answer
  for (uint32_t p = domain.firstPoint; p <= domain.lastPoint; ++p) {
    if (control.points[p].disabled == 0) {
      offsetKHz = control.points[p].freqOffsetKHz;
      return true;
    }
  }
  return false;
}

}  // namespace

int ReadPstateClocks(int index, GpuTable& table, OcInfo& info) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  table.currentPstate = 0;
  NvPstates20Info pstates{};
  bool read = false;
  for (uint32_t version : kReadVersions) {
    pstates.version = version;
    table.status = table.api.GpuGetPstates20(gpu, &pstates);
    if (table.status == kNvOk) {
      read = true;
      break;
    }
  }
  if (!read || !CountsFit(pstates)) return 1;

  for (uint32_t p = 0; p < pstates.numPstates; ++p) {
    const NvPstate20& pstate = pstates.pstates[p];
    if (static_cast<int32_t>(pstate.pstateId) != table.currentPstate) continue;
    for (uint32_t c = 0; c < pstates.numClocks; ++c) TakeClock(pstate.clocks[c], info);
    for (uint32_t v = 0; v < pstates.numBaseVoltages; ++v) {
      if (pstate.baseVoltages[v].domainId == kNvVoltageDomainCore) {
        info.baseVoltageDeltaUv = pstate.baseVoltages[v].voltDeltaUv.value;
      }
    }
  }
  // The over-voltage section is shared by all P-states: it is read when there is any P-state.
  if (pstates.numPstates > 0) {
    for (uint32_t v = 0; v < pstates.ov.numVoltages; ++v) {
      const NvPstateVoltage& over = pstates.ov.voltages[v];
      if ((over.flags & kNvPstateEditable) == 0) continue;
      info.overVoltageUv = over.voltDeltaUv.value;
      info.overVoltageMinUv = over.voltDeltaUv.min;
      info.overVoltageMaxUv = over.voltDeltaUv.max;
    }
  }
  return 0;
}

int WriteClockOffsets(int index, GpuTable& table, const OcInfo& info) {
  NvPstates20Info request{};
  request.version = kNvPstates20Ver1;
  request.numPstates = 1;
  request.numClocks = 2;
  request.numBaseVoltages = 1;
  NvPstate20& p0 = request.pstates[0];
  p0.pstateId = 0;
  p0.clocks[0].domainId = kNvClockDomainGraphics;
  p0.clocks[0].typeId = kNvPstateClockSingle;
  p0.clocks[0].freqDeltaKHz.value = info.graphicsOffsetKHz;
  p0.clocks[1].domainId = kNvClockDomainMemory;
  p0.clocks[1].typeId = kNvPstateClockSingle;
  p0.clocks[1].freqDeltaKHz.value = info.memoryOffsetKHz;
  p0.baseVoltages[0].domainId = kNvVoltageDomainCore;
  p0.baseVoltages[0].voltDeltaUv.value = info.baseVoltageDeltaUv;
  return table.api.GpuSetPstates20(table.Handle(index), &request) == kNvOk ? 0 : 1;
}

int WriteOverVoltage(int index, GpuTable& table, const OcInfo& info) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  for (uint32_t version : kOverVoltageVersions) {
    NvPstates20Info request{};
    request.version = version;
    request.ov.numVoltages = 1;
    request.ov.voltages[0].domainId = kNvVoltageDomainCore;
    request.ov.voltages[0].voltDeltaUv.value = info.overVoltageUv;
    if (table.api.GpuSetPstates20(gpu, &request) == kNvOk) return 0;
  }
  return 1;
}

void ReadVfRanges(GpuTable& table, OcInfo& info) {
  VfReadings vf;
  QueryVfInfo(table, table.Handle(-1), vf);
  if (!vf.pointsRead || vf.domains.count > kNvMaxClkDomains) return;
  info.vfGraphicsOffsetMaxKHz = vf.domains.domains[0].offsetMaxKHz;
  info.vfGraphicsOffsetMinKHz = vf.domains.domains[0].offsetMinKHz;
  info.vfMemoryOffsetMaxKHz = vf.domains.domains[1].offsetMaxKHz;
  info.vfMemoryOffsetMinKHz = vf.domains.domains[1].offsetMinKHz;
}

void ReadVfOffsets(GpuTable& table, OcInfo& info) {
  const NvPhysicalGpuHandle gpu = table.Handle(-1);
  VfReadings vf;
  QueryVfInfo(table, gpu, vf);
  NvVfPointsControl control{};
  control.version = kNvVfPointsControlVer1;
  std::memcpy(control.mask, vf.points.mask, sizeof control.mask);
  table.status = table.api.GpuClockClientClkVfPointsGetControl(gpu, &control);
  // Offsets come only from answers that were all given; a zeroed buffer is no reading.
  if (!vf.pointsRead || table.status != kNvOk) return;
  if (vf.domains.count > kNvMaxClkDomains) return;

  for (uint32_t k = 0; k < vf.domains.count; ++k) {
    const NvClockDomainEntry& domain = vf.domains.domains[k];
    if (domain.disabled != 0) continue;
    int32_t offset = 0;
    if (domain.domain == kNvClockDomainGraphics) {
      if (FirstPointOffset(domain, control, offset)) info.graphicsOffsetKHz = offset;
    } else if (domain.domain == kNvClockDomainMemory) {
      if (FirstPointOffset(domain, control, offset)) info.memoryOffsetKHz = offset;
    }
  }
}
