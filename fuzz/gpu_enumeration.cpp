// The start-up enumeration against arbitrary driver replies: GPU and display counts are bounded
// by the table, the error text is always terminated.
#include <cstring>

#include "FakeDriver.h"
#include "FuzzCheck.h"
#include "gpu/GpuEnumeration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  GpuTable table(driver.api());
  table.currentIndex = static_cast<int32_t>(input.Pick(4));
  EnumerateGpus(table);
  FUZZ_CHECK(table.gpuCount <= kNvMaxPhysicalGpus);
  FUZZ_CHECK(table.displayCount <= kNvMaxDisplays);
  FUZZ_CHECK(std::memchr(table.errorText, '\0', sizeof table.errorText) != nullptr);
  for (int index = -1; index <= static_cast<int>(table.gpuCount); ++index) {
    PciIds ids;
    ReadPciIds(index, table, ids);
  }
  table.StoreStatusWithText(static_cast<NvStatus>(input.Word()));
  FUZZ_CHECK(std::memchr(table.errorText, '\0', sizeof table.errorText) != nullptr);
  return 0;
}
