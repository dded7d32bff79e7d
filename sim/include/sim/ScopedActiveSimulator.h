// Chooses the simulator that the context-free driver entry points dispatch to.
#pragma once

#include "sim/Simulator.h"

namespace sim {

// Makes a simulator the active one for its lifetime and restores the previous one afterwards.
// Scopes must nest (destroyed in reverse order of creation), and the simulator must outlive it.
class ScopedActiveSimulator {
 public:
  explicit ScopedActiveSimulator(Simulator& simulator);
  ~ScopedActiveSimulator();
  ScopedActiveSimulator(const ScopedActiveSimulator&) = delete;
  ScopedActiveSimulator& operator=(const ScopedActiveSimulator&) = delete;

 private:
  Simulator* previous_;
};

}  // namespace sim
