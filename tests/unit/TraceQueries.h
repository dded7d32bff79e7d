// Queries of the simulated driver's trace for the GPU-layer tests: the calls of one entry, the
// version words they carried and their arguments.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SimulatedDriver.h"
#include "gpu/GpuEnumeration.h"
#include "gpu/GpuTable.h"

// The calls (not lookups) of entry `id`, in order.
inline std::vector<sim::TraceEntry> CallsOf(const sim::Simulator& simulator, uint32_t id) {
  std::vector<sim::TraceEntry> calls;
  for (const sim::TraceEntry& entry : simulator.Trace()) {
    if (entry.kind == sim::TraceKind::kCall && entry.id == id) calls.push_back(entry);
  }
  return calls;
}

// The version words the calls of entry `id` carried, in order.
inline std::vector<uint32_t> VersionsOf(const sim::Simulator& simulator, uint32_t id) {
  std::vector<uint32_t> versions;
  for (const sim::TraceEntry& entry : CallsOf(simulator, id)) versions.push_back(entry.version);
  return versions;
}

// The argument text of the last call of entry `id`; empty when there was none.
inline std::string LastArgs(const sim::Simulator& simulator, uint32_t id) {
  const std::vector<sim::TraceEntry> calls = CallsOf(simulator, id);
  return calls.empty() ? std::string() : calls.back().args;
}

// A simulated driver with the program's GpuTable enumerated on it; the trace starts empty.
struct EnumeratedDriver {
  explicit EnumeratedDriver(sim::Scenario scenario) : driver(std::move(scenario)) {
    EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
    driver.simulator.ClearTrace();
  }
  sim::Simulator& simulator() { return driver.simulator; }
  sim::InterfaceBehaviour& Interface(uint32_t id) {
    return driver.simulator.scenario().interfaces[id];
  }

  SimulatedDriver driver;
  GpuTable table{driver.api};
};
