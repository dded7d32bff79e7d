// Board facts against arbitrary driver replies: texts that fill their whole buffer (never read
// past it), codes beyond the known tables, sizes at the ends of their range.
#include <string>

#include "FakeDriver.h"
#include "FuzzCheck.h"
#include "gpu/BoardInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  GpuTable table(driver.api());
  FillTable(input, table);
  uint32_t value = 0;
  ReadMemorySizeMB(-1, table, value);
  std::string text;
  ReadMemoryTypeName(-1, table, text);
  ReadMemoryMakerName(-1, table, text);
  ReadBoardName(-1, table, text);
  FUZZ_CHECK(text.size() <= kNvShortStringSize);  // an unterminated buffer is taken whole
  ReadVbiosVersion(-1, table, text);
  FUZZ_CHECK(text.size() <= kNvShortStringSize);  // an unterminated buffer is taken whole
  ReadDriverVersion(table);
  ReadCoreCount(-1, table, value);
  ReadMemoryBusWidth(-1, table, value);
  MemoryTypeName(input.Word());
  MemoryMakerName(input.Word());
  return 0;
}
