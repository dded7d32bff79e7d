#include "FakeDriver.h"

#include <cstring>

#include "gpu/structs/BoardInfoStructs.h"
#include "gpu/structs/DisplayStructs.h"
#include "gpu/structs/LightingStructs.h"

namespace {

// The input of the FakeDriver alive now (the driver's entries are plain functions).
FuzzInput* activeInput = nullptr;

FuzzInput& In() {
  return *activeInput;
}

// Mostly success; once in a while one of the failures a driver answers; always a failure once
// the input has ended, which also ends every loop of calls.
NvStatus Status() {
  if (In().Empty()) return kNvError;
  const uint8_t b = In().Byte();
  if (b < 0xE0) return kNvOk;
  static constexpr NvStatus kFailures[] = {
      kNvError,         kNvNoImplementation,          kNvApiNotInitialized, kNvInvalidArgument,
      kNvInvalidHandle, kNvIncompatibleStructVersion, kNvNotSupported,      kNvEndEnumeration};
  return kFailures[b % (sizeof kFailures / sizeof kFailures[0])];
}

void Fill(void* out, size_t bytes) {
  if (out != nullptr) In().Take(out, bytes);
}

// A record that starts with its version word: the driver writes the size the word claims.
void FillVersioned(void* record) {
  if (record == nullptr) return;
  uint32_t version = 0;
  std::memcpy(&version, record, sizeof version);
  const size_t size = version & 0xFFFFu;
  if (size > sizeof version)
    Fill(static_cast<uint8_t*>(record) + sizeof version, size - sizeof version);
}

// A call that only answers a status.
template <class... Args>
NvStatus NVAPI_CALL StatusOnly(Args...) {
  return Status();
}

template <class T>
void FillRecord(T) {}
template <class T>
void FillRecord(T* record) {
  FillVersioned(record);
}

// A call whose one output is the versioned record it is given.
template <class... Args>
NvStatus NVAPI_CALL VersionedReply(Args... args) {
  const NvStatus status = Status();
  if (status == kNvOk) (FillRecord(args), ...);
  return status;
}

template <class T>
void FillIfPointer(T) {}
void FillIfPointer(uint32_t* out) {
  Fill(out, sizeof *out);
}

// A call whose outputs are 32-bit words.
template <class... Args>
NvStatus NVAPI_CALL WordReply(Args... args) {
  const NvStatus status = Status();
  if (status == kNvOk) (FillIfPointer(args), ...);
  return status;
}

NvStatus NVAPI_CALL Text(char* text) {
  const NvStatus status = Status();
  if (status == kNvOk) Fill(text, kNvShortStringSize);  // not necessarily terminated
  return status;
}

NvStatus NVAPI_CALL ErrorMessage(NvStatus, char* text) {
  return Text(text);
}
NvStatus NVAPI_CALL GpuText(NvPhysicalGpuHandle, char* text) {
  return Text(text);
}

NvStatus NVAPI_CALL EnumGpus(NvPhysicalGpuHandle* handles, uint32_t* count) {
  const NvStatus status = Status();
  if (status != kNvOk) return status;
  Fill(handles, kNvMaxPhysicalGpus * sizeof *handles);
  Fill(count, sizeof *count);
  return status;
}

// The first call gives the count; the second fills as many entries as the caller's count says.
NvStatus NVAPI_CALL ConnectedDisplayIds(NvPhysicalGpuHandle, NvGpuDisplayIds* ids, uint32_t* count,
                                        uint32_t) {
  const NvStatus status = Status();
  if (status != kNvOk || count == nullptr) return status;
  const uint32_t capacity = *count;
  Fill(count, sizeof *count);
  if (ids != nullptr) {
    for (uint32_t i = 0; i < capacity; ++i) FillVersioned(&ids[i]);
  }
  return status;
}

NvStatus NVAPI_CALL Timing(uint32_t, NvTimingInput*, NvTiming* timing) {
  const NvStatus status = Status();
  if (status == kNvOk) Fill(timing, sizeof *timing);
  return status;
}

// Fills the caller's paths within what the caller's count and pointers give it: the path's own
// fields, its source mode, its targets (as many as the caller allotted) and their details.
NvStatus NVAPI_CALL DisplayConfig(uint32_t* pathCount, NvDisplayConfigPathInfo* paths) {
  const NvStatus status = Status();
  if (status != kNvOk || pathCount == nullptr) return status;
  const uint32_t capacity = *pathCount;
  Fill(pathCount, sizeof *pathCount);
  if (paths == nullptr) return status;
  for (uint32_t p = 0; p < capacity; ++p) {
    NvDisplayConfigPathInfo& path = paths[p];
    const uint32_t targets = path.targetInfoCount;
    auto* source = DecodeNvPointer<NvDisplayConfigSourceModeInfo>(paths, path.sourceModeInfo);
    auto* target = DecodeNvPointer<NvDisplayConfigPathTargetInfo>(paths, path.targetInfo);
    Fill(&path.sourceId, sizeof path.sourceId);
    Fill(&path.targetInfoCount, sizeof path.targetInfoCount);
    Fill(&path.flags, sizeof path.flags);
    Fill(source, sizeof *source);
    for (uint32_t t = 0; target != nullptr && t < targets; ++t) {
      Fill(&target[t].displayId, sizeof target[t].displayId);
      Fill(&target[t].targetId, sizeof target[t].targetId);
      FillVersioned(DecodeNvPointer<NvDisplayConfigAdvancedTargetInfo>(paths, target[t].details));
    }
  }
  return status;
}

// Fills the data the record points to, as many bytes as it says.
NvStatus NVAPI_CALL I2cRead(NvPhysicalGpuHandle, NvI2cInfo* info) {
  const NvStatus status = Status();
  if (status == kNvOk && info != nullptr) {
    Fill(DecodeNvPointer<uint8_t>(info, info->data), info->dataSize);
  }
  return status;
}

struct Entry {
  uint32_t id;
  void* address;
};

template <class Fn>
void* AddressOf(Fn* fn) {
  void* address = nullptr;
  static_assert(sizeof fn == sizeof address, "function and data pointers differ in size");
  std::memcpy(&address, &fn, sizeof address);
  return address;
}

const Entry* Entries(size_t& count) {
  static const Entry kEntries[] = {
      {kIdInitialize, AddressOf<nvfn::Initialize>(StatusOnly<>)},
      {kIdGetErrorMessage, AddressOf<nvfn::GetErrorMessage>(ErrorMessage)},
      {kIdEnumTCCPhysicalGPUs, AddressOf<nvfn::EnumTCCPhysicalGPUs>(EnumGpus)},
      {kIdEnumPhysicalGPUs, AddressOf<nvfn::EnumPhysicalGPUs>(EnumGpus)},
      {kIdEnumNvidiaDisplayHandle, AddressOf<nvfn::EnumNvidiaDisplayHandle>(WordReply)},
      {kIdGpuGetPCIIdentifiers, AddressOf<nvfn::GpuGetPCIIdentifiers>(WordReply)},
      {kIdGpuGetVbiosVersionString, AddressOf<nvfn::GpuGetVbiosVersionString>(GpuText)},
      {kIdGpuGetThermalSettings, AddressOf<nvfn::GpuGetThermalSettings>(VersionedReply)},
      {kIdGpuGetCoolerSettings, AddressOf<nvfn::GpuGetCoolerSettings>(VersionedReply)},
      {kIdGpuGetAllClockFrequencies, AddressOf<nvfn::GpuGetAllClockFrequencies>(VersionedReply)},
      {kIdGpuClientFanCoolersGetStatus,
       AddressOf<nvfn::GpuClientFanCoolersGetStatus>(VersionedReply)},
      {kIdGpuGetPstates20, AddressOf<nvfn::GpuGetPstates20>(VersionedReply)},
      {kIdGpuSetPstates20, AddressOf<nvfn::GpuSetPstates20>(StatusOnly)},
      {kIdGpuGetCurrentPstate, AddressOf<nvfn::GpuGetCurrentPstate>(WordReply)},
      {kIdGpuClockClientClkDomainsGetInfo,
       AddressOf<nvfn::GpuClockClientClkDomainsGetInfo>(VersionedReply)},
      {kIdGpuClockClientClkVfPointsGetInfo,
       AddressOf<nvfn::GpuClockClientClkVfPointsGetInfo>(VersionedReply)},
      {kIdGpuClockClientClkVfPointsGetControl,
       AddressOf<nvfn::GpuClockClientClkVfPointsGetControl>(VersionedReply)},
      {kIdGpuClientPowerPoliciesGetInfo,
       AddressOf<nvfn::GpuClientPowerPoliciesGetInfo>(VersionedReply)},
      {kIdGpuClientPowerPoliciesGetStatus,
       AddressOf<nvfn::GpuClientPowerPoliciesGetStatus>(VersionedReply)},
      {kIdGpuClientPowerPoliciesSetStatus,
       AddressOf<nvfn::GpuClientPowerPoliciesSetStatus>(StatusOnly)},
      {kIdGpuClientThermalPoliciesGetInfo,
       AddressOf<nvfn::GpuClientThermalPoliciesGetInfo>(VersionedReply)},
      {kIdGpuClientThermalPoliciesGetStatus,
       AddressOf<nvfn::GpuClientThermalPoliciesGetStatus>(VersionedReply)},
      {kIdGpuClientThermalPoliciesSetStatus,
       AddressOf<nvfn::GpuClientThermalPoliciesSetStatus>(StatusOnly)},
      {kIdGpuSetCoolerLevels, AddressOf<nvfn::GpuSetCoolerLevels>(StatusOnly)},
      {kIdGpuClientFanCoolersSetControl,
       AddressOf<nvfn::GpuClientFanCoolersSetControl>(StatusOnly)},
      {kIdGpuClientVoltRailsGetControl,
       AddressOf<nvfn::GpuClientVoltRailsGetControl>(VersionedReply)},
      {kIdGpuClientVoltRailsSetControl, AddressOf<nvfn::GpuClientVoltRailsSetControl>(StatusOnly)},
      {kIdGpuGetConnectedDisplayIds,
       AddressOf<nvfn::GpuGetConnectedDisplayIds>(ConnectedDisplayIds)},
      {kIdDispGetTiming, AddressOf<nvfn::DispGetTiming>(Timing)},
      {kIdDispTryCustomDisplay, AddressOf<nvfn::DispTryCustomDisplay>(StatusOnly)},
      {kIdDispSaveCustomDisplay, AddressOf<nvfn::DispSaveCustomDisplay>(StatusOnly)},
      {kIdDispGetDisplayConfig, AddressOf<nvfn::DispGetDisplayConfig>(DisplayConfig)},
      {kIdDispSetDisplayConfig, AddressOf<nvfn::DispSetDisplayConfig>(StatusOnly)},
      {kIdDrsCreateSession, AddressOf<nvfn::DrsCreateSession>(WordReply)},
      {kIdDrsDestroySession, AddressOf<nvfn::DrsDestroySession>(StatusOnly)},
      {kIdDrsLoadSettings, AddressOf<nvfn::DrsLoadSettings>(StatusOnly)},
      {kIdDrsSaveSettings, AddressOf<nvfn::DrsSaveSettings>(StatusOnly)},
      {kIdDrsGetBaseProfile, AddressOf<nvfn::DrsGetBaseProfile>(WordReply)},
      {kIdDrsSetSetting, AddressOf<nvfn::DrsSetSetting>(StatusOnly)},
      {kIdGpuGetPhysicalFrameBufferSize, AddressOf<nvfn::GpuGetPhysicalFrameBufferSize>(WordReply)},
      {kIdGpuGetMemoryType, AddressOf<nvfn::GpuGetMemoryType>(WordReply)},
      {kIdGpuGetMemoryMaker, AddressOf<nvfn::GpuGetMemoryMaker>(WordReply)},
      {kIdGpuGetFrameBufferWidthAndLocation,
       AddressOf<nvfn::GpuGetFrameBufferWidthAndLocation>(WordReply)},
      {kIdGpuGetFullName, AddressOf<nvfn::GpuGetFullName>(GpuText)},
      {kIdGetDisplayDriverVersion, AddressOf<nvfn::GetDisplayDriverVersion>(VersionedReply)},
      {kIdGpuGetGpuCoreCount, AddressOf<nvfn::GpuGetGpuCoreCount>(WordReply)},
      {kIdI2cRead, AddressOf<nvfn::I2cRead>(I2cRead)},
      {kIdI2cWrite, AddressOf<nvfn::I2cWrite>(StatusOnly)},
      {kIdGpuClientIllumDevicesGetInfo,
       AddressOf<nvfn::GpuClientIllumDevicesGetInfo>(VersionedReply)},
      {kIdGpuClientIllumZonesGetControl,
       AddressOf<nvfn::GpuClientIllumZonesGetControl>(VersionedReply)},
      {kIdGpuClientIllumZonesSetControl,
       AddressOf<nvfn::GpuClientIllumZonesSetControl>(StatusOnly)},
      {kIdGpuClientPowerTopologyGetStatus,
       AddressOf<nvfn::GpuClientPowerTopologyGetStatus>(VersionedReply)},
  };
  count = sizeof kEntries / sizeof kEntries[0];
  return kEntries;
}

// The entry left unresolved for this input, or none (an index past the table).
size_t missingEntry = 0;

void* NVAPI_CALL QueryInterface(uint32_t id) {
  size_t count = 0;
  const Entry* entries = Entries(count);
  for (size_t i = 0; i < count; ++i) {
    if (entries[i].id == id) return i == missingEntry ? nullptr : entries[i].address;
  }
  return nullptr;
}

NvApi Resolve(FuzzInput& input) {
  activeInput = &input;
  missingEntry = input.Byte();  // 0..255: most inputs miss nothing (the table has ~50 entries)
  return NvApi(&QueryInterface);
}

}  // namespace

FakeDriver::FakeDriver(FuzzInput& input) : api_(Resolve(input)) {}

FakeDriver::~FakeDriver() {
  activeInput = nullptr;
}

void FillTable(FuzzInput& input, GpuTable& table) {
  table.gpuCount = 1 + input.Pick(3);
  for (uint32_t i = 0; i < table.gpuCount; ++i) table.physicalHandles[i] = input.Word();
  table.currentIndex = static_cast<int32_t>(input.Pick(table.gpuCount));
}
