// The simulator as a driver on its own: scenario from a file, trace to a file. The simulated
// nvapi.dll owns one of these.
#pragma once

#include <string>

#include "sim/ScopedActiveSimulator.h"
#include "sim/Simulator.h"
#include "sim/TraceWriter.h"

namespace sim {

// Without a scenario path, or with one that cannot be read, it runs the demo board. A scenario
// that fails to parse leaves a driver with no GPUs whose Initialize answers kNvError, so the
// failure shows; the reason goes to the trace file and to stderr. While it lives, its simulator
// is the active one.
class StandaloneDriver {
 public:
  StandaloneDriver(const char* scenarioPath, const char* tracePath);

  Simulator& simulator() { return simulator_; }

 private:
  static Scenario LoadScenario(const char* scenarioPath, TraceWriter& trace);

  TraceWriter trace_;
  Simulator simulator_;
  ScopedActiveSimulator active_;
};

}  // namespace sim
