// Fan control and the core voltage boost against arbitrary driver replies.
#include "FakeDriver.h"
#include "gpu/Coolers.h"
#include "gpu/VoltageBoost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  GpuTable table(driver.api());
  FillTable(input, table);
  const int32_t level = static_cast<int32_t>(input.Word());
  SetCoolerLevel(input.Pick(2) == 0 ? 1 : 32, level, -1, table);
  SetFanCoolerManual(-1, 1 + input.Pick(2), level, table);
  SetFanCoolersAuto(-1, table);
  ReadFanCoolerLevel(table);
  uint8_t boost = 0;
  ReadVoltageBoost(table, boost);
  WriteVoltageBoost(-1, table, static_cast<int>(input.Word()));
  return 0;
}
