// The one record of the machine's NVIDIA GPUs. The main window owns it by value and hands a
// pointer to every panel; every GPU operation takes it as its context.
//
// Calling convention of every GPU operation: it receives the table and a GPU index, -1 meaning
// `currentIndex`; the handle passed to the driver is that slot of `physicalHandles` (null for an
// index outside the table); the driver's status goes to `status`.
#pragma once

#include <cstdint>

#include "gpu/NvApi.h"
#include "gpu/OcInfo.h"

struct GpuTable {
  static constexpr uint32_t kCoolerSettingsSize = 1368;
  static constexpr uint32_t kFanCoolerStatusSize = 1704;
  static constexpr uint32_t kIllumDevicesSize = 4424;
  static constexpr uint32_t kIllumZonesSize = 6476;
  static constexpr int32_t kInitialPstate = 16;

  explicit GpuTable(const NvApi& driver) : api(driver) {}

  int32_t status = 0;
  char errorText[kNvShortStringSize] = {};
  int32_t currentIndex = 0;
  uint32_t gpuCount = 0;
  uint32_t displayCount = 0;
  NvDisplayHandle displayHandles[kNvMaxDisplays] = {};
  NvPhysicalGpuHandle physicalHandles[kNvMaxPhysicalGpus] = {};
  uint16_t vendorId = 0;
  uint16_t deviceId = 0;
  uint16_t subsystemVendorId = 0;
  uint16_t subsystemId = 0;
  alignas(4) uint8_t coolerSettings[kCoolerSettingsSize] = {};
  alignas(4) uint8_t fanCoolerStatus[kFanCoolerStatusSize] = {};
  OcInfo ocInfo;
  alignas(4) uint8_t illumDevices[kIllumDevicesSize] = {};
  alignas(4) uint8_t illumZones[kIllumZonesSize] = {};
  int32_t lastTemperature = 0;
  int32_t fanLevel = 0;
  int32_t currentPstate = kInitialPstate;

  // The driver every operation on this table calls.
  const NvApi& api;

  // The handle an operation passes for `index` (-1 = currentIndex); null outside the table.
  NvPhysicalGpuHandle Handle(int index) const;
  // Stores `result` as the table's status and fills errorText from it.
  void StoreStatusWithText(NvStatus result);
};
