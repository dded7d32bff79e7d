#include "sim/DemoScenario.h"

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

  Scenario scenario;
  scenario.gpus.push_back(gpu);
  scenario.displayCount = 1;
  return scenario;
}

}  // namespace sim
