// The driver seam: our own table of NvAPI entries, each resolved once by interface ID from a
// QueryInterface function. An entry that could not be resolved answers kNvNoImplementation (-3),
// so callers never test for missing functions themselves.
#pragma once

#include <cstring>

#include "gpu/NvApiTypes.h"

class NvApi {
 public:
  // No driver: every entry answers kNvNoImplementation.
  NvApi() = default;
  // Resolves every entry the program uses through `query` (may be null: no driver).
  explicit NvApi(nvfn::QueryInterface* query);

  NvStatus Initialize() const { return Call(initialize_); }
  NvStatus GetErrorMessage(NvStatus status, char (&text)[kNvShortStringSize]) const {
    return Call(getErrorMessage_, status, text);
  }
  NvStatus EnumTCCPhysicalGPUs(NvPhysicalGpuHandle (&handles)[kNvMaxPhysicalGpus],
                               uint32_t* count) const {
    return Call(enumTccPhysicalGpus_, handles, count);
  }
  NvStatus EnumPhysicalGPUs(NvPhysicalGpuHandle (&handles)[kNvMaxPhysicalGpus],
                            uint32_t* count) const {
    return Call(enumPhysicalGpus_, handles, count);
  }
  NvStatus EnumNvidiaDisplayHandle(uint32_t index, NvDisplayHandle* handle) const {
    return Call(enumNvidiaDisplayHandle_, index, handle);
  }
  NvStatus GpuGetPCIIdentifiers(NvPhysicalGpuHandle gpu, uint32_t* deviceWord,
                                uint32_t* subsystemWord, uint32_t* revision,
                                uint32_t* extDeviceWord) const {
    return Call(gpuGetPciIdentifiers_, gpu, deviceWord, subsystemWord, revision, extDeviceWord);
  }
  NvStatus GpuGetVbiosVersionString(NvPhysicalGpuHandle gpu,
                                    char (&text)[kNvShortStringSize]) const {
    return Call(gpuGetVbiosVersionString_, gpu, text);
  }

 private:
  template <class Fn, class... Args>
  static NvStatus Call(Fn* fn, Args... args) {
    return fn != nullptr ? fn(args...) : kNvNoImplementation;
  }

  nvfn::Initialize* initialize_ = nullptr;
  nvfn::GetErrorMessage* getErrorMessage_ = nullptr;
  nvfn::EnumTCCPhysicalGPUs* enumTccPhysicalGpus_ = nullptr;
  nvfn::EnumPhysicalGPUs* enumPhysicalGpus_ = nullptr;
  nvfn::EnumNvidiaDisplayHandle* enumNvidiaDisplayHandle_ = nullptr;
  nvfn::GpuGetPCIIdentifiers* gpuGetPciIdentifiers_ = nullptr;
  nvfn::GpuGetVbiosVersionString* gpuGetVbiosVersionString_ = nullptr;
};

// The one checked cast from what QueryInterface answers to an entry's function type.
template <class Fn>
Fn* NvEntryCast(void* address) {
  static_assert(sizeof(Fn*) == sizeof(void*), "function and data pointers differ in size");
  Fn* fn = nullptr;
  std::memcpy(&fn, &address, sizeof fn);
  return fn;
}
