#include "app/GpuMonitorSensors.h"

#include "gpu/ClockOffsets.h"
#include "gpu/Coolers.h"
#include "gpu/Sensors.h"

int GpuMonitorSensors::ReadCurrentClocks(uint32_t& graphicsKHz, uint32_t& memoryKHz) {
  OcInfo info;
  const int result = ::ReadCurrentClocks(-1, table_, info);
  graphicsKHz = info.graphicsFreqKHz;
  memoryKHz = info.memoryFreqKHz;
  return result;
}

int GpuMonitorSensors::ReadTemperature(int32_t& celsius) {
  return ::ReadTemperature(-1, table_, celsius);
}

int32_t GpuMonitorSensors::ReadFanLevel() {
  return ::ReadFanLevel(table_);
}

int32_t GpuMonitorSensors::ReadFanCoolerLevel() {
  return ::ReadFanCoolerLevel(table_);
}

InitialGaugeReadings ReadInitialGaugeReadings(GpuTable& table) {
  InitialGaugeReadings readings;
  // The result is not examined: a failed read leaves level 0 in the buffer.
  ReadCoolerSettings(-1, table, table.coolerSettings);
  readings.coolerLevel = static_cast<int32_t>(CoolerZeroOf(table.coolerSettings).currentLevel);
  readings.pstateClocksRead = ReadPstateClocks(0, table, table.ocInfo) == 0;
  readings.pstateClocks = table.ocInfo;
  return readings;
}
