// Clock offsets against arbitrary driver replies: the P-state reading and the VF ranges and
// offsets (entry counts and indices come from the reply), then the writes built from them.
#include "FakeDriver.h"
#include "gpu/ClockOffsets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  GpuTable table(driver.api());
  FillTable(input, table);
  OcInfo& info = table.ocInfo;
  ReadPstateClocks(-1, table, info);
  ReadVfRanges(table, info);
  ReadVfOffsets(table, info);
  WriteClockOffsets(-1, table, info);
  WriteOverVoltage(-1, table, info);
  return 0;
}
