// A simulated driver made active for one test, with the program's driver seam resolved from it.
#pragma once

#include "gpu/NvApi.h"
#include "sim/QueryInterface.h"
#include "sim/ScopedActiveSimulator.h"
#include "sim/Simulator.h"

struct SimulatedDriver {
  explicit SimulatedDriver(sim::Scenario scenario) : simulator(std::move(scenario)) {}

  sim::Simulator simulator;
  sim::ScopedActiveSimulator active{simulator};
  NvApi api{&sim::QueryInterface};
};

inline sim::GpuModel Board(uint16_t deviceId, bool tcc = false,
                           const char* vbios = "95.02.18.80.87") {
  sim::GpuModel gpu;
  gpu.deviceId = deviceId;
  gpu.subsystemVendorId = 0x1043;
  gpu.subsystemId = 0x889A;
  gpu.name = "Test board";
  gpu.vbiosVersion = vbios;
  gpu.tcc = tcc;
  return gpu;
}

inline sim::Scenario ScenarioOf(std::vector<sim::GpuModel> gpus, uint32_t displays = 1) {
  sim::Scenario scenario;
  scenario.gpus = std::move(gpus);
  scenario.displayCount = displays;
  return scenario;
}
