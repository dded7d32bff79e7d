// The rules of the main window's monitor: the gauge scales read once at start-up and what each
// one-second tick reads, shows and feeds to the graphs. The driver sits behind MonitorSensors so
// the rules run without one.
#pragma once

#include <cstdint>

#include "app/MainWindowState.h"
#include "gpu/OcInfo.h"

// What the monitor reads from the selected GPU.
class MonitorSensors {
 public:
  virtual ~MonitorSensors() = default;
  // 0 on success; the current graphics and memory clocks in kHz.
  virtual int ReadCurrentClocks(uint32_t& graphicsKHz, uint32_t& memoryKHz) = 0;
  // 0 on success; whole °C.
  virtual int ReadTemperature(int32_t& celsius) = 0;
  // Fan level in percent through the cooler settings (0 after a failed read).
  virtual int32_t ReadFanLevel() = 0;
  // Fan level in percent through the fan-cooler interface.
  virtual int32_t ReadFanCoolerLevel() = 0;
};

// The four channels in the order the tick handles them.
enum class Gauge { kEngine, kTemperature, kMemory, kFan };
constexpr int kGaugeCount = 4;

GaugeChannel& ChannelOf(MainWindowState& state, Gauge gauge);

// What start-up read for the scales: cooler 0's level and GPU 0's P-state clocks.
struct InitialGaugeReadings {
  int32_t coolerLevel = 0;
  bool pstateClocksRead = false;
  OcInfo pstateClocks;
};

// Sets the channels' start values and maxima: twice the P0 clock in MHz for engine and memory;
// temperature and fan keep 100.
void ApplyInitialGauges(MainWindowState& state, const InitialGaugeReadings& readings);

// Where a channel's value sits in its range, in whole percent (0 for an empty range).
int32_t GaugePercent(const GaugeChannel& channel);

struct GraphSample {
  bool fed = false;
  int32_t percent = 0;
  int32_t value = 0;
};

struct MonitorTickResult {
  GraphSample samples[kGaugeCount];
  // The current value differs from what was last shown: its label needs repainting.
  bool labelChanged[kGaugeCount] = {};
  // Every sixth tick the right-hand column of each graph is repainted.
  bool refreshGraphEdges = false;
};

// One one-second tick: a failed clock read leaves engine, temperature and memory untouched for
// the tick (the fan is still read); a temperature above the channel's maximum shows as 0.
// `tickCounter` is the window's counter of these ticks.
MonitorTickResult RunMonitorTick(MainWindowState& state, MonitorSensors& sensors,
                                 int32_t& tickCounter);
