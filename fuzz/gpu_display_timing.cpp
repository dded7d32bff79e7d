// The display pixel clock against arbitrary driver replies: display counts, timings and the
// three-call display configuration (path and target counts come from the reply).
#include "FakeDriver.h"
#include "gpu/DisplayTiming.h"
#include "gpu/FrameRateLimit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  const NvApi& api = driver.api();
  DisplayIdList list;
  CollectDisplayIds(api, list);
  OcInfo info;
  ReadPixelClock(api, info);
  info.pixelClock10kHz = input.Word();
  ApplyPixelClock(api, info, [](uint32_t) {});
  RefreshRate rate;
  ComputeRefreshRate(input.Word(), static_cast<uint16_t>(input.Word()),
                     static_cast<uint16_t>(input.Word()), rate);
  SetFrameRateLimit(api, input.Word(), static_cast<int>(input.Pick(2)));
  return 0;
}
