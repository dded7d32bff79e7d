// The live side of a simulated board's clocks, limits and fans: its state, the fan levels the
// fans turn at, the temperature step of each thermal reading and the current clocks.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "CallContext.h"
#include "sim/PerformanceState.h"

namespace sim {

// The state of the GPU the call named (made from its model on first use); Gpu() must be set.
PerformanceState& PerformanceOf(CallContext& call);

// The level fan `index` turns at: its manual level, or the automatic level for the temperature.
uint32_t FanLevel(const GpuModel& model, const PerformanceState& state, size_t index);
// The average level of all fans, what the temperature follows.
uint32_t MeanFanLevel(const GpuModel& model, const PerformanceState& state);

// One thermal reading: takes the next load of the pattern and moves the temperature.
void StepTemperature(const GpuModel& model, PerformanceState& state);

// The current clock of a domain at the present load, with the domain's offset.
uint32_t CurrentClockKHz(const DomainClocks& clocks, uint32_t loadPercent, int32_t offsetKHz);

// The checks every entry of these areas makes once the call is admitted, in this order: a null
// structure, an unknown handle, a version word the entry does not take. kNvOk when it may run.
NvStatus CheckCall(CallContext& call, const void* structure, uint32_t versionWord,
                   std::initializer_list<uint32_t> natural);

// Writes the first `size` bytes of `full` to `out`: a structure answered in a shorter version
// never writes past the size its version word declares.
void WritePrefix(void* out, const void* full, uint32_t size);

}  // namespace sim
