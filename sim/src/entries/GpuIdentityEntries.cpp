// What a GPU says about itself: PCI identifiers and the VBIOS version.
#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "ShortString.h"
#include "TextFormat.h"

namespace sim {
namespace {

NvStatus NVAPI_CALL GpuGetPCIIdentifiers(NvPhysicalGpuHandle gpu, uint32_t* deviceWord,
                                         uint32_t* subsystemWord, uint32_t* revision,
                                         uint32_t* extDeviceWord) {
  return Dispatch(
      kIdGpuGetPCIIdentifiers, [&](CallContext& call) { call.DescribeGpu(gpu); },
      [&](CallContext& call) {
        if (deviceWord == nullptr || subsystemWord == nullptr || revision == nullptr ||
            extDeviceWord == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const GpuModel* model = call.Gpu();
        if (model == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        *deviceWord = (uint32_t{model->deviceId} << 16) | model->vendorId;
        *subsystemWord = (uint32_t{model->subsystemId} << 16) | model->subsystemVendorId;
        *revision = model->revision;
        *extDeviceWord = model->deviceId;
        call.Result("device=" + Hex32(*deviceWord) + " subsystem=" + Hex32(*subsystemWord) +
                    " revision=" + Hex32(*revision) + " ext=" + Hex32(*extDeviceWord));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GpuGetVbiosVersionString(NvPhysicalGpuHandle gpu, char* text) {
  return Dispatch(
      kIdGpuGetVbiosVersionString, [&](CallContext& call) { call.DescribeGpu(gpu); },
      [&](CallContext& call) {
        if (text == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const GpuModel* model = call.Gpu();
        if (model == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        CopyShortString(model->vbiosVersion, text);
        call.Result("text=" + std::string(text));
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddGpuIdentityEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuGetPCIIdentifiers>(
      "NvAPI_GPU_GetPCIIdentifiers", &GpuGetPCIIdentifiers, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetVbiosVersionString>(
      "NvAPI_GPU_GetVbiosVersionString", &GpuGetVbiosVersionString, EntryGate::kAfterInitialize));
}

}  // namespace sim
