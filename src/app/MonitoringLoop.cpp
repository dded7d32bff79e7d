#include "app/MonitoringLoop.h"

namespace {

int32_t TwiceInMhz(uint32_t kHz) {
  return static_cast<int32_t>(static_cast<double>(kHz) * 2.0 / 1000.0);
}

void Feed(MonitorTickResult& result, Gauge gauge, const GaugeChannel& channel) {
  GraphSample& sample = result.samples[static_cast<int>(gauge)];
  sample.fed = true;
  sample.percent = GaugePercent(channel);
  sample.value = channel.current;
}

}  // namespace

GaugeChannel& ChannelOf(MainWindowState& state, Gauge gauge) {
  switch (gauge) {
    case Gauge::kEngine:
      return state.engine;
    case Gauge::kTemperature:
      return state.temperature;
    case Gauge::kMemory:
      return state.memory;
    case Gauge::kFan:
      break;
  }
  return state.fan;
}

void ApplyInitialGauges(MainWindowState& state, const InitialGaugeReadings& readings) {
  state.fan.current = readings.coolerLevel;
  if (!readings.pstateClocksRead) {
    state.engine.current = 0;
    state.memory.current = 0;
    return;
  }
  const OcInfo& p0 = readings.pstateClocks;
  // Placeholders until the first tick replaces them with live clocks.
  state.engine.current = p0.graphicsOffsetKHz;
  state.memory.current = p0.memoryOffsetKHz;
  state.engine.maximum = TwiceInMhz(p0.graphicsMaxFreqKHz);
  state.memory.maximum = state.VfClockModel == 1
                             ? TwiceInMhz(p0.memoryMaxFreqKHz)
                             : static_cast<int32_t>((p0.memoryFreqKHz * 2u) / 1000u);
}

int32_t GaugePercent(const GaugeChannel& channel) {
  if (channel.maximum == channel.minimum) return 0;
  const double share = (static_cast<double>(channel.current) - channel.minimum) /
                       (static_cast<double>(channel.maximum) - channel.minimum);
  return static_cast<int32_t>(share * 100.0);
}

MonitorTickResult RunMonitorTick(MainWindowState& state, MonitorSensors& sensors,
                                 int32_t& tickCounter) {
  MonitorTickResult result;
  uint32_t graphicsKHz = 0;
  uint32_t memoryKHz = 0;
  if (sensors.ReadCurrentClocks(graphicsKHz, memoryKHz) == 0) {
    state.engine.current = static_cast<int32_t>(graphicsKHz / 1000u);
    Feed(result, Gauge::kEngine, state.engine);

    int32_t celsius = 0;
    if (sensors.ReadTemperature(celsius) == 0) {
      // Compared unsigned: a negative or implausible reading shows as 0 like one above the scale.
      const bool aboveScale =
          static_cast<uint32_t>(celsius) > static_cast<uint32_t>(state.temperature.maximum);
      state.temperature.current = aboveScale ? 0 : celsius;
    }
    Feed(result, Gauge::kTemperature, state.temperature);

    state.memory.current = static_cast<int32_t>(memoryKHz / 1000u);
    Feed(result, Gauge::kMemory, state.memory);
  }

  if (state.FanCoolerModel == 0) {
    state.fan.current = sensors.ReadFanLevel();
  } else if (state.FanCoolerModel == 1) {
    state.fan.current = sensors.ReadFanCoolerLevel();
  }
  Feed(result, Gauge::kFan, state.fan);

  for (int i = 0; i < kGaugeCount; ++i) {
    GaugeChannel& channel = ChannelOf(state, static_cast<Gauge>(i));
    if (channel.current != channel.shown) {
      result.labelChanged[i] = true;
      channel.shown = channel.current;
    }
  }

  if (++tickCounter > 5) {
    tickCounter = 0;
    result.refreshGraphEdges = true;
  }
  return result;
}
