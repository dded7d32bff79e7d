// What the display driver says about its own version.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

struct DriverVersionModel {
  uint32_t version = 55212;        // the version times 100: 552.12
  std::string branch = "r552_07";  // at most 63 characters
};

inline bool operator==(const DriverVersionModel& a, const DriverVersionModel& b) {
  return a.version == b.version && a.branch == b.branch;
}

}  // namespace sim
