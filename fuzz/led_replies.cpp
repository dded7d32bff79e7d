// The lighting against arbitrary driver replies: detection, the state read back from each kind
// of controller, the panel's commands on that state, and the per-GPU status report.
#include "FakeDriver.h"
#include "lighting/LedController.h"
#include "lighting/LedReportSlot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  GpuTable table(driver.api());
  FillTable(input, table);

  LedStartup led = StartLighting(table, [](int) {});
  LedState& state = led.state;
  SelectLedMode(state, input.Byte());
  state.pendingColour = LedColour{input.Byte(), input.Byte(), input.Byte()};
  ApplyLedState(table, led.kind, state);
  SetLedPower(table, led.kind, state, input.Pick(2) == 0);
  RestoreLedDefaults(table, led.kind, state);
  // Every kind's reading, whatever the detection found.
  const int32_t kind = static_cast<int32_t>(input.Pick(3));
  ReadLedState(table, kind, led.reply, state);

  LedReply raw{};
  input.Take(raw.data(), raw.size());
  LedStateFromFramesStatus(raw, state);
  LedStateFromBlocksStatus(raw, state);
  LedModeForBlockEffect(input.Byte(), input.Byte());

  LedReportSlot slots[kLedReportSlotCount] = {};
  int32_t reportEnabled = 0;
  for (int gpu = 0; gpu < static_cast<int>(table.gpuCount); ++gpu) {
    CheckReportVbios(table, gpu, slots[gpu], reportEnabled);
  }
  slots[0].enabled = 1;
  slots[0].boardPowerW = static_cast<int32_t>(input.Word());
  SendDueStatusReports(table, slots);
  LedBoardPowerWatts(input.Word(), static_cast<int32_t>(input.Word()));
  return 0;
}
