#include "gpu/Coolers.h"

#include <cstring>
#include <initializer_list>

#include "gpu/structs/SensorStructs.h"

static_assert(sizeof(NvFanCoolerStatus) == GpuTable::kFanCoolerStatusSize,
              "the table's buffer holds the fan-cooler status");

int SetCoolerLevel(uint32_t policy, int32_t level, int index, GpuTable& table) {
  const NvPhysicalGpuHandle gpu = table.Handle(index);
  NvCoolerLevels request{};
  request.cooler[0].level = static_cast<uint32_t>(level);
  request.cooler[0].policy = policy;
  // The short layout is the first 28 bytes of the same request.
  for (uint32_t version : {kNvCoolerLevelsVer1, kNvCoolerLevelsShortVer1}) {
    request.version = version;
    table.StoreStatusWithText(table.api.GpuSetCoolerLevels(gpu, kNvCoolersAll, &request));
    if (table.status == kNvOk) {
      table.fanLevel = level;
      return 0;
    }
  }
  return 1;
}

bool SetFanCoolerManual(int index, uint32_t coolerId, int32_t level, GpuTable& table) {
  NvFanCoolerControl control{};
  control.version = kNvFanCoolerControlVer1;
  control.count = 1;
  control.cooler[0].coolerId = coolerId;
  control.cooler[0].level = static_cast<uint32_t>(level);
  control.cooler[0].controlMode = level > 0 ? kNvFanCoolerModeManual : 0;
  table.status = table.api.GpuClientFanCoolersSetControl(table.Handle(index), &control);
  return table.status == kNvOk;
}

bool SetFanCoolersAuto(int index, GpuTable& table) {
  NvFanCoolerControl control{};
  control.version = kNvFanCoolerControlVer1;
  control.flags = kNvFanCoolerControlAllAuto;
  control.count = 2;
  table.status = table.api.GpuClientFanCoolersSetControl(table.Handle(index), &control);
  return table.status == kNvOk;
}

int32_t ReadFanCoolerLevel(GpuTable& table) {
  NvFanCoolerStatus status;
  std::memcpy(&status, table.fanCoolerStatus, sizeof status);
  status.version = kNvFanCoolerStatusVer1;
  status.count = 0;
  table.status = table.api.GpuClientFanCoolersGetStatus(table.Handle(-1), &status);
  std::memcpy(table.fanCoolerStatus, &status, sizeof status);
  return static_cast<int32_t>(status.cooler[0].currentLevel);
}
