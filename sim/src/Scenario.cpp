#include "sim/Scenario.h"

namespace sim {

const InterfaceBehaviour* Scenario::FindInterface(uint32_t id) const {
  const auto found = interfaces.find(id);
  return found != interfaces.end() ? &found->second : nullptr;
}

bool operator==(const Scenario& a, const Scenario& b) {
  return a.gpus == b.gpus && a.displayCount == b.displayCount && a.interfaces == b.interfaces &&
         a.driverVersion == b.driverVersion;
}

}  // namespace sim
