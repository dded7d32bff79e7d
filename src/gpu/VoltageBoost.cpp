#include "gpu/VoltageBoost.h"

#include "gpu/structs/VoltRailsStructs.h"

NvStatus ReadVoltageBoost(GpuTable& table, uint8_t& boostPercent) {
  NvVoltRailsControl control;
  control.version = kNvVoltRailsControlVersion;
  table.status = table.api.GpuClientVoltRailsGetControl(table.Handle(-1), &control);
  if (table.status == kNvOk) boostPercent = control.boostPercent;
  return table.status;
}

int WriteVoltageBoost(int index, GpuTable& table, int boostPercent) {
  NvVoltRailsControl control;
  control.version = kNvVoltRailsControlVersion;
  control.boostPercent = static_cast<uint8_t>(boostPercent & 0xFF);
  table.status = table.api.GpuClientVoltRailsSetControl(table.Handle(index), &control);
  return table.status != kNvOk ? 1 : 0;
}
