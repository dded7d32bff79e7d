// The entries the simulated driver implements, by interface ID.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "gpu/NvApiTypes.h"

namespace sim {

enum class EntryGate {
  kAnyTime,          // answers before Initialize too
  kAfterInitialize,  // answers kNvApiNotInitialized until Initialize succeeds
};

struct EntryInfo {
  uint32_t id;
  const char* name;
  void* address;
  EntryGate gate;
};

// The function type each interface ID must have. An entry is added for an ID only through
// MakeEntry, which refuses a function of any other type.
template <uint32_t Id>
struct EntryType;
template <>
struct EntryType<kIdInitialize> {
  using type = nvfn::Initialize;
};
template <>
struct EntryType<kIdGetErrorMessage> {
  using type = nvfn::GetErrorMessage;
};
template <>
struct EntryType<kIdEnumPhysicalGPUs> {
  using type = nvfn::EnumPhysicalGPUs;
};
template <>
struct EntryType<kIdEnumTCCPhysicalGPUs> {
  using type = nvfn::EnumTCCPhysicalGPUs;
};
template <>
struct EntryType<kIdEnumNvidiaDisplayHandle> {
  using type = nvfn::EnumNvidiaDisplayHandle;
};
template <>
struct EntryType<kIdGpuGetPCIIdentifiers> {
  using type = nvfn::GpuGetPCIIdentifiers;
};
template <>
struct EntryType<kIdGpuGetVbiosVersionString> {
  using type = nvfn::GpuGetVbiosVersionString;
};

// Voltage boost, display timing, driver settings and board information.
template <>
struct EntryType<kIdGpuClientVoltRailsGetControl> {
  using type = nvfn::GpuClientVoltRailsGetControl;
};
template <>
struct EntryType<kIdGpuClientVoltRailsSetControl> {
  using type = nvfn::GpuClientVoltRailsSetControl;
};
template <>
struct EntryType<kIdGpuGetConnectedDisplayIds> {
  using type = nvfn::GpuGetConnectedDisplayIds;
};
template <>
struct EntryType<kIdDispGetTiming> {
  using type = nvfn::DispGetTiming;
};
template <>
struct EntryType<kIdDispTryCustomDisplay> {
  using type = nvfn::DispTryCustomDisplay;
};
template <>
struct EntryType<kIdDispSaveCustomDisplay> {
  using type = nvfn::DispSaveCustomDisplay;
};
template <>
struct EntryType<kIdDispGetDisplayConfig> {
  using type = nvfn::DispGetDisplayConfig;
};
template <>
struct EntryType<kIdDispSetDisplayConfig> {
  using type = nvfn::DispSetDisplayConfig;
};
template <>
struct EntryType<kIdDrsCreateSession> {
  using type = nvfn::DrsCreateSession;
};
template <>
struct EntryType<kIdDrsDestroySession> {
  using type = nvfn::DrsDestroySession;
};
template <>
struct EntryType<kIdDrsLoadSettings> {
  using type = nvfn::DrsLoadSettings;
};
template <>
struct EntryType<kIdDrsSaveSettings> {
  using type = nvfn::DrsSaveSettings;
};
template <>
struct EntryType<kIdDrsSetSetting> {
  using type = nvfn::DrsSetSetting;
};
template <>
struct EntryType<kIdDrsGetBaseProfile> {
  using type = nvfn::DrsGetBaseProfile;
};
template <>
struct EntryType<kIdGpuGetPhysicalFrameBufferSize> {
  using type = nvfn::GpuGetPhysicalFrameBufferSize;
};
template <>
struct EntryType<kIdGpuGetMemoryType> {
  using type = nvfn::GpuGetMemoryType;
};
template <>
struct EntryType<kIdGpuGetMemoryMaker> {
  using type = nvfn::GpuGetMemoryMaker;
};
template <>
struct EntryType<kIdGpuGetFrameBufferWidthAndLocation> {
  using type = nvfn::GpuGetFrameBufferWidthAndLocation;
};
template <>
struct EntryType<kIdGpuGetFullName> {
  using type = nvfn::GpuGetFullName;
};
template <>
struct EntryType<kIdGetDisplayDriverVersion> {
  using type = nvfn::GetDisplayDriverVersion;
};
template <>
struct EntryType<kIdGpuGetGpuCoreCount> {
  using type = nvfn::GpuGetGpuCoreCount;
};

// Sensors, clock offsets, power and thermal limits, coolers.
template <>
struct EntryType<kIdGpuGetThermalSettings> {
  using type = nvfn::GpuGetThermalSettings;
};
template <>
struct EntryType<kIdGpuGetCoolerSettings> {
  using type = nvfn::GpuGetCoolerSettings;
};
template <>
struct EntryType<kIdGpuGetAllClockFrequencies> {
  using type = nvfn::GpuGetAllClockFrequencies;
};
template <>
struct EntryType<kIdGpuClientFanCoolersGetStatus> {
  using type = nvfn::GpuClientFanCoolersGetStatus;
};
template <>
struct EntryType<kIdGpuGetPstates20> {
  using type = nvfn::GpuGetPstates20;
};
template <>
struct EntryType<kIdGpuSetPstates20> {
  using type = nvfn::GpuSetPstates20;
};
template <>
struct EntryType<kIdGpuGetCurrentPstate> {
  using type = nvfn::GpuGetCurrentPstate;
};
template <>
struct EntryType<kIdGpuClockClientClkDomainsGetInfo> {
  using type = nvfn::GpuClockClientClkDomainsGetInfo;
};
template <>
struct EntryType<kIdGpuClockClientClkVfPointsGetInfo> {
  using type = nvfn::GpuClockClientClkVfPointsGetInfo;
};
template <>
struct EntryType<kIdGpuClockClientClkVfPointsGetControl> {
  using type = nvfn::GpuClockClientClkVfPointsGetControl;
};
template <>
struct EntryType<kIdGpuClientPowerPoliciesGetInfo> {
  using type = nvfn::GpuClientPowerPoliciesGetInfo;
};
template <>
struct EntryType<kIdGpuClientPowerPoliciesGetStatus> {
  using type = nvfn::GpuClientPowerPoliciesGetStatus;
};
template <>
struct EntryType<kIdGpuClientPowerPoliciesSetStatus> {
  using type = nvfn::GpuClientPowerPoliciesSetStatus;
};
template <>
struct EntryType<kIdGpuClientThermalPoliciesGetInfo> {
  using type = nvfn::GpuClientThermalPoliciesGetInfo;
};
template <>
struct EntryType<kIdGpuClientThermalPoliciesGetStatus> {
  using type = nvfn::GpuClientThermalPoliciesGetStatus;
};
template <>
struct EntryType<kIdGpuClientThermalPoliciesSetStatus> {
  using type = nvfn::GpuClientThermalPoliciesSetStatus;
};
template <>
struct EntryType<kIdGpuSetCoolerLevels> {
  using type = nvfn::GpuSetCoolerLevels;
};
template <>
struct EntryType<kIdGpuClientFanCoolersSetControl> {
  using type = nvfn::GpuClientFanCoolersSetControl;
};

// Lighting and the power report.
template <>
struct EntryType<kIdI2cRead> {
  using type = nvfn::I2cRead;
};
template <>
struct EntryType<kIdI2cWrite> {
  using type = nvfn::I2cWrite;
};
template <>
struct EntryType<kIdGpuClientIllumDevicesGetInfo> {
  using type = nvfn::GpuClientIllumDevicesGetInfo;
};
template <>
struct EntryType<kIdGpuClientIllumZonesGetControl> {
  using type = nvfn::GpuClientIllumZonesGetControl;
};
template <>
struct EntryType<kIdGpuClientIllumZonesSetControl> {
  using type = nvfn::GpuClientIllumZonesSetControl;
};
template <>
struct EntryType<kIdGpuClientPowerTopologyGetStatus> {
  using type = nvfn::GpuClientPowerTopologyGetStatus;
};

// The one place a function address becomes the void* that nvapi_QueryInterface answers.
template <uint32_t Id>
EntryInfo MakeEntry(const char* name, typename EntryType<Id>::type* function, EntryGate gate) {
  static_assert(std::is_function_v<typename EntryType<Id>::type>);
  return EntryInfo{Id, name, reinterpret_cast<void*>(function), gate};
}

// nullptr for an ID or name the driver does not implement.
const EntryInfo* FindEntry(uint32_t id);
const EntryInfo* FindEntryByName(const std::string& name);

// Each area adds its entries; defined in sim/src/entries/.
void AddGeneralEntries(std::vector<EntryInfo>& table);
void AddEnumerationEntries(std::vector<EntryInfo>& table);
void AddGpuIdentityEntries(std::vector<EntryInfo>& table);
void AddSensorEntries(std::vector<EntryInfo>& table);
void AddClockOffsetEntries(std::vector<EntryInfo>& table);
void AddPolicyEntries(std::vector<EntryInfo>& table);
void AddCoolerEntries(std::vector<EntryInfo>& table);
void AddVoltRailsEntries(std::vector<EntryInfo>& table);
void AddDisplayEntries(std::vector<EntryInfo>& table);
void AddDriverSettingsEntries(std::vector<EntryInfo>& table);
void AddBoardInfoEntries(std::vector<EntryInfo>& table);
void AddLightingEntries(std::vector<EntryInfo>& table);

}  // namespace sim
