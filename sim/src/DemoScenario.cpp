#include "sim/DemoScenario.h"

#include "sim/PerformanceBoards.h"

namespace sim {

Scenario DemoScenario() {
  GpuModel gpu;
  gpu.vendorId = 0x10DE;
  gpu.deviceId = 0x2684;
  gpu.subsystemVendorId = 0x10DE;
  gpu.subsystemId = 0x167C;
  gpu.revision = 0xA1;
  gpu.name = "NVIDIA GeForce RTX 4090";
  gpu.vbiosVersion = "95.02.18.80.87";
  gpu.tcc = false;
  // Clocks and VF points, power and thermal policies, two fans on the per-fan interface.
  SetVfFanCoolerPerformance(gpu);
  // Board facts: 24 GB of a memory kind newer than the driver's type table, made by Micron.
  gpu.board.memoryKb = 24 * 1024 * 1024;
  gpu.board.memoryType = 15;
  gpu.board.memoryMaker = 10;
  gpu.board.busWidthBits = 384;
  gpu.board.coreCount = 16384;
  // No voltage boost yet; one 1920 x 1080 display at 60 Hz (totals 2200 x 1125, 148.5 MHz).
  gpu.voltRails.boostPercent = 0;
  ConnectedDisplay display;
  display.displayId = DefaultDisplayId(0, 0);
  gpu.displays.push_back(display);

  Scenario scenario;
  scenario.gpus.push_back(gpu);
  scenario.displayCount = 1;
  return scenario;
}

}  // namespace sim
