// Enumeration of physical GPUs (display and TCC) and of displays.
#include <algorithm>

#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "TextFormat.h"
#include "sim/Handles.h"

namespace sim {
namespace {

// Fills the caller's 64-entry array with the GPUs whose TCC flag matches, in model order. A
// reported-count override changes the count answered; the array still gets at most 64 handles,
// the real ones first, then phantom handles that no entry accepts.
NvStatus EnumerateGpus(CallContext& call, bool tcc, NvPhysicalGpuHandle* handles, uint32_t* count) {
  if (handles == nullptr || count == nullptr) {
    call.Result("null pointer");
    return kNvInvalidArgument;
  }
  std::vector<NvPhysicalGpuHandle> real;
  const std::vector<GpuModel>& gpus = call.scenario().gpus;
  for (size_t i = 0; i < gpus.size(); ++i) {
    if (gpus[i].tcc == tcc) real.push_back(PhysicalGpuHandle(static_cast<uint32_t>(i)));
  }
  uint32_t reported = static_cast<uint32_t>(std::min<size_t>(real.size(), UINT32_MAX));
  const InterfaceBehaviour* behaviour = call.behaviour();
  if (behaviour != nullptr && behaviour->reportedCount.has_value()) {
    reported = *behaviour->reportedCount;
  }
  // A machine without display GPUs answers "no device" to the display enumeration.
  if (!tcc && reported == 0) {
    call.Result("count=0");
    return kNvNvidiaDeviceNotFound;
  }
  const uint32_t written = std::min(reported, kNvMaxPhysicalGpus);
  for (uint32_t slot = 0; slot < written; ++slot) {
    handles[slot] = slot < real.size() ? real[slot] : PhantomGpuHandle(slot);
  }
  *count = reported;
  call.Result("count=" + Decimal(reported) + " written=" + Decimal(written));
  return kNvOk;
}

NvStatus NVAPI_CALL EnumPhysicalGPUs(NvPhysicalGpuHandle* handles, uint32_t* count) {
  return Dispatch(
      kIdEnumPhysicalGPUs, [](CallContext&) {},
      [&](CallContext& call) { return EnumerateGpus(call, false, handles, count); });
}

NvStatus NVAPI_CALL EnumTCCPhysicalGPUs(NvPhysicalGpuHandle* handles, uint32_t* count) {
  return Dispatch(
      kIdEnumTCCPhysicalGPUs, [](CallContext&) {},
      [&](CallContext& call) { return EnumerateGpus(call, true, handles, count); });
}

// Display index i answers DisplayHandle(i) while i is below the display count (or the reported
// count override, past the real displays with phantom handles); beyond that, end of enumeration.
NvStatus NVAPI_CALL EnumNvidiaDisplayHandle(uint32_t index, NvDisplayHandle* handle) {
  return Dispatch(
      kIdEnumNvidiaDisplayHandle,
      [&](CallContext& call) { call.Describe("index=" + Decimal(index)); },
      [&](CallContext& call) {
        if (handle == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const uint32_t real = call.scenario().displayCount;
        uint32_t reported = real;
        const InterfaceBehaviour* behaviour = call.behaviour();
        if (behaviour != nullptr && behaviour->reportedCount.has_value()) {
          reported = *behaviour->reportedCount;
        }
        if (index >= reported) return NvStatus{kNvEndEnumeration};
        *handle = index < real ? DisplayHandle(index) : PhantomDisplayHandle(index);
        call.Result("handle=" + Hex32(*handle));
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddEnumerationEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdEnumPhysicalGPUs>("NvAPI_EnumPhysicalGPUs", &EnumPhysicalGPUs,
                                                 EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdEnumTCCPhysicalGPUs>(
      "NvAPI_EnumTCCPhysicalGPUs", &EnumTCCPhysicalGPUs, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdEnumNvidiaDisplayHandle>(
      "NvAPI_EnumNvidiaDisplayHandle", &EnumNvidiaDisplayHandle, EntryGate::kAfterInitialize));
}

}  // namespace sim
