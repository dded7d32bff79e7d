// The process-wide active simulator. The driver's entries are context-free C functions, so the
// instance they act on has to be found here; this is the only global state of the simulator.
#include <atomic>

#include "Dispatch.h"
#include "sim/QueryInterface.h"
#include "sim/ScopedActiveSimulator.h"

namespace sim {
namespace {

std::atomic<Simulator*> activeSimulator{nullptr};

}  // namespace

Simulator* ActiveSimulator() {
  return activeSimulator.load();
}

NvStatus Dispatch(uint32_t id, const CallDescriber& describe, const CallRunner& run) {
  Simulator* simulator = ActiveSimulator();
  if (simulator == nullptr) return kNvApiNotInitialized;
  return simulator->Invoke(id, describe, run);
}

void* NVAPI_CALL QueryInterface(uint32_t id) {
  Simulator* simulator = ActiveSimulator();
  return simulator != nullptr ? simulator->Resolve(id) : nullptr;
}

ScopedActiveSimulator::ScopedActiveSimulator(Simulator& simulator)
    : previous_(activeSimulator.exchange(&simulator)) {}

ScopedActiveSimulator::~ScopedActiveSimulator() {
  activeSimulator.store(previous_);
}

}  // namespace sim
