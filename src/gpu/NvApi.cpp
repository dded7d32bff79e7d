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
  // Sensors.
  Resolve(query, kIdGpuGetThermalSettings, gpuGetThermalSettings_);
  Resolve(query, kIdGpuGetCoolerSettings, gpuGetCoolerSettings_);
  Resolve(query, kIdGpuGetAllClockFrequencies, gpuGetAllClockFrequencies_);
  Resolve(query, kIdGpuClientFanCoolersGetStatus, gpuClientFanCoolersGetStatus_);
  // Clock offsets.
  Resolve(query, kIdGpuGetPstates20, gpuGetPstates20_);
  Resolve(query, kIdGpuSetPstates20, gpuSetPstates20_);
  Resolve(query, kIdGpuGetCurrentPstate, gpuGetCurrentPstate_);
  Resolve(query, kIdGpuClockClientClkDomainsGetInfo, gpuClockClientClkDomainsGetInfo_);
  Resolve(query, kIdGpuClockClientClkVfPointsGetInfo, gpuClockClientClkVfPointsGetInfo_);
  Resolve(query, kIdGpuClockClientClkVfPointsGetControl, gpuClockClientClkVfPointsGetControl_);
  // Power and thermal limits.
  Resolve(query, kIdGpuClientPowerPoliciesGetInfo, gpuClientPowerPoliciesGetInfo_);
  Resolve(query, kIdGpuClientPowerPoliciesGetStatus, gpuClientPowerPoliciesGetStatus_);
  Resolve(query, kIdGpuClientPowerPoliciesSetStatus, gpuClientPowerPoliciesSetStatus_);
  Resolve(query, kIdGpuClientThermalPoliciesGetInfo, gpuClientThermalPoliciesGetInfo_);
  Resolve(query, kIdGpuClientThermalPoliciesGetStatus, gpuClientThermalPoliciesGetStatus_);
  Resolve(query, kIdGpuClientThermalPoliciesSetStatus, gpuClientThermalPoliciesSetStatus_);
  // Coolers.
  Resolve(query, kIdGpuSetCoolerLevels, gpuSetCoolerLevels_);
  Resolve(query, kIdGpuClientFanCoolersSetControl, gpuClientFanCoolersSetControl_);
  // Voltage boost.
  Resolve(query, kIdGpuClientVoltRailsGetControl, gpuClientVoltRailsGetControl_);
  Resolve(query, kIdGpuClientVoltRailsSetControl, gpuClientVoltRailsSetControl_);
  // Display timing.
  Resolve(query, kIdGpuGetConnectedDisplayIds, gpuGetConnectedDisplayIds_);
  Resolve(query, kIdDispGetTiming, dispGetTiming_);
  Resolve(query, kIdDispTryCustomDisplay, dispTryCustomDisplay_);
  Resolve(query, kIdDispSaveCustomDisplay, dispSaveCustomDisplay_);
  Resolve(query, kIdDispGetDisplayConfig, dispGetDisplayConfig_);
  Resolve(query, kIdDispSetDisplayConfig, dispSetDisplayConfig_);
  // Driver settings.
  Resolve(query, kIdDrsCreateSession, drsCreateSession_);
  Resolve(query, kIdDrsDestroySession, drsDestroySession_);
  Resolve(query, kIdDrsLoadSettings, drsLoadSettings_);
  Resolve(query, kIdDrsSaveSettings, drsSaveSettings_);
  Resolve(query, kIdDrsGetBaseProfile, drsGetBaseProfile_);
  Resolve(query, kIdDrsSetSetting, drsSetSetting_);
  // Board information.
  Resolve(query, kIdGpuGetPhysicalFrameBufferSize, gpuGetPhysicalFrameBufferSize_);
  Resolve(query, kIdGpuGetMemoryType, gpuGetMemoryType_);
  Resolve(query, kIdGpuGetMemoryMaker, gpuGetMemoryMaker_);
  Resolve(query, kIdGpuGetFrameBufferWidthAndLocation, gpuGetFrameBufferWidthAndLocation_);
  Resolve(query, kIdGpuGetFullName, gpuGetFullName_);
  Resolve(query, kIdGetDisplayDriverVersion, getDisplayDriverVersion_);
  Resolve(query, kIdGpuGetGpuCoreCount, gpuGetGpuCoreCount_);
  // Lighting and the power report.
  Resolve(query, kIdI2cRead, i2cRead_);
  Resolve(query, kIdI2cWrite, i2cWrite_);
  Resolve(query, kIdGpuClientIllumDevicesGetInfo, gpuClientIllumDevicesGetInfo_);
  Resolve(query, kIdGpuClientIllumZonesGetControl, gpuClientIllumZonesGetControl_);
  Resolve(query, kIdGpuClientIllumZonesSetControl, gpuClientIllumZonesSetControl_);
  Resolve(query, kIdGpuClientPowerTopologyGetStatus, gpuClientPowerTopologyGetStatus_);
}
