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

  // Sensors.
  NvStatus GpuGetThermalSettings(NvPhysicalGpuHandle gpu, uint32_t sensorIndex,
                                 NvThermalSettings* settings) const {
    return Call(gpuGetThermalSettings_, gpu, sensorIndex, settings);
  }
  NvStatus GpuGetCoolerSettings(NvPhysicalGpuHandle gpu, uint32_t coolerIndex,
                                NvCoolerSettings* settings) const {
    return Call(gpuGetCoolerSettings_, gpu, coolerIndex, settings);
  }
  NvStatus GpuGetAllClockFrequencies(NvPhysicalGpuHandle gpu,
                                     NvClockFrequencies* frequencies) const {
    return Call(gpuGetAllClockFrequencies_, gpu, frequencies);
  }
  NvStatus GpuClientFanCoolersGetStatus(NvPhysicalGpuHandle gpu, NvFanCoolerStatus* status) const {
    return Call(gpuClientFanCoolersGetStatus_, gpu, status);
  }
  // Clock offsets.
  NvStatus GpuGetPstates20(NvPhysicalGpuHandle gpu, NvPstates20Info* info) const {
    return Call(gpuGetPstates20_, gpu, info);
  }
  NvStatus GpuSetPstates20(NvPhysicalGpuHandle gpu, NvPstates20Info* info) const {
    return Call(gpuSetPstates20_, gpu, info);
  }
  NvStatus GpuGetCurrentPstate(NvPhysicalGpuHandle gpu, uint32_t* pstate) const {
    return Call(gpuGetCurrentPstate_, gpu, pstate);
  }
  NvStatus GpuClockClientClkDomainsGetInfo(NvPhysicalGpuHandle gpu,
                                           NvClockDomainsInfo* info) const {
    return Call(gpuClockClientClkDomainsGetInfo_, gpu, info);
  }
  NvStatus GpuClockClientClkVfPointsGetInfo(NvPhysicalGpuHandle gpu, NvVfPointsInfo* info) const {
    return Call(gpuClockClientClkVfPointsGetInfo_, gpu, info);
  }
  NvStatus GpuClockClientClkVfPointsGetControl(NvPhysicalGpuHandle gpu,
                                               NvVfPointsControl* control) const {
    return Call(gpuClockClientClkVfPointsGetControl_, gpu, control);
  }
  // Power and thermal limits.
  NvStatus GpuClientPowerPoliciesGetInfo(NvPhysicalGpuHandle gpu, NvPowerPoliciesInfo* info) const {
    return Call(gpuClientPowerPoliciesGetInfo_, gpu, info);
  }
  NvStatus GpuClientPowerPoliciesGetStatus(NvPhysicalGpuHandle gpu,
                                           NvPowerPoliciesStatus* status) const {
    return Call(gpuClientPowerPoliciesGetStatus_, gpu, status);
  }
  NvStatus GpuClientPowerPoliciesSetStatus(NvPhysicalGpuHandle gpu,
                                           NvPowerPoliciesStatus* status) const {
    return Call(gpuClientPowerPoliciesSetStatus_, gpu, status);
  }
  NvStatus GpuClientThermalPoliciesGetInfo(NvPhysicalGpuHandle gpu,
                                           NvThermalPoliciesInfo* info) const {
    return Call(gpuClientThermalPoliciesGetInfo_, gpu, info);
  }
  NvStatus GpuClientThermalPoliciesGetStatus(NvPhysicalGpuHandle gpu,
                                             NvThermalPoliciesStatus* status) const {
    return Call(gpuClientThermalPoliciesGetStatus_, gpu, status);
  }
  NvStatus GpuClientThermalPoliciesSetStatus(NvPhysicalGpuHandle gpu,
                                             NvThermalPoliciesStatus* status) const {
    return Call(gpuClientThermalPoliciesSetStatus_, gpu, status);
  }
  // Coolers.
  NvStatus GpuSetCoolerLevels(NvPhysicalGpuHandle gpu, uint32_t coolerIndex,
                              NvCoolerLevels* levels) const {
    return Call(gpuSetCoolerLevels_, gpu, coolerIndex, levels);
  }
  NvStatus GpuClientFanCoolersSetControl(NvPhysicalGpuHandle gpu,
                                         NvFanCoolerControl* control) const {
    return Call(gpuClientFanCoolersSetControl_, gpu, control);
  }
  // Voltage boost.
  NvStatus GpuClientVoltRailsGetControl(NvPhysicalGpuHandle gpu,
                                        NvVoltRailsControl* control) const {
    return Call(gpuClientVoltRailsGetControl_, gpu, control);
  }
  NvStatus GpuClientVoltRailsSetControl(NvPhysicalGpuHandle gpu,
                                        NvVoltRailsControl* control) const {
    return Call(gpuClientVoltRailsSetControl_, gpu, control);
  }
  // Display timing.
  NvStatus GpuGetConnectedDisplayIds(NvPhysicalGpuHandle gpu, NvGpuDisplayIds* ids, uint32_t* count,
                                     uint32_t flags) const {
    return Call(gpuGetConnectedDisplayIds_, gpu, ids, count, flags);
  }
  NvStatus DispGetTiming(uint32_t displayId, NvTimingInput* input, NvTiming* timing) const {
    return Call(dispGetTiming_, displayId, input, timing);
  }
  NvStatus DispTryCustomDisplay(uint32_t* displayIds, uint32_t count,
                                NvCustomDisplay* modes) const {
    return Call(dispTryCustomDisplay_, displayIds, count, modes);
  }
  NvStatus DispSaveCustomDisplay(uint32_t* displayIds, uint32_t count, uint32_t thisOutputOnly,
                                 uint32_t thisMonitorOnly) const {
    return Call(dispSaveCustomDisplay_, displayIds, count, thisOutputOnly, thisMonitorOnly);
  }
  NvStatus DispGetDisplayConfig(uint32_t* pathCount, NvDisplayConfigPathInfo* paths) const {
    return Call(dispGetDisplayConfig_, pathCount, paths);
  }
  NvStatus DispSetDisplayConfig(uint32_t pathCount, NvDisplayConfigPathInfo* paths,
                                uint32_t flags) const {
    return Call(dispSetDisplayConfig_, pathCount, paths, flags);
  }
  // Driver settings.
  NvStatus DrsCreateSession(uint32_t* session) const { return Call(drsCreateSession_, session); }
  NvStatus DrsDestroySession(uint32_t session) const { return Call(drsDestroySession_, session); }
  NvStatus DrsLoadSettings(uint32_t session) const { return Call(drsLoadSettings_, session); }
  NvStatus DrsSaveSettings(uint32_t session) const { return Call(drsSaveSettings_, session); }
  NvStatus DrsGetBaseProfile(uint32_t session, uint32_t* profile) const {
    return Call(drsGetBaseProfile_, session, profile);
  }
  NvStatus DrsSetSetting(uint32_t session, uint32_t profile, NvDrsSetting* setting) const {
    return Call(drsSetSetting_, session, profile, setting);
  }
  // Board information.
  NvStatus GpuGetPhysicalFrameBufferSize(NvPhysicalGpuHandle gpu, uint32_t* sizeKb) const {
    return Call(gpuGetPhysicalFrameBufferSize_, gpu, sizeKb);
  }
  NvStatus GpuGetMemoryType(NvPhysicalGpuHandle gpu, uint32_t* code) const {
    return Call(gpuGetMemoryType_, gpu, code);
  }
  NvStatus GpuGetMemoryMaker(NvPhysicalGpuHandle gpu, uint32_t* code) const {
    return Call(gpuGetMemoryMaker_, gpu, code);
  }
  NvStatus GpuGetFrameBufferWidthAndLocation(NvPhysicalGpuHandle gpu, uint32_t* widthBits,
                                             uint32_t* location) const {
    return Call(gpuGetFrameBufferWidthAndLocation_, gpu, widthBits, location);
  }
  NvStatus GpuGetFullName(NvPhysicalGpuHandle gpu, char (&name)[kNvShortStringSize]) const {
    return Call(gpuGetFullName_, gpu, name);
  }
  NvStatus GetDisplayDriverVersion(NvDisplayHandle display, NvDisplayDriverVersion* version) const {
    return Call(getDisplayDriverVersion_, display, version);
  }
  NvStatus GpuGetGpuCoreCount(NvPhysicalGpuHandle gpu, uint32_t* count) const {
    return Call(gpuGetGpuCoreCount_, gpu, count);
  }
  // Lighting and the power report.
  NvStatus I2cRead(NvPhysicalGpuHandle gpu, NvI2cInfo* info) const {
    return Call(i2cRead_, gpu, info);
  }
  NvStatus I2cWrite(NvPhysicalGpuHandle gpu, NvI2cInfo* info) const {
    return Call(i2cWrite_, gpu, info);
  }
  NvStatus GpuClientIllumDevicesGetInfo(NvPhysicalGpuHandle gpu, NvIllumDeviceInfo* info) const {
    return Call(gpuClientIllumDevicesGetInfo_, gpu, info);
  }
  NvStatus GpuClientIllumZonesGetControl(NvPhysicalGpuHandle gpu,
                                         NvIllumZoneControl* control) const {
    return Call(gpuClientIllumZonesGetControl_, gpu, control);
  }
  NvStatus GpuClientIllumZonesSetControl(NvPhysicalGpuHandle gpu,
                                         NvIllumZoneControl* control) const {
    return Call(gpuClientIllumZonesSetControl_, gpu, control);
  }
  NvStatus GpuClientPowerTopologyGetStatus(NvPhysicalGpuHandle gpu,
                                           NvPowerTopologyStatus* status) const {
    return Call(gpuClientPowerTopologyGetStatus_, gpu, status);
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
  // Sensors.
  nvfn::GpuGetThermalSettings* gpuGetThermalSettings_ = nullptr;
  nvfn::GpuGetCoolerSettings* gpuGetCoolerSettings_ = nullptr;
  nvfn::GpuGetAllClockFrequencies* gpuGetAllClockFrequencies_ = nullptr;
  nvfn::GpuClientFanCoolersGetStatus* gpuClientFanCoolersGetStatus_ = nullptr;
  // Clock offsets.
  nvfn::GpuGetPstates20* gpuGetPstates20_ = nullptr;
  nvfn::GpuSetPstates20* gpuSetPstates20_ = nullptr;
  nvfn::GpuGetCurrentPstate* gpuGetCurrentPstate_ = nullptr;
  nvfn::GpuClockClientClkDomainsGetInfo* gpuClockClientClkDomainsGetInfo_ = nullptr;
  nvfn::GpuClockClientClkVfPointsGetInfo* gpuClockClientClkVfPointsGetInfo_ = nullptr;
  nvfn::GpuClockClientClkVfPointsGetControl* gpuClockClientClkVfPointsGetControl_ = nullptr;
  // Power and thermal limits.
  nvfn::GpuClientPowerPoliciesGetInfo* gpuClientPowerPoliciesGetInfo_ = nullptr;
  nvfn::GpuClientPowerPoliciesGetStatus* gpuClientPowerPoliciesGetStatus_ = nullptr;
  nvfn::GpuClientPowerPoliciesSetStatus* gpuClientPowerPoliciesSetStatus_ = nullptr;
  nvfn::GpuClientThermalPoliciesGetInfo* gpuClientThermalPoliciesGetInfo_ = nullptr;
  nvfn::GpuClientThermalPoliciesGetStatus* gpuClientThermalPoliciesGetStatus_ = nullptr;
  nvfn::GpuClientThermalPoliciesSetStatus* gpuClientThermalPoliciesSetStatus_ = nullptr;
  // Coolers.
  nvfn::GpuSetCoolerLevels* gpuSetCoolerLevels_ = nullptr;
  nvfn::GpuClientFanCoolersSetControl* gpuClientFanCoolersSetControl_ = nullptr;
  // Voltage boost.
  nvfn::GpuClientVoltRailsGetControl* gpuClientVoltRailsGetControl_ = nullptr;
  nvfn::GpuClientVoltRailsSetControl* gpuClientVoltRailsSetControl_ = nullptr;
  // Display timing.
  nvfn::GpuGetConnectedDisplayIds* gpuGetConnectedDisplayIds_ = nullptr;
  nvfn::DispGetTiming* dispGetTiming_ = nullptr;
  nvfn::DispTryCustomDisplay* dispTryCustomDisplay_ = nullptr;
  nvfn::DispSaveCustomDisplay* dispSaveCustomDisplay_ = nullptr;
  nvfn::DispGetDisplayConfig* dispGetDisplayConfig_ = nullptr;
  nvfn::DispSetDisplayConfig* dispSetDisplayConfig_ = nullptr;
  // Driver settings.
  nvfn::DrsCreateSession* drsCreateSession_ = nullptr;
  nvfn::DrsDestroySession* drsDestroySession_ = nullptr;
  nvfn::DrsLoadSettings* drsLoadSettings_ = nullptr;
  nvfn::DrsSaveSettings* drsSaveSettings_ = nullptr;
  nvfn::DrsGetBaseProfile* drsGetBaseProfile_ = nullptr;
  nvfn::DrsSetSetting* drsSetSetting_ = nullptr;
  // Board information.
  nvfn::GpuGetPhysicalFrameBufferSize* gpuGetPhysicalFrameBufferSize_ = nullptr;
  nvfn::GpuGetMemoryType* gpuGetMemoryType_ = nullptr;
  nvfn::GpuGetMemoryMaker* gpuGetMemoryMaker_ = nullptr;
  nvfn::GpuGetFrameBufferWidthAndLocation* gpuGetFrameBufferWidthAndLocation_ = nullptr;
  nvfn::GpuGetFullName* gpuGetFullName_ = nullptr;
  nvfn::GetDisplayDriverVersion* getDisplayDriverVersion_ = nullptr;
  nvfn::GpuGetGpuCoreCount* gpuGetGpuCoreCount_ = nullptr;
  // Lighting and the power report.
  nvfn::I2cRead* i2cRead_ = nullptr;
  nvfn::I2cWrite* i2cWrite_ = nullptr;
  nvfn::GpuClientIllumDevicesGetInfo* gpuClientIllumDevicesGetInfo_ = nullptr;
  nvfn::GpuClientIllumZonesGetControl* gpuClientIllumZonesGetControl_ = nullptr;
  nvfn::GpuClientIllumZonesSetControl* gpuClientIllumZonesSetControl_ = nullptr;
  nvfn::GpuClientPowerTopologyGetStatus* gpuClientPowerTopologyGetStatus_ = nullptr;
};

// The one checked cast from what QueryInterface answers to an entry's function type.
template <class Fn>
Fn* NvEntryCast(void* address) {
  static_assert(sizeof(Fn*) == sizeof(void*), "function and data pointers differ in size");
  Fn* fn = nullptr;
  std::memcpy(&fn, &address, sizeof fn);
  return fn;
}
