// The monitor's readings taken from the GPU layer: the selected GPU's live sensors for each tick,
// and at start-up the first fan level and GPU 0's P-state clocks for the scales.
#pragma once

#include "app/MonitoringLoop.h"
#include "gpu/GpuTable.h"

class GpuMonitorSensors : public MonitorSensors {
 public:
  explicit GpuMonitorSensors(GpuTable& table) : table_(table) {}

  int ReadCurrentClocks(uint32_t& graphicsKHz, uint32_t& memoryKHz) override;
  int ReadTemperature(int32_t& celsius) override;
  int32_t ReadFanLevel() override;
  int32_t ReadFanCoolerLevel() override;

 private:
  GpuTable& table_;
};

// Cooler settings of the current GPU into the table's buffer (cooler 0's level, 0 after a
// failed read) and GPU 0's P-state clocks into the table's OcInfo.
InitialGaugeReadings ReadInitialGaugeReadings(GpuTable& table);
