#include "gpu/NvApi.h"

namespace {

template <class Fn>
void Resolve(nvfn::QueryInterface* query, uint32_t id, Fn*& entry) {
  entry = query != nullptr ? NvEntryCast<Fn>(query(id)) : nullptr;
}

}  // namespace

NvApi::NvApi(nvfn::QueryInterface* query) {
  Resolve(query, kIdInitialize, initialize_);
  Resolve(query, kIdGetErrorMessage, getErrorMessage_);
  Resolve(query, kIdEnumTCCPhysicalGPUs, enumTccPhysicalGpus_);
  Resolve(query, kIdEnumPhysicalGPUs, enumPhysicalGpus_);
  Resolve(query, kIdEnumNvidiaDisplayHandle, enumNvidiaDisplayHandle_);
  Resolve(query, kIdGpuGetPCIIdentifiers, gpuGetPciIdentifiers_);
  Resolve(query, kIdGpuGetVbiosVersionString, gpuGetVbiosVersionString_);
}
