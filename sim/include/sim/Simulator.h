// One simulated driver instance: its scenario, its state and the trace of every call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "gpu/NvApiTypes.h"
#include "sim/DriverState.h"
#include "sim/Scenario.h"
#include "sim/TraceEntry.h"

namespace sim {

class CallContext;

// Receives each entry as it is recorded (the stand-alone driver writes them to a file).
using TraceSink = std::function<void(const TraceEntry&)>;
// The two halves of an entry: describe notes the inputs for the trace and always runs; run does
// the work and runs only when the call is admitted (initialised, not forced to fail).
using CallDescriber = std::function<void(CallContext&)>;
using CallRunner = std::function<NvStatus(CallContext&)>;

// Calls may come from several threads; each runs under the instance's lock. Trace() and
// scenario() hand out references, to be used while no call is in progress.
class Simulator {
 public:
  explicit Simulator(Scenario scenario);
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  const std::vector<TraceEntry>& Trace() const { return trace_; }
  void ClearTrace();
  // Calls made to an entry (resolutions not counted).
  size_t CountCalls(uint32_t id) const;
  // nvapi_QueryInterface requests for an ID.
  size_t CountResolutions(uint32_t id) const;
  void SetTraceSink(TraceSink sink);

  Scenario& scenario() { return scenario_; }
  const Scenario& scenario() const { return scenario_; }
  const DriverState& state() const { return state_; }

  // What nvapi_QueryInterface answers for this instance: the entry's address, or nullptr for an
  // unknown ID or one the scenario marks missing. The entries are context-free functions that
  // forward to the active simulator (see ScopedActiveSimulator).
  void* Resolve(uint32_t id);

  // Runs one call of entry id: applies the scenario's latency, the initialisation gate and forced
  // failures, then records the call. Used by the entry functions.
  NvStatus Invoke(uint32_t id, const CallDescriber& describe, const CallRunner& run);

 private:
  void Record(TraceEntry entry);  // caller holds mutex_

  mutable std::mutex mutex_;
  Scenario scenario_;
  DriverState state_;
  std::vector<TraceEntry> trace_;
  uint64_t nextSequence_ = 1;
  TraceSink sink_;
};

}  // namespace sim
