// The fan curve step's view of the GPU layer: always the GPU table's currentIndex.
#pragma once

#include "fan/FanControlSink.h"
#include "gpu/GpuTable.h"

class GpuFanControl : public FanControlSink {
 public:
  explicit GpuFanControl(GpuTable& table) : table_(table) {}

  uint32_t ReadTemperature() override;
  void SetCoolerLevel(int32_t level) override;
  void SetFanCoolerManual(uint32_t coolerId, int32_t level) override;

 private:
  GpuTable& table_;
};
