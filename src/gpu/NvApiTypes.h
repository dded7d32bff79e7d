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
  kNvNotSupported = -104,  // the board has no such interface
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

  // Sensors: temperature, cooler settings, clock frequencies, fan-cooler status.
  kIdGpuGetThermalSettings = 0xE3640A56,
  kIdGpuGetCoolerSettings = 0xDA141340,
  kIdGpuGetAllClockFrequencies = 0xDCB616C3,
  kIdGpuClientFanCoolersGetStatus = 0x35AED5E8,
  // Clock offsets: P-states 2.0, clock domains and VF points.
  kIdGpuGetPstates20 = 0x6FF81213,
  kIdGpuSetPstates20 = 0x0F4DAE6B,
  kIdGpuGetCurrentPstate = 0x927DA4F6,
  kIdGpuClockClientClkDomainsGetInfo = 0x64B43A6A,
  kIdGpuClockClientClkVfPointsGetInfo = 0x507B4B59,
  kIdGpuClockClientClkVfPointsGetControl = 0x23F1B133,
  // Power and thermal limits: the client power and thermal policies.
  kIdGpuClientPowerPoliciesGetInfo = 0x34206D86,
  kIdGpuClientPowerPoliciesGetStatus = 0x70916171,
  kIdGpuClientPowerPoliciesSetStatus = 0xAD95F5ED,
  kIdGpuClientThermalPoliciesGetInfo = 0x0D258BB5,
  kIdGpuClientThermalPoliciesGetStatus = 0xE9C425A1,
  kIdGpuClientThermalPoliciesSetStatus = 0x34C0B13D,
  // Coolers: cooler levels and per-fan cooler control.
  kIdGpuSetCoolerLevels = 0x891FA0AE,
  kIdGpuClientFanCoolersSetControl = 0xA58971A5,
  // Voltage boost: the client voltage-rail control.
  kIdGpuClientVoltRailsGetControl = 0x9DF23CA1,
  kIdGpuClientVoltRailsSetControl = 0xB9306D9B,
  // Display timing: connected displays, timings, custom modes and the display configuration.
  kIdGpuGetConnectedDisplayIds = 0x0078DBA2,
  kIdDispGetTiming = 0x175167E9,
  kIdDispTryCustomDisplay = 0x1F7DB630,
  kIdDispSaveCustomDisplay = 0x49882876,
  kIdDispGetDisplayConfig = 0x11ABCCF8,
  kIdDispSetDisplayConfig = 0x5D8CF8DE,
  // Driver settings (DRS): sessions, the base profile and its settings.
  kIdDrsCreateSession = 0x0694D52E,
  kIdDrsDestroySession = 0xDAD9CFF8,
  kIdDrsLoadSettings = 0x375DBD6B,
  kIdDrsSaveSettings = 0xFCBC7E14,
  kIdDrsSetSetting = 0x577DD202,
  kIdDrsGetBaseProfile = 0xDA8466A0,
  // Board information: memory, name, cores and driver version.
  kIdGpuGetPhysicalFrameBufferSize = 0x46FBEB03,
  kIdGpuGetMemoryType = 0x57F7CAAC,
  kIdGpuGetMemoryMaker = 0x42AEA16A,
  kIdGpuGetFrameBufferWidthAndLocation = 0x11104158,
  kIdGpuGetFullName = 0xCEEE8E9F,
  kIdGetDisplayDriverVersion = 0xF951A4D1,
  kIdGpuGetGpuCoreCount = 0xC7026A87,
  // Lighting and the power report: I2C, illumination devices and zones, power topology.
  kIdI2cRead = 0x2FDE12C5,
  kIdI2cWrite = 0xE812EB07,
  kIdGpuClientIllumDevicesGetInfo = 0xD4100E58,
  kIdGpuClientIllumZonesGetControl = 0x3DBF5764,
  kIdGpuClientIllumZonesSetControl = 0x197D065E,
  kIdGpuClientPowerTopologyGetStatus = 0xEDCF624E,
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

// Sensors, clock offsets, power and thermal limits, coolers: the structures are defined in
// gpu/structs/ (SensorStructs.h, ClockStructs.h, PolicyStructs.h, CoolerStructs.h).
struct NvThermalSettings;
struct NvCoolerSettings;
struct NvClockFrequencies;
struct NvFanCoolerStatus;
struct NvPstates20Info;
struct NvClockDomainsInfo;
struct NvVfPointsInfo;
struct NvVfPointsControl;
struct NvPowerPoliciesInfo;
struct NvPowerPoliciesStatus;
struct NvThermalPoliciesInfo;
struct NvThermalPoliciesStatus;
struct NvCoolerLevels;
struct NvFanCoolerControl;

namespace nvfn {
// Sensors. The sensor and cooler selectors name one entry or, with 15 and 7, all of them.
using GpuGetThermalSettings = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, uint32_t sensorIndex,
                                                  NvThermalSettings* settings);
using GpuGetCoolerSettings = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, uint32_t coolerIndex,
                                                 NvCoolerSettings* settings);
using GpuGetAllClockFrequencies = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                      NvClockFrequencies* frequencies);
using GpuClientFanCoolersGetStatus = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                         NvFanCoolerStatus* status);
// Clock offsets. Version 1 of the P-states structure is the version 2 layout cut before `ov`.
using GpuGetPstates20 = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, NvPstates20Info* info);
using GpuSetPstates20 = GpuGetPstates20;
using GpuGetCurrentPstate = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, uint32_t* pstate);
using GpuClockClientClkDomainsGetInfo = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                            NvClockDomainsInfo* info);
using GpuClockClientClkVfPointsGetInfo = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                             NvVfPointsInfo* info);
using GpuClockClientClkVfPointsGetControl = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                                NvVfPointsControl* control);
// Power and thermal limits.
using GpuClientPowerPoliciesGetInfo = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                          NvPowerPoliciesInfo* info);
using GpuClientPowerPoliciesGetStatus = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                            NvPowerPoliciesStatus* status);
using GpuClientPowerPoliciesSetStatus = GpuClientPowerPoliciesGetStatus;
using GpuClientThermalPoliciesGetInfo = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                            NvThermalPoliciesInfo* info);
using GpuClientThermalPoliciesGetStatus = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                              NvThermalPoliciesStatus* status);
using GpuClientThermalPoliciesSetStatus = GpuClientThermalPoliciesGetStatus;
// Coolers. Version 1 of the short cooler-level layout is the long one cut after three entries.
using GpuSetCoolerLevels = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, uint32_t coolerIndex,
                                               NvCoolerLevels* levels);
using GpuClientFanCoolersSetControl = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                          NvFanCoolerControl* control);
}  // namespace nvfn

// Voltage boost, display timing, driver settings, board information: the structures are defined
// in gpu/structs/ (VoltRailsStructs.h, DisplayStructs.h, DriverSettingsStructs.h,
// BoardInfoStructs.h).
struct NvVoltRailsControl;
struct NvGpuDisplayIds;
struct NvTimingInput;
struct NvTiming;
struct NvCustomDisplay;
struct NvDisplayConfigPathInfo;
struct NvDrsSetting;
struct NvDisplayDriverVersion;

namespace nvfn {
// Voltage boost.
using GpuClientVoltRailsGetControl = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                         NvVoltRailsControl* control);
using GpuClientVoltRailsSetControl = GpuClientVoltRailsGetControl;
// Display timing. Display IDs are the driver's 32-bit IDs of connected displays (not handles).
// GetConnectedDisplayIds with a null array answers only the count.
using GpuGetConnectedDisplayIds = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, NvGpuDisplayIds* ids,
                                                      uint32_t* count, uint32_t flags);
using DispGetTiming = NvStatus NVAPI_CALL(uint32_t displayId, NvTimingInput* input,
                                          NvTiming* timing);
using DispTryCustomDisplay = NvStatus NVAPI_CALL(uint32_t* displayIds, uint32_t count,
                                                 NvCustomDisplay* modes);
using DispSaveCustomDisplay = NvStatus NVAPI_CALL(uint32_t* displayIds, uint32_t count,
                                                  uint32_t thisOutputOnly,
                                                  uint32_t thisMonitorOnly);
// GetDisplayConfig with a null array answers only the path count.
using DispGetDisplayConfig = NvStatus NVAPI_CALL(uint32_t* pathCount,
                                                 NvDisplayConfigPathInfo* paths);
using DispSetDisplayConfig = NvStatus NVAPI_CALL(uint32_t pathCount, NvDisplayConfigPathInfo* paths,
                                                 uint32_t flags);
// Driver settings. Sessions and profiles are opaque 32-bit handles.
using DrsCreateSession = NvStatus NVAPI_CALL(uint32_t* session);
using DrsDestroySession = NvStatus NVAPI_CALL(uint32_t session);
using DrsLoadSettings = DrsDestroySession;
using DrsSaveSettings = DrsDestroySession;
using DrsGetBaseProfile = NvStatus NVAPI_CALL(uint32_t session, uint32_t* profile);
using DrsSetSetting = NvStatus NVAPI_CALL(uint32_t session, uint32_t profile,
                                          NvDrsSetting* setting);
// Board information.
using GpuGetPhysicalFrameBufferSize = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                          uint32_t* sizeKb);
using GpuGetMemoryType = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, uint32_t* code);
using GpuGetMemoryMaker = GpuGetMemoryType;
using GpuGetFrameBufferWidthAndLocation = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                              uint32_t* widthBits,
                                                              uint32_t* location);
using GpuGetFullName = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, char* name /*[64]*/);
using GetDisplayDriverVersion = NvStatus NVAPI_CALL(NvDisplayHandle display,
                                                    NvDisplayDriverVersion* version);
using GpuGetGpuCoreCount = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, uint32_t* count);
}  // namespace nvfn

// Lighting and the power report: the structures are defined in gpu/structs/LightingStructs.h.
struct NvI2cInfo;
struct NvIllumDeviceInfo;
struct NvIllumZoneControl;
struct NvPowerTopologyStatus;

namespace nvfn {
// Lighting and the power report.
using I2cRead = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu, NvI2cInfo* info);
using I2cWrite = I2cRead;
using GpuClientIllumDevicesGetInfo = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                         NvIllumDeviceInfo* info);
using GpuClientIllumZonesGetControl = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                          NvIllumZoneControl* control);
using GpuClientIllumZonesSetControl = GpuClientIllumZonesGetControl;
using GpuClientPowerTopologyGetStatus = NvStatus NVAPI_CALL(NvPhysicalGpuHandle gpu,
                                                            NvPowerTopologyStatus* status);
}  // namespace nvfn
