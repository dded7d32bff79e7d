// Forwards a context-free entry call to the active simulator.
#pragma once

#include <cstdint>

#include "sim/Simulator.h"

namespace sim {

// The active simulator, or nullptr. Set only through ScopedActiveSimulator.
Simulator* ActiveSimulator();

// Runs the call on the active simulator; kNvApiNotInitialized when none is active.
NvStatus Dispatch(uint32_t id, const CallDescriber& describe, const CallRunner& run);

}  // namespace sim
