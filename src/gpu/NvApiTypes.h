// Types, status codes, interface IDs and function signatures of the NVIDIA driver interface
// (NvAPI) as this program uses it. Everything here is defined from the interface's documented
// behaviour; no vendor header is used. Shared by the driver seam and the simulated driver.
#pragma once

#include <cstdint>

// Every NvAPI entry and nvapi_QueryInterface use the C calling convention on x86.
#if defined(_WIN32)
#define NVAPI_CALL __cdecl
#else
#define NVAPI_CALL
#endif

using NvStatus = int32_t;

// Opaque 32-bit handles, passed back to the driver unchanged.
using NvPhysicalGpuHandle = uint32_t;
using NvDisplayHandle = uint32_t;

constexpr uint32_t kNvMaxPhysicalGpus = 64;
constexpr uint32_t kNvMaxDisplays = 128;
constexpr uint32_t kNvShortStringSize = 64;  // error texts and version strings

// Status codes the program or the simulated driver produce.
enum NvStatusCode : NvStatus {
  kNvOk = 0,
  kNvError = -1,
  kNvLibraryNotFound = -2,
  kNvNoImplementation = -3,  // also what an unresolved function answers
  kNvApiNotInitialized = -4,
  kNvInvalidArgument = -5,
  kNvNvidiaDeviceNotFound = -6,
  kNvEndEnumeration = -7,
  kNvInvalidHandle = -8,
  kNvIncompatibleStructVersion = -9,
  kNvExpectedPhysicalGpuHandle = -101,
  kNvExpectedDisplayHandle = -102,
};

// Version word of a driver structure: size in the low 16 bits, version in the high 16 bits.
constexpr uint32_t NvStructVersion(uint32_t size, uint32_t version) {
  return size | (version << 16);
}

// Interface IDs, resolved once through nvapi_QueryInterface.
enum NvInterfaceId : uint32_t {
  kIdInitialize = 0x0150E828,
  kIdGetErrorMessage = 0x6C2D048C,
  kIdEnumPhysicalGPUs = 0xE5AC921F,
  kIdEnumTCCPhysicalGPUs = 0xD9930B07,
  kIdEnumNvidiaDisplayHandle = 0x9ABDD40D,
  kIdGpuGetPCIIdentifiers = 0x2DDFB66E,
  kIdGpuGetVbiosVersionString = 0xA561FD7D,
};

// Function types of the entries, one per interface ID above.
namespace nvfn {
using QueryInterface = void* NVAPI_CALL(uint32_t id);
using Initialize = NvStatus NVAPI_CALL();
using GetErrorMessage = NvStatus NVAPI_CALL(NvStatus status, char* text /*[64]*/);
using EnumPhysicalGPUs = NvStatus NVAPI_CALL(NvPhysicalGpuHandle* handles /*[64]*/,
                                             uint32_t* count);
using EnumTCCPhysicalGPUs = EnumPhysicalGPUs;
using EnumNvidiaDisplayHandle = NvStatus NVAPI_CALL(uint32_t index, NvDisplayHandle* handle);
// Outputs: device word (vendor low, chip high), subsystem word (vendor low, id high),
// revision word, external device word (device id in the low half).
using GpuGetPCIIdentifiers = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, uint32_t* deviceWord,
                                                 uint32_t* subsystemWord, uint32_t* revision,
                                                 uint32_t* extDeviceWord);
using GpuGetVbiosVersionString = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, char* text /*[64]*/);
}  // namespace nvfn
