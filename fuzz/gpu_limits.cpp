// Power and temperature limits against arbitrary driver replies: policy and controller counts
// come from the reply, the writes are built from what was read.
#include "FakeDriver.h"
#include "gpu/PowerThermalLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  GpuTable table(driver.api());
  FillTable(input, table);
  OcInfo& info = table.ocInfo;
  ReadPowerLimits(table, info);
  ReadThermalLimits(table, info);
  WritePowerLimit(-1, table, info);
  WriteThermalLimit(-1, table, info);
  WriteThermalPriority(-1, table, static_cast<int32_t>(input.Pick(3)));
  TemperatureToRaw(static_cast<int32_t>(input.Word()));
  TemperatureFromRaw(static_cast<int32_t>(input.Word()));
  return 0;
}
