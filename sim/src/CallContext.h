// What an entry sees while one call runs: the scenario, the instance's state and the call's
// trace record.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "gpu/NvApiTypes.h"
#include "sim/DriverState.h"
#include "sim/GpuModel.h"
#include "sim/InterfaceBehaviour.h"
#include "sim/Scenario.h"
#include "sim/TraceEntry.h"

namespace sim {

class CallContext {
 public:
  CallContext(const Scenario& scenario, DriverState& state, TraceEntry& record,
              const InterfaceBehaviour* behaviour)
      : scenario_(scenario), state_(state), record_(record), behaviour_(behaviour) {}

  const Scenario& scenario() const { return scenario_; }
  DriverState& state() { return state_; }
  // The scenario's behaviour for this ID, or nullptr.
  const InterfaceBehaviour* behaviour() const { return behaviour_; }

  // Notes a physical GPU handle argument and the GPU it names; Gpu() then answers that GPU, or
  // nullptr for a handle the scenario does not hand out.
  void DescribeGpu(NvPhysicalGpuHandle handle);
  const GpuModel* Gpu() const { return gpu_; }

  // Input arguments, for the trace.
  void Describe(const std::string& text);
  // Results, for the trace; written after the inputs as " -> text".
  void Result(const std::string& text);
  void SetVersion(uint32_t versionWord) { record_.version = versionWord; }

  // Whether a versioned entry takes versionWord, given the versions it supports by itself.
  bool AcceptsVersion(uint32_t versionWord, std::initializer_list<uint32_t> natural) const;

  // Called once the call's status is known: joins inputs and results into the record.
  void Finish(NvStatus status);

 private:
  const Scenario& scenario_;
  DriverState& state_;
  TraceEntry& record_;
  const InterfaceBehaviour* behaviour_;
  const GpuModel* gpu_ = nullptr;
  std::string inputs_;
  std::string results_;
};

}  // namespace sim
