#include "lighting/LedReportSlot.h"

#include <cstring>

#include "gpu/Sensors.h"
#include "gpu/structs/LightingStructs.h"
#include "lighting/I2cTransaction.h"
#include "lighting/LedProtocol.h"

int32_t RatedBoardPowerForVbios(const char* version) {
  if (std::strcmp(version, "94.02.26.48.d6") == 0) return 320;
  if (std::strcmp(version, "94.02.42.00.02") == 0) return 350;
  return 0;
}

void CheckReportVbios(GpuTable& table, int index, LedReportSlot& slot, int32_t& reportEnabled) {
  char version[kNvShortStringSize] = {};
  table.status = table.api.GpuGetVbiosVersionString(table.Handle(index), version);
  if (table.status != kNvOk) return;
  version[kNvShortStringSize - 1] = '\0';  // a driver that fills all 64 bytes is not trusted
  const int32_t rated = RatedBoardPowerForVbios(version);
  if (rated == 0) return;
  slot.boardPowerW = rated;
  slot.enabled = 1;
  reportEnabled = 1;
}

void SendStatusReport(GpuTable& table, int index, LedReportSlot& slot) {
  ReadSensorTemperature(index, table, slot.temperatureC);
  NvPowerTopologyStatus power{};
  power.version = kNvPowerTopologyStatusVersion;
  // This call's status is not kept; a failed reading reports 0 W.
  const NvStatus result = table.api.GpuClientPowerTopologyGetStatus(table.Handle(index), &power);
  const uint32_t reading = result == kNvOk ? power.entries[0].power : 0;
  slot.powerW = LedBoardPowerWatts(reading, slot.boardPowerW);
  const LedStatusReport packet = LedStatusReportPacket(slot.temperatureC, slot.powerW);
  I2cWrite(table, index, 0, 0, packet.data(), packet.size());
}

void SendDueStatusReports(GpuTable& table, LedReportSlot (&slots)[kLedReportSlotCount]) {
  for (uint32_t i = 0; i < table.gpuCount && i < static_cast<uint32_t>(kLedReportSlotCount); ++i) {
    if (slots[i].enabled != 0) SendStatusReport(table, static_cast<int>(i), slots[i]);
  }
}
