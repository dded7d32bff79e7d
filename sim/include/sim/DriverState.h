// What a simulated driver instance has changed since it started. Later areas keep the results
// of their writes here so that reads see them.
#pragma once

namespace sim {

struct DriverState {
  bool initialized = false;
};

}  // namespace sim
