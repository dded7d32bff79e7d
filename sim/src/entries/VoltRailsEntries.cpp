// The voltage-rail control: a board's core voltage boost in percent.
#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "TextFormat.h"
#include "gpu/structs/VoltRailsStructs.h"

namespace sim {
namespace {

constexpr uint8_t kMaxBoostPercent = 100;

// The GPU's model index, for a handle that names one.
size_t GpuIndex(const CallContext& call) {
  return static_cast<size_t>(call.Gpu() - call.scenario().gpus.data());
}

// Checks what both entries check: the pointer, the handle and the version word.
NvStatus Admit(CallContext& call, const NvVoltRailsControl* control) {
  if (control == nullptr) {
    call.Result("null pointer");
    return kNvInvalidArgument;
  }
  if (call.Gpu() == nullptr) return kNvExpectedPhysicalGpuHandle;
  if (!call.AcceptsVersion(control->version, {kNvVoltRailsControlVersion})) {
    return kNvIncompatibleStructVersion;
  }
  return kNvOk;
}

NvStatus NVAPI_CALL GetControl(NvPhysicalGpuHandle gpu, NvVoltRailsControl* control) {
  return Dispatch(
      kIdGpuClientVoltRailsGetControl,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (control != nullptr) call.SetVersion(control->version);
      },
      [&](CallContext& call) {
        const NvStatus admitted = Admit(call, control);
        if (admitted != kNvOk) return admitted;
        const auto& written = call.state().voltRails.boostPercent;
        const auto found = written.find(GpuIndex(call));
        control->boostPercent =
            found != written.end() ? found->second : call.Gpu()->voltRails.boostPercent;
        call.Result("boost=" + Decimal(control->boostPercent));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL SetControl(NvPhysicalGpuHandle gpu, NvVoltRailsControl* control) {
  return Dispatch(
      kIdGpuClientVoltRailsSetControl,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (control == nullptr) return;
        call.SetVersion(control->version);
        call.Describe("boost=" + Decimal(control->boostPercent));
      },
      [&](CallContext& call) {
        const NvStatus admitted = Admit(call, control);
        if (admitted != kNvOk) return admitted;
        if (control->boostPercent > kMaxBoostPercent) return NvStatus{kNvInvalidArgument};
        call.state().voltRails.boostPercent[GpuIndex(call)] = control->boostPercent;
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddVoltRailsEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuClientVoltRailsGetControl>(
      "NvAPI_GPU_ClientVoltRailsGetControl", &GetControl, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientVoltRailsSetControl>(
      "NvAPI_GPU_ClientVoltRailsSetControl", &SetControl, EntryGate::kAfterInitialize));
}

}  // namespace sim
