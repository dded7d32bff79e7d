// The monitor's readings against arbitrary driver replies: the start-up gauge readings, then
// one-second ticks until the input runs out, and the sensor readers the panels use.
#include "FakeDriver.h"
#include "FuzzCheck.h"
#include "app/GpuMonitorSensors.h"
#include "app/MonitoringLoop.h"
#include "gpu/Sensors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  FakeDriver driver(input);
  MainWindowState state(driver.api());
  FillTable(input, state.gpus);
  ApplyInitialGauges(state, ReadInitialGaugeReadings(state.gpus));

  GpuMonitorSensors sensors(state.gpus);
  int32_t tickCounter = 0;
  for (int tick = 0; tick < 32 && !input.Empty(); ++tick) {
    RunMonitorTick(state, sensors, tickCounter);
    for (int g = 0; g < kGaugeCount; ++g) {
      GaugePercent(ChannelOf(state, static_cast<Gauge>(g)));
    }
  }

  GpuTable& table = state.gpus;
  int32_t temperature = 0;
  ReadTemperature(-1, table, temperature);
  ReadSensorTemperature(0, table, temperature);
  CoolerSettingsBuffer buffer = {};
  ReadCoolerSettings(-1, table, buffer);
  CoolerZeroOf(buffer);
  ReadFanLevel(table);
  OcInfo info;
  ReadCurrentClocks(-1, table, info);
  ReadBaseBoostClocks(-1, table, info);
  return 0;
}
